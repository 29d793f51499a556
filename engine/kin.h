#pragma once
// The kin calculation: from a birth date to its day number, day sign,
// destiny cross and whole Maya date, by table look-up.
//
// Every date of the proleptic Gregorian calendar from 0001-01-01 to
// 9999-12-31 goes through the same calculation: the year table and the month
// table give the date's position in the 260-day table, the chosen count turns
// it into the kin, and the kin selects the day number and the day sign.

#include "engine/mayadate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kinwheel {

struct BirthDetails {
    std::string name;  // UTF-8, trimmed; never used in the calculation
    std::int16_t year = 0;
    std::string month; // English month name, capital initial
    std::int16_t day = 0;
};

// Five glyph indices 0..19.
struct DestinyCross {
    enum Slot { Central, Ally, Occult, Challenge, Guide };
    std::array<std::int16_t, 5> slot{};

    std::int16_t operator[](int i) const { return slot[static_cast<std::size_t>(i)]; }
    bool operator==(const DestinyCross&) const = default;
};

// The current reading. The texts point into the constant tables.
struct BirthChart {
    std::int16_t dayNumber = 0;
    std::string_view dayNumberDescription;
    std::string_view daySign; // label after the calculation, short name after deriveDestinyCross
    std::string_view signName;
    std::string_view signDescription;
    std::string_view signKeywords;
    std::string_view signGemstone;
    std::string_view signSignificance;
    // The people are chosen for the 584283 count; empty under the others.
    std::string_view signPersonalities;
    std::string_view toneName;
    DestinyCross cross;
    Count count = Count::Gmt584283; // the count the reading follows
    std::int16_t kin = 0;           // 1..260, the same as maya.kin
    MayaDate maya;
};

// Gregorian rule: 1900 and 2100 are not leap years, 2000 is.
constexpr bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
// 1..12 for the twelve English month names, 0 for any other text.
int monthNumber(std::string_view month);

// A position p of the 260-day table is not the kin: position 10 is 4 Ajaw,
// kin 160. Both run 1..260.
constexpr int kinOfPosition(int position) { return (position + 149) % 260 + 1; }
constexpr int positionOfKin(int kin) { return (kin + 109) % 260 + 1; }

// The position 1..260 that the year and month tables reach for a date (not
// its kin: see kinOfPosition), or nothing for a date outside
// 0001-01-01..9999-12-31 or a day the month lacks.
std::optional<int> tablePosition(int year, int month, int day);

// The whole Maya date of a day (month 1..12) under a count, or nothing for a
// date calculateKin refuses.
std::optional<MayaDate> mayaDate(int year, int month, int day, Count count = Count::Gmt584283);

// Computes the whole reading under the count (deriveDestinyCross included)
// into chart, as computeReading() and birthChartOf() do. Returns false,
// leaving chart untouched, for a date outside 0001-01-01..9999-12-31, a
// month name not one of the twelve or a day the month lacks.
[[nodiscard]] bool calculateKin(const BirthDetails& details, BirthChart& chart,
                                Count count = Count::Gmt584283);

// Completes a reading whose daySign still holds the label: tone name, short
// sign name and the destiny cross.
void deriveDestinyCross(BirthChart& chart);

// The tone name of a day number; anything outside 1..12 is "Cosmic".
std::string_view toneNameOf(int dayNumber);

// The destiny cross of a glyph index 0..19 and a day number 1..13.
DestinyCross crossOf(int central, int dayNumber);
// How many signs on from the central sign the day number sets the Guide:
// 0, 4, 8, 12 or 16. Anything outside 1..12 counts as 13, as in toneNameOf.
int guideOffsetOf(int dayNumber);

} // namespace kinwheel
