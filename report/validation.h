#pragma once
// The checks of a name and a birth date made before every reading, in the
// program's words: Generate, Open and the command line all make them here,
// once per action.

#include "engine/reading.h"

#include <QString>

#include <optional>
#include <variant>

namespace kinwheel {

struct Refusal {
    enum Field { Name, Date };
    Field field = Name; // the control to correct
    QString message;
    bool operator==(const Refusal&) const = default;
};

// Every reading needs a name, but one printed from the command line.
enum class NameRule { Required, Optional };

// "Please Enter Your Name" for a name of blanks only (when one is required);
// a name with control characters, or longer than kMaxNameLength, is refused
// too. Nothing for a name the program takes.
std::optional<Refusal> nameRefusal(const QString& name, NameRule rule = NameRule::Required);
// "Please Enter Correct Date Or Month!" for a February day the year lacks,
// "Please Enter Correct Date Or Month !" for any other day the month lacks, or
// any date the engine does not read; nothing for a date it reads.
std::optional<Refusal> dateRefusal(const CivilDate& date);

// The name trimmed, both checks with the name's first, then the reading under
// the day start. A birth whose reading would be of a date the engine does not
// read (the evening of 31 December 9999 when the day begins at sunset) is
// refused as a date.
std::variant<Reading, Refusal> checkedReading(Person person, Count count, NameRule rule = NameRule::Required,
                                              DayStart start = DayStart::Midnight);

// The longest name the program keeps, in characters (a reading file holds a
// byte for each): the name box takes no more, nor the command line.
inline constexpr int kMaxNameLength = 256;

} // namespace kinwheel
