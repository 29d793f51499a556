// Whatever name and date Save accepts, the file it writes opens to the same
// name and date; what it refuses leaves no file behind.
//
// Input: a byte for the year (from five before the lists to ten after), one
// for the day (-2 to 253), one for the month (the twelve names, then texts the
// lists do not hold), the rest the name's UTF-8 bytes as they come.

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
    static const char* const kOtherMonths[] = {"march", "", "March ", "Marchx"};
    const unsigned monthByte = data[2] % (MonthNames.size() + std::size(kOtherMonths));
    BirthDetails details;
    details.year = static_cast<std::int16_t>(kFirstYear - 5 + data[0] % (kYearCount + 15));
    details.day = static_cast<std::int16_t>(data[1] - 2);
    details.month = monthByte < MonthNames.size() ? std::string(MonthNames[monthByte])
                                                  : kOtherMonths[monthByte - MonthNames.size()];
    details.name.assign(reinterpret_cast<const char*>(data + 3), size - 3);

    static const QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    const QString saved = dir.filePath(QStringLiteral("reading.man"));
    QFile::remove(saved);

    const QString message = saveReading(dir.filePath(QStringLiteral("reading")), details);
    if (!message.isEmpty()) {
        FUZZ_CHECK(!QFileInfo::exists(saved));
        return 0;
    }
    const auto opened = readReadingFile(saved);
    const auto* values = std::get_if<ReadingValues>(&opened);
    FUZZ_CHECK(values);
    FUZZ_CHECK(values->name == QString::fromUtf8(details.name));
    FUZZ_CHECK(values->name.size() <= kMaxNameLength);
    FUZZ_CHECK(values->year == QString::number(details.year));
    FUZZ_CHECK(values->month == QString::fromStdString(details.month));
    FUZZ_CHECK(values->day == QString::number(details.day));
    return 0;
}
