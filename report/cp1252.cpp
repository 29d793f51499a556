#include "report/cp1252.h"

#include "report/inputtext.h"

#include <QStringView>

#include <array>

namespace kinwheel {
namespace {

// Characters of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the
// same code, as Windows itself maps them; every other byte is its own code.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr char32_t kReplacement = U'?';

char32_t characterOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighTable[byte - 0x80];
    return byte;
}

// The byte of a character, or -1 when Windows-1252 has none for it.
int byteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == character)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int byte = byteOf(c);
        bytes.append(static_cast<char>(byte < 0 ? kReplacement : static_cast<char32_t>(byte)));
    }
    return bytes;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes)
        text.append(QChar(static_cast<char16_t>(characterOf(static_cast<unsigned char>(b)))));
    return text;
}

QList<char32_t> unsaveableCharacters(const QString& text)
{
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4()) {
        // toUcs4() turns a lone surrogate into U+FFFD, which has no byte either.
        // The C1 controls have bytes (0x81, 0x8D ... as their own codes) but
        // are no part of a name.
        if ((isControlCharacter(c) || byteOf(c) < 0) && !found.contains(c))
            found.append(c);
    }
    return found;
}

} // namespace kinwheel
