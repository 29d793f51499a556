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

// The 37 runs of the report; closingLine follows every value.
std::vector<ReportRun> composeReport(const BirthDetails& details, const BirthChart& chart,
                                     const QString& closingLine);

} // namespace kinwheel
