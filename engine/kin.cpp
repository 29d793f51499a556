#include "engine/kin.h"

#include "engine/tables.h"

#include <chrono>

namespace kinwheel {
namespace {

int monthIndex(std::string_view month)
{
    return monthNumber(month) - 1;
}

// Row of the day-sign table whose label equals the text, or -1. The labels the
// calculation stores point into the table itself, so identity decides first.
int signRowOf(std::string_view label)
{
    for (std::size_t r = 0; r < DaySignTable.size(); ++r) {
        const std::string_view row = DaySignTable[r].label;
        if ((row.data() == label.data() && row.size() == label.size()) || row == label)
            return static_cast<int>(r);
    }
    return -1;
}

// Index into the tone table of a day number; anything outside 1..12 is Cosmic.
std::size_t toneIndexOf(int dayNumber)
{
    return dayNumber >= 1 && dayNumber <= 12 ? static_cast<std::size_t>(dayNumber - 1) : 12;
}

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int daysInMonthIndex(int year, int m)
{
    return m == 1 && isLeapYear(year) ? 29 : kMonthLengths[static_cast<std::size_t>(m)];
}

bool validDate(int year, int m, int day)
{
    return year >= kMinYear && year <= kMaxYear && m >= 0 && m < 12 && day >= 1 &&
           day <= daysInMonthIndex(year, m);
}

// Position 1..260 of a valid date (month index 0..11) in the 260-day table.
// January and February continue the count from 1 March of the year before.
int tablePosition(int year, int m, int day)
{
    const int yearValue = YearTable[static_cast<std::size_t>(m > 1 ? year : year - 1)];
    const int sum = yearValue + MonthTable[static_cast<std::size_t>(m)][static_cast<std::size_t>(day - 1)];
    // The sum lies in 0..519: 0 and 260 are both position 260.
    return sum > kCycle ? sum - kCycle : sum == 0 ? kCycle : sum;
}

// Days of a 365-day year before each month, for the Dreamspell count.
constexpr std::array<int, 12> kDaysBeforeMonth = [] {
    std::array<int, 12> t{};
    for (std::size_t m = 1; m < t.size(); ++m)
        t[m] = t[m - 1] + kMonthLengths[m - 1];
    return t;
}();

constexpr int kJulianDayOf1970 = 2440588;

int correlationOf(Count count) { return count == Count::Corr584285 ? 584285 : 584283; }

// The Maya date of a valid date (month index 0..11).
MayaDate mayaDateOf(int year, int m, int day, Count count)
{
    MayaDate date;
    date.count = count;
    if (count == Count::Dreamspell) {
        // 29 February is not counted: it takes the kin of 28 February.
        date.dreamspellLeapDay = m == 1 && day == 29;
        const int counted = date.dreamspellLeapDay ? 28 : day;
        date.kin = static_cast<std::int16_t>(
            (105 * year + kDaysBeforeMonth[static_cast<std::size_t>(m)] + counted + 231) % kCycle + 1);
    } else {
        // The later correlation reaches each day two kins earlier.
        const int shift = correlationOf(count) - correlationOf(Count::Gmt584283);
        date.kin = static_cast<std::int16_t>((kinOfPosition(tablePosition(year, m, day)) - 1 - shift + kCycle) % kCycle + 1);

        const std::chrono::sys_days civil{std::chrono::year(year) / std::chrono::month(static_cast<unsigned>(m + 1)) /
                                          std::chrono::day(static_cast<unsigned>(day))};
        // Days since the Long Count's zero date; positive for every year from 1.
        const int n = static_cast<int>(civil.time_since_epoch().count()) + kJulianDayOf1970 - correlationOf(count);
        date.hasTraditionalFields = true;
        date.longCount = {static_cast<std::int16_t>(n / 144000), static_cast<std::int16_t>(n % 144000 / 7200),
                          static_cast<std::int16_t>(n % 7200 / 360), static_cast<std::int16_t>(n % 360 / 20),
                          static_cast<std::int16_t>(n % 20)};
        const int haab = (n + 348) % 365;
        date.haabMonth = static_cast<std::int16_t>(haab / 20 + 1);
        date.haabDay = static_cast<std::int16_t>(haab % 20);
        date.lord = static_cast<std::int16_t>(n % 9 == 0 ? 9 : n % 9);
    }
    date.trecenaKin = static_cast<std::int16_t>(date.kin - (date.kin - 1) % 13);
    return date;
}

} // namespace

int monthNumber(std::string_view month)
{
    for (std::size_t m = 0; m < MonthNames.size(); ++m)
        if (MonthNames[m] == month)
            return static_cast<int>(m) + 1;
    return 0;
}

int daysInMonth(int year, std::string_view month)
{
    const int m = monthIndex(month);
    return m < 0 ? 0 : daysInMonthIndex(year, m);
}

std::optional<int> kinNumber(int year, std::string_view month, int day)
{
    const int m = monthIndex(month);
    if (!validDate(year, m, day))
        return std::nullopt;
    return tablePosition(year, m, day);
}

std::optional<MayaDate> mayaDate(int year, int month, int day, Count count)
{
    if (month < 1 || month > 12 || !validDate(year, month - 1, day))
        return std::nullopt;
    return mayaDateOf(year, month - 1, day, count);
}

bool calculateKin(const BirthDetails& details, BirthChart& chart, Count count)
{
    const int m = monthIndex(details.month);
    if (!validDate(details.year, m, details.day))
        return false;
    const MayaDate maya = mayaDateOf(details.year, m, details.day, count);
    const auto i = static_cast<std::size_t>(positionOfKin(maya.kin) - 1);
    chart.count = count;
    chart.kin = maya.kin;
    chart.maya = maya;
    chart.dayNumber = ToneNumberTable[i];
    chart.daySign = SignLabelTable[i];
    chart.dayNumberDescription = ToneTable[static_cast<std::size_t>(chart.dayNumber - 1)].description;
    if (const int row = signRowOf(chart.daySign); row >= 0) {
        const DaySign& sign = DaySignTable[static_cast<std::size_t>(row)];
        chart.signName = sign.englishName;
        chart.signDescription = sign.description;
        chart.signKeywords = sign.keywords;
        chart.signGemstone = sign.gemstone;
        chart.signSignificance = sign.significance;
        chart.signPersonalities = count == Count::Gmt584283 ? sign.personalities : std::string_view{};
    }
    deriveDestinyCross(chart);
    return true;
}

std::string_view toneNameOf(int dayNumber)
{
    return ToneTable[toneIndexOf(dayNumber)].name;
}

void deriveDestinyCross(BirthChart& chart)
{
    const std::size_t tone = toneIndexOf(chart.dayNumber);
    chart.toneName = ToneTable[tone].name;

    // Glyph g belongs to day-sign row (g + 10) mod 20. The labels of glyphs
    // 0..18 are recognised; anything else is the twentieth sign, Ahau.
    const int row = signRowOf(chart.daySign);
    const int central = row < 0 || row == 9 ? 19 : (row + 10) % 20;
    chart.daySign = DaySignTable[static_cast<std::size_t>((central + 10) % 20)].shortName;

    const int offset = GuideOffsets[tone];
    chart.cross.slot = {static_cast<std::int16_t>(central),
                        static_cast<std::int16_t>((17 - central + 20) % 20),
                        static_cast<std::int16_t>(19 - central),
                        static_cast<std::int16_t>((central + 10) % 20),
                        static_cast<std::int16_t>((central + offset) % 20)};
}

} // namespace kinwheel
