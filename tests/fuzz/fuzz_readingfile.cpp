// Reading a file's bytes gives four or five values or a refusal, never more than a
// line's worth per value; what it accepts reads back the same once written again.

#include "report/cp1252.h"
#include "report/readingfile.h"
#include "report/scramble.h"

#include "fuzz_check.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {
std::variant<kinwheel::ReadingValues, kinwheel::ReadingFileError> decode(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return kinwheel::decodeReadingFile(buffer);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwheel;
    const auto result = decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto* values = std::get_if<ReadingValues>(&result);
    if (!values)
        return 0;

    QByteArray again;
    for (const QString* value : {&values->name, &values->year, &values->month, &values->day, &values->born}) {
        FUZZ_CHECK(value->size() <= kMaxReadingLineBytes);
        if (value != &values->born || !value->isEmpty())
            again += ScrambleText(toCp1252(*value)) + "\r\n";
    }
    const auto reread = decode(again);
    FUZZ_CHECK(std::holds_alternative<ReadingValues>(reread));
    FUZZ_CHECK(std::get<ReadingValues>(reread) == *values);
    return 0;
}
