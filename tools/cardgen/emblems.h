#pragma once
// The twenty day-sign emblems and the colours of the four card families.

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace kinwheel::cardgen {

// The colours of one family of cards: red, white, blue or yellow.
struct Palette {
    QColor edge; // outermost dark border
    QColor frame; // ornamental frame line
    QColor fieldTop; // card field gradient
    QColor fieldBottom;
    QColor glow; // halo behind the emblem
    QColor ink; // emblem outlines
    QColor light; // light emblem fill
    QColor mid; // signature emblem fill
    QColor bannerFill;
    QColor bannerShade; // folded banner tails
    QColor bannerText;
};

// Family 0..3: red, white, blue, yellow.
Palette paletteFor(int family);

// Draws the emblem of glyph index (0..19) in a box from -50 to 50 on both
// axes, y pointing down.
void drawEmblem(QPainter& painter, int index, const Palette& palette);

// Outlines shared by the card emblems and the board glyphs: the dog's head in
// profile and the eagle's hooked upper beak.
QPainterPath dogHeadOutline();
QPainterPath eagleBeakOutline();

} // namespace kinwheel::cardgen
