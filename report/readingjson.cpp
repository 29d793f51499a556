#include "report/readingjson.h"

#include "engine/tables.h"

#include <QJsonValue>
#include <QString>

namespace kinwheel {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString glyphName(int index)
{
    return text(GlyphTable[static_cast<std::size_t>(index)].name);
}

int monthNumber(std::string_view month)
{
    for (std::size_t m = 0; m < MonthNames.size(); ++m)
        if (MonthNames[m] == month)
            return static_cast<int>(m) + 1;
    return 0;
}

} // namespace

QJsonObject readingJson(const BirthDetails& details, const BirthChart& chart)
{
    const MayaDate& maya = chart.maya;
    const DestinyCross& cross = chart.cross;
    const auto traditional = [&](const QJsonValue& value) {
        return maya.hasTraditionalFields ? value : QJsonValue(QJsonValue::Null);
    };
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(details.year, 4, 10, QLatin1Char('0'))
                             .arg(monthNumber(details.month), 2, 10, QLatin1Char('0'))
                             .arg(details.day, 2, 10, QLatin1Char('0'));

    return QJsonObject{
        {QStringLiteral("name"), QString::fromStdString(details.name)},
        {QStringLiteral("date"), date},
        {QStringLiteral("count"), text(countKey(chart.count))},
        {QStringLiteral("kin"), chart.kin},
        {QStringLiteral("tone"),
         QJsonObject{{QStringLiteral("number"), chart.dayNumber}, {QStringLiteral("name"), text(chart.toneName)}}},
        {QStringLiteral("daySign"),
         QJsonObject{
             {QStringLiteral("number"), glyphOfKin(chart.kin) + 1},
             {QStringLiteral("label"), text(SignLabelTable[static_cast<std::size_t>(positionOfKin(chart.kin) - 1)])},
             {QStringLiteral("name"), text(chart.daySign)},
             {QStringLiteral("english"), text(chart.signName)},
         }},
        {QStringLiteral("cross"),
         QJsonObject{
             {QStringLiteral("central"), glyphName(cross[DestinyCross::Central])},
             {QStringLiteral("ally"), glyphName(cross[DestinyCross::Ally])},
             {QStringLiteral("occult"), glyphName(cross[DestinyCross::Occult])},
             {QStringLiteral("challenge"), glyphName(cross[DestinyCross::Challenge])},
             {QStringLiteral("guide"), glyphName(cross[DestinyCross::Guide])},
         }},
        {QStringLiteral("longCount"), traditional(QString::fromStdString(longCountText(maya)))},
        {QStringLiteral("haab"), traditional(QJsonObject{
                                     {QStringLiteral("day"), maya.haabDay},
                                     {QStringLiteral("month"), maya.haabMonth},
                                     {QStringLiteral("monthName"), QString::fromStdString(haabMonthName(maya.haabMonth))},
                                 })},
        {QStringLiteral("calendarRound"), traditional(QString::fromStdString(calendarRoundText(maya)))},
        {QStringLiteral("lordOfTheNight"), traditional(maya.lord)},
        {QStringLiteral("trecena"), traditional(QString::fromStdString(trecenaText(maya)))},
    };
}

} // namespace kinwheel
