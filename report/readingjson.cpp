#include "report/readingjson.h"

#include "engine/tables.h"
#include "report/birthtime.h"

#include <QJsonValue>
#include <QString>

namespace kinwheel {
namespace {

QString glyphName(int index)
{
    return QString::fromUtf8(GlyphTable[static_cast<std::size_t>(index)].name);
}

} // namespace

QJsonObject toneJson(int tone)
{
    return {{QStringLiteral("number"), tone}, {QStringLiteral("name"), QString::fromUtf8(toneNameOf(tone))}};
}

QJsonObject daySignJson(int glyph)
{
    const DaySign& sign = daySignOfGlyph(glyph);
    return {
        {QStringLiteral("number"), glyph + 1},
        {QStringLiteral("label"), QString::fromUtf8(sign.label)},
        {QStringLiteral("name"), QString::fromUtf8(sign.shortName)},
        {QStringLiteral("english"), QString::fromUtf8(sign.englishName)},
    };
}

QJsonObject readingJson(const Reading& reading)
{
    const MayaDate& maya = reading.maya;
    const DestinyCross& cross = reading.cross;
    const auto traditional = [&](const QJsonValue& value) {
        return maya.hasTraditionalFields ? value : QJsonValue(QJsonValue::Null);
    };

    return QJsonObject{
        {QStringLiteral("name"), QString::fromStdString(reading.person.name)},
        {QStringLiteral("date"), QString::fromStdString(isoDate(reading.person.birthDate))},
        {QStringLiteral("count"), QString::fromUtf8(countKey(reading.count))},
        {QStringLiteral("born"), reading.person.born == BirthTime::Unknown ? QJsonValue(QJsonValue::Null)
                                                                           : QJsonValue(birthTimeKey(reading.person.born))},
        {QStringLiteral("dayBegins"), dayStartKey(reading.dayStart)},
        {QStringLiteral("readingDate"), QString::fromStdString(isoDate(reading.date))},
        {QStringLiteral("kin"), reading.kin},
        {QStringLiteral("tone"), toneJson(reading.tone)},
        {QStringLiteral("daySign"), daySignJson(reading.sign)},
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
        {QStringLiteral("leapDay"), maya.dreamspellLeapDay},
    };
}

} // namespace kinwheel
