#include "report/reportcomposer.h"

#include "engine/tables.h"
#include "report/language.h"
#include "report/kinreturns.h"

#include <QCoreApplication>

namespace kinwheel {
namespace {

struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// The report's content, before it is laid out for a window or a terminal.
struct Entry {
    enum Kind {
        Field,   // label and value on one line, then the closing line
        Heading, // a section heading
        Line,    // a label (maybe empty) and a value, with no closing line
    };
    Kind kind;
    QString label;
    QString value;
    bool closingAfter = false; // a heading followed by the closing line
};

// The famous people are chosen for the 584283 count. Under another count the
// line says so and names the people of the sign the date has under 584283.
QString personalitiesText(const Reading& reading)
{
    if (reading.count == Count::Gmt584283)
        return QString::fromUtf8(daySignOfGlyph(reading.sign).personalities);
    const std::optional<Reading> traditional = computeReading(reading.date, Count::Gmt584283);
    if (!traditional)
        return {};
    const DaySign& sign = daySignOfGlyph(traditional->sign);
    return Report::tr("Listed for the traditional count 584283 only, under which this date's sign is %1 (%2): %3.")
        .arg(QString::fromUtf8(sign.shortName), glyphText(TextTable::SignNames, traditional->sign),
             QString::fromUtf8(sign.personalities));
}

// Ordinals of the Lords of the Night, G1 .. G9.
constexpr const char* kLordOrdinals[9] = {
    QT_TRANSLATE_NOOP("Report", "first"),   QT_TRANSLATE_NOOP("Report", "second"), QT_TRANSLATE_NOOP("Report", "third"),
    QT_TRANSLATE_NOOP("Report", "fourth"),  QT_TRANSLATE_NOOP("Report", "fifth"),  QT_TRANSLATE_NOOP("Report", "sixth"),
    QT_TRANSLATE_NOOP("Report", "seventh"), QT_TRANSLATE_NOOP("Report", "eighth"), QT_TRANSLATE_NOOP("Report", "ninth"),
};

QString countLine(Count count)
{
    switch (count) {
    case Count::Gmt584283:
        return Report::tr("traditional, correlation 584283 (GMT)");
    case Count::Corr584285:
        return Report::tr("traditional, correlation 584285");
    case Count::Dreamspell:
        break;
    }
    return Report::tr("Dreamspell");
}

// Joins the last two words with a no-break space, so that a line never
// ends the text with one word alone.
QString keepLastWordsTogether(QString text)
{
    const qsizetype last = text.lastIndexOf(QLatin1Char(' '));
    if (last > 0)
        text[last] = QChar(0x00A0);
    return text;
}

std::vector<Entry> reportEntries(const Reading& reading, const std::optional<ReturnsSection>& returns)
{
    std::vector<Entry> entries;
    entries.reserve(24);
    const auto field = [&](const QString& label, const QString& value) {
        entries.push_back({Entry::Field, label, value});
    };
    const auto heading = [&](const QString& title, bool closingAfter = false) {
        entries.push_back({Entry::Heading, QString(), title, closingAfter});
    };

    field(Report::tr("Name: "), QString::fromStdString(reading.person.name));
    field(Report::tr("Date of Birth: "), reportDate(reading.person.birthDate));
    if (const QString note = readingDateNote(reading); !note.isEmpty())
        field(QString(), note);

    heading(Report::tr("Mayan Day Number / Galactic Tone"));
    // The table texts in the language shown; the day sign's label is Maya.
    const auto sign = [&reading](TextTable table) { return glyphText(table, reading.sign); };
    field(Report::tr("Mayan Number: "), QString::number(reading.tone));
    field(Report::tr("Mayan Day Number's Description: "), toneText(TextTable::ToneDescriptions, reading.tone));

    heading(Report::tr("Mayan Day Signs"), true);
    field(Report::tr("Mayan Day Sign: "), QString::fromUtf8(daySignOfGlyph(reading.sign).shortName));
    field(Report::tr("Mayan Gemstone: "), sign(TextTable::SignGemstones));
    field(Report::tr("Mayan Keywords: "), sign(TextTable::SignKeywords));
    field(Report::tr("Mayan Significance: "), sign(TextTable::SignSignificance));
    field(Report::tr("Mayan Day Sign's Description: "), sign(TextTable::SignDescriptions));

    heading(Report::tr("Other Mayan Details"));
    field(Report::tr("Mayan English Name: "), sign(TextTable::SignNames));
    field(Report::tr("Famous Personalities born under this sign: "), personalitiesText(reading));

    if (const std::vector<MayaDateLine> maya = mayaDateLines(reading); !maya.empty()) {
        heading(mayaDateHeading());
        for (const MayaDateLine& line : maya)
            entries.push_back({Entry::Line, line.label, line.value});
    }
    if (const auto lines = returns ? kinReturnsLines(reading, *returns) : std::vector<MayaDateLine>{}; !lines.empty()) {
        heading(kinReturnsHeading());
        for (const MayaDateLine& line : lines)
            entries.push_back({Entry::Line, line.label, line.value});
    }
    return entries;
}

// Appends runs the way the report box is written: bold and colour stay as the
// last run set them unless a run names its own.
class Composer {
public:
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
    Composer& scale(qreal factor)
    {
        m_scale = factor;
        return *this;
    }
    void insert(const QString& s, int breaks)
    {
        m_runs.push_back({s + QStringLiteral("\r\n").repeated(breaks), m_bold, m_colour, m_scale});
    }
    std::vector<ReportRun> take() { return std::move(m_runs); }

private:
    std::vector<ReportRun> m_runs;
    bool m_bold = false;
    QColor m_colour = kReportValueColour;
    qreal m_scale = 1.0;
};

struct Position {
    const char* heading;
    const char* meaning;
};

// By cross slot: Central, Ally, Occult, Challenge, Guide.
constexpr Position kPositions[5] = {
    {QT_TRANSLATE_NOOP("Report", "Central"), QT_TRANSLATE_NOOP("Report", "This signifies the features for your day of birth.")},
    {QT_TRANSLATE_NOOP("Report", "Ally"), QT_TRANSLATE_NOOP("Report", "This signifies features common with you personality.")},
    {QT_TRANSLATE_NOOP("Report", "Occult"), QT_TRANSLATE_NOOP("Report", "This signifies magical gift that you have in you.")},
    {QT_TRANSLATE_NOOP("Report", "Challenge"),
     QT_TRANSLATE_NOOP("Report", "This signifies the challenges that up may have to face and situations where you "
                                 "have to show your courage.")},
    {QT_TRANSLATE_NOOP("Report", "Guide"), QT_TRANSLATE_NOOP("Report", "This signifies the force that influences your action.")},
};

} // namespace

QString dayMonthYear(const CivilDate& date)
{
    return Report::tr("%1 %2 %3", "day, month, year").arg(date.day).arg(shownMonthName(date.month)).arg(date.year, 4, 10, QLatin1Char('0'));
}

QString countPhrase(Count count)
{
    switch (count) {
    case Count::Gmt584283:
        return Report::tr("traditional count 584283");
    case Count::Corr584285:
        return Report::tr("traditional count 584285");
    case Count::Dreamspell:
        break;
    }
    return Report::tr("Dreamspell count");
}

QString readingHeadline(const Reading& reading)
{
    if (reading.kin < 1 || reading.kin > 260)
        return {};
    const QString kin = Report::tr("Kin %1, %2").arg(reading.kin).arg(text(tzolkinDayName(reading.kin)));
    const QString date = dayMonthYear(reading.person.birthDate);
    if (reading.person.name.empty())
        return Report::tr("%1 · %2 · %3", "date, kin, count").arg(date, kin, countPhrase(reading.count));
    return Report::tr("%1 · %2 · %3 · %4", "name, date, kin, count")
        .arg(QString::fromStdString(reading.person.name), date, kin, countPhrase(reading.count));
}

QString readingDateNote(const Reading& reading)
{
    if (reading.date == reading.person.birthDate)
        return {};
    const QString born = dayMonthYear(reading.person.birthDate);
    const QString read = dayMonthYear(reading.date);
    if (reading.person.born == BirthTime::Night)
        return Report::tr("Born before sunrise on %1; the day began at sunrise, so this is the reading of %2.")
            .arg(born, read);
    return Report::tr("Born in the evening of %1; the day began at sunset, so this is the reading of %2.")
        .arg(born, read);
}

QString reportDate(const CivilDate& date)
{
    // "March 4, 99" would read as 1999: years below 1000 keep four digits.
    return Report::tr("%1 %2, %3", "month, day, year")
        .arg(shownMonthName(date.month))
        .arg(date.day)
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

QString positionHeading(int slot)
{
    return slot >= 0 && slot < 5 ? Report::tr(kPositions[slot].heading) : QString();
}

QString mayaDateHeading()
{
    return Report::tr("Maya Calendar Date");
}

std::vector<MayaDateLine> mayaDateLines(const Reading& reading)
{
    const MayaDate& maya = reading.maya;
    if (maya.kin < 1 || maya.kin > 260)
        return {};

    std::vector<MayaDateLine> lines{{Report::tr("Kin: "), QString::number(maya.kin)}};
    if (maya.hasTraditionalFields) {
        const QString lord = maya.lord >= 1 && maya.lord <= 9
                                 ? Report::tr("%1 (%2 of the nine)")
                                       .arg(text(lordText(maya)), Report::tr(kLordOrdinals[maya.lord - 1]))
                                 : QString();
        lines.insert(lines.end(), {
                                      {Report::tr("Trecena: "), text(trecenaText(maya))},
                                      {Report::tr("Long Count: "), text(longCountText(maya))},
                                      {Report::tr("Haab': "), text(haabDateText(maya))},
                                      {Report::tr("Calendar Round: "), text(calendarRoundText(maya))},
                                      {Report::tr("Lord of the Night: "), lord},
                                  });
    }
    lines.push_back({Report::tr("Count: "), countLine(maya.count)});
    if (maya.dreamspellLeapDay)
        lines.push_back({Report::tr("Leap day: "),
                         keepLastWordsTogether(Report::tr(
                             "the Dreamspell count gives 29 February no kin of its own. It is \"0.0 Hunab Ku\", a "
                             "day outside the 260-day cycle, so this reading takes the kin of 28 February."))});
    return lines;
}

std::vector<ReportRun> composeReport(const Reading& reading, const QString& closingLine,
                                     const std::optional<ReturnsSection>& returns)
{
    Composer c;
    for (const Entry& entry : reportEntries(reading, returns)) {
        switch (entry.kind) {
        case Entry::Field:
            if (!entry.label.isEmpty())
                c.bold(true).colour(kReportLabelColour).insert(entry.label, 0);
            c.bold(false).colour(kReportValueColour).insert(entry.value, 1);
            c.insert(closingLine, 2);
            break;
        case Entry::Heading:
            c.bold(true).colour(kReportHeadingColour).insert(entry.value, 1);
            if (entry.closingAfter)
                c.bold(false).insert(closingLine, 2); // keeps the heading colour
            break;
        case Entry::Line:
            if (!entry.label.isEmpty())
                c.bold(true).colour(kReportLabelColour).insert(entry.label, 0);
            c.bold(false).colour(kReportValueColour).insert(entry.value, 1);
            break;
        }
    }
    c.bold(false).colour(kReportValueColour).insert(closingLine, 0);
    return c.take();
}

QString reportPlainText(const Reading& reading, const QString& closingLine, const std::optional<ReturnsSection>& returns)
{
    QString out;
    for (const Entry& entry : reportEntries(reading, returns)) {
        if (entry.kind == Entry::Heading)
            out += QLatin1Char('\n') + entry.value + QLatin1Char('\n');
        else
            out += entry.label + entry.value + QLatin1Char('\n');
    }
    return out + QLatin1Char('\n') + closingLine + QLatin1Char('\n');
}

std::vector<ReportRun> composeResultText(const Reading& reading, const std::optional<ReturnsSection>& returns)
{
    // Headings a size larger, the glyph's name bold, the rest plain: a reader
    // finds each position at a glance.
    constexpr qreal kHeading = 1.25;
    Composer c;
    c.colour(QColor());
    if (const QString headline = readingHeadline(reading); !headline.isEmpty())
        c.bold(true).insert(headline, 2);
    if (const QString note = readingDateNote(reading); !note.isEmpty())
        c.bold(false).insert(note, 2);
    for (int slot = 0; slot < 5; ++slot) {
        const int glyph = reading.cross[slot];
        if (glyph < 0 || glyph >= static_cast<int>(GlyphTable.size()))
            continue; // a cross out of range is never computed; show nothing rather than read past the table
        c.bold(true).scale(kHeading).insert(positionHeading(slot), 1);
        c.bold(false).scale(1).insert(Report::tr(kPositions[slot].meaning), 1);
        c.bold(true).insert(glyphText(TextTable::GlyphNames, glyph), 1);
        c.bold(false).insert(glyphText(TextTable::GlyphDescriptions, glyph), 2);
    }
    const auto section = [&c](const QString& heading, const std::vector<MayaDateLine>& lines) {
        if (lines.empty())
            return;
        c.bold(true).scale(kHeading).insert(heading, 1);
        c.scale(1);
        for (const MayaDateLine& line : lines)
            c.bold(false).insert(line.label + line.value, 1);
    };
    section(mayaDateHeading(), mayaDateLines(reading));
    if (const auto lines = returns ? kinReturnsLines(reading, *returns) : std::vector<MayaDateLine>{}; !lines.empty()) {
        c.insert(QString(), 1); // a blank line between the two
        section(kinReturnsHeading(), lines);
    }
    return c.take();
}

} // namespace kinwheel
