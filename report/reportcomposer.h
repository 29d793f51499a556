#pragma once
// The full reading as a sequence of formatted runs, in the order the report
// window inserts them.

#include "engine/kin.h"

#include <QColor>
#include <QString>

#include <vector>

namespace kinwheel {

inline const QColor kReportLabelColour(128, 0, 128);
inline const QColor kReportHeadingColour(0, 128, 0);
inline const QColor kReportValueColour(0, 0, 0);

struct ReportRun {
    QString text; // line breaks are "\r\n"
    bool bold = false;
    QColor colour;
    bool operator==(const ReportRun&) const = default;
};

// The birth date as the report writes it, e.g. "March 5, 1975".
QString reportDate(const BirthDetails& details);

// One line of the whole Maya date: a label and its value, or a note alone
// (empty label).
struct MayaDateLine {
    QString label;
    QString value;
    bool operator==(const MayaDateLine&) const = default;
};

// Heading of the whole Maya date in the result window and the report.
inline constexpr char kMayaDateHeading[] = "Whole Maya Date";

// The whole Maya date of a reading under its count, ending with the line that
// names the count: kin and trecena, Long Count, Haab', Calendar Round and Lord
// of the Night; under Dreamspell the kin alone, and the 29 February note when
// it applies. Empty for a chart that holds no reading.
std::vector<MayaDateLine> mayaDateLines(const BirthChart& chart);

// The runs of the report. closingLine follows every value of the sign and
// tone fields, and ends the report after the whole Maya date. The famous
// people are chosen for the 584283 count and are left out under the others.
std::vector<ReportRun> composeReport(const BirthDetails& details, const BirthChart& chart,
                                     const QString& closingLine);

} // namespace kinwheel
