#pragma once
// Every text a reading is shown in: the report window's formatted runs, the
// result window's text beside the cards, and the report as plain text for a
// terminal. All are composed from one Reading.

#include "engine/reading.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace kinwheel {

inline const QColor kReportLabelColour(128, 0, 128);
inline const QColor kReportHeadingColour(0, 128, 0);
inline const QColor kReportValueColour(0, 0, 0);

struct ReportRun {
    QString text; // line breaks are "\r\n"
    bool bold = false;
    QColor colour;      // invalid: the text box's own colour
    qreal scale = 1.0;  // of the text box's font size: headings are larger
    bool operator==(const ReportRun&) const = default;
};

// A date as the report writes it, e.g. "March 5, 1975"; a year below 1000
// keeps four digits, so that "0099" is not read as 1999.
QString reportDate(const CivilDate& date);
// A date in running text and headlines, e.g. "26 July 1987".
QString dayMonthYear(const CivilDate& date);

// A count in running text: "traditional count 584283", "traditional count
// 584285", "Dreamspell count".
QString countPhrase(Count count);
// The line that says whose reading it is: "Ana Pérez · 26 July 1987 · Kin
// 240, 6 Ajaw · traditional count 584283"; without a name it starts with the
// date. Empty for a reading with no kin.
QString readingHeadline(const Reading& reading);

// The line that says a reading is of another date than the birth date:
// "Born in the evening of 26 July 1987; the day began at sunset, so this is
// the reading of 27 July 1987."; empty when it is of the birth date.
QString readingDateNote(const Reading& reading);

// One line of the whole Maya date: a label and its value, or a note alone
// (empty label).
struct MayaDateLine {
    QString label;
    QString value;
    bool operator==(const MayaDateLine&) const = default;
};

// The heading of the whole Maya date.
QString mayaDateHeading();

// The Maya calendar date of a reading under its count, one fact a line,
// ending with the line that names the count: kin, trecena, Long Count, Haab',
// Calendar Round and Lord of the Night; under Dreamspell the kin alone, and
// the leap-day line when it applies. Empty for a reading with no kin.
std::vector<MayaDateLine> mayaDateLines(const Reading& reading);

// The section of the next dates on which the reading's kin comes round
// again (kinreturns.h): `count` of them from today.
inline constexpr int kReturnsShown = 3;
struct ReturnsSection {
    CivilDate today;
    int count = kReturnsShown;
};

// The runs of the report window. closingLine follows every value of the sign
// and tone fields, and ends the report after the whole Maya date and the
// returns, when asked for. The famous people are chosen for the 584283 count
// and are left out under the others.
std::vector<ReportRun> composeReport(const Reading& reading, const QString& closingLine,
                                     const std::optional<ReturnsSection>& returns = std::nullopt);

// The same report for a terminal: each line once, a blank line before each
// heading, and closingLine once at the end. Lines end in "\n".
QString reportPlainText(const Reading& reading, const QString& closingLine,
                        const std::optional<ReturnsSection>& returns = std::nullopt);

// The heading of a destiny-cross position, slot 0..4: "Central" .. "Guide".
QString positionHeading(int slot);

// The result window's text: for each cross position its heading, meaning,
// glyph name and description, then the whole Maya date and the returns.
std::vector<ReportRun> composeResultText(const Reading& reading,
                                         const std::optional<ReturnsSection>& returns = std::nullopt);

} // namespace kinwheel
