#include "report/scramble.h"

namespace kinwheel {
namespace {
QByteArray shifted(QByteArray text, int offset)
{
    // Codes wrap round modulo 256, so every byte survives a round trip.
    for (char& c : text)
        c = static_cast<char>((static_cast<unsigned char>(c) + offset) & 0xFF);
    return text;
}
} // namespace

QByteArray ScrambleText(const QByteArray& text)
{
    return shifted(text, kScrambleOffset);
}

QByteArray UnscrambleText(const QByteArray& text)
{
    return shifted(text, 256 - kScrambleOffset);
}

} // namespace kinwheel
