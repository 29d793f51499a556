#include "ui/today.h"

#include "report/kinreturns.h"
#include "ui/appcontext.h"

#include <QCoreApplication>

namespace kinwheel {
namespace {

struct Today {
    Q_DECLARE_TR_FUNCTIONS(Today)
};

} // namespace

std::optional<CivilDate> today(AppContext& context)
{
    return civilDateOf(context.services.clock.today());
}

std::optional<Reading> todaysReading(AppContext& context)
{
    const std::optional<CivilDate> day = today(context);
    if (!day)
        return std::nullopt;
    return readingOf({std::string(), *day}, context.count, context.dayStart);
}

std::optional<ReturnsSection> returnsFromToday(AppContext& context)
{
    const std::optional<CivilDate> day = today(context);
    if (!day)
        return std::nullopt;
    return ReturnsSection{*day};
}

QString todayLine(const Reading& reading)
{
    return Today::tr("Today: Kin %1, %2 · %3")
        .arg(reading.kin)
        .arg(QString::fromStdString(tzolkinDayName(reading.kin)), galacticName(reading.kin));
}

DayWatcher::DayWatcher(AppContext& context, QObject* parent) : QObject(parent), m_context(context), m_day(today(context))
{
    m_timer.setInterval(30'000);
    connect(&m_timer, &QTimer::timeout, this, &DayWatcher::check);
    m_timer.start();
}

void DayWatcher::check()
{
    const std::optional<CivilDate> day = today(m_context);
    if (day == m_day)
        return;
    m_day = day;
    emit dayChanged();
}

} // namespace kinwheel
