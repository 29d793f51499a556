#include "layout.h"

#include "emblems.h"
#include "shapes.h"

#include "kinwheel_assets.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace kinwheel::cardgen {
namespace {

constexpr int kCardWidth = assets::kCardWidth;
constexpr int kCardHeight = assets::kCardHeight;

const char* const kGlyphNames[20] = {"DRAGON", "WIND",    "NIGHT", "SEED",   "SERPENT", "WORLDBRIDGER", "HAND",
                                     "STAR",   "MOON",    "DOG",   "MONKEY", "HUMAN",   "SKYWALKER",    "WIZARD",
                                     "EAGLE",  "WARRIOR", "EARTH", "MIRROR", "STORM",   "SUN"};

const char* const kColourNames[4] = {"RED", "WHITE", "BLUE", "YELLOW"};

const char* const kRomanNumerals[20] = {"I",  "II",  "III",  "IV",  "V",  "VI",  "VII",  "VIII",  "IX",  "X",
                                        "XI", "XII", "XIII", "XIV", "XV", "XVI", "XVII", "XVIII", "XIX", "XX"};

// The card is laid out in the picture box's own pixels (87 x 113) and drawn
// at each scale from the same numbers; lines that should stay sharp sit on
// half pixels with whole-pixel widths.

const QPointF kEmblemCentre(kCardWidth / 2.0, 48);
constexpr qreal kEmblemScale = 0.64;

QFont titleFont(int px, qreal spacing)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setWeight(QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Largest font size (down to a floor) at which text fits the width.
QFont fittedFont(const QString& text, int maxPx, qreal width, qreal spacing)
{
    int px = maxPx;
    for (; px > 6; --px) {
        if (QFontMetricsF(titleFont(px, spacing)).horizontalAdvance(text) <= width)
            break;
    }
    return titleFont(px, spacing);
}

void drawBanner(QPainter& painter, const Palette& palette, const QString& colour, const QString& name)
{
    const qreal top = 85, h = 23, left = 7, right = kCardWidth - 7;
    // folded tails behind the band
    for (int side : {-1, 1}) {
        const qreal x0 = side < 0 ? 2.5 : kCardWidth - 2.5;
        const qreal x1 = side < 0 ? left + 3 : right - 3;
        QPainterPath tail = polygon(
            {{x1, top + 3}, {x0, top + 3}, {x0 - side * 3, top + h / 2 + 3}, {x0, top + h + 3}, {x1, top + h + 3}});
        shape(painter, tail, palette.bannerShade, palette.edge, 1.0);
    }
    const qreal mid = kCardWidth / 2.0;
    QPainterPath band;
    band.moveTo(left, top);
    band.quadTo(mid, top - 2, right, top);
    band.lineTo(right, top + h);
    band.quadTo(mid, top + h - 2, left, top + h);
    band.closeSubpath();
    shape(painter, band, palette.bannerFill, palette.edge, 1.0);

    painter.setPen(palette.bannerText);
    painter.setFont(titleFont(7, 0.9));
    painter.drawText(QRectF(left, top + 1, right - left, 8), Qt::AlignHCenter | Qt::AlignVCenter, colour);
    painter.setFont(fittedFont(name, 10, right - left - 4, 0.2));
    painter.drawText(QRectF(left, top + 8.5, right - left, 13), Qt::AlignHCenter | Qt::AlignVCenter, name);
}

} // namespace

QImage drawCard(int index, int scale)
{
    const Palette palette = paletteFor(index % 4);
    QImage img(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(palette.edge);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // field
    const QRectF field(2, 2, kCardWidth - 4, kCardHeight - 4);
    QLinearGradient fg(QPointF(0, field.top()), QPointF(0, field.bottom()));
    fg.setColorAt(0, palette.fieldTop);
    fg.setColorAt(1, palette.fieldBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fg);
    painter.drawRoundedRect(field, 4, 4);

    const QRectF inner(6.5, 6.5, kCardWidth - 13, kCardHeight - 13);
    painter.save();
    painter.setClipRect(inner);
    // faint rays and a glow behind the emblem
    painter.setPen(QPen(withAlpha(palette.frame, 60), 0.8));
    for (int i = 0; i < 32; ++i) {
        const qreal ang = i * kPi / 16;
        painter.drawLine(kEmblemCentre + QPointF(std::cos(ang), std::sin(ang)) * 14,
                         kEmblemCentre + QPointF(std::cos(ang), std::sin(ang)) * 80);
    }
    QRadialGradient glow(kEmblemCentre, 40);
    glow.setColorAt(0, withAlpha(palette.glow, 230));
    glow.setColorAt(0.6, withAlpha(palette.glow, 120));
    glow.setColorAt(1, withAlpha(palette.glow, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(kEmblemCentre, 40, 40);
    painter.restore();

    // frame: a strong line and a fine one inside it
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.frame, 1.0));
    painter.drawRoundedRect(QRectF(4.5, 4.5, kCardWidth - 9, kCardHeight - 9), 3, 3);
    painter.setPen(QPen(withAlpha(palette.frame, 150), 1.0));
    painter.drawRoundedRect(inner, 1.5, 1.5);
    for (QPointF c : {QPointF(10.5, 10.5), QPointF(kCardWidth - 10.5, 10.5)})
        shape(painter, polygon({c + QPointF(0, -2.5), c + QPointF(2.5, 0), c + QPointF(0, 2.5), c + QPointF(-2.5, 0)}),
              palette.frame, palette.edge, 0);

    painter.save();
    painter.translate(kEmblemCentre);
    painter.scale(kEmblemScale, kEmblemScale);
    drawEmblem(painter, index, palette);
    painter.restore();

    // number plaque at the top
    const QString num = QString::fromLatin1(kRomanNumerals[index]);
    const QFont nf = titleFont(8, 0.5);
    const qreal tw = QFontMetricsF(nf).horizontalAdvance(num);
    const qreal pw = std::round(tw + 10);
    const QRectF plaque(std::round(kCardWidth / 2.0 - pw / 2) + 0.5, 2.5, pw, 11);
    shape(painter, roundRect(plaque, 3), palette.edge, palette.frame, 1.0);
    painter.setFont(nf);
    painter.setPen(palette.numberText);
    painter.drawText(plaque.adjusted(0, 0, 0, 0.5), Qt::AlignCenter, num);

    drawBanner(painter, palette, QString::fromLatin1(kColourNames[index % 4]), QString::fromLatin1(kGlyphNames[index]));
    painter.end();
    return img;
}

// The wheel of twenty day signs in the four colours around the four-armed
// cross, drawn for `size` pixels at `scale` device pixels per pixel: the
// small sizes drop detail that would only blur.
QImage drawIcon(int size, int scale)
{
    QImage img(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    painter.scale(s, s);
    painter.translate(32, 32);
    const qreal px = 1.0 / s; // one pixel, in the icon's units
    const QColor dark(0x1e, 0x18, 0x2c);
    const QColor colours[4] = {QColor(0xcc, 0x2a, 0x1e), QColor(0xf6, 0xf2, 0xea), QColor(0x24, 0x58, 0xb8),
                               QColor(0xf4, 0xbc, 0x24)};
    const bool tiny = size <= 16;
    const bool small = size < 48;

    const qreal edgeW = std::max<qreal>(1.6, px);
    const qreal ro = 31 - edgeW / 2;
    const qreal ri = tiny ? 16 : 19;
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawEllipse(QPointF(0, 0), 32, 32);
    // twenty segments, one per day sign; at 16 pixels they would blur into
    // each other, so that size shows eight with edges on the pixel grid
    const int segments = tiny ? 8 : 20;
    const qreal span = 360.0 / segments;
    for (int i = 0; i < segments; ++i) {
        const qreal a0 = tiny ? -90 + i * span : -90 - span / 2 + i * span; // 20: segment 0 centred at the top
        QPainterPath segPath;
        QRectF outer(-ro, -ro, 2 * ro, 2 * ro), innerRect(-ri, -ri, 2 * ri, 2 * ri);
        segPath.arcMoveTo(outer, -a0);
        segPath.arcTo(outer, -a0, -span);
        segPath.arcTo(innerRect, -(a0 + span), span);
        segPath.closeSubpath();
        painter.setBrush(colours[i % 4]);
        painter.drawPath(segPath);
    }
    if (size >= 32) {
        // separators between the segments
        painter.setPen(QPen(dark, std::max<qreal>(0.9, 0.6 * px)));
        for (int i = 0; i < 20; ++i) {
            const qreal ang = (-99 + i * 18) * kPi / 180;
            painter.drawLine(QPointF(std::cos(ang), std::sin(ang)) * ri, QPointF(std::cos(ang), std::sin(ang)) * ro);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(dark, edgeW));
    painter.drawEllipse(QPointF(0, 0), ri, ri);

    // four-point cross in the middle, one arm per colour; the small sizes
    // drop the outlines, which would swallow the arms
    const qreal tip = tiny ? 12 : small ? 18 : 17, side = tiny ? 6 : small ? 6.5 : 5.2;
    for (int k = 0; k < 4; ++k) {
        QPainterPath arm = polygon({{0, 0}, {side, -side}, {0, -tip}, {-side, -side}});
        arm = QTransform().rotate(90 * k).map(arm);
        shape(painter, arm, colours[k], dark, small ? 0 : edgeW * 0.8);
    }
    if (!small)
        shape(painter, circle({0, 0}, 2.6), dark, dark, 0);
    painter.end();
    return img;
}

} // namespace kinwheel::cardgen
