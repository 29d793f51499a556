#pragma once
// Text scrambling of reading files and stored settings: every 8-bit code is
// moved by a fixed offset.

#include <QByteArray>

namespace kinwheel {

inline constexpr int kScrambleOffset = 3;

QByteArray ScrambleText(const QByteArray& text);
QByteArray UnscrambleText(const QByteArray& text);

} // namespace kinwheel
