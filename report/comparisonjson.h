#pragma once
// Two readings compared, as one JSON object, for the command line.

#include "engine/reading.h"

#include <QJsonObject>

namespace kinwheel {

// count, first and second (each as readingJson() gives it), relations
// [{rule, from ("first", "second" or "both"), text}] and combinedKin {kin,
// tone, daySign}. The rule and from values are English in every language.
QJsonObject comparisonJson(const Reading& first, const Reading& second);

} // namespace kinwheel
