#include "glyphs.h"

#include "emblems.h"
#include "shapes.h"

#include <QPainter>
#include <QTransform>

#include <array>
#include <cmath>

namespace kinwheel::cardgen {
namespace {

// Each glyph is drawn in a box from 0 to 24, one unit a pixel at 1x: outlines
// of one and a half pixels, no detail under a pixel.
constexpr qreal kInkWidth = 1.5;
constexpr qreal kDetailWidth = 1.3;
// The share of the box the 24 units take.
constexpr qreal kInset = 0.9;

struct Colours {
    QColor fill; // the family's colour
    QColor shade; // a darker one of the family, for a second part
    QColor ink;
    QColor light;
};

Colours coloursFor(int family)
{
    const QColor ink(0x1e, 0x18, 0x2c);
    const QColor light(0xff, 0xfb, 0xf0);
    switch (family) {
    case 0:
        return {QColor(0xd8, 0x30, 0x22), QColor(0x98, 0x1c, 0x14), ink, light};
    case 1:
        return {QColor(0xf8, 0xf6, 0xf0), QColor(0xc8, 0xc0, 0xdc), ink, light};
    case 2:
        return {QColor(0x2c, 0x64, 0xc8), QColor(0x1a, 0x3c, 0x84), ink, light};
    default:
        return {QColor(0xf6, 0xc0, 0x28), QColor(0xd0, 0x80, 0x18), ink, light};
    }
}

using Glyph = void (*)(QPainter&, const Colours&);

void crocodile(QPainter& painter, const Colours& c)
{
    QPainterPath head = roundRect(QRectF(1.5, 10, 19, 7), 3).united(circle({16.5, 10}, 5));
    shape(painter, head, c.fill, c.ink, kInkWidth);
    line(painter, polyline({{4, 14.5}, {5.5, 12.5}, {7, 14.5}, {8.5, 12.5}, {10, 14.5}, {11.5, 12.5}, {13, 14.5}}),
         c.light, kDetailWidth);
    shape(painter, circle({16.5, 8.5}, 2), c.light, c.ink, 1.0);
    shape(painter, circle({17, 8.5}, 0.9), c.ink, c.ink, 0);
}

void wind(QPainter& painter, const Colours& c)
{
    shape(painter, circle({12, 12}, 9.5), c.fill, c.ink, kInkWidth);
    shape(painter, roundRect(QRectF(6.5, 6.5, 11, 3.5), 0.8).united(roundRect(QRectF(10.25, 6.5, 3.5, 11), 0.8)), c.ink,
          c.ink, 0);
}

void night(QPainter& painter, const Colours& c)
{
    shape(painter, circle({6, 6}, 3.5).subtracted(circle({7.8, 4.6}, 3.2)), c.light, c.ink, 1.0);
    QPainterPath hill;
    hill.moveTo(1.5, 21.5);
    hill.cubicTo(2, 8, 22, 8, 22.5, 21.5);
    hill.closeSubpath();
    shape(painter, hill, c.fill, c.ink, kInkWidth);
    QPainterPath cave;
    cave.moveTo(7.5, 21.5);
    cave.lineTo(7.5, 16.5);
    cave.cubicTo(7.5, 11, 16.5, 11, 16.5, 16.5);
    cave.lineTo(16.5, 21.5);
    cave.closeSubpath();
    shape(painter, cave, c.ink, c.ink, 0);
    for (qreal x : {10.3, 13.7})
        shape(painter, ellipse({x, 17}, 1.3, 0.9), QColor(0xf2, 0xd8, 0x3a), c.ink, 0);
}

void seed(QPainter& painter, const Colours& c)
{
    for (int side : {-1, 1})
        shape(painter, leaf({12, 22}, {12 + side * 8.0, 9}, 2.2), c.shade, c.ink, kInkWidth);
    const QPainterPath ear = ellipse({12, 10.5}, 4.8, 8.5);
    shape(painter, ear, c.fill, c.ink, kInkWidth);
    painter.save();
    painter.setClipPath(ear);
    QPainterPath grid;
    for (qreal x : {10.3, 13.7})
        grid.addPath(segment({x, 1}, {x, 20}));
    for (qreal y : {6.5, 10.5, 14.5})
        grid.addPath(segment({6, y}, {18, y}));
    line(painter, grid, c.ink, 1.0);
    painter.restore();
}

void serpent(QPainter& painter, const Colours& c)
{
    QPainterPath body;
    body.moveTo(4.5, 19);
    body.cubicTo(9, 21, 19, 20.5, 18, 15);
    body.cubicTo(16, 10, 5, 13, 6, 8);
    body.cubicTo(7, 5, 11, 5, 13, 6);
    tube(painter, body, c.fill, c.ink, 4, kInkWidth);
    QPainterPath head = ellipse({16, 6}, 4.5, 3.2);
    shape(painter, head, c.fill, c.ink, kInkWidth);
    shape(painter, circle({16.8, 5.2}, 1.1), c.light, c.ink, 0);
    line(painter, polyline({{20.5, 6.5}, {22.2, 6.5}}), c.ink, 1.2);
}

void skull(QPainter& painter, const Colours& c)
{
    shape(painter, ellipse({12, 10}, 8.5, 7.5).united(roundRect(QRectF(6.5, 12, 11, 8), 2)), c.fill, c.ink, kInkWidth);
    for (qreal x : {8.8, 15.2})
        shape(painter, ellipse({x, 10}, 2.5, 2.3), c.ink, c.ink, 0);
    shape(painter, polygon({{12, 12.5}, {13.2, 15}, {10.8, 15}}), c.ink, c.ink, 0);
    QPainterPath teeth = segment({8.5, 17.5}, {15.5, 17.5});
    for (qreal x : {10.3, 13.7})
        teeth.addPath(segment({x, 16}, {x, 19.5}));
    line(painter, teeth, c.ink, 1.0);
}

void hand(QPainter& painter, const Colours& c)
{
    QPainterPath hand = roundRect(QRectF(5.5, 10, 12.5, 11.5), 4);
    for (auto [x, top] : std::initializer_list<std::pair<qreal, qreal>>{{5.6, 5}, {8.8, 2.5}, {12, 2}, {15.2, 4}})
        hand = hand.united(roundRect(QRectF(x, top, 3.2, 12 - top + 2), 1.6));
    QTransform thumb;
    thumb.translate(6.5, 17);
    thumb.rotate(-55);
    hand = hand.united(thumb.map(roundRect(QRectF(-1.7, -6.5, 3.4, 7.5), 1.7)));
    shape(painter, hand, c.fill, c.ink, kInkWidth);
}

void star(QPainter& painter, const Colours& c)
{
    shape(painter, roundRect(QRectF(2.5, 2.5, 19, 19), 6), c.shade, c.ink, kInkWidth);
    const QPainterPath field = roundRect(QRectF(6, 6, 12, 12), 3);
    shape(painter, field, c.fill, c.ink, 1.2);
    painter.save();
    painter.setClipPath(field);
    line(painter, segment({5, 5}, {19, 19}), c.ink, 2.2);
    line(painter, segment({19, 5}, {5, 19}), c.ink, 2.2);
    painter.restore();
    shape(painter, circle({12, 12}, 2.4), c.light, c.ink, 1.2);
}

void moon(QPainter& painter, const Colours& c)
{
    shape(painter, circle({10.5, 11}, 8.5).subtracted(circle({15, 7.5}, 7.5)), c.fill, c.ink, kInkWidth);
    shape(painter, drop({18.5, 18.5}, 2.4), c.shade, c.ink, 1.2);
}

// The card's dog and eagle, scaled into the small box: their outlines read at
// this size without the finer parts.
QTransform fromCard(qreal scale, QPointF centre)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(scale, scale);
    return t;
}

void dog(QPainter& painter, const Colours& c)
{
    const QTransform t = fromCard(0.24, {12.5, 13});
    shape(painter,
          t.map(polygon({{2, -22}, {6, -40}, {14, -52}, {20, -46}, {24, -40}, {16, -36}, {26, -31}, {28, -20}})),
          c.fill, c.ink, kInkWidth);
    const QPainterPath head = dogHeadOutline();
    shape(painter, t.map(head), c.fill, c.ink, kInkWidth);
    shape(painter, t.map(polygon({{-45, 1}, {-16, 4}, {-38, 9}})), c.ink, c.ink, 0);
    shape(painter, t.map(circle({-8, -12}, 5.5)), c.ink, c.ink, 0);
    shape(painter, t.map(ellipse({-43, -4}, 4.5, 4.2)), c.ink, c.ink, 0);
}

void monkey(QPainter& painter, const Colours& c)
{
    for (qreal x : {4.5, 19.5})
        shape(painter, circle({x, 11.5}, 2.8), c.fill, c.ink, kInkWidth);
    QPainterPath head = circle({12, 12}, 7.5).united(polygon({{9, 5.5}, {10.5, 1.5}, {12, 5}, {14, 1.5}, {15, 5.5}}));
    shape(painter, head, c.fill, c.ink, kInkWidth);
    shape(painter, circle({9.8, 11}, 2.8).united(circle({14.2, 11}, 2.8)).united(ellipse({12, 15}, 4.6, 3.2)), c.light,
          c.ink, 1.0);
    for (qreal x : {9.8, 14.2})
        shape(painter, circle({x, 11}, 1.2), c.ink, c.ink, 0);
    line(painter, polyline({{10, 16}, {12, 17}, {14, 16}}), c.ink, 1.0);
}

void human(QPainter& painter, const Colours& c)
{
    for (int i = 0; i < 3; ++i)
        shape(painter, QPainterPath(roundRect(QRectF(3 + 3 * i, 18.5 - 3 * i, 18 - 6 * i, 3), 0.5)), c.shade, c.ink,
              1.2);
    QPainterPath figure;
    figure.moveTo(6.5, 2.5);
    figure.lineTo(10, 7);
    figure.lineTo(14, 7);
    figure.lineTo(17.5, 2.5);
    figure.moveTo(12, 7);
    figure.lineTo(12, 11);
    figure.moveTo(9.5, 12.5);
    figure.lineTo(12, 10.5);
    figure.lineTo(14.5, 12.5);
    tube(painter, figure, c.fill, c.ink, 2.6, 1.1);
    shape(painter, circle({12, 4}, 2.4), c.fill, c.ink, 1.2);
}

void skywalker(QPainter& painter, const Colours& c)
{
    QPainterPath tassel;
    for (QPointF tip : {QPointF(8.5, 2.5), QPointF(12, 1.8), QPointF(15.5, 2.5)})
        tassel.addPath(segment({12, 5}, tip));
    tube(painter, tassel, c.fill, c.ink, 1.4, 0.9);
    auto arching = [](QPointF base, QPointF bend, QPointF tip) {
        QPainterPath blade;
        blade.moveTo(base + QPointF(0, -1.2));
        blade.quadTo(bend, tip);
        blade.quadTo(bend + QPointF(0, 2.6), base + QPointF(0, 1.2));
        blade.closeSubpath();
        return blade;
    };
    shape(painter, arching({12, 15}, {5, 8}, {2, 14}), c.shade, c.ink, 1.2);
    shape(painter, arching({12, 10}, {19, 3}, {22, 9}), c.shade, c.ink, 1.2);
    tube(painter, segment({12, 21}, {12, 5}), c.fill, c.ink, 2.8, kInkWidth);
    shape(painter, leaf({12.5, 18}, {17, 12}, 1.6), c.fill, c.ink, 1.2);
}

void jaguar(QPainter& painter, const Colours& c)
{
    for (qreal x : {6, 18})
        shape(painter, circle({x, 6.5}, 2.4), c.fill, c.ink, kInkWidth);
    shape(painter, ellipse({12, 13}, 9, 8), c.fill, c.ink, kInkWidth);
    // rosettes, rings rather than spots
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{{12, 7.8}, {6.6, 13.5}, {17.4, 13.5}})
        shape(painter, circle({x, y}, 1.3), Qt::NoBrush, c.ink, 1.0);
    for (qreal x : {9, 15})
        shape(painter, ellipse({x, 11}, 1.7, 1.1), c.ink, c.ink, 0);
    shape(painter, ellipse({12, 17}, 4, 2.8), c.light, c.ink, 1.0);
    shape(painter, polygon({{10.6, 14.6}, {13.4, 14.6}, {12, 16.2}}), c.ink, c.ink, 0);
}

void eagle(QPainter& painter, const Colours& c)
{
    const QTransform t = fromCard(0.22, {11, 12});
    QPainterPath head;
    head.moveTo(18, -22);
    head.cubicTo(10, -40, -20, -40, -30, -24);
    head.cubicTo(-38, -12, -36, 6, -28, 18);
    head.lineTo(-32, 42);
    head.lineTo(-14, 36);
    head.lineTo(4, 40);
    head.cubicTo(10, 22, 14, 12, 18, 4);
    head.closeSubpath();
    shape(painter, t.map(leaf({-18, -26}, {-40, -40}, 5.5)), c.shade, c.ink, kInkWidth);
    shape(painter, t.map(head), c.fill, c.ink, kInkWidth);
    const QPainterPath beak = eagleBeakOutline();
    shape(painter, t.map(beak), QColor(0xf0, 0xb8, 0x30), c.ink, kInkWidth);
    shape(painter, t.map(circle({2, -14}, 7.5)), c.light, c.ink, 1.0);
    shape(painter, t.map(circle({3, -14}, 4)), c.ink, c.ink, 0);
}

void owl(QPainter& painter, const Colours& c)
{
    for (int side : {-1, 1})
        shape(painter, polygon({{12 + side * 3.0, 6}, {12 + side * 7.5, 1}, {12 + side * 7.5, 7}}), c.shade, c.ink,
              1.2);
    shape(painter, ellipse({12, 13.5}, 7.5, 9), c.fill, c.ink, kInkWidth);
    for (qreal x : {9, 15}) {
        shape(painter, circle({x, 10}, 3.2), c.light, c.ink, 1.0);
        shape(painter, circle({x, 10}, 1.5), c.ink, c.ink, 0);
    }
    shape(painter, polygon({{10.8, 13}, {13.2, 13}, {12, 15.5}}), c.ink, c.ink, 0);
}

void earth(QPainter& painter, const Colours& c)
{
    QPainterPath mound;
    mound.moveTo(1.5, 21);
    mound.cubicTo(2, 10, 8, 6, 11, 9);
    mound.cubicTo(14, 4, 22, 7, 22.5, 21);
    mound.closeSubpath();
    shape(painter, mound, c.fill, c.ink, kInkWidth);
    line(painter, spiral({12, 15.5}, 0.6, 4.6, 90, -1.6, 60), c.ink, 1.4);
}

void mirror(QPainter& painter, const Colours& c)
{
    shape(painter, leaf({13, 19}, {22.5, 23}, 1.8), c.shade, c.ink, 1.2);
    shape(painter, circle({11, 11}, 9), c.fill, c.ink, kInkWidth);
    const QPainterPath glass = circle({11, 11}, 6);
    shape(painter, glass, c.ink, c.ink, 0);
    painter.save();
    painter.setClipPath(glass);
    line(painter, segment({5, 13}, {13, 5}), c.light, 1.4);
    painter.restore();
}

void storm(QPainter& painter, const Colours& c)
{
    QPainterPath cloud =
        roundRect(QRectF(2, 8, 20, 7.5), 3.75).united(circle({8, 8.5}, 4.5)).united(circle({14.5, 7}, 5.5));
    shape(painter, cloud, c.fill, c.ink, kInkWidth);
    shape(painter, polygon({{12, 13}, {8.5, 18}, {11, 18}, {9, 23}, {15.5, 16}, {12.8, 16}, {14.5, 13}}),
          QColor(0xf6, 0xc8, 0x30), c.ink, 1.1);
}

void sun(QPainter& painter, const Colours& c)
{
    for (qreal x : {3.2, 20.8})
        shape(painter, circle({x, 11}, 2), c.shade, c.ink, 1.2);
    shape(painter, polygon({{7.5, 19}, {16.5, 19}, {15, 22.5}, {9, 22.5}}), c.shade, c.ink, 1.2);
    shape(painter, roundRect(QRectF(4.5, 2.5, 15, 17), 5), c.shade, c.ink, kInkWidth);
    shape(painter, roundRect(QRectF(7, 5, 10, 12), 3.2), c.fill, c.ink, 1.0);
    for (qreal x : {9.8, 14.2})
        shape(painter, circle({x, 9.5}, 1.9), c.light, c.ink, 1.0);
    shape(painter, ellipse({12, 14}, 1.8, 1.5), c.ink, c.ink, 0);
}

constexpr std::array<Glyph, 20> kGlyphs = {crocodile, wind, night, seed,   serpent, skull,     hand,
                                           star,      moon, dog,   monkey, human,   skywalker, jaguar,
                                           eagle,     owl,  earth, mirror, storm,   sun};

} // namespace

QImage drawBoardGlyph(int index, int side, int scale)
{
    QImage img(side * scale, side * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    // drawn a little inside the box, so that no outline meets its edge
    const qreal pixels = side * scale;
    painter.translate(pixels / 2, pixels / 2);
    painter.scale(pixels * kInset / 24.0, pixels * kInset / 24.0);
    painter.translate(-12, -12);
    kGlyphs[static_cast<std::size_t>(index)](painter, coloursFor(index % 4));
    painter.end();
    return img;
}

} // namespace kinwheel::cardgen
