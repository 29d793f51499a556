#include "emblems.h"

#include "shapes.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <tuple>

namespace kinwheel::cardgen {

Palette paletteFor(int family)
{
    switch (family) {
    case 0: // red
        return {QColor(0x2b, 0x09, 0x06), QColor(0xe8, 0xc0, 0x58), QColor(0xa8, 0x22, 0x1c), QColor(0x6a, 0x10, 0x0d),
                QColor(0xd2, 0x4a, 0x34), QColor(0x2b, 0x09, 0x06), QColor(0xf7, 0xe8, 0xc8), QColor(0xeb, 0xbb, 0x4a),
                QColor(0xf4, 0xe4, 0xbe), QColor(0xc9, 0xb0, 0x7c), QColor(0x7c, 0x12, 0x0e)};
    case 1: // white
        return {QColor(0x3a, 0x33, 0x50), QColor(0x8d, 0x7f, 0xb4), QColor(0xfd, 0xfb, 0xf5), QColor(0xe6, 0xdf, 0xd0),
                QColor(0xff, 0xff, 0xff), QColor(0x40, 0x38, 0x5a), QColor(0xff, 0xff, 0xff), QColor(0xbc, 0xb0, 0xd8),
                QColor(0x5b, 0x50, 0x7a), QColor(0x3e, 0x36, 0x58), QColor(0xff, 0xff, 0xff)};
    case 2: // blue
        return {QColor(0x0a, 0x14, 0x30), QColor(0xe6, 0xc6, 0x62), QColor(0x2c, 0x5e, 0xb4), QColor(0x13, 0x2c, 0x66),
                QColor(0x55, 0x8c, 0xdc), QColor(0x0a, 0x14, 0x30), QColor(0xee, 0xf4, 0xff), QColor(0x9c, 0xc4, 0xf0),
                QColor(0xf3, 0xe8, 0xc6), QColor(0xc4, 0xb2, 0x82), QColor(0x14, 0x2e, 0x6c)};
    default: // yellow
        return {QColor(0x4a, 0x30, 0x06), QColor(0x8a, 0x3a, 0x10), QColor(0xfa, 0xd4, 0x50), QColor(0xe6, 0xa4, 0x22),
                QColor(0xff, 0xf2, 0xa8), QColor(0x4a, 0x2c, 0x06), QColor(0xff, 0xf8, 0xe2), QColor(0xe8, 0x74, 0x1e),
                QColor(0x5e, 0x3c, 0x0a), QColor(0x3a, 0x25, 0x05), QColor(0xff, 0xe0, 0x78)};
    }
}

namespace {

// Each emblem is drawn in a box from -50 to 50 on both axes, y pointing down,
// and shown about 64 pixels across at 1x: no line thinner than about 2 units.

const QColor kLeaf(0x5c, 0xa8, 0x3e);
const QColor kLeafDark(0x2f, 0x74, 0x2a);
const QColor kWater(0x78, 0xb6, 0xe4);
const QColor kGold(0xf4, 0xc2, 0x3a);
const QColor kBone(0xf6, 0xf0, 0xe2);

// Imix: the crocodile, the earth monster rising from the primeval waters, a
// water lily growing from its head. growing from its head.
void drawCrocodile(QPainter& painter, const Palette& palette)
{
    const QColor hide(0x4f, 0x8f, 0x3e);
    // the lily's stalk
    QPainterPath stalk;
    stalk.moveTo(8, -16);
    stalk.cubicTo(10, -28, 0, -32, -6, -35);
    tube(painter, stalk, kLeaf, palette.ink, 3.0, 2.2);

    // scutes along the back, behind its outline
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{{24, -10}, {32, -7.5}, {40, -3.5}})
        shape(painter, polygon({{x - 4.5, y + 2}, {x, y - 6.5}, {x + 4.5, y + 2}}), hide.darker(120), palette.ink, 2.2);

    QPainterPath body;
    body.moveTo(-48, 6);
    body.cubicTo(-50, -2, -47, -7, -41, -7);
    body.cubicTo(-30, -7, -16, -8, -4, -11);
    body.cubicTo(-2, -23, 15, -25, 17, -13);
    body.cubicTo(28, -12, 42, -6, 50, 4);
    body.lineTo(50, 24);
    body.lineTo(-48, 24);
    body.closeSubpath();
    shape(painter, body, verticalShade(hide, -24, 14), palette.ink);
    // the long jaw and its teeth
    QPainterPath mouth;
    mouth.moveTo(-46, 4);
    mouth.quadTo(-24, 6, -4, 0);
    mouth.quadTo(0, -1, 2, 2);
    for (qreal x : {-40.0, -31.0, -22.0, -13.0}) {
        const qreal y = 4.6 - (x + 46) * 0.06;
        shape(painter, polygon({{x - 2.6, y}, {x, y - 5}, {x + 2.6, y}}), kBone, palette.ink, 1.6);
    }
    line(painter, mouth, palette.ink, 2.4);
    shape(painter, ellipse({-43, -6}, 2.4, 1.8), palette.ink, palette.ink, 0);
    shape(painter, ellipse({7, -15}, 5, 3.8), kGold, palette.ink, 2.0);
    shape(painter, ellipse({7, -15}, 1.2, 3.2), palette.ink, palette.ink, 0);

    // the water, a band of waves
    QPainterPath water;
    water.moveTo(-50, 12);
    for (int i = 0; i < 5; ++i) {
        const qreal x = -50 + i * 20;
        water.quadTo(x + 5, 6, x + 10, 12);
        water.quadTo(x + 15, 18, x + 20, 12);
    }
    water.quadTo(54, 26, 48, 38);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 48 - i * 24;
        water.quadTo(x - 6, 44, x - 12, 40);
        water.quadTo(x - 18, 36, x - 24, 40);
    }
    water.quadTo(-54, 26, -50, 12);
    water.closeSubpath();
    QLinearGradient wg(QPointF(0, 8), QPointF(0, 44));
    wg.setColorAt(0, kWater);
    wg.setColorAt(1, kWater.darker(130));
    shape(painter, water, wg, palette.ink);
    for (auto [x, y, n] : std::initializer_list<std::tuple<qreal, qreal, int>>{{-34, 24, 3}, {0, 30, 3}}) {
        QPainterPath wave;
        wave.moveTo(x, y);
        for (int i = 0; i < n; ++i)
            wave.quadTo(wave.currentPosition() + QPointF(5, -4), wave.currentPosition() + QPointF(10, 0));
        line(painter, wave, QColor(0xff, 0xff, 0xff), 2.2);
    }

    // the water lily in flower
    const QPointF base(-6, -35);
    for (qreal a : {-64.0, -32.0, 32.0, 64.0, 0.0}) {
        const qreal r = a == 0 ? 15 : 13;
        const QPointF tip = base + QPointF(std::sin(a * kPi / 180) * r, -std::cos(a * kPi / 180) * r);
        shape(painter, leaf(base, tip, 3.6), a == 0 ? QColor(0xf6, 0xb4, 0xc8) : QColor(0xfd, 0xf6, 0xf2), palette.ink,
              2.0);
    }
    shape(painter, circle(base + QPointF(0, -1), 3.2), kGold, palette.ink, 1.6);
}

// Ik': wind and breath; the round stone pierced by the T-shaped wind sign,
// with breath curling out of it.
void drawWind(QPainter& painter, const Palette& palette)
{
    auto gust = [&](QPointF tailStart, QPointF c, qreal r, bool curlsRight, qreal w) {
        QPainterPath path;
        const QPointF bottom = c + QPointF(0, r);
        path.moveTo(tailStart);
        const qreal dx = bottom.x() - tailStart.x();
        path.cubicTo(tailStart + QPointF(dx * 0.4, 0), bottom + QPointF(-dx * 0.4, 0), bottom);
        const int steps = 60;
        const qreal turns = 1.0;
        for (int i = 1; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            const qreal ang = curlsRight ? (kPi / 2 - turns * 2 * kPi * t) : (kPi / 2 + turns * 2 * kPi * t);
            const qreal rr = r * (1 - 0.6 * t);
            path.lineTo(c + QPointF(std::cos(ang), std::sin(ang)) * rr);
        }
        tube(painter, path, palette.mid, palette.ink, w, 2.2);
    };
    gust({20, -6}, {36, -30}, 10, true, 5.5);
    gust({-20, 6}, {-36, 26}, 10, false, 5.5);
    gust({18, 14}, {38, 22}, 7, true, 4.5);
    gust({-18, -14}, {-38, -24}, 7, false, 4.5);

    QRadialGradient sg(QPointF(-8, -10), 36);
    sg.setColorAt(0, palette.light);
    sg.setColorAt(1, palette.mid);
    shape(painter, circle({0, 0}, 25), sg, palette.ink);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.mid.darker(125), 2.0));
    painter.drawEllipse(QPointF(0, 0), 20, 20);
    QPainterPath t = roundRect(QRectF(-14, -13, 28, 9), 2).united(roundRect(QRectF(-5, -8, 10, 24), 2));
    shape(painter, t, palette.ink, palette.ink, 1.0);
}

// Ak'b'al: night, the dark house of the earth: a cave mouth in the mountain
// under the night sky, a jaguar's eyes shining in it.
void drawNight(QPainter& painter, const Palette& palette)
{
    const QPointF c(0, -2);
    const qreal R = 46;
    QPainterPath disc = circle(c, R);
    QRadialGradient sky(c + QPointF(0, -16), R);
    sky.setColorAt(0, QColor(0x2a, 0x46, 0x92));
    sky.setColorAt(1, QColor(0x09, 0x14, 0x3a));
    shape(painter, disc, sky, palette.ink, 0);

    painter.save();
    painter.setClipPath(disc);
    const QColor gold(0xf6, 0xd8, 0x6a);
    shape(painter, circle({-20, -28}, 10).subtracted(circle({-15, -32}, 9)), gold, palette.ink, 1.8);
    shape(painter, star({14, -34}, 5, 6, 2.5), gold, palette.ink, 1.4);
    shape(painter, star({30, -18}, 5, 4.5, 2.0), gold, palette.ink, 1.2);
    shape(painter, sparkle({-2, -40}, 4), QColor(0xff, 0xff, 0xff), palette.ink, 0);
    shape(painter, sparkle({-36, -8}, 3.5), QColor(0xff, 0xff, 0xff), palette.ink, 0);

    QPainterPath hill;
    hill.moveTo(-50, 24);
    hill.cubicTo(-36, 6, -22, -12, 0, -12);
    hill.cubicTo(22, -12, 36, 6, 50, 24);
    hill.lineTo(50, 50);
    hill.lineTo(-50, 50);
    hill.closeSubpath();
    QLinearGradient hg(QPointF(0, -12), QPointF(0, 44));
    hg.setColorAt(0, QColor(0x2e, 0x5e, 0x6a));
    hg.setColorAt(1, QColor(0x14, 0x30, 0x3c));
    shape(painter, hill, hg, palette.ink, 2.4);
    // the cave, its mouth framed by stones
    QPainterPath mouth;
    mouth.moveTo(-18, 50);
    mouth.lineTo(-18, 22);
    mouth.cubicTo(-18, 6, 18, 6, 18, 22);
    mouth.lineTo(18, 50);
    mouth.closeSubpath();
    painter.setPen(QPen(palette.ink, 9, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
    painter.setPen(QPen(QColor(0x6a, 0x86, 0x90), 5, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(mouth);
    shape(painter, mouth, QColor(0x03, 0x05, 0x10), palette.ink, 2.4);
    for (qreal x : {-7.0, 7.0}) {
        shape(painter, leaf({x - 4, 30}, {x + 4, 30}, 1.7), QColor(0xf2, 0xd8, 0x3a), palette.ink, 0);
        shape(painter, ellipse({x, 30}, 0.8, 1.6), palette.ink, palette.ink, 0);
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.ink, 5));
    painter.drawEllipse(c, R, R);
    painter.setPen(QPen(palette.frame, 2.5));
    painter.drawEllipse(c, R, R);
}

// K'an: the seed and the ripe maize, an ear of corn opening from its husk.
void drawMaize(QPainter& painter, const Palette& palette)
{
    const QColor kernel(0xf6, 0xc4, 0x34);
    const QColor silk(0xa8, 0x5a, 0x1e);
    // silk at the tip
    QPainterPath silkPath;
    for (qreal dx : {-6.0, 0.0, 6.0}) {
        silkPath.moveTo(0, -36);
        silkPath.cubicTo(dx * 0.5, -42, dx * 1.6, -44, dx * 1.4, -49);
    }
    line(painter, silkPath, palette.ink, 4.4);
    line(painter, silkPath, silk, 2.0);

    QPainterPath ear;
    ear.moveTo(0, -40);
    ear.cubicTo(14, -40, 18, -10, 16, 12);
    ear.cubicTo(14, 30, -14, 30, -16, 12);
    ear.cubicTo(-18, -10, -14, -40, 0, -40);
    ear.closeSubpath();
    shape(painter, ear, kernel.darker(115), palette.ink);
    painter.save();
    painter.setClipPath(ear);
    for (int row = 0; row < 12; ++row) {
        const qreal y = -36 + row * 6;
        const qreal shift = (row % 2) ? 3.2 : 0;
        for (int col = -3; col <= 3; ++col) {
            const QPointF k(col * 6.4 + shift, y);
            QRadialGradient kg(k + QPointF(-1, -1.2), 4);
            kg.setColorAt(0, kernel.lighter(130));
            kg.setColorAt(1, kernel);
            shape(painter, ellipse(k, 2.9, 2.6), kg, palette.ink, 1.2);
        }
    }
    painter.restore();
    shape(painter, ear, Qt::NoBrush, palette.ink);

    // husk leaves folding back from the foot of the ear
    QPainterPath husk1;
    husk1.moveTo(2, 44);
    husk1.cubicTo(-14, 34, -30, 10, -34, -16);
    husk1.cubicTo(-22, -2, -12, 14, -4, 22);
    husk1.closeSubpath();
    QPainterPath husk2;
    husk2.moveTo(-2, 44);
    husk2.cubicTo(14, 34, 30, 14, 36, -8);
    husk2.cubicTo(22, 4, 12, 16, 4, 22);
    husk2.closeSubpath();
    QPainterPath husk3;
    husk3.moveTo(0, 46);
    husk3.cubicTo(-8, 38, -10, 30, -8, 22);
    husk3.cubicTo(-2, 26, 6, 26, 8, 22);
    husk3.cubicTo(10, 30, 8, 38, 0, 46);
    husk3.closeSubpath();
    for (const QPainterPath& h : {husk1, husk2, husk3})
        shape(painter, h, verticalShade(kLeaf, -16, 44), palette.ink, 2.6);
    line(painter, segment({-6, 36}, {-26, 0}), kLeafDark, 1.8);
    line(painter, segment({6, 36}, {28, 2}), kLeafDark, 1.8);
}

// Chikchan: the celestial serpent, coiled, a crest of feathers on its head.
void drawSerpent(QPainter& painter, const Palette& palette)
{
    const QPointF c(2, 18);
    QPainterPath spine;
    const int steps = 120;
    const qreal turns = 1.5;
    const qreal endAng = kPi;
    const qreal startAng = endAng - turns * 2 * kPi;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal ang = startAng + (endAng - startAng) * t;
        const qreal r = 6 + 24 * t;
        const QPointF pt = c + QPointF(std::cos(ang) * r, std::sin(ang) * r);
        if (i == 0)
            spine.moveTo(pt);
        else
            spine.lineTo(pt);
    }
    const QPointF neckStart = spine.currentPosition();
    QPainterPath neck;
    neck.moveTo(neckStart);
    neck.cubicTo(neckStart + QPointF(-2, -26), QPointF(-30, -30), QPointF(-4, -28));
    for (int i = 1; i <= 40; ++i)
        spine.lineTo(neck.pointAtPercent(qreal(i) / 40));

    const qreal coilShare = 0.72;
    auto radius = [&](qreal t) {
        if (t < coilShare)
            return 2.0 + 6.0 * std::sqrt(t / coilShare);
        return 8.0;
    };
    QPainterPath body = taperedBody(spine, radius, 220);
    QLinearGradient bg(QPointF(-30, -30), QPointF(30, 50));
    bg.setColorAt(0, palette.mid.lighter(115));
    bg.setColorAt(1, palette.mid.darker(110));

    // forked tongue
    QPainterPath tongue = polyline({{14, -27}, {24, -27}, {29, -31}});
    tongue.moveTo(24, -27);
    tongue.lineTo(29, -23);
    tube(painter, tongue, QColor(0xd8, 0x28, 0x20), palette.ink, 2.0, 1.4);

    // the crest: green feathers streaming back from the head
    const QPointF crestBase(-6, -32);
    for (auto [tip, w] :
         std::initializer_list<std::pair<QPointF, qreal>>{{{-34, -46}, 4.5}, {{-24, -50}, 4.5}, {{-36, -34}, 4.0}}) {
        shape(painter, leaf(crestBase, tip, w), verticalShade(QColor(0x2e, 0xa0, 0x6a), -50, -30), palette.ink, 2.2);
        line(painter, segment(crestBase, crestBase + (tip - crestBase) * 0.8), QColor(0x1c, 0x6a, 0x46), 1.6);
    }

    shape(painter, body, bg, palette.ink);
    painter.save();
    painter.setClipPath(body);
    for (int i = 2; i < 24; ++i) {
        const qreal t = i / 24.0;
        const QPointF a = spine.pointAtPercent(t);
        const QPointF b = spine.pointAtPercent(std::min<qreal>(1, t + 0.004));
        const qreal angle = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180 / kPi;
        const qreal r = radius(t);
        QPainterPath d = polygon({{-r * 0.9, 0}, {0, -r * 0.6}, {r * 0.9, 0}, {0, r * 0.6}});
        QTransform tr;
        tr.translate(a.x(), a.y());
        tr.rotate(angle);
        shape(painter, tr.map(d), QColor(0x8e, 0x1c, 0x12), palette.ink, 0);
    }
    painter.restore();
    shape(painter, body, Qt::NoBrush, palette.ink);

    QPainterPath head;
    head.moveTo(-10, -28);
    head.cubicTo(-10, -40, 6, -40, 14, -32);
    head.cubicTo(18, -29, 18, -26, 14, -23);
    head.cubicTo(6, -17, -10, -17, -10, -28);
    head.closeSubpath();
    shape(painter, head, bg, palette.ink);
    shape(painter, ellipse({3, -30}, 3.6, 3.0), kGold, palette.ink, 1.6);
    shape(painter, ellipse({3.4, -30}, 1.1, 2.4), palette.ink, palette.ink, 0);
}

// Kimi: death and change; a skull, and a seedling rising from it.
void drawSkull(QPainter& painter, const Palette& palette)
{
    // the seedling
    QPainterPath stem;
    stem.moveTo(0, -28);
    stem.cubicTo(-2, -36, 2, -40, 0, -46);
    tube(painter, stem, kLeafDark, palette.ink, 3.0, 2.0);
    shape(painter, leaf({0, -40}, {-17, -47}, 5), kLeaf, palette.ink, 2.2);
    shape(painter, leaf({0, -44}, {15, -52}, 4.6), kLeaf, palette.ink, 2.2);

    QPainterPath skull = ellipse({0, -6}, 27, 25).united(roundRect(QRectF(-16, 4, 32, 24), 7));
    QRadialGradient sg(QPointF(-8, -16), 44);
    sg.setColorAt(0, QColor(0xff, 0xff, 0xff));
    sg.setColorAt(1, palette.mid);
    shape(painter, skull, sg, palette.ink);
    // cheekbones
    QPainterPath cheeks;
    cheeks.moveTo(-25, 2);
    cheeks.quadTo(-20, 10, -16, 12);
    cheeks.moveTo(25, 2);
    cheeks.quadTo(20, 10, 16, 12);
    line(painter, cheeks, palette.ink, 2.2);
    for (qreal x : {-11.0, 11.0}) {
        shape(painter, ellipse({x, -6}, 8, 7.5), palette.ink, palette.ink, 0);
    }
    shape(painter, polygon({{0, 3}, {4, 11}, {0, 13}, {-4, 11}}), palette.ink, palette.ink, 1.2);
    // teeth
    shape(painter, roundRect(QRectF(-12, 16, 24, 9), 2), QColor(0xff, 0xff, 0xff), palette.ink, 2.0);
    for (qreal x : {-6.0, 0.0, 6.0})
        line(painter, segment({x, 16}, {x, 25}), palette.ink, 1.8);
}

// Manik': the deer and the hand that grasps in the hunt; the hand raised, a
// deer's track on its palm, antlers behind it.
void drawHand(QPainter& painter, const Palette& palette)
{
    const QColor skin(0xf6, 0xe0, 0xb8);
    const QColor antler(0xe8, 0xd4, 0xa8);
    // antlers
    for (int side : {-1, 1}) {
        QPainterPath a;
        a.moveTo(side * 14, 8);
        a.cubicTo(side * 30, 0, side * 40, -18, side * 38, -42);
        a.moveTo(side * 33, -10);
        a.quadTo(side * 44, -14, side * 48, -24);
        a.moveTo(side * 37, -26);
        a.quadTo(side * 30, -34, side * 28, -46);
        tube(painter, a, antler, palette.ink, 4.0, 2.0);
    }

    auto finger = [](QPointF base, qreal angle, qreal length, qreal width) {
        QPainterPath f = roundRect(QRectF(-width / 2, -length, width, length + 6), width / 2);
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(angle);
        return t.map(f);
    };
    QPainterPath hand = roundRect(QRectF(-19, -6, 38, 40), 13);
    hand = hand.united(finger({-13, 0}, -12, 30, 10.5));
    hand = hand.united(finger({-2, -3}, -3, 37, 10.5));
    hand = hand.united(finger({9, -2}, 6, 33, 10.5));
    hand = hand.united(finger({17, 4}, 18, 24, 9.5));
    hand = hand.united(finger({-14, 22}, -62, 26, 11));

    shape(painter, roundRect(QRectF(-18, 32, 36, 14), 3), palette.frame, palette.ink);
    for (qreal x : {-9.0, 0.0, 9.0})
        shape(painter, polygon({{x - 3.5, 39}, {x, 35}, {x + 3.5, 39}, {x, 43}}), QColor(0xb8, 0x2a, 0x1e), palette.ink,
              1.2);

    shape(painter, hand, skin, palette.ink);
    for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{{{-7.5, -9}, {-7.5, -3}},
                                                                          {{3.6, -11}, {3.4, -5}},
                                                                          {{13.8, -5}, {13.2, 0}}})
        line(painter, segment(a, b), palette.ink, 2.0);
    // the deer's cloven track
    for (int side : {-1, 1})
        shape(painter, leaf({side * 4.5, 24}, {side * 2.5, 6}, 3.2), QColor(0x2c, 0x5e, 0xb4), palette.ink, 0);
}

// Lamat: Venus, the great star: its four-part sign, a cartouche quartered
// by a cross, a lobe in each quarter, the star's light at its corners.
void drawStar(QPainter& painter, const Palette& palette)
{
    const QColor lobe(0xc8, 0x30, 0x1c);
    for (QPointF c : {QPointF(-42, -42), QPointF(42, -42), QPointF(42, 42), QPointF(-42, 42)})
        shape(painter, sparkle(c, 9), palette.light, palette.ink, 2.0);
    shape(painter, roundRect(QRectF(-38, -38, 76, 76), 18), palette.mid, palette.ink);
    const QPainterPath field = roundRect(QRectF(-29, -29, 58, 58), 11);
    shape(painter, field, verticalShade(palette.light, -29, 29, 100, 106), palette.ink, 2.4);
    painter.save();
    painter.setClipPath(field);
    for (int k = 0; k < 2; ++k) {
        const QPainterPath band = QTransform().rotate(45 + 90 * k).map(roundRect(QRectF(-50, -5, 100, 10), 0));
        shape(painter, band, palette.mid, palette.ink, 2.4);
    }
    painter.restore();
    shape(painter, field, Qt::NoBrush, palette.ink, 2.4);
    // a rounded lobe in each quarter, pointing at the centre
    for (int k = 0; k < 4; ++k) {
        QPainterPath quarter;
        quarter.moveTo(-9, -23);
        quarter.quadTo(0, -27, 9, -23);
        quarter.quadTo(4, -14, 0, -11);
        quarter.quadTo(-4, -14, -9, -23);
        quarter.closeSubpath();
        shape(painter, QTransform().rotate(90 * k).map(quarter), lobe, palette.ink, 2.2);
    }
    shape(painter, circle({0, 0}, 7), palette.light, palette.ink, 2.4);
}

// Muluk: water and the moon: the moon above the water, a fish leaping,
// drops of jade-green water.
void drawMoon(QPainter& painter, const Palette& palette)
{
    const QColor jade(0x4c, 0xb0, 0x7c);
    const QPointF c(12, -18);
    QPainterPath moon = circle(c, 27).subtracted(circle(c + QPointF(12, -8), 23));
    QRadialGradient mg(c + QPointF(-14, 4), 34);
    mg.setColorAt(0, QColor(0xff, 0xfb, 0xf0));
    mg.setColorAt(1, QColor(0xe0, 0xd6, 0xbc));
    shape(painter, moon, mg, palette.ink);
    painter.save();
    painter.setClipPath(moon);
    for (auto [pt, r] :
         std::initializer_list<std::pair<QPointF, qreal>>{{{-6, -16}, 4.0}, {{0, 0}, 3.0}, {{14, 4}, 2.6}})
        shape(painter, circle(pt, r), QColor(0xd8, 0xcc, 0xae), palette.ink, 0);
    painter.restore();
    for (auto [pt, r] : std::initializer_list<std::pair<QPointF, qreal>>{{{38, 2}, 4.0}, {{44, 14}, 3.0}})
        shape(painter, drop(pt, r), verticalShade(jade, pt.y() - 2.3 * r, pt.y() + r), palette.ink, 2.0);

    QPainterPath water;
    water.moveTo(-50, 22);
    for (int i = 0; i < 5; ++i) {
        const qreal x = -50 + i * 20;
        water.quadTo(x + 5, 16, x + 10, 22);
        water.quadTo(x + 15, 28, x + 20, 22);
    }
    water.cubicTo(50, 42, 30, 48, 0, 48);
    water.cubicTo(-30, 48, -50, 42, -50, 22);
    water.closeSubpath();
    QLinearGradient wg(QPointF(0, 16), QPointF(0, 48));
    wg.setColorAt(0, kWater);
    wg.setColorAt(1, kWater.darker(135));
    shape(painter, water, wg, palette.ink);
    QPainterPath wave;
    wave.moveTo(-20, 36);
    for (int i = 0; i < 4; ++i)
        wave.quadTo(wave.currentPosition() + QPointF(5, -4), wave.currentPosition() + QPointF(10, 0));
    line(painter, wave, QColor(0xff, 0xff, 0xff), 2.2);

    // the fish, leaping left
    painter.save();
    painter.translate(-3, 4);
    QPainterPath fish;
    fish.moveTo(-44, 4);
    fish.cubicTo(-40, -8, -26, -10, -18, 0);
    fish.cubicTo(-24, 8, -38, 12, -44, 4);
    fish.closeSubpath();
    QPainterPath tail = polygon({{-20, 0}, {-10, -8}, {-12, 2}, {-8, 10}});
    shape(painter, tail, palette.mid, palette.ink, 2.2);
    shape(painter, fish, verticalShade(palette.mid, -10, 10), palette.ink, 2.4);
    shape(painter, circle({-38, 1}, 1.8), palette.ink, palette.ink, 0);
    line(painter, segment({-32, -4}, {-31, 5}), palette.ink, 1.6);
    painter.restore();
}

} // namespace

QPainterPath eagleBeakOutline()
{
    QPainterPath beak;
    beak.moveTo(12, -22);
    beak.cubicTo(28, -26, 42, -18, 46, 0);
    beak.cubicTo(47, 8, 44, 14, 38, 17);
    beak.cubicTo(40, 10, 38, 6, 34, 5);
    beak.cubicTo(28, 4, 22, 4, 14, 3);
    beak.closeSubpath();
    return beak;
}

QPainterPath dogHeadOutline()
{
    QPainterPath head;
    head.moveTo(-44, -6);
    head.cubicTo(-36, -10, -24, -13, -16, -20);
    head.cubicTo(-10, -32, 10, -34, 22, -26);
    head.cubicTo(32, -18, 34, -2, 30, 10);
    head.cubicTo(28, 18, 30, 28, 34, 38);
    head.lineTo(-2, 38);
    head.cubicTo(-4, 28, -8, 20, -16, 16);
    head.cubicTo(-24, 13, -32, 12, -38, 9);
    head.cubicTo(-44, 7, -47, 2, -44, -6);
    head.closeSubpath();
    return head;
}

namespace {

// Ok: the dog, guide of the dead; the head of the hairless xoloitzcuintli in
// profile, its tall ear torn, a dark patch round its eye, teeth bared.
void drawDog(QPainter& painter, const Palette& palette)
{
    const QColor skin(0x8c, 0x80, 0xa6);
    const QColor patch(0x4e, 0x44, 0x6a);
    // the ear, behind the head, a piece torn out of its back edge
    const QPainterPath ear =
        polygon({{2, -22}, {6, -40}, {14, -52}, {20, -46}, {24, -40}, {18, -36}, {26, -31}, {28, -20}});
    shape(painter, ear, skin.darker(108), palette.ink);
    shape(painter, polygon({{8, -24}, {11, -40}, {15, -46}, {18, -41}, {15, -35}, {21, -30}, {22, -23}}),
          QColor(0xe4, 0xa0, 0xb0), palette.ink, 0);
    // the crest of hair on the crown
    QPainterPath tuft;
    for (auto [from, to] : std::initializer_list<std::pair<QPointF, QPointF>>{{{-6, -28}, {-12, -38}},
                                                                              {{-1, -30}, {-3, -42}},
                                                                              {{4, -30}, {6, -41}}})
        tuft.addPath(segment(from, to));
    tube(painter, tuft, palette.light, palette.ink, 2.6, 2.0);

    const QPainterPath head = dogHeadOutline();
    shape(painter, head, verticalShade(skin, -32, 38, 130, 110), palette.ink);
    // wrinkles of the brow
    QPainterPath brow;
    brow.moveTo(-6, -25);
    brow.quadTo(0, -28, 6, -25);
    brow.moveTo(-4, -20);
    brow.quadTo(2, -23, 8, -20);
    line(painter, brow, palette.ink, 1.8);
    // the open mouth, a fang showing
    const QPainterPath mouth = polygon({{-45, 1}, {-16, 4}, {-38, 9}});
    shape(painter, mouth, QColor(0x7a, 0x1c, 0x2a), palette.ink, 2.0);
    shape(painter, polygon({{-38, 1.4}, {-33, 1.9}, {-35.5, 7}}), palette.light, palette.ink, 1.4);
    shape(painter, polygon({{-26, 2.8}, {-22, 3.2}, {-24, 6.5}}), palette.light, palette.ink, 1.4);
    // the eye in its dark patch
    shape(painter, ellipse({-8, -12}, 9, 7), patch, palette.ink, 0);
    QPainterPath eye;
    eye.moveTo(-14, -12);
    eye.quadTo(-8, -18, -2, -13);
    eye.quadTo(-8, -8, -14, -12);
    eye.closeSubpath();
    shape(painter, eye, kGold, palette.ink, 1.8);
    shape(painter, circle({-8, -12.6}, 2.2), palette.ink, palette.ink, 0);
    shape(painter, ellipse({-43, -4}, 4.2, 3.8), palette.ink, palette.ink, 0);
    // the collar at the neck
    shape(painter, roundRect(QRectF(-4, 30, 40, 8), 2), QColor(0xd8, 0x44, 0x30), palette.ink, 2.4);
}

// Chuwen: the monkey, the artisan who spins the thread of time; its tail
// curls into a spiral of thread.
void drawMonkey(QPainter& painter, const Palette& palette)
{
    const QColor fur(0x7a, 0x48, 0x24);
    const QColor face(0xf0, 0xcc, 0x9a);
    const QColor thread(0xe8, 0x50, 0x3a);
    // the tail, curling into a spiral at the foot
    QPainterPath tail;
    tail.moveTo(16, 12);
    tail.cubicTo(30, 20, 34, 34, 22, 40);
    const QPointF sc(12, 34);
    for (int i = 1; i <= 60; ++i) {
        const qreal t = i / 60.0;
        const qreal ang = std::atan2(40 - sc.y(), 22 - sc.x()) + t * 1.6 * 2 * kPi;
        const qreal r = std::hypot(22 - sc.x(), 40 - sc.y()) * (1 - 0.75 * t);
        tail.lineTo(sc + QPointF(std::cos(ang), std::sin(ang)) * r);
    }
    tube(painter, tail, fur, palette.ink, 4.5, 2.2);
    // a ball of spun thread, its loose end running up
    QPainterPath strand;
    strand.moveTo(-30, 22);
    strand.cubicTo(-34, 8, -44, 2, -40, -12);
    line(painter, strand, palette.ink, 4.6);
    line(painter, strand, thread, 2.2);
    const QPainterPath ball = circle({-30, 34}, 12);
    shape(painter, ball, verticalShade(thread, 22, 46, 120, 110), palette.ink);
    painter.save();
    painter.setClipPath(ball);
    QPainterPath wraps;
    wraps.addEllipse(QPointF(-36, 34), 12, 7);
    wraps.addEllipse(QPointF(-24, 30), 10, 14);
    line(painter, wraps, thread.darker(150), 2.2);
    painter.restore();
    shape(painter, ball, Qt::NoBrush, palette.ink);

    for (qreal x : {-27.0, 27.0}) {
        shape(painter, circle({x, -12}, 9.5), fur, palette.ink);
        shape(painter, circle({x, -12}, 5), face, palette.ink, 1.8);
    }
    QPainterPath head = circle({0, -14}, 25);
    head = head.united(polygon({{-10, -36}, {-6, -46}, {-1, -38}, {4, -48}, {8, -38}, {13, -44}, {12, -32}}));
    QRadialGradient hg(QPointF(-6, -24), 34);
    hg.setColorAt(0, fur.lighter(125));
    hg.setColorAt(1, fur);
    shape(painter, head, hg, palette.ink);
    QPainterPath mask = circle({-9, -18}, 10).united(circle({9, -18}, 10)).united(ellipse({0, -2}, 17, 12.5));
    shape(painter, mask, face, palette.ink, 2.2);
    QPainterPath brow;
    brow.moveTo(-17, -25);
    brow.quadTo(-9, -30, 0, -24);
    brow.quadTo(9, -30, 17, -25);
    line(painter, brow, palette.ink, 2.2);
    for (qreal x : {-9.0, 9.0}) {
        shape(painter, circle({x, -17}, 3.8), palette.ink, palette.ink, 0);
        shape(painter, circle({x - 1.2, -18.2}, 1.2), QColor(0xff, 0xff, 0xff), palette.ink, 0);
    }
    shape(painter, ellipse({-2.6, -5}, 1.4, 1.9), palette.ink, palette.ink, 0);
    shape(painter, ellipse({2.6, -5}, 1.4, 1.9), palette.ink, palette.ink, 0);
    QPainterPath smile;
    smile.moveTo(-9, 1);
    smile.quadTo(0, 9, 9, 1);
    line(painter, smile, palette.ink, 2.2);
}

// Eb': the road and the stairway of life; a person climbing to its top,
// grass at its foot.
void drawStairway(QPainter& painter, const Palette& palette)
{
    const QColor stone(0xf2, 0xe2, 0xb6);
    const QColor skin(0xb4, 0x3c, 0x1a);
    for (int i = 0; i < 5; ++i) {
        const qreal half = 44 - i * 7;
        const qreal bottom = 46 - i * 8;
        QRectF step(-half, bottom - 8, 2 * half, 8);
        shape(painter, QPainterPath(roundRect(step, 1)), verticalShade(stone, step.top(), step.bottom(), 108, 108),
              palette.ink, 2.2);
    }
    // the road up the middle
    shape(painter, polygon({{-10, 46}, {10, 46}, {6, 6}, {-6, 6}}), palette.mid, palette.ink, 2.2);
    for (int i = 1; i < 5; ++i) {
        const qreal y = 46 - i * 8;
        const qreal hw = 10 - i * 0.8;
        line(painter, segment({-hw, y}, {hw, y}), palette.ink, 1.6);
    }
    // grass at the foot
    for (qreal x : {-44.0, 40.0}) {
        QPainterPath grass;
        for (qreal dx : {-4.0, 0.0, 4.0}) {
            grass.moveTo(x + 2, 46);
            grass.quadTo(x + 2 + dx * 0.4, 38, x + 2 + dx * 1.4, 32 - (dx == 0 ? 4 : 0));
        }
        line(painter, grass, palette.ink, 4.6);
        line(painter, grass, kLeaf, 2.2);
    }

    QPainterPath limbs;
    limbs.moveTo(-22, -40);
    limbs.lineTo(-12, -26);
    limbs.lineTo(0, -22);
    limbs.lineTo(12, -26);
    limbs.lineTo(22, -40);
    limbs.moveTo(-10, 5);
    limbs.lineTo(-6, -4);
    limbs.lineTo(0, -10);
    limbs.lineTo(6, -4);
    limbs.lineTo(10, 5);
    QPainterPath torso = segment({0, -22}, {0, -8});
    line(painter, limbs, palette.ink, 7 + 2 * kOutlineWidth);
    line(painter, torso, palette.ink, 12 + 2 * kOutlineWidth);
    line(painter, limbs, skin, 7);
    line(painter, torso, skin, 12);
    shape(painter, circle({0, -34}, 7.5), skin, palette.ink);
}

// B'en: the reed and the growing maize stalk reaching the sky: the stalk
// with its arching leaves, its tassel and an ear, reeds in plume beside it.
void drawReeds(QPainter& painter, const Palette& palette)
{
    const QColor stem(0x6e, 0xa8, 0x3a);
    const QColor plume(0xc8, 0x8a, 0x3a);
    const QColor cloud(0xff, 0xfb, 0xf2);
    auto cloudPath = [](std::initializer_list<std::pair<QPointF, qreal>> puffs, QRectF base) {
        QPainterPath c = roundRect(base, base.height() / 2);
        for (auto [pt, r] : puffs)
            c = c.united(circle(pt, r));
        return c;
    };
    shape(painter, cloudPath({{{-34, -38}, 6}, {{-26, -41}, 7}}, QRectF(-44, -38, 28, 8)), cloud, palette.ink, 2.4);
    shape(painter, cloudPath({{{28, -42}, 6}, {{36, -38}, 5}}, QRectF(20, -40, 26, 8)), cloud, palette.ink, 2.4);

    // a reed on either side, slender, bowing under its plume
    for (int side : {-1, 1}) {
        QPainterPath reed;
        reed.moveTo(side * 18, 40);
        reed.cubicTo(side * 22, 10, side * 26, -6, side * 34, -20);
        tube(painter, reed, stem.darker(115), palette.ink, 2.6, 2.0);
        const QPointF top(side * 34, -20);
        QPainterPath head = leaf(top + QPointF(-side * 1, 2), top + QPointF(side * 10, -14), 3.6);
        shape(painter, head, plume, palette.ink, 2.0);
        QPainterPath blade;
        blade.moveTo(side * 21, 14);
        blade.quadTo(side * 32, 6, side * 40, 12);
        blade.quadTo(side * 30, 10, side * 21, 18);
        blade.closeSubpath();
        shape(painter, blade, stem, palette.ink, 2.0);
    }

    // the maize stalk, thick at the foot and narrowing upward
    QPainterPath spine;
    spine.moveTo(0, 40);
    spine.cubicTo(-2, 14, 2, -12, 0, -34);
    const QPainterPath stalk = taperedBody(
        spine, [](qreal t) { return 4.2 - 2.2 * t; }, 60);
    // its tassel
    QPainterPath tassel;
    for (QPointF tip : {QPointF(-9, -44), QPointF(0, -50), QPointF(9, -44), QPointF(-13, -36), QPointF(13, -36)})
        tassel.addPath(segment({0, -34}, tip));
    tube(painter, tassel, plume, palette.ink, 2.0, 1.8);
    // long leaves, rising from the stalk and arching over
    auto arching = [](QPointF base, QPointF bend, QPointF tip, qreal width) {
        QPainterPath blade;
        blade.moveTo(base + QPointF(0, -width));
        blade.quadTo(bend, tip);
        blade.quadTo(bend + QPointF(0, 2 * width), base + QPointF(0, width));
        blade.closeSubpath();
        return blade;
    };
    const QLinearGradient green = verticalShade(kLeaf, -30, 40);
    shape(painter, arching({0, 22}, {-22, -2}, {-36, 18}, 3.0), green, palette.ink, 2.2);
    shape(painter, arching({0, 8}, {22, -16}, {36, 2}, 3.0), green, palette.ink, 2.2);
    shape(painter, arching({0, -8}, {-16, -28}, {-26, -18}, 2.6), green, palette.ink, 2.2);
    shape(painter, stalk, verticalShade(stem, -34, 40, 115, 115), palette.ink, 2.4);
    shape(painter, arching({0, -18}, {12, -32}, {20, -26}, 2.4), green, palette.ink, 2.2);
    // an ear on the stalk, its silk showing
    shape(painter, leaf({2, 4}, {14, -14}, 3.4), QColor(0xf6, 0xc4, 0x34), palette.ink, 2.0);
    line(painter, segment({14, -14}, {18, -20}), QColor(0xa8, 0x5a, 0x1e), 2.0);

    QPainterPath ground;
    ground.moveTo(-34, 48);
    ground.cubicTo(-26, 34, 26, 34, 34, 48);
    ground.closeSubpath();
    shape(painter, ground, QColor(0x7a, 0x48, 0x1a), palette.ink, 2.4);
}

// Ix: the jaguar, its spotted face.
void drawJaguar(QPainter& painter, const Palette& palette)
{
    const QColor fur(0xe8, 0xa8, 0x3a);
    const QColor cream(0xfb, 0xf0, 0xd8);
    const QColor spot(0x3a, 0x26, 0x14);
    for (int side : {-1, 1}) {
        shape(painter, circle({side * 24.0, -28}, 10), fur, palette.ink);
        shape(painter, circle({side * 24.0, -27}, 5), spot, palette.ink, 0);
    }
    QPainterPath head = ellipse({0, -4}, 33, 30);
    shape(painter, head, verticalShade(fur, -34, 26, 120, 108), palette.ink);
    painter.save();
    painter.setClipPath(head);
    // rosettes: a ring of spots around a darker centre
    for (auto [x, y, r] : std::initializer_list<std::tuple<qreal, qreal, qreal>>{{-13, -24, 4.5},
                                                                                 {2, -28, 4.0},
                                                                                 {15, -22, 4.5},
                                                                                 {-26, -8, 4.0},
                                                                                 {26, -6, 4.0},
                                                                                 {-6, -16, 3.2},
                                                                                 {8, -14, 3.2},
                                                                                 {-24, 10, 3.6},
                                                                                 {24, 12, 3.6}}) {
        shape(painter, circle({x, y}, r), fur.darker(118), palette.ink, 0);
        painter.setPen(QPen(spot, 2.2, Qt::DotLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    painter.restore();
    shape(painter, ellipse({-7, 12}, 9, 7.5).united(ellipse({7, 12}, 9, 7.5)).united(ellipse({0, 20}, 8, 6)), cream,
          palette.ink, 2.2);
    for (int side : {-1, 1}) {
        const qreal x = side * 12.0;
        QPainterPath eye;
        eye.moveTo(x - 6 * side, -6);
        eye.quadTo(x, -12, x + 6 * side, -8);
        eye.quadTo(x, -1, x - 6 * side, -6);
        eye.closeSubpath();
        shape(painter, eye, QColor(0xc8, 0xd8, 0x48), palette.ink, 2.0);
        shape(painter, ellipse({x, -6.5}, 1.2, 3.2), palette.ink, palette.ink, 0);
        for (qreal dy : {-2.0, 2.0})
            shape(painter, circle({side * 9.0 + side * 3 * (dy > 0), 12 + dy}, 1.1), spot, palette.ink, 0);
    }
    shape(painter, polygon({{-6, 3}, {6, 3}, {0, 9}}), QColor(0x5a, 0x26, 0x1e), palette.ink, 2.0);
    QPainterPath mouth;
    mouth.moveTo(0, 9);
    mouth.lineTo(0, 15);
    mouth.quadTo(-4, 19, -8, 16);
    mouth.moveTo(0, 15);
    mouth.quadTo(4, 19, 8, 16);
    line(painter, mouth, palette.ink, 2.0);
}

// Men: the eagle; its head in profile, the great hooked beak, the eye under
// a heavy brow in front, a crest of feathers swept back.
void drawEagle(QPainter& painter, const Palette& palette)
{
    const QColor brown(0x7a, 0x4c, 0x26);
    const QColor dark(0x45, 0x2a, 0x14);
    const QColor pale(0xf2, 0xe8, 0xd2);
    const QColor horn(0xf0, 0xb8, 0x30);
    // the crest, behind the head
    for (auto [base, tip] : std::initializer_list<std::pair<QPointF, QPointF>>{{{-18, -28}, {-40, -46}},
                                                                               {{-22, -20}, {-48, -30}},
                                                                               {{-24, -10}, {-48, -12}}})
        shape(painter, leaf(base, tip, 4.2), verticalShade(dark, -46, -10, 140, 100), palette.ink, 2.2);

    QPainterPath head;
    head.moveTo(18, -22);
    head.cubicTo(10, -40, -20, -40, -30, -24);
    head.cubicTo(-38, -12, -36, 6, -28, 18);
    head.lineTo(-32, 42);
    head.lineTo(-22, 34);
    head.lineTo(-18, 46);
    head.lineTo(-8, 36);
    head.lineTo(-2, 46);
    head.lineTo(4, 34);
    head.cubicTo(10, 22, 14, 12, 18, 4);
    head.closeSubpath();
    shape(painter, head, verticalShade(brown, -40, 46, 130, 115), palette.ink);
    painter.save();
    painter.setClipPath(head);
    // the pale cheek and throat, and the rows of neck feathers
    QPainterPath cheek;
    cheek.moveTo(20, -10);
    cheek.cubicTo(6, -4, -2, 8, -6, 50);
    cheek.lineTo(30, 50);
    cheek.closeSubpath();
    shape(painter, cheek, pale, palette.ink, 0);
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{{-24, 10}, {-14, 14}, {-22, 24}, {-12, 26}})
        line(painter, polyline({{x - 5, y - 3}, {x, y + 3}, {x + 5, y - 3}}), dark, 2.0);
    painter.restore();
    shape(painter, head, Qt::NoBrush, palette.ink);

    // the beak: the hooked upper half over the lower
    QPainterPath lower;
    lower.moveTo(16, 4);
    lower.cubicTo(24, 8, 30, 10, 35, 8);
    lower.lineTo(31, 15);
    lower.cubicTo(24, 15, 18, 12, 13, 9);
    lower.closeSubpath();
    shape(painter, lower, horn.darker(115), palette.ink, 2.2);
    const QPainterPath beak = eagleBeakOutline();
    shape(painter, beak, verticalShade(horn, -24, 16, 125, 110), palette.ink);
    // the cere at its root, the nostril
    painter.save();
    painter.setClipPath(beak);
    shape(painter, ellipse({12, -9}, 6, 14), QColor(0xf8, 0xe0, 0x70), palette.ink, 2.2);
    painter.restore();
    shape(painter, beak, Qt::NoBrush, palette.ink);
    shape(painter, ellipse({24, -11}, 2.4, 1.6), palette.ink, palette.ink, 0);
    // the eye, forward in the face, under its brow
    shape(painter, circle({3, -14}, 6.5), kGold, palette.ink, 2.2);
    shape(painter, circle({4, -14}, 3.2), palette.ink, palette.ink, 0);
    shape(painter, circle({2.6, -15.4}, 1.1), QColor(0xff, 0xff, 0xff), palette.ink, 0);
    shape(painter, polygon({{-9, -22}, {10, -25}, {14, -19}, {-2, -20}}), dark, palette.ink, 2.0);
}

// K'ib': the owl, wisdom of the elders, perched among cells of wax.
void drawOwl(QPainter& painter, const Palette& palette)
{
    const QColor brown(0x8a, 0x5a, 0x2a);
    const QColor cream(0xfb, 0xee, 0xcc);
    const QColor wax(0xf6, 0xc8, 0x4a);
    // honeycomb behind
    auto hexagon = [](QPointF c, qreal r) {
        QPainterPath h;
        for (int i = 0; i < 6; ++i) {
            const QPointF pt = c + QPointF(std::cos(i * kPi / 3), std::sin(i * kPi / 3)) * r;
            if (i == 0)
                h.moveTo(pt);
            else
                h.lineTo(pt);
        }
        h.closeSubpath();
        return h;
    };
    const qreal hr = 8.5;
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{{-37, -26},
                                                                      {-37, -8},
                                                                      {-24, -17},
                                                                      {37, -26},
                                                                      {37, -8},
                                                                      {24, -17},
                                                                      {-37, 10},
                                                                      {37, 10}})
        shape(painter, hexagon({x, y}, hr), wax, palette.ink, 2.0);

    // the branch
    QPainterPath branch;
    branch.moveTo(-46, 40);
    branch.quadTo(0, 34, 46, 42);
    tube(painter, branch, QColor(0x6e, 0x42, 0x1c), palette.ink, 5, 2.2);

    for (int side : {-1, 1})
        shape(painter, polygon({{side * 10.0, -30}, {side * 20.0, -46}, {side * 22.0, -24}}), brown.darker(115),
              palette.ink);
    QPainterPath body = ellipse({0, 6}, 22, 32);
    shape(painter, body, verticalShade(brown, -26, 38), palette.ink);
    painter.save();
    painter.setClipPath(body);
    shape(painter, ellipse({0, 18}, 13, 18), cream, palette.ink, 0);
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{{-5, 10}, {5, 10}, {0, 17}, {-6, 24}, {6, 24}})
        line(painter, polyline({{x - 2.5, y}, {x, y + 2.5}, {x + 2.5, y}}), brown, 1.8);
    painter.restore();
    // wings folded at the sides
    for (int side : {-1, 1}) {
        QPainterPath w;
        w.moveTo(side * 20, -4);
        w.cubicTo(side * 28, 8, side * 26, 26, side * 14, 36);
        w.cubicTo(side * 14, 20, side * 14, 6, side * 20, -4);
        w.closeSubpath();
        shape(painter, w, brown.darker(125), palette.ink, 2.4);
    }
    // the face: two discs, large eyes, a hooked beak
    shape(painter, circle({-9, -16}, 10.5).united(circle({9, -16}, 10.5)), cream, palette.ink, 2.4);
    for (qreal x : {-9.0, 9.0}) {
        shape(painter, circle({x, -16}, 6.2), QColor(0xf6, 0xa8, 0x1c), palette.ink, 2.0);
        shape(painter, circle({x, -16}, 3.2), palette.ink, palette.ink, 0);
        shape(painter, circle({x - 1.2, -17.2}, 1.1), QColor(0xff, 0xff, 0xff), palette.ink, 0);
    }
    shape(painter, polygon({{-3.5, -8}, {3.5, -8}, {0, 0}}), kGold.darker(110), palette.ink, 1.8);
    for (qreal x : {-8.0, 8.0})
        line(painter, polyline({{x - 4, 36}, {x - 2, 40}, {x, 37}, {x + 2, 40}, {x + 4, 36}}), QColor(0x3a, 0x26, 0x14),
             2.2);
}

// Kab'an: the earth and its movement; layers of ground under grass, the
// curl of the earthquake carved in them, the ground trembling.
void drawEarth(QPainter& painter, const Palette& palette)
{
    const QColor soil(0xb0, 0x6a, 0x2e);
    // a cut through the ground: two hills over the layers below
    QPainterPath mound;
    mound.moveTo(-46, 42);
    mound.quadTo(-48, 42, -48, 36);
    mound.lineTo(-48, 6);
    mound.cubicTo(-40, -12, -30, -20, -20, -20);
    mound.cubicTo(-10, -20, -6, -8, 2, -8);
    mound.cubicTo(10, -8, 16, -26, 28, -26);
    mound.cubicTo(38, -26, 44, -12, 48, 0);
    mound.lineTo(48, 36);
    mound.quadTo(48, 42, 46, 42);
    mound.closeSubpath();
    shape(painter, mound, verticalShade(soil, -12, 42, 115, 110), palette.ink);
    painter.save();
    painter.setClipPath(mound);
    QPainterPath turf;
    turf.moveTo(-50, 10);
    turf.cubicTo(-36, -6, -10, 6, 2, 0);
    turf.cubicTo(16, -8, 30, -14, 50, 8);
    turf.lineTo(50, -50);
    turf.lineTo(-50, -50);
    turf.closeSubpath();
    shape(painter, turf, verticalShade(kLeaf, -14, 0), palette.ink, 2.2);
    for (auto [y, shade] : std::initializer_list<std::pair<qreal, int>>{{24, 125}, {34, 145}}) {
        QPainterPath band;
        band.moveTo(-50, y);
        band.cubicTo(-24, y - 6, 0, y + 6, 24, y - 2);
        band.quadTo(38, y - 6, 50, y);
        band.lineTo(50, 50);
        band.lineTo(-50, 50);
        band.closeSubpath();
        shape(painter, band, soil.darker(shade), palette.ink, 2.0);
    }
    line(painter, spiral({0, 19}, 1.5, 13, 90, -1.75), palette.ink, 3.2);
    painter.restore();
    shape(painter, mound, Qt::NoBrush, palette.ink);
    // the ground trembling
    for (int side : {-1, 1}) {
        const qreal x = side * 40;
        line(painter, polyline({{x, -40}, {x + side * 4, -35}, {x - side * 2, -31}, {x + side * 2, -25}}),
             palette.frame, 2.6);
        line(painter, polyline({{x - side * 30, -44}, {x - side * 26, -39}, {x - side * 32, -35}}), palette.frame, 2.6);
    }
}

// Etz'nab': flint and obsidian; the polished black mirror and the knapped
// flint blade.
void drawFlintMirror(QPainter& painter, const Palette& palette)
{
    const QPointF c(-6, -10);
    QRadialGradient rim(c, 32);
    rim.setColorAt(0.8, palette.mid);
    rim.setColorAt(1, palette.mid.darker(120));
    shape(painter, circle(c, 31), rim, palette.ink);
    for (int i = 0; i < 12; ++i) {
        const qreal ang = i * kPi / 6;
        shape(painter, circle(c + QPointF(std::cos(ang), std::sin(ang)) * 27.5, 1.8), palette.light, palette.ink, 0);
    }
    QPainterPath glass = circle(c, 23);
    QRadialGradient og(c + QPointF(-8, -10), 34);
    og.setColorAt(0, QColor(0x4a, 0x48, 0x5e));
    og.setColorAt(1, QColor(0x06, 0x06, 0x0e));
    shape(painter, glass, og, palette.ink, 2.4);
    painter.save();
    painter.setClipPath(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xff, 0xff, 150));
    painter.drawPath(polygon({{-40, -6}, {-8, -40}, {0, -40}, {-32, -6}}));
    painter.setBrush(QColor(0xff, 0xff, 0xff, 90));
    painter.drawPath(polygon({{-26, 4}, {6, -30}, {10, -30}, {-22, 4}}));
    painter.restore();

    // the blade, laid across the mirror's foot
    painter.save();
    painter.translate(6, 28);
    painter.rotate(-38);
    QPainterPath blade;
    blade.moveTo(-6, 0);
    blade.cubicTo(4, -11, 30, -10, 48, 0);
    blade.cubicTo(30, 10, 4, 11, -6, 0);
    blade.closeSubpath();
    const QColor flint(0xcc, 0xc6, 0xbc);
    shape(painter, blade, verticalShade(flint, -10, 10, 112, 118), palette.ink);
    for (qreal x : {4.0, 14.0, 24.0, 34.0}) {
        const qreal h = x < 30 ? 8 : 5.5;
        line(painter, polyline({{x - 4, -h}, {x, -h + 4.5}, {x + 4, -h + 0.5}}), flint.darker(150), 1.8);
        line(painter, polyline({{x - 4, h}, {x, h - 4.5}, {x + 4, h - 0.5}}), flint.darker(150), 1.8);
    }
    line(painter, segment({0, 0}, {40, 0}), flint.darker(125), 1.6);
    shape(painter, roundRect(QRectF(-22, -5, 18, 10), 3), QColor(0x7a, 0x4a, 0x22), palette.ink, 2.4);
    for (qreal x : {-18.0, -13.0, -8.0})
        line(painter, segment({x, -5}, {x + 2, 5}), QColor(0xe8, 0xc8, 0x80), 1.8);
    painter.restore();
}

// Kawak: the storm, a rain cloud with its lightning.
void drawStorm(QPainter& painter, const Palette& palette)
{
    const QColor bolt(0xff, 0xd6, 0x3a);
    const QColor rain(0xb4, 0xd6, 0xf6);
    for (QPointF a :
         {QPointF(-34, 14), QPointF(-22, 22), QPointF(-34, 34), QPointF(24, 16), QPointF(36, 24), QPointF(26, 36)})
        tube(painter, segment(a, a + QPointF(-4, 9)), rain, palette.ink, 3.2, 1.6);

    QPainterPath cloud = roundRect(QRectF(-42, -18, 84, 24), 12);
    for (auto [c, r] : std::initializer_list<std::pair<QPointF, qreal>>{{{-24, -18}, 15},
                                                                        {{-4, -30}, 19},
                                                                        {{18, -22}, 16},
                                                                        {{33, -12}, 12}})
        cloud = cloud.united(circle(c, r));
    QLinearGradient cg(QPointF(0, -48), QPointF(0, 6));
    cg.setColorAt(0, QColor(0xe6, 0xea, 0xf2));
    cg.setColorAt(0.55, QColor(0xb0, 0xb8, 0xc8));
    cg.setColorAt(1, QColor(0x6e, 0x78, 0x8e));
    shape(painter, cloud, cg, palette.ink);

    shape(painter, polygon({{2, -2}, {-14, 22}, {-3, 22}, {-15, 48}, {18, 12}, {6, 12}, {16, -2}}), bolt, palette.ink,
          2.8);
}

// Ajaw: the lord, the sun; the day sign's face in its cartouche on a
// pedestal of scrolls: round eyes, the open mouth, a jewelled headband and
// earspools.
void drawSun(QPainter& painter, const Palette& palette)
{
    const QColor rim(0xd8, 0x44, 0x16);
    const QColor jade(0x3c, 0xa0, 0x70);
    // the pedestal, its ends curling into scrolls
    shape(painter, polygon({{-26, 28}, {26, 28}, {18, 42}, {-18, 42}}), rim.darker(120), palette.ink);
    for (int side : {-1, 1}) {
        QPainterPath scroll = spiral({side * 24.0, 38}, 7, 1.5, side < 0 ? 0 : 180, side * -1.0, 60);
        line(painter, scroll, palette.ink, 5.4);
        line(painter, scroll, palette.light, 2.4);
    }
    // the earspools
    for (int side : {-1, 1}) {
        shape(painter, circle({side * 36.0, -4}, 8), jade, palette.ink);
        shape(painter, circle({side * 36.0, -4}, 3), palette.ink, palette.ink, 0);
    }
    shape(painter, roundRect(QRectF(-33, -40, 66, 70), 20), rim, palette.ink);
    QRadialGradient skin(QPointF(-6, -10), 40);
    skin.setColorAt(0, QColor(0xff, 0xf2, 0xa0));
    skin.setColorAt(1, QColor(0xf8, 0xb8, 0x2a));
    const QPainterPath face = roundRect(QRectF(-26, -33, 52, 56), 15);
    shape(painter, face, skin, palette.ink, 2.6);
    // the headband with its jewel
    painter.save();
    painter.setClipPath(face);
    shape(painter, QPainterPath(roundRect(QRectF(-30, -36, 60, 13), 0)), jade, palette.ink, 2.4);
    painter.restore();
    shape(painter, face, Qt::NoBrush, palette.ink, 2.6);
    for (qreal angle : {-34.0, 0.0, 34.0}) {
        const QPointF tip = QPointF(std::sin(angle * kPi / 180), -std::cos(angle * kPi / 180)) * 18;
        shape(painter, leaf({0, -28}, QPointF(0, -28) + tip, 3.8), jade.lighter(120), palette.ink, 2.2);
    }
    shape(painter, circle({0, -28}, 5), kGold, palette.ink, 2.2);
    // round eyes, looking out
    for (int side : {-1, 1}) {
        shape(painter, circle({side * 11.0, -8}, 7), QColor(0xff, 0xff, 0xff), palette.ink, 2.4);
        shape(painter, circle({side * 11.0, -7}, 3.4), palette.ink, palette.ink, 0);
    }
    // the open mouth
    shape(painter, ellipse({0, 11}, 8, 7), QColor(0xc8, 0x40, 0x1c), palette.ink, 2.6);
    shape(painter, ellipse({0, 12}, 4, 3.4), palette.ink, palette.ink, 0);
}

} // namespace

void drawEmblem(QPainter& painter, int index, const Palette& palette)
{
    using Painter = void (*)(QPainter&, const Palette&);
    static constexpr std::array<Painter, 20> kPainters = {
        drawCrocodile, drawWind, drawNight, drawMaize,       drawSerpent,  drawSkull, drawHand,
        drawStar,      drawMoon, drawDog,   drawMonkey,      drawStairway, drawReeds, drawJaguar,
        drawEagle,     drawOwl,  drawEarth, drawFlintMirror, drawStorm,    drawSun};
    kPainters[static_cast<std::size_t>(index)](painter, palette);
}

} // namespace kinwheel::cardgen
