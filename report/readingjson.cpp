#include "report/readingjson.h"

#include "engine/tables.h"

#include <QJsonValue>
#include <QString>

namespace kinwheel {
namespace {

QString glyphName(int index)
{
    return QString::fromUtf8(GlyphTable[static_cast<std::size_t>(index)].name);
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
        {QStringLiteral("count"), QString::fromUtf8(countKey(chart.count))},
        {QStringLiteral("kin"), chart.kin},
        {QStringLiteral("tone"),
         QJsonObject{{QStringLiteral("number"), chart.dayNumber}, {QStringLiteral("name"), QString::fromUtf8(chart.toneName)}}},
        {QStringLiteral("daySign"),
         QJsonObject{
             {QStringLiteral("number"), glyphOfKin(chart.kin) + 1},
             {QStringLiteral("label"), QString::fromUtf8(SignLabelTable[static_cast<std::size_t>(positionOfKin(chart.kin) - 1)])},
             {QStringLiteral("name"), QString::fromUtf8(chart.daySign)},
             {QStringLiteral("english"), QString::fromUtf8(chart.signName)},
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
