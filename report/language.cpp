#include "report/language.h"

#include "engine/mayadate.h"
#include "engine/tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace kinwheel {
namespace {

QString current = QString::fromUtf8(kEnglish);

struct TableInfo {
    std::string_view file;
    int size;
};
constexpr int kTones = static_cast<int>(ToneTable.size());
constexpr int kGlyphs = static_cast<int>(GlyphTable.size());
constexpr int kSigns = static_cast<int>(DaySignTable.size());
constexpr TableInfo kTables[kTextTableCount] = {
    {"tone-names.txt", kTones},          {"tone-descriptions.txt", kTones},  {"glyph-names.txt", kGlyphs},
    {"glyph-descriptions.txt", kGlyphs}, {"sign-names.txt", kSigns},         {"sign-keywords.txt", kSigns},
    {"sign-gemstones.txt", kSigns},      {"sign-significance.txt", kSigns},  {"sign-descriptions.txt", kSigns},
    {"labels.txt", kLabelTextCount},     {"galactic-names.txt", kGlyphs},    {"tone-names-feminine.txt", kTones},
};

const TableInfo& info(TextTable table)
{
    return kTables[static_cast<int>(table)];
}

std::string_view englishText(TextTable table, int index)
{
    const auto at = static_cast<std::size_t>(index);
    switch (table) {
    case TextTable::ToneNames:
        return ToneTable[at].name;
    case TextTable::ToneDescriptions:
        return ToneTable[at].description;
    case TextTable::GlyphNames:
        return GlyphTable[at].name;
    case TextTable::GlyphDescriptions:
        return GlyphTable[at].description;
    case TextTable::SignNames:
        return DaySignTable[at].englishName;
    case TextTable::SignKeywords:
        return DaySignTable[at].keywords;
    case TextTable::SignGemstones:
        return DaySignTable[at].gemstone;
    case TextTable::SignSignificance:
        return DaySignTable[at].significance;
    case TextTable::SignDescriptions:
        return DaySignTable[at].description;
    case TextTable::Labels:
        return labelText(static_cast<LabelText>(at));
    case TextTable::ToneNamesFeminine:
        return ToneTable[at].name;
    case TextTable::GalacticNames:
        break; // composed: see englishGalacticName()
    }
    return {};
}

// "White {m} Wizard": English puts the tone between the glyph's colour and its sign.
QString englishGalacticName(int glyph)
{
    const QString name = QString::fromUtf8(GlyphTable[static_cast<std::size_t>(glyph)].name);
    const qsizetype space = name.indexOf(QLatin1Char(' '));
    return name.left(space) + QStringLiteral(" {m}") + name.mid(space);
}

// The lines of a language's table, read once from the resources; empty when
// the language has no such file.
const QStringList& languageLines(TextTable table, const QString& language)
{
    static QHash<QString, QStringList> cache;
    const QString key = language + QLatin1Char('/') + QString::fromUtf8(info(table).file);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QStringList lines;
    QFile file(QStringLiteral(":/text/") + key);
    if (file.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(file.readAll());
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        lines = text.split(QLatin1Char('\n'));
        if (lines.size() != info(table).size)
            lines.clear(); // a file out of step with the English is not used
    }
    return *cache.insert(key, lines);
}

std::unique_ptr<QTranslator>& programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeTranslator(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

bool isKnownLanguage(QStringView code)
{
    for (const LanguageInfo& language : kLanguages)
        if (code == QString::fromUtf8(language.code))
            return true;
    return false;
}

QString languageOfLocaleName(QStringView name)
{
    // "es", "es_MX", "es_MX.UTF-8", "es-419", "es_ES@euro": the language is
    // what comes before the first separator.
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetter())
        ++end;
    const QString code = name.left(end).toString().toLower();
    return isKnownLanguage(code) ? code : QString::fromUtf8(kEnglish);
}

QString languageOfLocale(const QLocale& locale)
{
    return languageOfLocaleName(locale.name());
}

QString languageOfEnvironment()
{
    // GNU's order for messages: the locale categories from the most to the
    // least particular, and LANGUAGE (a list, the first one wins) over them
    // unless the locale is C, which asks for the program's own texts.
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = qEnvironmentVariable(variable); !locale.isEmpty())
            break;
    const QString plain = locale.section(QLatin1Char('.'), 0, 0);
    if (plain == QLatin1String("C") || plain == QLatin1String("POSIX"))
        return QString::fromUtf8(kEnglish);
    if (const QString list = qEnvironmentVariable("LANGUAGE"); !list.isEmpty())
        return languageOfLocaleName(list.section(QLatin1Char(':'), 0, 0));
    return locale.isEmpty() ? languageOfLocale(QLocale::system()) : languageOfLocaleName(locale);
}

QString currentLanguage()
{
    return current;
}

QLocale currentLocale()
{
    return current == QString::fromUtf8(kEnglish) ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(current);
}

bool installLanguage(const QString& code)
{
    removeTranslator(programTranslator());
    removeTranslator(qtTranslator());
    current = QString::fromUtf8(kEnglish);
    const bool english = code == current;
    if (english || !isKnownLanguage(code))
        return english;

    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/kinwheel_%1.qm").arg(code)))
        return false;
    QCoreApplication::installTranslator(program.get());
    programTranslator() = std::move(program);
    // Qt's own texts: from the system's Qt translations, where installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    current = code;
    return true;
}

QString glyphText(TextTable table, int glyph)
{
    glyph = (glyph % 20 + 20) % 20;
    switch (table) {
    case TextTable::SignNames:
    case TextTable::SignKeywords:
    case TextTable::SignGemstones:
    case TextTable::SignSignificance:
    case TextTable::SignDescriptions:
        return localText(table, signRowOfGlyph(glyph));
    default:
        return localText(table, glyph);
    }
}

QString toneText(TextTable table, int tone)
{
    return localText(table, tone - 1);
}

QString galacticName(int kin)
{
    if (kin < 1 || kin > 260)
        return {};
    const int tone = toneOfKin(kin);
    return glyphText(TextTable::GalacticNames, glyphOfKin(kin))
        .replace(QStringLiteral("{m}"), toneText(TextTable::ToneNames, tone))
        .replace(QStringLiteral("{f}"), toneText(TextTable::ToneNamesFeminine, tone));
}

QString shownMonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    if (current == QString::fromUtf8(kEnglish))
        return QString::fromUtf8(MonthNames[static_cast<std::size_t>(month - 1)]);
    return currentLocale().monthName(month, QLocale::LongFormat);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

std::string_view textTableFile(TextTable table)
{
    return info(table).file;
}

int textTableSize(TextTable table)
{
    return info(table).size;
}

QString localText(TextTable table, int index, QStringView language)
{
    if (index < 0 || index >= info(table).size)
        return {};
    if (language != QString::fromUtf8(kEnglish)) {
        const QStringList& lines = languageLines(table, language.toString());
        if (!lines.isEmpty())
            return lines[index];
    }
    if (table == TextTable::GalacticNames)
        return englishGalacticName(index);
    return QString::fromUtf8(englishText(table, index));
}

QString localText(TextTable table, int index)
{
    return localText(table, index, current);
}

} // namespace kinwheel
