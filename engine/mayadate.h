#pragma once
// The counts a reading can follow and the whole Maya date of a day: kin,
// Long Count, Haab', Calendar Round, Lord of the Night and trecena.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kinwheel {

// Which day count a reading follows.
//  Gmt584283   traditional count, correlation 584283 (21 December 2012 = 4 Ajaw); the default
//  Corr584285  the same arithmetic two days later (21 December 2012 = 2 Etz'nab')
//  Dreamspell  a kin a day, 29 February skipped (26 July 1987 = Kin 34)
enum class Count { Gmt584283, Corr584285, Dreamspell };

inline constexpr std::array<Count, 3> kCounts = {Count::Gmt584283, Count::Corr584285, Count::Dreamspell};

// Key for the command line, JSON and settings: "584283", "584285", "dreamspell".
std::string_view countKey(Count count);
// The count of an exact key, or nothing.
std::optional<Count> parseCount(std::string_view key);

// The Maya date of one day under one count. Numbers only; the functions below
// turn them into text.
struct MayaDate {
    Count count = Count::Gmt584283;
    std::int16_t kin = 0; // 1..260: 1 = 1 Imix (Red Dragon), 260 = 13 Ajaw (Yellow Sun)
    // Long Count, Haab' and Lord of the Night belong to the traditional counts;
    // under Dreamspell they are zero and their texts empty.
    bool hasTraditionalFields = false;
    std::array<std::int16_t, 5> longCount{}; // baktun, katun, tun, winal, kin
    std::int16_t haabDay = 0;                // 0..19 (0..4 in Wayeb')
    std::int16_t haabMonth = 0;              // 1..19, Pop .. Wayeb'
    std::int16_t lord = 0;                   // 1..9 for G1..G9
    std::int16_t trecenaKin = 0;             // kin of the first day of its trecena (tone 1)
    // Dreamspell gives 29 February no kin; the date then carries the kin of 28 February.
    bool dreamspellLeapDay = false;

    bool operator==(const MayaDate&) const = default;
};

// Tone 1..13 and glyph index 0..19 (Imix / Red Dragon = 0) of a kin 1..260.
constexpr int toneOfKin(int kin) { return (kin - 1) % 13 + 1; }
constexpr int glyphOfKin(int kin) { return (kin - 1) % 20; }
// The kin that opens a kin's trecena: the one of tone 1 at or before it.
constexpr int trecenaStartOfKin(int kin) { return kin - (kin - 1) % 13; }

// Texts of a Maya date. Those of the traditional fields are empty when
// hasTraditionalFields is false; a name asked for out of range is empty.
std::string longCountText(const MayaDate& date);  // "13.0.0.0.0"
std::string haabMonthName(int month);             // 1..19: "Pop" .. "Wayeb'"
std::string tzolkinDayName(int kin);              // "4 Ajaw" for kin 160
std::string haabDateText(const MayaDate& date);   // "3 K'ank'in"
std::string calendarRoundText(const MayaDate& date); // "4 Ajaw 3 K'ank'in"
std::string trecenaText(const MayaDate& date);    // "1 Imix": the day that opens the trecena
std::string lordText(const MayaDate& date);       // "G9"

} // namespace kinwheel
