#include "report/reportcomposer.h"

#include <string_view>

namespace kinwheel {
namespace {

// Appends runs the way the report box is written: bold and colour stay as the
// last row set them unless a row names its own.
class Composer {
public:
    explicit Composer(std::vector<ReportRun>& runs) : m_runs(runs) {}

    Composer& bold(bool on)
    {
        m_bold = on;
        return *this;
    }
    Composer& colour(const QColor& c)
    {
        m_colour = c;
        return *this;
    }
    void insert(const QString& s, int breaks)
    {
        m_runs.push_back({s + QStringLiteral("\r\n").repeated(breaks), m_bold, m_colour});
    }

private:
    std::vector<ReportRun>& m_runs;
    bool m_bold = false;
    QColor m_colour = kReportValueColour;
};

} // namespace

QString reportDate(const BirthDetails& details)
{
    return QStringLiteral("%1 %2, %3").arg(QString::fromUtf8(details.month)).arg(details.day).arg(details.year);
}

std::vector<ReportRun> composeReport(const BirthDetails& details, const BirthChart& chart,
                                     const QString& closingLine)
{
    std::vector<ReportRun> runs;
    runs.reserve(37);
    Composer c(runs);

    const auto labelled = [&](const char* label, const QString& value) {
        c.bold(true).colour(kReportLabelColour).insert(QString::fromLatin1(label), 0);
        c.bold(false).colour(kReportValueColour).insert(value, 1);
    };
    const auto heading = [&](const char* title) {
        c.bold(true).colour(kReportHeadingColour).insert(QString::fromLatin1(title), 1);
    };

    labelled("Name: ", QString::fromUtf8(details.name));
    c.insert(closingLine, 2);
    labelled("Date of Birth: ", reportDate(details));
    c.insert(closingLine, 2);

    heading("Mayan Day Number / Galactic Tone");
    labelled("Mayan Number: ", QString::number(chart.dayNumber));
    c.insert(closingLine, 2);
    labelled("Mayan Day Number's Description: ", QString::fromUtf8(chart.dayNumberDescription));
    c.insert(closingLine, 2);

    heading("Mayan Day Signs");
    c.bold(false).insert(closingLine, 2); // keeps the heading colour
    labelled("Mayan Day Sign: ", QString::fromUtf8(chart.daySign));
    c.insert(closingLine, 2);
    labelled("Mayan Gemstone: ", QString::fromUtf8(chart.signGemstone));
    c.insert(closingLine, 2);
    labelled("Mayan Keywords: ", QString::fromUtf8(chart.signKeywords));
    c.insert(closingLine, 2);
    labelled("Mayan Significance: ", QString::fromUtf8(chart.signSignificance));
    c.insert(closingLine, 2);
    labelled("Mayan Day Sign's Description: ", QString::fromUtf8(chart.signDescription));
    c.insert(closingLine, 2);

    heading("Other Mayan Details");
    labelled("Mayan English Name: ", QString::fromUtf8(chart.signName));
    c.insert(closingLine, 2);
    labelled("Famous Personalities born under this sign: ", QString::fromUtf8(chart.signPersonalities));
    c.insert(closingLine, 0);
    return runs;
}

} // namespace kinwheel
