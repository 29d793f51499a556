#include "report/validation.h"

#include "report/inputtext.h"

#include <QCoreApplication>

namespace kinwheel {
namespace {

struct Validation {
    Q_DECLARE_TR_FUNCTIONS(Validation)
};

} // namespace

std::optional<Refusal> nameRefusal(const QString& name, NameRule rule)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() && rule == NameRule::Required)
        return Refusal{Refusal::Name, Validation::tr("Please Enter Your Name")};
    if (const QList<char32_t> controls = controlCharacters(trimmed); !controls.isEmpty())
        return Refusal{Refusal::Name,
                       Validation::tr("The name holds control characters: %1.").arg(describeCharacters(controls))};
    if (typedLength(trimmed) > kMaxNameLength)
        return Refusal{Refusal::Name, Validation::tr("The name has %1 characters; the program takes at most %2.")
                                          .arg(typedLength(trimmed))
                                          .arg(kMaxNameLength)};
    return std::nullopt;
}

std::optional<Refusal> dateRefusal(const CivilDate& date)
{
    if (isValidDate(date))
        return std::nullopt;
    // February and the other months each have a message of their own.
    return Refusal{Refusal::Date, date.month == 2 ? Validation::tr("Please Enter Correct Date Or Month!")
                                                  : Validation::tr("Please Enter Correct Date Or Month !")};
}

std::variant<Reading, Refusal> checkedReading(Person person, Count count, NameRule rule, DayStart start)
{
    person.name = QString::fromStdString(person.name).trimmed().toStdString();
    if (auto refusal = nameRefusal(QString::fromStdString(person.name), rule))
        return *refusal;
    if (auto refusal = dateRefusal(person.birthDate))
        return *refusal;
    if (std::optional<Reading> reading = readingOf(person, count, start))
        return *reading;
    return Refusal{Refusal::Date,
                   Validation::tr("A birth at that time takes the reading of %1, a date outside 0001-01-01 to "
                                  "9999-12-31, which the program does not read.")
                       .arg(QString::fromStdString(isoDate(readingDate(person.birthDate, person.born, start))))};
}

} // namespace kinwheel
