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

std::vector<MayaDateLine> mayaDateLines(const BirthChart& chart)
{
    const MayaDate& maya = chart.maya;
    if (maya.kin < 1 || maya.kin > 260)
        return {};
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };

    std::vector<MayaDateLine> lines;
    if (maya.hasTraditionalFields) {
        lines = {
            {QStringLiteral("Kin: "), QStringLiteral("%1, %2").arg(maya.kin).arg(text(trecenaText(maya)))},
            {QStringLiteral("Long Count: "), text(longCountText(maya))},
            {QStringLiteral("Haab': "), text(haabDateText(maya))},
            {QStringLiteral("Calendar Round: "), text(calendarRoundText(maya))},
            {QStringLiteral("Lord of the Night: "), text(lordText(maya))},
        };
    } else {
        lines.push_back({QStringLiteral("Kin: "), QString::number(maya.kin)});
    }
    lines.push_back({QStringLiteral("Count: "), QString::fromUtf8(countName(maya.count))});
    if (const std::string note = leapDayNote(maya); !note.empty())
        lines.push_back({QString(), text(note)});
    return lines;
}

std::vector<ReportRun> composeReport(const BirthDetails& details, const BirthChart& chart,
                                     const QString& closingLine)
{
    std::vector<ReportRun> runs;
    runs.reserve(56);
    Composer c(runs);

    // A label and its value on one line, then the closing line.
    const auto field = [&](const char* label, const QString& value) {
        c.bold(true).colour(kReportLabelColour).insert(QString::fromLatin1(label), 0);
        c.bold(false).colour(kReportValueColour).insert(value, 1);
        c.insert(closingLine, 2);
    };
    const auto heading = [&](const char* title) {
        c.bold(true).colour(kReportHeadingColour).insert(QString::fromLatin1(title), 1);
    };
    const auto utf8 = [](std::string_view text) { return QString::fromUtf8(text); };

    field("Name: ", utf8(details.name));
    field("Date of Birth: ", reportDate(details));

    heading("Mayan Day Number / Galactic Tone");
    field("Mayan Number: ", QString::number(chart.dayNumber));
    field("Mayan Day Number's Description: ", utf8(chart.dayNumberDescription));

    heading("Mayan Day Signs");
    c.bold(false).insert(closingLine, 2); // keeps the heading colour
    field("Mayan Day Sign: ", utf8(chart.daySign));
    field("Mayan Gemstone: ", utf8(chart.signGemstone));
    field("Mayan Keywords: ", utf8(chart.signKeywords));
    field("Mayan Significance: ", utf8(chart.signSignificance));
    field("Mayan Day Sign's Description: ", utf8(chart.signDescription));

    heading("Other Mayan Details");
    field("Mayan English Name: ", utf8(chart.signName));
    if (chart.count == Count::Gmt584283)
        field("Famous Personalities born under this sign: ", utf8(chart.signPersonalities));

    if (const std::vector<MayaDateLine> maya = mayaDateLines(chart); !maya.empty()) {
        heading(kMayaDateHeading);
        for (const MayaDateLine& line : maya) {
            if (!line.label.isEmpty())
                c.bold(true).colour(kReportLabelColour).insert(line.label, 0);
            c.bold(false).colour(kReportValueColour).insert(line.value, 1);
        }
    }
    c.bold(false).colour(kReportValueColour).insert(closingLine, 0);
    return runs;
}

} // namespace kinwheel
