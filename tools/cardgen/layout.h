#pragma once
// The card and the program icon, laid out and drawn at a scale.

#include <QImage>

namespace kinwheel::cardgen {

// The card of glyph index (0..19), drawn for its picture box at scale device
// pixels per pixel.
QImage drawCard(int index, int scale);
// The program icon, drawn for size pixels at scale device pixels per pixel.
QImage drawIcon(int size, int scale);

} // namespace kinwheel::cardgen
