#pragma once
// The keys of a time of birth and of a day start, as reading files, the
// settings store, the command line and JSON write them. They are English in
// every language.

#include "engine/reading.h"

#include <QString>

#include <optional>

namespace kinwheel {

// "day", "evening", "night".
QString birthTimeKey(BirthTime born);
std::optional<BirthTime> parseBirthTime(const QString& key);
// "midnight", "sunset", "sunrise".
QString dayStartKey(DayStart start);
std::optional<DayStart> parseDayStart(const QString& key);

} // namespace kinwheel
