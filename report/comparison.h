#pragma once
// Two readings compared, in words: each relation the rules find between
// them with the rule that finds it, and the combined kin. The comparison
// window's text, the printed comparison and the terminal's are all composed
// here from the two readings.

#include "engine/relations.h"
#include "report/reportcomposer.h"

namespace kinwheel {

// The person's name, or "the first person" / "the second person" when the
// reading has none (a reading printed from the command line).
QString comparedName(const Reading& reading, RelationSide side);

// The short heading of a relation: "Same day sign", "Ally in Ada's cross".
QString relationTitle(const Relation& relation, const Reading& first, const Reading& second);
// One or two sentences: what the two readings share, or where one's sign
// stands in the other's cross, and by which rule that is found.
QString relationText(const Relation& relation, const Reading& first, const Reading& second);

// "combined kin: kin 34 + kin 160, counted round to 1-260"
QString combinedKinLabel(const Reading& first, const Reading& second);
// The combined kin with its tone, sign and the sign's keywords.
QString combinedKinText(int kin);

// "Both readings follow the traditional count 584283."
QString comparisonCountLine(Count count);

// The relations, one line each (or a line saying none is found), then the
// combined kin: the comparison window's text box.
std::vector<ReportRun> composeRelations(const Reading& first, const Reading& second);
// What the comparison prints: a heading, the count, each reading's name,
// date, kin and cross, then composeRelations().
std::vector<ReportRun> composeComparison(const Reading& first, const Reading& second);
// composeComparison() as plain text for a terminal; lines end in "\n".
QString comparisonPlainText(const Reading& first, const Reading& second);

} // namespace kinwheel
