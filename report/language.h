#pragma once
// The languages the program speaks, which one it speaks now, and its long
// texts and table values in that language.
//
// A language is a code ("en", "es"): its messages come from
// translations/kinwheel_<code>.ts, compiled in, and its long texts from
// assets/text/<code>/, one entry a line as the English. English is the
// program's own and needs neither.

#include <QLocale>
#include <QString>

#include <array>
#include <string_view>

namespace kinwheel {

struct LanguageInfo {
    std::string_view code;
    std::string_view name; // in the language itself, as the Language menu shows it
};
inline constexpr std::array<LanguageInfo, 2> kLanguages = {{{"en", "English"}, {"es", "Español"}}};
inline constexpr std::string_view kEnglish = "en";
// A code of kLanguages as the functions below take it: languageCode(kEnglish) is "en".
inline QString languageCode(std::string_view code)
{
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

// The code of the known language a locale name asks for ("es_MX.UTF-8",
// "es-419", "es"); English for any other and for none.
QString languageOfLocaleName(QStringView name);
// The same for a locale.
QString languageOfLocale(const QLocale& locale);
// The language the environment asks for, as a terminal program reads it:
// the first of LANGUAGE's entries, else LC_ALL, LC_MESSAGES, LANG, else the
// system's; a C or POSIX locale is English whatever LANGUAGE says.
QString languageOfEnvironment();
// Whether code names a known language.
bool isKnownLanguage(QStringView code);

// The language texts are shown in now; English until installLanguage().
QString currentLanguage();
// The locale dates and numbers are written in for the current language.
QLocale currentLocale();

// Makes code the current language: installs the program's translation and
// Qt's own (Yes, No, Cancel, the file dialogs) into the application in place
// of the ones before, and sends every window a LanguageChange. English, an
// unknown code or a translation that is not there leave English; returns
// whether the language asked for is the one installed.
bool installLanguage(const QString& code);

// The program's long texts and table values, in the current language.
enum class TextTable {
    ToneNames,         // 13, by day number - 1
    ToneDescriptions,  // 13
    GlyphNames,        // 20, by glyph index
    GlyphDescriptions, // 20
    SignNames,         // 20, by day-sign row: the sign's English name
    SignKeywords,
    SignGemstones,
    SignSignificance,
    SignDescriptions,
    Labels, // 6, by LabelText
    // A kin's full name by glyph index, "{m}" or "{f}" where the tone goes
    // in its masculine or feminine form: "Mago {m} Blanco", "Semilla {f}
    // Amarilla"; English "White {m} Wizard".
    GalacticNames,
    ToneNamesFeminine, // 13: a tone name agreeing with a feminine glyph name
};
inline constexpr int kTextTableCount = 12;
// The file of a table in a language folder, e.g. "tone-names.txt".
std::string_view textTableFile(TextTable table);
// How many entries a table has.
int textTableSize(TextTable table);
// Entry index of table in the current language; the English entry where
// the language has none; empty out of range.
QString localText(TextTable table, int index);
// The same in a given language.
QString localText(TextTable table, int index, QStringView language);

// The entry of a glyph index 0..19 (any integer, taken round the twenty) in
// a glyph or day-sign table: a day-sign table is looked up in the sign's row.
QString glyphText(TextTable table, int glyph);
// The entry of a tone 1..13 in a tone table.
QString toneText(TextTable table, int tone);
// A kin's full name in the current language: "White Galactic Wizard",
// "Mago Galáctico Blanco"; empty for a kin outside 1..260.
QString galacticName(int kin);
// A month 1..12 as dates and the month list show it: "July", "julio".
QString shownMonthName(int month);
// The text with a capital first letter, to begin a sentence or a list entry
// with a word that is lower-case elsewhere: "the first person", "julio".
QString capitalised(QString text);

} // namespace kinwheel
