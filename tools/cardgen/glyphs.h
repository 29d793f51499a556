#pragma once
// The small day-sign glyphs of the 260-day board: each emblem alone, bold
// and with few details, in its family's colour on a transparent ground.

#include <QImage>

namespace kinwheel::cardgen {

// The glyph of index (0..19), drawn for side x side pixels at scale device
// pixels per pixel.
QImage drawBoardGlyph(int index, int side, int scale);

} // namespace kinwheel::cardgen
