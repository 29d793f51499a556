#pragma once
// The card and the program icon, laid out and drawn at a scale.

#include <QImage>
#include <QString>

#include <string_view>

namespace kinwheel::cardgen {

// The full card of the result window and the small one of the comparison window.
enum class CardSize { Full, Small };

// The card of glyph index (0..19) with its name in language ("en", "es"),
// drawn for its picture box at scale device pixels per pixel.
QImage drawCard(int index, int scale, std::string_view language, CardSize size = CardSize::Full);
// Why the names of some language would not fit their banners; empty when
// every one fits.
QString cardLayoutProblem();
// The program icon, drawn for size pixels at scale device pixels per pixel.
QImage drawIcon(int size, int scale);

} // namespace kinwheel::cardgen
