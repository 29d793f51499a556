// Whatever name and date Save accepts, the file it writes opens to the same
// name and date; what it refuses leaves no file behind.
//
// Input: a byte for the year (from five before the lists to ten after), one
// for the day (-2 to 253), one for the month (-1 to 14) and the time of birth
// (its high bits), the rest the name's UTF-8 bytes as they come.

#include "engine/kin.h"
#include "engine/tables.h"
#include "report/readingfile.h"

#include "fuzz_check.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwheel;
    if (size < 3)
        return 0;
    Person person;
    person.birthDate = {kFirstYear - 5 + data[0] % (kYearCount + 15), data[2] % 16 - 1, data[1] - 2};
    person.born = kBirthTimes[static_cast<std::size_t>(data[2] / 16 % 3)];
    person.name.assign(reinterpret_cast<const char*>(data + 3), size - 3);

    static const QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    const QString saved = dir.filePath(QStringLiteral("reading.man"));
    QFile::remove(saved);

    const QString message = saveReading(dir.filePath(QStringLiteral("reading")), person);
    if (!message.isEmpty()) {
        FUZZ_CHECK(!QFileInfo::exists(saved));
        return 0;
    }
    const auto opened = readReadingFile(saved);
    const auto* read = std::get_if<Person>(&opened);
    FUZZ_CHECK(read);
    FUZZ_CHECK(QString::fromStdString(read->name) == QString::fromUtf8(person.name));
    FUZZ_CHECK(QString::fromStdString(read->name).size() <= kMaxNameLength);
    FUZZ_CHECK(read->birthDate == person.birthDate);
    FUZZ_CHECK(read->born == person.born);
    return 0;
}
