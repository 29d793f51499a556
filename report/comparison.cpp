#include "report/comparison.h"

#include "engine/tables.h"
#include "report/language.h"

#include <QCoreApplication>

namespace kinwheel {
namespace {

struct Compare {
    Q_DECLARE_TR_FUNCTIONS(Compare)
};

QString glyphName(int glyph)
{
    return glyphText(TextTable::GlyphNames, glyph);
}

// "Kin 34, 8 Ak'b'al"
QString kinName(int kin)
{
    return Compare::tr("Kin %1, %2").arg(kin).arg(QString::fromStdString(tzolkinDayName(kin)));
}

constexpr const char* kColours[4] = {QT_TRANSLATE_NOOP("Compare", "red"), QT_TRANSLATE_NOOP("Compare", "white"),
                                     QT_TRANSLATE_NOOP("Compare", "blue"), QT_TRANSLATE_NOOP("Compare", "yellow")};
constexpr const char* kCastles[5] = {QT_TRANSLATE_NOOP("Compare", "first"), QT_TRANSLATE_NOOP("Compare", "second"),
                                     QT_TRANSLATE_NOOP("Compare", "third"), QT_TRANSLATE_NOOP("Compare", "fourth"),
                                     QT_TRANSLATE_NOOP("Compare", "fifth")};

// Appends runs: each with its own weight, colour and size.
class Runs {
public:
    Runs& add(const QString& text, bool bold = false, const QColor& colour = kReportValueColour, qreal scale = 1.0)
    {
        m_runs.push_back({text, bold, colour, scale});
        return *this;
    }
    // A bold label and its value on one line.
    Runs& line(const QString& label, const QString& value)
    {
        return add(label + QStringLiteral(": "), true, kReportLabelColour).add(value + QStringLiteral("\r\n"));
    }
    Runs& append(std::vector<ReportRun> more)
    {
        m_runs.insert(m_runs.end(), more.begin(), more.end());
        return *this;
    }
    std::vector<ReportRun> take() { return std::move(m_runs); }

private:
    std::vector<ReportRun> m_runs;
};

} // namespace

QString comparedName(const Reading& reading, RelationSide side)
{
    if (!reading.person.name.empty())
        return QString::fromStdString(reading.person.name);
    return side == RelationSide::Second ? Compare::tr("the second person") : Compare::tr("the first person");
}

QString relationTitle(const Relation& relation, const Reading& first, const Reading& second)
{
    const QString owner = relation.from == RelationSide::Second ? comparedName(second, RelationSide::Second)
                                                                : comparedName(first, RelationSide::First);
    switch (relation.rule) {
    case RelationRule::SameKin:
        return Compare::tr("Same kin");
    case RelationRule::SameDaySign:
        return Compare::tr("Same day sign");
    case RelationRule::SameTone:
        return Compare::tr("Same tone");
    case RelationRule::Ally:
        return Compare::tr("Ally in %1's cross").arg(owner);
    case RelationRule::Occult:
        return Compare::tr("Occult in %1's cross").arg(owner);
    case RelationRule::Challenge:
        return Compare::tr("Challenge in %1's cross").arg(owner);
    case RelationRule::Guide:
        return Compare::tr("Guide in %1's cross").arg(owner);
    case RelationRule::SameColour:
        return Compare::tr("Same colour");
    case RelationRule::SameEarthFamily:
        return Compare::tr("Same earth family");
    case RelationRule::SameTrecena:
        return Compare::tr("Same trecena");
    case RelationRule::SameCastle:
        break;
    }
    return Compare::tr("Same castle");
}

QString relationText(const Relation& relation, const Reading& first, const Reading& second)
{
    const bool secondsCross = relation.from == RelationSide::Second;
    const Reading& own = secondsCross ? second : first;
    const Reading& other = secondsCross ? first : second;
    const QString ownName = comparedName(own, secondsCross ? RelationSide::Second : RelationSide::First);
    const QString otherName = comparedName(other, secondsCross ? RelationSide::First : RelationSide::Second);
    const QString otherSign = glyphName(other.sign);
    const int kin = first.kin;
    switch (relation.rule) {
    case RelationRule::SameKin:
        return capitalised(Compare::tr("%1 and %2 were both born on %3: the same day of the 260-day count.")
                               .arg(ownName, otherName, kinName(kin)));
    case RelationRule::SameDaySign:
        return Compare::tr("Both birth days carry the day sign %1 (%2); a kin's sign is its place in the cycle of "
                           "twenty signs.")
            .arg(glyphName(first.sign), QString::fromUtf8(daySignOfGlyph(first.sign).shortName));
    case RelationRule::SameTone:
        return Compare::tr("Both birth days carry tone %1, %2; a kin's tone is its place in the cycle of thirteen.")
            .arg(first.tone)
            .arg(toneText(TextTable::ToneNames, first.tone));
    case RelationRule::Ally:
        return capitalised(Compare::tr("%1's day sign, %2, is the Ally of %3's: the numbers of the two signs (1 to 20) "
                                       "add up to 19 or 39.")
                               .arg(otherName, otherSign, ownName));
    case RelationRule::Occult:
        return capitalised(Compare::tr("%1's day sign, %2, is the Occult of %3's: the numbers of the two signs "
                                       "(1 to 20) add up to 21.")
                               .arg(otherName, otherSign, ownName));
    case RelationRule::Challenge:
        return capitalised(Compare::tr("%1's day sign, %2, is the Challenge of %3's: it stands ten signs away in the "
                                       "cycle of twenty.")
                               .arg(otherName, otherSign, ownName));
    case RelationRule::Guide: {
        const int steps = guideOffsetOf(own.tone);
        if (steps == 0)
            return capitalised(Compare::tr("%1's day sign, %2, is the Guide in %3's cross: under tone %4 the Guide is "
                                           "the central sign itself.")
                                   .arg(otherName, otherSign, ownName)
                                   .arg(own.tone));
        return capitalised(Compare::tr("%1's day sign, %2, is the Guide in %3's cross: tone %4 sets the Guide %5 signs "
                                       "on from the central sign, in its colour.")
                               .arg(otherName, otherSign, ownName)
                               .arg(own.tone)
                               .arg(steps));
    }
    case RelationRule::SameColour:
        return Compare::tr("Both day signs are %1 (%2 and %3): the colours run red, white, blue, yellow round the "
                           "twenty signs.")
            .arg(Compare::tr(kColours[colourOfGlyph(first.sign)]), glyphName(first.sign), glyphName(second.sign));
    case RelationRule::SameEarthFamily: {
        const int family = earthFamilyOfGlyph(first.sign);
        return Compare::tr("Both day signs belong to the Dreamspell earth family of %1, %2, %3 and %4, the signs "
                           "five places apart.")
            .arg(glyphName(family), glyphName(family + 5), glyphName(family + 10), glyphName(family + 15));
    }
    case RelationRule::SameTrecena: {
        const int opening = trecenaStartOfKin(kin);
        return Compare::tr("Both kins lie in the trecena (wavespell) of kins %1 to %2, the thirteen days that open "
                           "with %3.")
            .arg(opening)
            .arg(opening + 12)
            .arg(QString::fromStdString(tzolkinDayName(opening)));
    }
    case RelationRule::SameCastle:
        break;
    }
    const int castle = castleOfKin(kin);
    return Compare::tr("Both kins lie in the %1 of the Dreamspell's five castles, kins %2 to %3; each castle is a "
                       "run of 52 kins.")
        .arg(Compare::tr(kCastles[castle]))
        .arg(castle * 52 + 1)
        .arg(castle * 52 + 52);
}

QString combinedKinLabel(const Reading& first, const Reading& second)
{
    return Compare::tr("combined kin: kin %1 + kin %2, counted round to 1-260").arg(first.kin).arg(second.kin);
}

QString combinedKinText(int kin)
{
    const int tone = toneOfKin(kin), glyph = glyphOfKin(kin);
    return Compare::tr("%1 · tone %2, %3 · %4 (%5): %6")
        .arg(kinName(kin))
        .arg(tone)
        .arg(toneText(TextTable::ToneNames, tone), glyphName(glyph), QString::fromUtf8(daySignOfGlyph(glyph).shortName),
             glyphText(TextTable::SignKeywords, glyph));
}

QString comparisonCountLine(Count count)
{
    return Compare::tr("Both readings follow the %1.").arg(countPhrase(count));
}

std::vector<ReportRun> composeRelations(const Reading& first, const Reading& second)
{
    Runs runs;
    const std::vector<Relation> relations = relationsBetween(first.kin, second.kin, first.count);
    for (const Relation& relation : relations)
        runs.line(relationTitle(relation, first, second), relationText(relation, first, second));
    if (relations.empty())
        runs.add(Compare::tr("None of these rules finds a relation between the two kins.") + QStringLiteral("\r\n"));
    runs.line(combinedKinLabel(first, second), combinedKinText(combinedKin(first.kin, second.kin)));
    std::vector<ReportRun> taken = runs.take();
    taken.back().text.chop(2); // the last line ends the text
    return taken;
}

std::vector<ReportRun> composeComparison(const Reading& first, const Reading& second)
{
    constexpr qreal kHeading = 1.25;
    Runs runs;
    runs.add(Compare::tr("Two Readings Side by Side") + QStringLiteral("\r\n"), true, kReportHeadingColour, kHeading);
    runs.add(comparisonCountLine(first.count) + QStringLiteral("\r\n\r\n"));
    for (const auto& [reading, side] : {std::pair{&first, RelationSide::First}, {&second, RelationSide::Second}}) {
        runs.add(capitalised(comparedName(*reading, side)) + QStringLiteral("\r\n"), true);
        runs.add(Compare::tr("%1 · %2 · tone %3, %4")
                     .arg(dayMonthYear(reading->person.birthDate), kinName(reading->kin))
                     .arg(reading->tone)
                     .arg(toneText(TextTable::ToneNames, reading->tone))
                 + QStringLiteral("\r\n"));
        // A kin of another date than the birth says why, as the report does.
        if (const QString note = readingDateNote(*reading); !note.isEmpty())
            runs.add(note + QStringLiteral("\r\n"));
        for (int slot = 0; slot < 5; ++slot)
            runs.line(positionHeading(slot), glyphName(reading->cross[slot]));
        runs.add(QStringLiteral("\r\n"));
    }
    runs.add(Compare::tr("Relations") + QStringLiteral("\r\n"), true, kReportHeadingColour, kHeading);
    return runs.append(composeRelations(first, second)).take();
}

QString comparisonPlainText(const Reading& first, const Reading& second)
{
    QString text;
    for (const ReportRun& run : composeComparison(first, second))
        text += run.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text + QLatin1Char('\n');
}

} // namespace kinwheel
