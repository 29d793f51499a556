#pragma once
// The reading as one JSON object, for the command line.

#include "engine/reading.h"

#include <QJsonObject>

namespace kinwheel {

// name, date (ISO, the birth date), count, born ("evening", "night", or null
// when not known), dayBegins, readingDate (ISO, the date whose reading it
// is), kin, tone, daySign, cross, longCount, haab,
// calendarRound, lordOfTheNight, trecena ("1 Men"), leapDay (Dreamspell's 29
// February, which has no kin of its own). The fields of the traditional
// counts alone (longCount, haab, calendarRound, lordOfTheNight, trecena) are
// null under Dreamspell. Names and values are the program's English ones in
// every language, so scripts can rely on them.
QJsonObject readingJson(const Reading& reading);
// Its tone {number, name} and daySign {number, label, name, english} objects.
QJsonObject toneJson(int tone);
QJsonObject daySignJson(int glyph);

} // namespace kinwheel
