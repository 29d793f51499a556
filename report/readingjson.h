#pragma once
// The reading as one JSON object, for the command line.

#include "engine/kin.h"

#include <QJsonObject>

namespace kinwheel {

// name, date (ISO), count, kin, tone, daySign, cross, longCount, haab,
// calendarRound, lordOfTheNight, trecena. The fields of the traditional
// counts alone (longCount, haab, calendarRound, lordOfTheNight, trecena) are
// null under Dreamspell.
QJsonObject readingJson(const BirthDetails& details, const BirthChart& chart);

} // namespace kinwheel
