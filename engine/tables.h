#pragma once
// The constant tables of a reading. Nothing here changes at run time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kinwheel {

// Years of the main window's list (it opens at the first).
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1;
// Years the engine reads: every date of the proleptic Gregorian calendar
// from 0001-01-01 to 9999-12-31.
inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;
inline constexpr int kCycle = 260;

// Position that 1 March of each year 0..kMaxYear reaches in the 260-day
// count, indexed by the year itself. 1900 holds 147; each year Y adds 105 to
// the year before, 106 when Y is a Gregorian leap year (its 29 February falls
// between the two firsts of March). January and February count from the year
// before, so year 0 serves the first two months of year 1.
using YearValues = std::array<std::int16_t, kMaxYear + 1>;
extern const YearValues YearTable;

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Per month, per day slot (day - 1): days counted from 1 March, minus 260 past
// 260; slots for days the month does not have hold 0.
using MonthValues = std::array<std::array<std::int16_t, 31>, 12>;
extern const MonthValues MonthTable;

// Day number (1..13) and day-sign label of each position 1..260, at index position - 1.
extern const std::array<std::int16_t, kCycle> ToneNumberTable;
extern const std::array<std::string_view, kCycle> SignLabelTable;

struct DaySign {
    std::string_view label;      // Kiche/Yucatec label, the row's key
    std::string_view shortName;  // short Yucatec name
    std::string_view englishName;
    std::string_view keywords;
    std::string_view gemstone;
    std::string_view significance;
    std::string_view personalities;
    std::string_view description;
};
// Row r is the sign of every position p with (p - 1) mod 20 == r.
extern const std::array<DaySign, 20> DaySignTable;
// The row of the sign of glyph index 0..19 (Imix, glyph 0, is row 10).
constexpr int signRowOfGlyph(int glyph) { return ((glyph % 20 + 20) % 20 + 10) % 20; }

struct Tone {
    std::string_view name;
    std::string_view description;
};
// Indexed by day number - 1.
extern const std::array<Tone, 13> ToneTable;

struct Glyph {
    std::string_view name;
    std::string_view description;
};
// Index = place in the 20-day cycle counted from Red Dragon; colour = index mod 4.
extern const std::array<Glyph, 20> GlyphTable;

// Tzolk'in day names in modern Yucatec spelling, by glyph index (Imix = 0).
inline constexpr std::array<std::string_view, 20> TzolkinDayNames = {
    "Imix",   "Ik'",  "Ak'b'al", "K'an",  "Chikchan", "Kimi",  "Manik'", "Lamat",    "Muluk", "Ok",
    "Chuwen", "Eb'",  "B'en",    "Ix",    "Men",      "K'ib'", "Kab'an", "Etz'nab'", "Kawak", "Ajaw"};

// Haab' month names, month 1 (Pop) at index 0; Wayeb' is the five-day 19th.
inline constexpr std::array<std::string_view, 19> HaabMonthNames = {
    "Pop",  "Wo'", "Sip", "Sotz'",    "Sek",   "Xul", "Yaxk'in", "Mol",    "Ch'en",  "Yax",
    "Sak'", "Keh", "Mak", "K'ank'in", "Muwan", "Pax", "K'ayab",  "Kumk'u", "Wayeb'"};

// Guide offset per day number - 1.
inline constexpr std::array<std::int16_t, 13> GuideOffsets = {0, 12, 4, 16, 8, 0, 12,
                                                              4, 16, 8, 0, 12, 4};

// The program's short label texts (offers, forum and site invitations).
enum class LabelText : std::size_t {
    Forum,          // forum invitation of the main and result windows
    CoBrandOffer,   // lblCobrand
    FullBrandOffer, // lblFullBrand
    AboutOffer,     // the about box's offer
    ReportForum,    // the report window's forum tagline
    ReportSite,     // the report window's site invitation
};
inline constexpr std::size_t kLabelTextCount = 6;
std::string_view labelText(LabelText which);

} // namespace kinwheel
