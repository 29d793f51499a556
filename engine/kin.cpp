#include "engine/kin.h"

#include "engine/reading.h"
#include "engine/tables.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace kinwheel {
namespace {

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

std::chrono::sys_days sysDays(const CivilDate& date)
{
    return std::chrono::sys_days{std::chrono::year(date.year) / std::chrono::month(static_cast<unsigned>(date.month)) /
                                 std::chrono::day(static_cast<unsigned>(date.day))};
}

// Position 1..260 of a valid date (month index 0..11) in the 260-day table.
// January and February continue the count from 1 March of the year before.
int positionInTable(int year, int m, int day)
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
        date.dreamspellLeapDay = m == 1 && day == 29;
        date.kin = static_cast<std::int16_t>((dreamspellDay({year, m + 1, day}) + 231) % kCycle + 1);
    } else {
        // The later correlation reaches each day two kins earlier.
        const int shift = correlationOf(count) - correlationOf(Count::Gmt584283);
        date.kin = static_cast<std::int16_t>((kinOfPosition(positionInTable(year, m, day)) - 1 - shift + kCycle) % kCycle + 1);

        // Days since the Long Count's zero date; positive for every year from 1.
        const int n = daysSinceEpoch({year, m + 1, day}) + kJulianDayOf1970 - correlationOf(count);
        date.hasTraditionalFields = true;
        date.longCount = {static_cast<std::int16_t>(n / 144000), static_cast<std::int16_t>(n % 144000 / 7200),
                          static_cast<std::int16_t>(n % 7200 / 360), static_cast<std::int16_t>(n % 360 / 20),
                          static_cast<std::int16_t>(n % 20)};
        const int haab = (n + 348) % 365;
        date.haabMonth = static_cast<std::int16_t>(haab / 20 + 1);
        date.haabDay = static_cast<std::int16_t>(haab % 20);
        date.lord = static_cast<std::int16_t>(n % 9 == 0 ? 9 : n % 9);
    }
    date.trecenaKin = static_cast<std::int16_t>(trecenaStartOfKin(date.kin));
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

int daysInMonth(int year, int month)
{
    return month < 1 || month > 12 ? 0 : daysInMonthIndex(year, month - 1);
}

bool isValidDate(const CivilDate& date)
{
    return validDate(date.year, date.month - 1, date.day);
}

std::optional<CivilDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [text](std::size_t from, std::size_t length) {
        int value = 0;
        for (const char c : text.substr(from, length)) {
            if (c < '0' || c > '9')
                return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const CivilDate date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < kMinYear || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

std::string isoDate(const CivilDate& date)
{
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return std::string(text, static_cast<std::size_t>(n > 0 ? n : 0));
}

int daysSinceEpoch(const CivilDate& date)
{
    return static_cast<int>(sysDays(date).time_since_epoch().count());
}

CivilDate dateOfEpochDay(int days)
{
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days(days)}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CivilDate addDays(const CivilDate& date, int days)
{
    return dateOfEpochDay(daysSinceEpoch(date) + days);
}

int dreamspellDay(const CivilDate& date)
{
    const bool leapDay = date.month == 2 && date.day == 29;
    return 365 * date.year + kDaysBeforeMonth[static_cast<std::size_t>(date.month - 1)] + (leapDay ? 28 : date.day);
}

CivilDate dateOfDreamspellDay(int number)
{
    const int inYear = (number - 1) % 365;
    const auto month = std::upper_bound(kDaysBeforeMonth.begin(), kDaysBeforeMonth.end(), inYear) - 1;
    return {(number - 1) / 365, static_cast<int>(month - kDaysBeforeMonth.begin()) + 1, inYear - *month + 1};
}

std::optional<int> tablePosition(int year, int month, int day)
{
    if (!validDate(year, month - 1, day))
        return std::nullopt;
    return positionInTable(year, month - 1, day);
}

std::optional<MayaDate> mayaDate(int year, int month, int day, Count count)
{
    if (!validDate(year, month - 1, day))
        return std::nullopt;
    return mayaDateOf(year, month - 1, day, count);
}

std::optional<Reading> computeReading(const CivilDate& date, Count count)
{
    if (!isValidDate(date))
        return std::nullopt;
    Reading reading;
    reading.person.birthDate = date;
    reading.date = date;
    reading.count = count;
    reading.maya = mayaDateOf(date.year, date.month - 1, date.day, count);
    reading.kin = reading.maya.kin;
    reading.tone = static_cast<std::int16_t>(toneOfKin(reading.kin));
    reading.sign = static_cast<std::int16_t>(glyphOfKin(reading.kin));
    reading.cross = crossOf(reading.sign, reading.tone);
    return reading;
}

CivilDate readingDate(const CivilDate& birthDate, BirthTime born, DayStart start)
{
    if (born == BirthTime::Evening && start == DayStart::Sunset)
        return addDays(birthDate, 1);
    if (born == BirthTime::Night && start == DayStart::Sunrise)
        return addDays(birthDate, -1);
    return birthDate;
}

std::optional<Reading> readingOf(const Person& person, Count count, DayStart start)
{
    if (!isValidDate(person.birthDate))
        return std::nullopt;
    std::optional<Reading> reading = computeReading(readingDate(person.birthDate, person.born, start), count);
    if (reading) {
        reading->person = person;
        reading->dayStart = start;
    }
    return reading;
}

const DaySign& daySignOfGlyph(int glyph)
{
    return DaySignTable[static_cast<std::size_t>(signRowOfGlyph(glyph))];
}

namespace {

// Fills the chart in place from a reading's numbers, so that calculateKin
// builds no Reading, and no name, per call.
void fillBirthChart(BirthChart& chart, Count count, const MayaDate& maya, int tone, int glyph,
                    const DestinyCross& cross)
{
    chart.count = count;
    chart.kin = maya.kin;
    chart.maya = maya;
    chart.cross = cross;
    chart.dayNumber = static_cast<std::int16_t>(tone);
    const Tone& toneRow = ToneTable[toneIndexOf(tone)];
    chart.toneName = toneRow.name;
    chart.dayNumberDescription = toneRow.description;
    const DaySign& sign = daySignOfGlyph(glyph);
    chart.daySign = sign.shortName;
    chart.signName = sign.englishName;
    chart.signDescription = sign.description;
    chart.signKeywords = sign.keywords;
    chart.signGemstone = sign.gemstone;
    chart.signSignificance = sign.significance;
    chart.signPersonalities = count == Count::Gmt584283 ? sign.personalities : std::string_view{};
}

} // namespace

BirthChart birthChartOf(const Reading& reading)
{
    BirthChart chart;
    fillBirthChart(chart, reading.count, reading.maya, reading.tone, reading.sign, reading.cross);
    return chart;
}

bool calculateKin(const BirthDetails& details, BirthChart& chart, Count count)
{
    const int month = monthNumber(details.month);
    if (!validDate(details.year, month - 1, details.day))
        return false;
    const MayaDate maya = mayaDateOf(details.year, month - 1, details.day, count);
    const int tone = toneOfKin(maya.kin);
    const int glyph = glyphOfKin(maya.kin);
    fillBirthChart(chart, count, maya, tone, glyph, crossOf(glyph, tone));
    return true;
}

std::string_view toneNameOf(int dayNumber)
{
    return ToneTable[toneIndexOf(dayNumber)].name;
}

int guideOffsetOf(int dayNumber)
{
    return GuideOffsets[toneIndexOf(dayNumber)];
}

DestinyCross crossOf(int central, int dayNumber)
{
    const int offset = guideOffsetOf(dayNumber);
    return {{static_cast<std::int16_t>(central), static_cast<std::int16_t>((17 - central + 20) % 20),
             static_cast<std::int16_t>(19 - central), static_cast<std::int16_t>((central + 10) % 20),
             static_cast<std::int16_t>((central + offset) % 20)}};
}

void deriveDestinyCross(BirthChart& chart)
{
    const std::size_t tone = toneIndexOf(chart.dayNumber);
    chart.toneName = ToneTable[tone].name;

    // A shift of ten turns a glyph into its row and the row back into the
    // glyph. A label the table lacks is the twentieth sign, Ahau.
    const int row = signRowOf(chart.daySign);
    const int central = row < 0 ? 19 : signRowOfGlyph(row);
    chart.daySign = daySignOfGlyph(central).shortName;

    chart.cross = crossOf(central, chart.dayNumber);
}

} // namespace kinwheel
