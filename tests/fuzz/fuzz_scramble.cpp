// Scrambling and the 8-bit character set: whatever bytes a file holds come
// back unchanged through unscramble/scramble and through text and back.

#include "report/cp1252.h"
#include "report/scramble.h"

#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwheel;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QByteArray scrambled = ScrambleText(bytes);
    FUZZ_CHECK(scrambled.size() == bytes.size());
    FUZZ_CHECK(UnscrambleText(scrambled) == bytes);
    FUZZ_CHECK(ScrambleText(UnscrambleText(bytes)) == bytes);

    const QString text = fromCp1252(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(toCp1252(text) == bytes);
    return 0;
}
