#pragma once
// One reading as a value: whose it is, the date it is of, the count it
// follows and everything the calculation finds for that date. Windows, the
// report, the command line and the tools are all handed one of these.

#include "engine/kin.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kinwheel {

struct DaySign;

// A day of the proleptic Gregorian calendar, month 1..12.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const CivilDate&) const = default;
};

// Whether the engine reads the date: 0001-01-01..9999-12-31 and a day the month has.
bool isValidDate(const CivilDate& date);
// Days in a month 1..12 of a year; 0 for a month out of range.
int daysInMonth(int year, int month);

// "YYYY-MM-DD" with four, two and two digits, a year from 1, a month 1..12
// and a day 1..31, or nothing. Whether the month has the day is
// isValidDate's check.
std::optional<CivilDate> parseIsoDate(std::string_view text);
// "0099-03-04": four digits for the year, always.
std::string isoDate(const CivilDate& date);

// Days since 1970-01-01 (negative before), and back; valid dates only.
int daysSinceEpoch(const CivilDate& date);
CivilDate dateOfEpochDay(int days);
CivilDate addDays(const CivilDate& date, int days);
// Dreamspell's day number, and back: 365 a year, 29 February sharing the
// number of 28 February, so that its kin steps by one with each number.
// Valid dates only; the date of a number is never a 29 February.
int dreamspellDay(const CivilDate& date);
CivilDate dateOfDreamspellDay(int number);

// When in the day a person was born, as far as the start of the day matters.
enum class BirthTime {
    Unknown, // not known, or in the daytime
    Evening, // after sunset, before midnight
    Night,   // after midnight, before sunrise
};
// When the day of a reading begins.
enum class DayStart { Midnight, Sunset, Sunrise };
inline constexpr std::array<BirthTime, 3> kBirthTimes = {BirthTime::Unknown, BirthTime::Evening, BirthTime::Night};
inline constexpr std::array<DayStart, 3> kDayStarts = {DayStart::Midnight, DayStart::Sunset, DayStart::Sunrise};

// The date whose reading a birth on a valid birthDate takes: the next date
// for an evening birth when the day begins at sunset, the previous one for a
// night birth when it begins at sunrise, otherwise birthDate. The result may
// lie outside what isValidDate takes.
CivilDate readingDate(const CivilDate& birthDate, BirthTime born, DayStart start);

// The person a reading is drawn up for, as entered or as a reading file holds it.
struct Person {
    std::string name;    // UTF-8, trimmed; shown, printed and saved, never computed with
    CivilDate birthDate; // shown and saved as given
    BirthTime born = BirthTime::Unknown;
    bool operator==(const Person&) const = default;
};

struct Reading {
    Person person;
    CivilDate date;  // the date whose reading this is: readingDate() of the birth
    Count count = Count::Gmt584283;
    DayStart dayStart = DayStart::Midnight;
    std::int16_t kin = 0;  // 1..260
    std::int16_t tone = 0; // 1..13, the day number
    std::int16_t sign = 0; // glyph index 0..19 of the day sign, Imix / Red Dragon = 0
    DestinyCross cross;    // slot Central is sign
    MayaDate maya;
    bool operator==(const Reading&) const = default;
};

// The reading of a date under a count, or nothing for a date isValidDate
// refuses. Its person is nobody, born that day.
std::optional<Reading> computeReading(const CivilDate& date, Count count = Count::Gmt584283);
// The reading of a person's birth date and time under a day start; nothing
// when the birth date, or the date whose reading it takes, is not valid.
std::optional<Reading> readingOf(const Person& person, Count count = Count::Gmt584283,
                                 DayStart start = DayStart::Midnight);

// The reading's texts from the tables, as the report and the result window
// show them: daySign holds the short name.
BirthChart birthChartOf(const Reading& reading);

// The day-sign row of a glyph index 0..19.
const DaySign& daySignOfGlyph(int glyph);

} // namespace kinwheel
