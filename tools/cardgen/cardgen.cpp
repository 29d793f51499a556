// kinwheel-cardgen: draws the twenty glyph card pictures and the program icon.
//
//   kinwheel-cardgen <repo>/assets
//
// writes assets/cards/NNName.jpg (120 x 184) and assets/icon/kinwheel-*.png,
// kinwheel.png and kinwheel.ico. Everything is drawn with QPainter from fixed
// numbers, so the same build writes the same bytes on every run.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int CardW = 120;
constexpr int CardH = 184;
constexpr int JpegQuality = 92;
constexpr qreal Pi = 3.14159265358979323846;
constexpr qreal OW = 3.0; // emblem outline width, in emblem units

const char *const FileNames[20] = {
    "01Imix",  "02Ik",    "03Akbal", "04Kan",    "05Chiccan", "06Cimi",   "07Manik",
    "08Lamat", "09Muluc", "10Oc",    "11Chuen",  "12Eb",      "13Ben",    "14Ix",
    "15Men",   "16Cib",   "17Caban", "18Etznab", "19Cauac",   "20Ahau"};

const char *const GlyphNames[20] = {
    "DRAGON", "WIND",      "NIGHT",  "SEED",    "SERPENT", "WORLDBRIDGER", "HAND",
    "STAR",   "MOON",      "DOG",    "MONKEY",  "HUMAN",   "SKYWALKER",    "WIZARD",
    "EAGLE",  "WARRIOR",   "EARTH",  "MIRROR",  "STORM",   "SUN"};

const char *const ColourNames[4] = {"RED", "WHITE", "BLUE", "YELLOW"};

const char *const Roman[20] = {"I",   "II",   "III",  "IV",  "V",    "VI",  "VII",
                               "VIII", "IX",  "X",    "XI",  "XII",  "XIII", "XIV",
                               "XV",  "XVI",  "XVII", "XVIII", "XIX", "XX"};

struct Palette {
    QColor edge;       // outermost dark border
    QColor frame;      // ornamental frame line
    QColor fieldTop;   // card field gradient
    QColor fieldBottom;
    QColor glow;       // halo behind the emblem
    QColor ink;        // emblem outlines
    QColor light;      // light emblem fill
    QColor mid;        // signature emblem fill
    QColor bannerFill;
    QColor bannerShade; // folded banner tails
    QColor bannerText;
    QColor numberText;
};

Palette paletteFor(int colour)
{
    switch (colour) {
    case 0: // red
        return {QColor(0x2b, 0x09, 0x06), QColor(0xe8, 0xc0, 0x58), QColor(0xa8, 0x22, 0x1c),
                QColor(0x6a, 0x10, 0x0d), QColor(0xd2, 0x4a, 0x34), QColor(0x2b, 0x09, 0x06),
                QColor(0xf7, 0xe8, 0xc8), QColor(0xeb, 0xbb, 0x4a), QColor(0xf4, 0xe4, 0xbe),
                QColor(0xc9, 0xb0, 0x7c), QColor(0x7c, 0x12, 0x0e), QColor(0xe8, 0xc0, 0x58)};
    case 1: // white
        return {QColor(0x3a, 0x33, 0x50), QColor(0x8d, 0x7f, 0xb4), QColor(0xfd, 0xfb, 0xf5),
                QColor(0xe6, 0xdf, 0xd0), QColor(0xff, 0xff, 0xff), QColor(0x40, 0x38, 0x5a),
                QColor(0xff, 0xff, 0xff), QColor(0xbc, 0xb0, 0xd8), QColor(0x5b, 0x50, 0x7a),
                QColor(0x3e, 0x36, 0x58), QColor(0xff, 0xff, 0xff), QColor(0xff, 0xff, 0xff)};
    case 2: // blue
        return {QColor(0x0a, 0x14, 0x30), QColor(0xe6, 0xc6, 0x62), QColor(0x2c, 0x5e, 0xb4),
                QColor(0x13, 0x2c, 0x66), QColor(0x55, 0x8c, 0xdc), QColor(0x0a, 0x14, 0x30),
                QColor(0xee, 0xf4, 0xff), QColor(0x9c, 0xc4, 0xf0), QColor(0xf3, 0xe8, 0xc6),
                QColor(0xc4, 0xb2, 0x82), QColor(0x14, 0x2e, 0x6c), QColor(0xe6, 0xc6, 0x62)};
    default: // yellow
        return {QColor(0x4a, 0x30, 0x06), QColor(0x8a, 0x3a, 0x10), QColor(0xfa, 0xd4, 0x50),
                QColor(0xe6, 0xa4, 0x22), QColor(0xff, 0xf2, 0xa8), QColor(0x4a, 0x2c, 0x06),
                QColor(0xff, 0xf8, 0xe2), QColor(0xe8, 0x74, 0x1e), QColor(0x5e, 0x3c, 0x0a),
                QColor(0x3a, 0x25, 0x05), QColor(0xff, 0xe0, 0x78), QColor(0xff, 0xe0, 0x78)};
    }
}

// ---------------------------------------------------------------- shapes

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath polyline(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    return p;
}

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p = polyline(pts);
    p.closeSubpath();
    return p;
}

QPainterPath roundRect(const QRectF &r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath rotated(const QPainterPath &path, QPointF pivot, qreal degrees)
{
    QTransform t;
    t.translate(pivot.x(), pivot.y());
    t.rotate(degrees);
    t.translate(-pivot.x(), -pivot.y());
    return t.map(path);
}

// Star with n points whose tips alternate between radius a and b.
QPainterPath burst(QPointF c, int n, qreal a, qreal b, qreal inner, qreal rotDeg)
{
    QPainterPath p;
    for (int i = 0; i < 2 * n; ++i) {
        const qreal ang = (rotDeg + i * 180.0 / n) * Pi / 180.0;
        const qreal r = (i % 2) ? inner : ((i / 2) % 2 ? b : a);
        const QPointF pt = c + QPointF(std::cos(ang), std::sin(ang)) * r;
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

QPainterPath star(QPointF c, int n, qreal outer, qreal inner, qreal rotDeg = -90)
{
    return burst(c, n, outer, outer, inner, rotDeg);
}

// Four-pointed sparkle with curved sides.
QPainterPath sparkle(QPointF c, qreal r)
{
    QPainterPath p;
    const qreal k = r * 0.16;
    p.moveTo(c + QPointF(0, -r));
    p.quadTo(c + QPointF(k, -k), c + QPointF(r, 0));
    p.quadTo(c + QPointF(k, k), c + QPointF(0, r));
    p.quadTo(c + QPointF(-k, k), c + QPointF(-r, 0));
    p.quadTo(c + QPointF(-k, -k), c + QPointF(0, -r));
    p.closeSubpath();
    return p;
}

// Water drop hanging from a point, round part centred on c.
QPainterPath drop(QPointF c, qreal r)
{
    QPainterPath p;
    const QPointF top = c + QPointF(0, -2.3 * r);
    p.moveTo(top);
    p.cubicTo(top + QPointF(0.35 * r, 0.7 * r), c + QPointF(r, -0.6 * r), c + QPointF(r, 0));
    p.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
    p.cubicTo(c + QPointF(-r, -0.6 * r), top + QPointF(-0.35 * r, 0.7 * r), top);
    p.closeSubpath();
    return p;
}

// Leaf from base to tip, half-width w.
QPainterPath leaf(QPointF base, QPointF tip, qreal w)
{
    const QPointF d = tip - base;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * w * 2, d.x() / len * w * 2);
    const QPointF mid = (base + tip) / 2;
    QPainterPath p;
    p.moveTo(base);
    p.quadTo(mid + n, tip);
    p.quadTo(mid - n, base);
    p.closeSubpath();
    return p;
}

// Spiral around c; the angle grows by `turns` full turns (clockwise on screen
// when turns > 0) while the radius goes from r0 to r1.
QPainterPath spiral(QPointF c, qreal r0, qreal r1, qreal a0Deg, qreal turns, int steps = 120)
{
    QPainterPath p;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal ang = a0Deg * Pi / 180.0 + turns * 2 * Pi * t;
        const qreal r = r0 + (r1 - r0) * t;
        const QPointF pt = c + QPointF(std::cos(ang), std::sin(ang)) * r;
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    return p;
}

// Closed outline of a body of varying thickness following a spine.
QPainterPath taperedBody(const QPainterPath &spine, const std::function<qreal(qreal)> &radius,
                         int samples = 160)
{
    std::vector<QPointF> left, right;
    for (int i = 0; i <= samples; ++i) {
        const qreal t = qreal(i) / samples;
        const QPointF pt = spine.pointAtPercent(t);
        const qreal ta = std::max<qreal>(0, t - 0.5 / samples);
        const qreal tb = std::min<qreal>(1, t + 0.5 / samples);
        QPointF d = spine.pointAtPercent(tb) - spine.pointAtPercent(ta);
        qreal len = std::hypot(d.x(), d.y());
        if (len < 1e-9) {
            d = QPointF(1, 0);
            len = 1;
        }
        const QPointF n(-d.y() / len, d.x() / len);
        const qreal r = radius(t);
        left.push_back(pt + n * r);
        right.push_back(pt - n * r);
    }
    QPainterPath p;
    p.moveTo(left.front());
    for (size_t i = 1; i < left.size(); ++i)
        p.lineTo(left[i]);
    for (size_t i = right.size(); i-- > 0;)
        p.lineTo(right[i]);
    p.closeSubpath();
    p = p.united(circle(spine.pointAtPercent(0), radius(0)));
    p = p.united(circle(spine.pointAtPercent(1), radius(1)));
    return p;
}

// ---------------------------------------------------------------- painting helpers

QPen roundPen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter &g, const QPainterPath &path, const QBrush &fill, const QColor &ink,
           qreal w = OW)
{
    if (w > 0)
        g.setPen(roundPen(ink, w));
    else
        g.setPen(Qt::NoPen);
    g.setBrush(fill);
    g.drawPath(path);
}

void line(QPainter &g, const QPainterPath &path, const QColor &c, qreal w)
{
    g.setPen(roundPen(c, w));
    g.setBrush(Qt::NoBrush);
    g.drawPath(path);
}

// A stroked line with an outline: the ink drawn wide first, then the fill.
void tube(QPainter &g, const QPainterPath &path, const QColor &fill, const QColor &ink, qreal w,
          qreal ow = OW)
{
    line(g, path, ink, w + 2 * ow);
    line(g, path, fill, w);
}

QPainterPath seg(QPointF a, QPointF b)
{
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    return p;
}


QColor withAlpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// ---------------------------------------------------------------- emblems
// Each emblem is drawn in a box from -50 to 50 on both axes, y pointing down.

void drawDragon(QPainter &g, const Palette &p)
{
    const QColor mouth(0x4a, 0x08, 0x06);
    g.save();
    g.translate(6, 0);
    g.scale(0.9, 0.9);
    // fire from the open jaws
    QPainterPath fire;
    fire.moveTo(-36, -1);
    fire.cubicTo(-42, -8, -48, -8, -58, -12);
    fire.cubicTo(-54, -5, -55, -1, -61, 2);
    fire.cubicTo(-55, 6, -53, 11, -57, 17);
    fire.cubicTo(-47, 14, -41, 9, -36, 5);
    fire.closeSubpath();
    shape(g, fire, QColor(0xf4, 0x8a, 0x1e), p.ink, 2.4);
    QPainterPath flame;
    flame.moveTo(-38, 0);
    flame.cubicTo(-44, -3, -48, -2, -53, -3);
    flame.cubicTo(-49, 1, -49, 4, -52, 8);
    flame.cubicTo(-46, 7, -42, 5, -38, 4);
    flame.closeSubpath();
    shape(g, flame, QColor(0xff, 0xe0, 0x5a), p.ink, 0);
    // horns, behind the head
    QPainterPath horn1;
    horn1.moveTo(6, -30);
    horn1.cubicTo(16, -42, 28, -46, 42, -46);
    horn1.cubicTo(32, -40, 26, -32, 20, -24);
    horn1.closeSubpath();
    QPainterPath horn2;
    horn2.moveTo(16, -26);
    horn2.cubicTo(26, -34, 36, -36, 48, -32);
    horn2.cubicTo(38, -28, 32, -22, 26, -14);
    horn2.closeSubpath();
    shape(g, horn2, p.light, p.ink);
    shape(g, horn1, p.light, p.ink);

    // crest of spikes down the back of the neck
    shape(g, poly({{26, -18}, {44, -18}, {33, -6}}), p.light, p.ink);
    shape(g, poly({{33, -6}, {48, 0}, {36, 8}}), p.light, p.ink);
    shape(g, poly({{36, 8}, {49, 17}, {36, 24}}), p.light, p.ink);
    shape(g, poly({{35, 24}, {47, 34}, {34, 40}}), p.light, p.ink);

    // open mouth, seen through the notch in the head outline
    shape(g, poly({{-42, -6}, {-10, -1}, {-38, 8}}), mouth, p.ink);

    QPainterPath head;
    head.moveTo(-40, -13);
    head.cubicTo(-28, -18, -16, -20, -8, -28);
    head.cubicTo(0, -36, 14, -36, 22, -24);
    head.cubicTo(32, -12, 36, 2, 36, 16);
    head.cubicTo(36, 30, 32, 40, 38, 48);
    head.lineTo(8, 48);
    head.cubicTo(12, 36, 12, 24, 4, 16);
    head.cubicTo(-2, 12, -8, 12, -14, 12);
    head.lineTo(-32, 10);
    head.lineTo(-36, 5);
    head.lineTo(-12, -1);
    head.lineTo(-40, -5);
    head.closeSubpath();
    QLinearGradient body(QPointF(-20, -30), QPointF(30, 40));
    body.setColorAt(0, p.mid.lighter(112));
    body.setColorAt(1, p.mid.darker(115));
    shape(g, head, body, p.ink);

    // teeth
    for (qreal x : {-36.0, -28.0, -20.0})
        shape(g, poly({{x, -4.2 + (x + 40) * 0.12}, {x + 4, -3.6 + (x + 40) * 0.12}, {x + 2, 1 + (x + 40) * 0.12}}),
              p.light, p.ink, 1.2);
    // neck bands
    for (qreal y : {24.0, 33.0, 42.0}) {
        QPainterPath band;
        band.moveTo(12.5, y - 2);
        band.quadTo(22, y + 3, 34, y - 3);
        line(g, band, p.ink, 2.0);
    }
    // nostril, brow and eye
    shape(g, ellipse({-33, -11}, 2.0, 1.4), p.ink, p.ink, 0);
    QPainterPath brow;
    brow.moveTo(-14, -22);
    brow.quadTo(-4, -30, 8, -26);
    line(g, brow, p.ink, 3.0);
    shape(g, ellipse({-2, -19}, 6.5, 4.5), QColor(0xff, 0xd8, 0x3a), p.ink, 2.2);
    shape(g, ellipse({-1, -19}, 1.6, 4.0), p.ink, p.ink, 0);
    g.restore();
}

void drawWind(QPainter &g, const Palette &p)
{
    // each gust: a tail that runs into a curl
    auto gust = [&](QPointF tailStart, QPointF c, qreal r, bool curlsRight, qreal w) {
        QPainterPath path;
        const QPointF bottom = c + QPointF(0, r);
        path.moveTo(tailStart);
        const qreal dx = bottom.x() - tailStart.x();
        path.cubicTo(tailStart + QPointF(dx * 0.35, -6), bottom + QPointF(-dx * 0.35, 6), bottom);
        const int steps = 80;
        const qreal turns = 1.05;
        for (int i = 1; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            const qreal ang = curlsRight ? (Pi / 2 - turns * 2 * Pi * t) : (Pi / 2 + turns * 2 * Pi * t);
            const qreal rr = r * (1 - 0.62 * t);
            path.lineTo(c + QPointF(std::cos(ang), std::sin(ang)) * rr);
        }
        tube(g, path, p.mid, p.ink, w, 2.6);
    };
    gust({-46, -4}, {14, -25}, 16, true, 6.5);
    gust({46, 22}, {-17, 4}, 14, false, 6.0);
    gust({-44, 40}, {20, 25}, 12, true, 5.5);
    // loose puffs of breath
    for (auto [c, r] : std::initializer_list<std::pair<QPointF, qreal>>{
             {{-34, -26}, 4.0}, {{-40, 20}, 3.2}, {{38, -6}, 3.6}, {{40, 42}, 2.8}})
        shape(g, circle(c, r), p.light, p.ink, 2.0);
}

void drawNight(QPainter &g, const Palette &p)
{
    const QPointF c(0, -2);
    const qreal R = 45;
    QPainterPath disc = circle(c, R);
    QRadialGradient sky(c + QPointF(0, -10), R);
    sky.setColorAt(0, QColor(0x24, 0x3d, 0x86));
    sky.setColorAt(1, QColor(0x09, 0x14, 0x3a));
    shape(g, disc, sky, p.ink, 0);

    g.save();
    g.setClipPath(disc);
    const QColor gold(0xf6, 0xd8, 0x6a);
    QPainterPath moon = circle({-15, -20}, 15).subtracted(circle({-8, -25}, 13));
    shape(g, moon, gold, p.ink, 2.0);
    shape(g, star({17, -27}, 5, 7, 2.9), gold, p.ink, 1.5);
    shape(g, star({31, -7}, 5, 4.5, 1.9), gold, p.ink, 1.2);
    shape(g, star({-33, 2}, 5, 4.0, 1.7), gold, p.ink, 1.2);
    shape(g, sparkle({3, -36}, 4), QColor(0xff, 0xff, 0xff), p.ink, 0);
    shape(g, sparkle({-28, -36}, 3), QColor(0xff, 0xff, 0xff), p.ink, 0);
    shape(g, sparkle({36, -24}, 3), QColor(0xff, 0xff, 0xff), p.ink, 0);

    QPainterPath hill;
    hill.moveTo(-50, 26);
    hill.cubicTo(-30, 14, -12, 24, 0, 24);
    hill.cubicTo(16, 24, 30, 12, 50, 22);
    hill.lineTo(50, 50);
    hill.lineTo(-50, 50);
    hill.closeSubpath();
    shape(g, hill, QColor(0x1a, 0x3e, 0x4e), p.ink, 2.0);

    // house
    shape(g, QPainterPath(roundRect(QRectF(7, -7, 6, 12), 0.5)), QColor(0x7a, 0x2a, 0x1e), p.ink, 2.0);
    shape(g, roundRect(QRectF(-14, 6, 28, 24), 1), QColor(0xe8, 0xda, 0xbc), p.ink, 2.4);
    shape(g, poly({{-20, 8}, {0, -9}, {20, 8}}), QColor(0xa8, 0x34, 0x22), p.ink, 2.4);
    shape(g, roundRect(QRectF(-9, 13, 9, 8), 0.5), QColor(0xff, 0xd2, 0x3a), p.ink, 1.8);
    line(g, seg({-4.5, 13}, {-4.5, 21}), p.ink, 1.2);
    line(g, seg({-9, 17}, {0, 17}), p.ink, 1.2);
    shape(g, roundRect(QRectF(4, 16, 7, 14), 0.5), QColor(0x5a, 0x34, 0x1a), p.ink, 1.8);
    g.restore();

    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.ink, 5));
    g.drawEllipse(c, R, R);
    g.setPen(QPen(p.frame, 2.5));
    g.drawEllipse(c, R, R);
}

void drawSeed(QPainter &g, const Palette &p)
{
    const QColor soil(0x7a, 0x48, 0x1a);
    const QColor green(0x3f, 0x8c, 0x2a);
    const QColor leafGreen(0x7c, 0xc2, 0x42);

    QPainterPath mound;
    mound.moveTo(-48, 46);
    mound.cubicTo(-40, 22, 40, 22, 48, 46);
    mound.closeSubpath();
    shape(g, mound, soil, p.ink);
    for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{
             {{-30, 40}, {-24, 40}}, {{22, 38}, {28, 38}}, {{-8, 44}, {-2, 44}}})
        line(g, seg(a, b), p.ink, 2.0);

    // roots
    QPainterPath roots;
    roots.moveTo(-4, 32);
    roots.quadTo(-8, 38, -16, 42);
    roots.moveTo(3, 33);
    roots.quadTo(6, 38, 12, 43);
    tube(g, roots, QColor(0xf0, 0xd8, 0xa8), p.ink, 2.2, 1.5);

    // stem
    QPainterPath stem;
    stem.moveTo(0, 12);
    stem.cubicTo(4, 0, -5, -14, 0, -32);
    tube(g, stem, green, p.ink, 5, 2.4);

    shape(g, leaf({-1, -4}, {-38, -20}, 9), leafGreen, p.ink, 2.6);
    line(g, seg({-2, -5}, {-31, -18}), green, 1.8);
    shape(g, leaf({0, -16}, {34, -38}, 9), leafGreen, p.ink, 2.6);
    line(g, seg({1, -17}, {28, -35}), green, 1.8);
    shape(g, leaf({0, -31}, {-3, -47}, 4.2), leafGreen, p.ink, 2.2);

    // the seed, split open at the top
    QPainterPath seed = ellipse({0, 22}, 20, 14);
    QLinearGradient sg(QPointF(-10, 10), QPointF(10, 36));
    sg.setColorAt(0, QColor(0xd8, 0x8e, 0x3e));
    sg.setColorAt(1, QColor(0x9a, 0x56, 0x1e));
    shape(g, seed, sg, p.ink);
    QPainterPath split;
    split.moveTo(-15, 14);
    split.quadTo(-6, 20, 0, 11);
    split.quadTo(6, 20, 15, 14);
    line(g, split, p.ink, 2.4);
    shape(g, ellipse({-8, 26}, 5, 3), QColor(0xf2, 0xc0, 0x7a), p.ink, 0);
}

void drawSerpent(QPainter &g, const Palette &p)
{
    const QPointF c(2, 17);
    // tail at the centre of the coil, winding outwards, then rising as the neck
    QPainterPath spine;
    const int steps = 120;
    const qreal turns = 1.5;
    const qreal endAng = Pi; // leave the coil on its left side, heading up
    const qreal startAng = endAng - turns * 2 * Pi;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal ang = startAng + (endAng - startAng) * t;
        const qreal r = 6 + 25 * t;
        const QPointF pt = c + QPointF(std::cos(ang) * r, std::sin(ang) * r);
        if (i == 0)
            spine.moveTo(pt);
        else
            spine.lineTo(pt);
    }
    const QPointF neckStart = spine.currentPosition();
    QPainterPath neck;
    neck.moveTo(neckStart);
    neck.cubicTo(neckStart + QPointF(-2, -28), QPointF(-32, -34), QPointF(-6, -33));
    for (int i = 1; i <= 40; ++i)
        spine.lineTo(neck.pointAtPercent(qreal(i) / 40));

    const qreal coilShare = 0.72;
    auto radius = [&](qreal t) {
        if (t < coilShare)
            return 1.5 + 6.0 * std::sqrt(t / coilShare);
        return 7.5;
    };
    QPainterPath body = taperedBody(spine, radius, 220);
    QLinearGradient bg(QPointF(-30, -30), QPointF(30, 50));
    bg.setColorAt(0, p.mid.lighter(115));
    bg.setColorAt(1, p.mid.darker(110));

    // forked tongue under the head
    QPainterPath tongue = polyline({{8, -32}, {20, -32}, {26, -37}});
    tongue.moveTo(20, -32);
    tongue.lineTo(26, -27);
    tube(g, tongue, QColor(0xd8, 0x28, 0x20), p.ink, 1.8, 1.2);

    shape(g, body, bg, p.ink);
    // diamond markings along the back
    g.save();
    g.setClipPath(body);
    for (int i = 2; i < 30; ++i) {
        const qreal t = i / 30.0;
        const QPointF a = spine.pointAtPercent(t);
        const QPointF b = spine.pointAtPercent(std::min<qreal>(1, t + 0.004));
        const qreal angle = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180 / Pi;
        const qreal r = radius(t);
        QPainterPath d = poly({{-r * 0.9, 0}, {0, -r * 0.55}, {r * 0.9, 0}, {0, r * 0.55}});
        QTransform tr;
        tr.translate(a.x(), a.y());
        tr.rotate(angle);
        shape(g, tr.map(d), QColor(0x8e, 0x1c, 0x12), p.ink, 0);
    }
    g.restore();
    shape(g, body, Qt::NoBrush, p.ink);

    // head
    QPainterPath head;
    head.moveTo(-10, -32);
    head.cubicTo(-10, -42, 4, -42, 12, -36);
    head.cubicTo(16, -33, 16, -31, 12, -28);
    head.cubicTo(4, -22, -10, -22, -10, -32);
    head.closeSubpath();
    shape(g, head, bg, p.ink);
    shape(g, ellipse({2, -35}, 3.2, 2.6), QColor(0xff, 0xd8, 0x3a), p.ink, 1.6);
    shape(g, ellipse({2.4, -35}, 0.9, 2.2), p.ink, p.ink, 0);
    shape(g, circle({12, -33}, 0.9), p.ink, p.ink, 0);
}

void drawBridge(QPainter &g, const Palette &p)
{
    const QColor water(0x9c, 0xc4, 0xe8);
    const QColor stone(0xd6, 0xcd, 0xe6);
    const QColor stoneDark(0xa8, 0x9c, 0xc4);

    // water
    QPainterPath waterPath;
    waterPath.moveTo(-48, 24);
    for (int i = 0; i < 8; ++i)
        waterPath.quadTo(-48 + i * 12 + 6, 20, -48 + (i + 1) * 12, 24);
    waterPath.cubicTo(50, 36, 30, 46, 0, 46);
    waterPath.cubicTo(-30, 46, -50, 36, -48, 24);
    waterPath.closeSubpath();
    shape(g, waterPath, water, p.ink);
    for (qreal y : {34.0, 42.0}) {
        QPainterPath wave;
        const int n = y > 40 ? 3 : 6;
        wave.moveTo(-6 * n, y);
        for (int i = 0; i < n; ++i)
            wave.quadTo(wave.currentPosition() + QPointF(6, -4), wave.currentPosition() + QPointF(12, 0));
        line(g, wave, QColor(0xff, 0xff, 0xff), 2.0);
    }

    // humpback arch: a curved deck with a round opening cut out
    const QPointF ac(0, 33);
    const qreal ar = 23;
    QPainterPath body;
    body.moveTo(-50, 12);
    body.quadTo(0, -24, 50, 12);
    body.lineTo(50, 33);
    body.lineTo(-50, 33);
    body.closeSubpath();
    QPainterPath opening = circle(ac, ar).united(QPainterPath(roundRect(QRectF(-ar, ac.y(), 2 * ar, 20), 0)));
    QPainterPath bridge = body.subtracted(opening);
    shape(g, bridge, stone, p.ink);

    g.save();
    g.setClipPath(bridge);
    for (qreal y : {12.0, 22.0})
        line(g, seg({-50, y}, {50, y}), stoneDark, 1.6);
    for (auto [x, y] : std::initializer_list<std::pair<qreal, qreal>>{
             {-44, 12}, {-36, 22}, {-30, 2}, {44, 12}, {36, 22}, {30, 2}})
        line(g, seg({x, y}, {x, y + 10}), stoneDark, 1.6);
    // voussoirs around the opening
    QPainterPath ring = circle(ac, ar + 9).subtracted(circle(ac, ar));
    shape(g, ring, stone.lighter(106), p.ink, 0);
    for (int i = 0; i <= 10; ++i) {
        const qreal ang = Pi + i * Pi / 10;
        const QPointF d(std::cos(ang), std::sin(ang));
        line(g, seg(ac + d * ar, ac + d * (ar + 9)), p.ink, 1.6);
    }
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.ink, 1.8));
    g.drawEllipse(ac, ar + 9, ar + 9);
    g.restore();
    shape(g, bridge, Qt::NoBrush, p.ink);

    // railing following the deck
    QPainterPath deck;
    deck.moveTo(-50, 12);
    deck.quadTo(0, -24, 50, 12);
    QPainterPath rail;
    rail.moveTo(-50, 2);
    rail.quadTo(0, -34, 50, 2);
    for (int i = 0; i <= 8; ++i) {
        const qreal t = i / 8.0;
        tube(g, seg(deck.pointAtPercent(t), rail.pointAtPercent(t)), stoneDark, p.ink, 2.6, 1.6);
    }
    tube(g, rail, stone, p.ink, 3.6, 2.0);
    tube(g, deck, stoneDark, p.ink, 3.0, 1.6);
    // keystone
    shape(g, poly({{-5, 1}, {5, 1}, {3.5, 10.5}, {-3.5, 10.5}}), stoneDark, p.ink, 2.0);
}

void drawHand(QPainter &g, const Palette &p)
{
    const QColor skin(0xf6, 0xe0, 0xb8);
    auto finger = [](QPointF base, qreal angle, qreal length, qreal width) {
        QPainterPath f = roundRect(QRectF(-width / 2, -length, width, length + 6), width / 2);
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(angle);
        return t.map(f);
    };
    QPainterPath hand = roundRect(QRectF(-20, -8, 40, 42), 13);
    hand = hand.united(finger({-14, -2}, -14, 33, 10.5));
    hand = hand.united(finger({-3, -5}, -4, 40, 10.5));
    hand = hand.united(finger({8, -4}, 6, 36, 10.5));
    hand = hand.united(finger({17, 2}, 18, 27, 9.5));
    hand = hand.united(finger({-15, 20}, -62, 28, 11));

    // cuff
    shape(g, roundRect(QRectF(-19, 30, 38, 16), 3), p.frame, p.ink);
    for (qreal x : {-12.0, 0.0, 12.0})
        shape(g, poly({{x - 4, 38}, {x, 33.5}, {x + 4, 38}, {x, 42.5}}), QColor(0xb8, 0x2a, 0x1e), p.ink, 1.4);

    shape(g, hand, skin, p.ink);
    // creases between the fingers
    for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{
             {{-8.5, -12}, {-8.5, -6}}, {{2.8, -14}, {2.6, -8}}, {{13.3, -8}, {12.6, -3}}})
        line(g, seg(a, b), p.ink, 2.0);
    // spiral on the palm
    line(g, spiral({1, 13}, 1.2, 9.5, 0, 1.9), QColor(0x2c, 0x5e, 0xb4), 3.0);
}

void drawStar(QPainter &g, const Palette &p)
{
    shape(g, burst({0, 0}, 8, 47, 33, 15, -90), p.light, p.ink);
    shape(g, burst({0, 0}, 4, 28, 28, 9, -45), p.mid, p.ink, 2.4);
    shape(g, circle({0, 0}, 7), QColor(0xc8, 0x30, 0x1c), p.ink, 2.2);
    shape(g, circle({-2, -2}, 2.2), p.light, p.ink, 0);
    for (QPointF c : {QPointF(-36, -38), QPointF(38, 36), QPointF(37, -38), QPointF(-38, 37)})
        shape(g, star(c, 5, 6, 2.6), p.light, p.ink, 1.6);
}

void drawMoon(QPainter &g, const Palette &p)
{
    QPainterPath moon = circle({-6, -6}, 35).subtracted(circle({11, -16}, 30));
    QRadialGradient mg(QPointF(-20, 0), 40);
    mg.setColorAt(0, QColor(0xff, 0xfb, 0xf0));
    mg.setColorAt(1, QColor(0xe0, 0xd8, 0xc2));
    shape(g, moon, mg, p.ink);
    g.save();
    g.setClipPath(moon);
    for (auto [c, r] : std::initializer_list<std::pair<QPointF, qreal>>{
             {{-30, 2}, 4.5}, {{-20, 18}, 3.2}, {{-34, -16}, 2.8}, {{-6, 24}, 2.5}})
        shape(g, circle(c, r), QColor(0xcf, 0xc6, 0xae), p.ink, 0);
    g.restore();

    const QColor waterC(0x86, 0xc8, 0xf2);
    for (auto [c, r] : std::initializer_list<std::pair<QPointF, qreal>>{
             {{26, 14}, 7.0}, {{40, 34}, 5.5}, {{16, 38}, 6.0}}) {
        shape(g, drop(c, r), waterC, p.ink, 2.6);
        shape(g, ellipse(c + QPointF(-r * 0.35, -r * 0.3), r * 0.22, r * 0.35), QColor(0xff, 0xff, 0xff),
              p.ink, 0);
    }
}

void drawDog(QPainter &g, const Palette &p)
{
    const QColor ear(0x86, 0x7a, 0xa8);
    QPainterPath head = ellipse({0, -4}, 26, 28).united(ellipse({0, 16}, 17, 15));
    // tongue peeks out under the muzzle
    QPainterPath tongue;
    tongue.moveTo(-6, 24);
    tongue.lineTo(-6, 34);
    tongue.cubicTo(-6, 42, 6, 42, 6, 34);
    tongue.lineTo(6, 24);
    tongue.closeSubpath();
    shape(g, tongue, QColor(0xe8, 0x70, 0x86), p.ink, 2.4);
    line(g, seg({0, 30}, {0, 35}), p.ink, 1.6);
    shape(g, head, p.light, p.ink);

    // floppy ears over the sides of the head
    QPainterPath earL;
    earL.moveTo(-12, -30);
    earL.cubicTo(-30, -36, -44, -20, -42, 4);
    earL.cubicTo(-41, 16, -30, 20, -26, 10);
    earL.cubicTo(-22, 0, -22, -14, -12, -30);
    earL.closeSubpath();
    shape(g, earL, ear, p.ink);
    QTransform mirror;
    mirror.scale(-1, 1);
    shape(g, mirror.map(earL), ear, p.ink);

    // patch round one eye, eyes, brows
    shape(g, ellipse({10, -7}, 8.5, 8), p.mid, p.ink, 0);
    for (qreal x : {-10.0, 10.0}) {
        shape(g, circle({x, -6}, 4.2), p.ink, p.ink, 0);
        shape(g, circle({x - 1.3, -7.4}, 1.3), p.light, p.ink, 0);
    }
    // muzzle, nose and mouth
    QPainterPath nose;
    nose.moveTo(-8, 8);
    nose.quadTo(0, 4, 8, 8);
    nose.quadTo(6, 16, 0, 17);
    nose.quadTo(-6, 16, -8, 8);
    nose.closeSubpath();
    shape(g, nose, p.ink, p.ink, 1.0);
    QPainterPath mouth;
    mouth.moveTo(0, 17);
    mouth.lineTo(0, 22);
    mouth.quadTo(-5, 28, -12, 23);
    mouth.moveTo(0, 22);
    mouth.quadTo(5, 28, 12, 23);
    line(g, mouth, p.ink, 2.4);
    // collar
    QPainterPath collar;
    collar.moveTo(-22, 30);
    collar.quadTo(0, 46, 22, 30);
    tube(g, collar, QColor(0xc8, 0x3a, 0x2a), p.ink, 4.5, 2.0);
    shape(g, circle({0, 42}, 4), QColor(0xf2, 0xc0, 0x3a), p.ink, 2.0);
}

void drawMonkey(QPainter &g, const Palette &p)
{
    const QColor fur(0x7a, 0x48, 0x24);
    const QColor face(0xf0, 0xcc, 0x9a);
    for (qreal x : {-33.0, 33.0}) {
        shape(g, circle({x, 0}, 12), fur, p.ink);
        shape(g, circle({x, 0}, 6.5), face, p.ink, 2.0);
    }
    QPainterPath head = circle({0, -2}, 31);
    head = head.united(poly({{-12, -30}, {-8, -44}, {-2, -32}, {4, -46}, {8, -32}, {14, -42}, {14, -28}}));
    QRadialGradient hg(QPointF(-8, -14), 40);
    hg.setColorAt(0, fur.lighter(125));
    hg.setColorAt(1, fur);
    shape(g, head, hg, p.ink);

    QPainterPath mask = circle({-11, -7}, 12.5).united(circle({11, -7}, 12.5)).united(ellipse({0, 13}, 21, 15.5));
    shape(g, mask, face, p.ink, 2.4);
    // brow ridge
    QPainterPath brow;
    brow.moveTo(-20, -15);
    brow.quadTo(-11, -21, 0, -14);
    brow.quadTo(11, -21, 20, -15);
    line(g, brow, p.ink, 2.4);
    for (qreal x : {-11.0, 11.0}) {
        shape(g, circle({x, -6}, 4.6), p.ink, p.ink, 0);
        shape(g, circle({x - 1.5, -7.5}, 1.4), QColor(0xff, 0xff, 0xff), p.ink, 0);
    }
    shape(g, ellipse({-3.2, 7}, 1.6, 2.2), p.ink, p.ink, 0);
    shape(g, ellipse({3.2, 7}, 1.6, 2.2), p.ink, p.ink, 0);
    QPainterPath smile;
    smile.moveTo(-12, 15);
    smile.quadTo(0, 26, 12, 15);
    line(g, smile, p.ink, 2.6);
}

void drawHuman(QPainter &g, const Palette &p)
{
    const QColor skin(0xb4, 0x3c, 0x1a);
    // sun ring behind the figure
    g.setBrush(withAlpha(p.light, 150));
    g.setPen(QPen(p.ink, 2.2));
    g.drawEllipse(QPointF(0, -2), 44, 44);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.mid, 2.4, Qt::DashLine));
    g.drawEllipse(QPointF(0, -2), 39, 39);

    QPainterPath limbs;
    limbs.moveTo(-31, -33);
    limbs.lineTo(-18, -19);
    limbs.lineTo(0, -13);
    limbs.lineTo(18, -19);
    limbs.lineTo(31, -33);
    limbs.moveTo(-16, 43);
    limbs.lineTo(-10, 26);
    limbs.lineTo(0, 8);
    limbs.lineTo(10, 26);
    limbs.lineTo(16, 43);
    QPainterPath torso = seg({0, -14}, {0, 8});
    line(g, limbs, p.ink, 9 + 2 * OW);
    line(g, torso, p.ink, 16 + 2 * OW);
    line(g, limbs, skin, 9);
    line(g, torso, skin, 16);
    shape(g, circle({0, -27}, 9.5), skin, p.ink);
    // heart of the figure
    shape(g, star({0, -3}, 4, 5, 1.8, -90), p.light, p.ink, 0);
}

void drawSkywalker(QPainter &g, const Palette &p)
{
    const QColor cloud(0xff, 0xfb, 0xf2);
    const QColor reed(0x7a, 0x9a, 0x38);
    auto cloudPath = [](std::initializer_list<std::pair<QPointF, qreal>> puffs, QRectF base) {
        QPainterPath c = roundRect(base, base.height() / 2);
        for (auto [pt, r] : puffs)
            c = c.united(circle(pt, r));
        return c;
    };
    // small clouds in the distance
    shape(g, cloudPath({{{-30, -30}, 7}, {{-21, -35}, 9}, {{-12, -30}, 7}}, QRectF(-38, -32, 34, 10)), cloud,
          p.ink, 2.4);
    shape(g, cloudPath({{{32, -6}, 6}, {{40, -10}, 7}}, QRectF(26, -8, 22, 8)), cloud, p.ink, 2.4);

    // walking reed-staff
    line(g, seg({25, -44}, {20, 30}), p.ink, 4 + 2 * OW);
    line(g, seg({25, -44}, {20, 30}), reed, 4);
    shape(g, leaf({24.8, -42}, {34, -50}, 3), reed, p.ink, 2.0);
    shape(g, leaf({24.5, -38}, {14, -48}, 3), reed, p.ink, 2.0);

    // strides of wind behind the walker
    for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{
             {{-40, -10}, {-24, -10}}, {{-44, 0}, {-28, 0}}, {{-40, 10}, {-30, 10}}})
        tube(g, seg(a, b), p.light, p.ink, 2.6, 1.4);

    QPainterPath limbs;
    limbs.moveTo(-18, 2);  // back arm
    limbs.lineTo(-8, -6);
    limbs.lineTo(2, -16);
    limbs.moveTo(2, -16);  // front arm to the staff
    limbs.lineTo(13, -7);
    limbs.lineTo(22, -14);
    limbs.moveTo(-25, 22); // back leg
    limbs.lineTo(-12, 16);
    limbs.lineTo(-1, 5);
    limbs.moveTo(-1, 5);   // front leg
    limbs.lineTo(13, 14);
    limbs.lineTo(17, 26);
    QPainterPath torso = seg({4, -18}, {-1, 5});
    line(g, limbs, p.ink, 8 + 2 * OW);
    line(g, torso, p.ink, 13 + 2 * OW);
    line(g, limbs, p.mid, 8);
    line(g, torso, p.mid, 13);
    shape(g, circle({7, -29}, 8.5), p.mid, p.ink);
    // hand over the staff
    shape(g, circle({22, -14}, 4), p.mid, p.ink, 2.2);

    // the cloud bank underfoot
    shape(g, cloudPath({{{-34, 36}, 9}, {{-18, 33}, 10}, {{0, 36}, 9}, {{18, 33}, 10}, {{35, 36}, 9}},
                       QRectF(-46, 34, 92, 12)),
          cloud, p.ink);
}

void drawWizard(QPainter &g, const Palette &p)
{
    const QColor hat(0x5e, 0x46, 0x9c);
    const QColor gold(0xf2, 0xc0, 0x3a);
    shape(g, ellipse({-6, 25}, 40, 9.5), hat.darker(115), p.ink);
    QPainterPath cone;
    cone.moveTo(-32, 24);
    cone.cubicTo(-22, -2, -12, -26, 0, -38);
    cone.cubicTo(8, -46, 20, -48, 28, -40);
    cone.cubicTo(18, -40, 12, -34, 10, -26);
    cone.cubicTo(12, -8, 16, 10, 20, 24);
    cone.quadTo(-6, 30, -32, 24);
    cone.closeSubpath();
    QLinearGradient cg(QPointF(-30, 0), QPointF(20, 0));
    cg.setColorAt(0, hat.lighter(130));
    cg.setColorAt(1, hat);
    shape(g, cone, cg, p.ink);
    g.save();
    g.setClipPath(cone);
    shape(g, QPainterPath(roundRect(QRectF(-40, 12, 70, 7), 0)), gold, p.ink, 0);
    line(g, seg({-40, 12}, {30, 12}), p.ink, 2.0);
    line(g, seg({-40, 19}, {30, 19}), p.ink, 2.0);
    g.restore();
    shape(g, cone, Qt::NoBrush, p.ink);
    shape(g, star({-6, -4}, 5, 7, 3), gold, p.ink, 1.6);
    shape(g, circle({5, -24}, 3.5).subtracted(circle({6.8, -25.5}, 3)), gold, p.ink, 1.2);
    shape(g, star({-16, 6}, 5, 3.6, 1.5), gold, p.ink, 1.0);

    // wand
    tube(g, seg({26, 46}, {40, 2}), QColor(0x3a, 0x24, 0x14), p.ink, 4.5, 1.6);
    line(g, seg({38.4, 7}, {40, 2}), QColor(0xff, 0xff, 0xff), 4.5);
    shape(g, star({41, -4}, 5, 8.5, 3.6), gold, p.ink, 2.0);
    shape(g, sparkle({30, -22}, 6), gold, p.ink, 1.4);
    shape(g, sparkle({46, -22}, 3.5), gold, p.ink, 1.2);
    shape(g, sparkle({46, 12}, 4), gold, p.ink, 1.2);
    shape(g, sparkle({-38, -14}, 4.5), p.mid, p.ink, 1.2);
}

void drawEagle(QPainter &g, const Palette &p)
{
    const QColor brown(0x6e, 0x44, 0x22);
    const QColor dark(0x45, 0x2a, 0x14);
    const QColor gold(0xf4, 0xb8, 0x30);
    QPainterPath wing;
    wing.moveTo(-6, -10);
    wing.cubicTo(-18, -24, -32, -36, -49, -42);
    wing.lineTo(-43, -30);
    wing.lineTo(-49, -25);
    wing.lineTo(-42, -17);
    wing.lineTo(-47, -10);
    wing.lineTo(-38, -4);
    wing.lineTo(-41, 4);
    wing.lineTo(-31, 6);
    wing.lineTo(-30, 14);
    wing.lineTo(-20, 12);
    wing.lineTo(-8, 14);
    wing.closeSubpath();
    QTransform mirror;
    mirror.scale(-1, 1);
    QLinearGradient wg(QPointF(0, 0), QPointF(-48, -30));
    wg.setColorAt(0, brown.lighter(120));
    wg.setColorAt(1, dark);
    QLinearGradient wg2(QPointF(0, 0), QPointF(48, -30));
    wg2.setColorAt(0, brown.lighter(120));
    wg2.setColorAt(1, dark);

    // tail fan and talons
    shape(g, poly({{-8, 20}, {8, 20}, {15, 42}, {7, 39}, {0, 45}, {-7, 39}, {-15, 42}}), p.light, p.ink);
    for (qreal x : {-6.0, 6.0})
        shape(g, poly({{x - 4, 24}, {x + 4, 24}, {x + 5, 31}, {x, 29}, {x - 5, 31}}), gold, p.ink, 2.0);

    shape(g, wing, wg, p.ink);
    shape(g, mirror.map(wing), wg2, p.ink);
    for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{
             {{-12, -8}, {-42, -28}}, {{-12, -4}, {-41, -12}}, {{-12, 0}, {-34, 3}}, {{-12, 4}, {-24, 10}}}) {
        line(g, seg(a, b), p.ink, 1.6);
        line(g, seg(mirror.map(a), mirror.map(b)), p.ink, 1.6);
    }
    shape(g, ellipse({0, 4}, 11.5, 20), brown, p.ink);
    shape(g, ellipse({0, 8}, 5.5, 11), brown.lighter(135), p.ink, 0);

    // white head turned in profile, hooked beak
    shape(g, ellipse({0, -20}, 10.5, 11), p.light, p.ink);
    QPainterPath beak;
    beak.moveTo(-6, -24);
    beak.lineTo(-17, -22);
    beak.quadTo(-22, -17, -17, -12);
    beak.lineTo(-15, -16);
    beak.lineTo(-6, -16);
    beak.closeSubpath();
    shape(g, beak, gold, p.ink, 2.2);
    shape(g, circle({-3, -23}, 2.3), p.ink, p.ink, 0);
}

void drawWarrior(QPainter &g, const Palette &p)
{
    const QColor wood(0x6e, 0x42, 0x1c);
    const QColor steel(0xdc, 0xe0, 0xe8);
    const QColor red(0xb4, 0x30, 0x1a);
    const QColor cream(0xff, 0xf0, 0xc8);
    // spear behind the shield
    tube(g, seg({-40, 46}, {28, -28}), wood, p.ink, 4, 2.0);
    QPainterPath head;
    head.moveTo(26, -26);
    head.quadTo(30, -40, 45, -47);
    head.quadTo(38, -32, 26, -26);
    head.closeSubpath();
    shape(g, leaf({25, -25}, {46, -48}, 5), steel, p.ink, 2.4);
    line(g, seg({27, -27}, {42, -44}), QColor(0x90, 0x98, 0xa8), 1.4);
    shape(g, leaf({22, -22}, {14, -6}, 2.6), red, p.ink, 1.6);
    shape(g, leaf({23, -21}, {21, -4}, 2.6), cream, p.ink, 1.6);

    // feathers hanging under the shield
    for (auto [x, a] : std::initializer_list<std::pair<qreal, qreal>>{{-18, 12}, {-4, 0}, {10, -12}}) {
        QPainterPath f = leaf({x, 32}, {x, 50}, 3.2);
        f = rotated(f, {x, 32}, a);
        shape(g, f, cream, p.ink, 2.0);
    }

    const QPointF c(-4, 6);
    shape(g, circle(c, 31), red, p.ink);
    shape(g, circle(c, 25), cream, p.ink, 2.2);
    shape(g, circle(c, 18), red, p.ink, 2.2);
    // stepped cross on the face
    QPainterPath cross = roundRect(QRectF(c.x() - 4, c.y() - 15, 8, 30), 1)
                             .united(roundRect(QRectF(c.x() - 15, c.y() - 4, 30, 8), 1));
    shape(g, cross, p.frame.lighter(170), p.ink, 1.8);
    shape(g, circle(c, 5.5), QColor(0xf2, 0xc0, 0x3a), p.ink, 2.0);
    // rim studs
    for (int i = 0; i < 8; ++i) {
        const qreal ang = i * Pi / 4 + Pi / 8;
        shape(g, circle(c + QPointF(std::cos(ang), std::sin(ang)) * 28, 1.8), p.ink, p.ink, 0);
    }
}

void drawEarth(QPainter &g, const Palette &p)
{
    const QPointF c(0, 0);
    const qreal R = 42;
    QPainterPath globe = circle(c, R);
    QRadialGradient og(QPointF(-14, -14), 60);
    og.setColorAt(0, QColor(0x5a, 0xa0, 0xe0));
    og.setColorAt(1, QColor(0x1c, 0x4c, 0x92));
    shape(g, globe, og, p.ink, 0);
    g.save();
    g.setClipPath(globe);
    const QColor land(0x5e, 0xa8, 0x3c);
    QPainterPath a;
    a.moveTo(-40, -18);
    a.cubicTo(-30, -36, -6, -44, 6, -34);
    a.cubicTo(12, -28, 2, -20, -6, -16);
    a.cubicTo(-14, -12, -10, 0, -20, 6);
    a.cubicTo(-30, 10, -44, 0, -40, -18);
    a.closeSubpath();
    QPainterPath b;
    b.moveTo(10, 4);
    b.cubicTo(20, -6, 38, -4, 44, 8);
    b.cubicTo(46, 22, 30, 40, 16, 44);
    b.cubicTo(6, 40, 14, 26, 6, 18);
    b.cubicTo(2, 12, 4, 8, 10, 4);
    b.closeSubpath();
    QPainterPath d;
    d.moveTo(22, -34);
    d.cubicTo(30, -34, 36, -26, 32, -20);
    d.cubicTo(26, -18, 18, -26, 22, -34);
    d.closeSubpath();
    QPainterPath e;
    e.moveTo(-30, 26);
    e.cubicTo(-22, 20, -10, 28, -14, 38);
    e.cubicTo(-20, 44, -34, 36, -30, 26);
    e.closeSubpath();
    for (const QPainterPath &piece : {a, b, d, e})
        shape(g, piece, land, p.ink, 2.0);
    // the winding path, spiralling in to the centre
    QPainterPath path = spiral({0, 0}, 31, 3, -150, 1.6);
    tube(g, path, QColor(0xf6, 0xe2, 0xa8), p.ink, 4.4, 1.8);
    shape(g, circle({0, 0}, 5), p.frame, p.ink, 2.0);
    g.restore();
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.ink, 5.5));
    g.drawEllipse(c, R, R);
    g.setPen(QPen(p.frame, 2.2));
    g.drawEllipse(c, R, R);
}

void drawMirror(QPainter &g, const Palette &p)
{
    const QColor frame(0x7a, 0x6c, 0x9c);
    g.save();
    g.rotate(-16);
    QPainterPath handle;
    handle.moveTo(-7, 18);
    handle.lineTo(7, 18);
    handle.lineTo(4.5, 40);
    handle.lineTo(-4.5, 40);
    handle.closeSubpath();
    handle = handle.united(circle({0, 43}, 6));
    shape(g, handle, frame, p.ink);
    line(g, seg({-5.5, 28}, {5.5, 28}), p.ink, 2.0);

    const QPointF c(0, -12);
    shape(g, ellipse(c, 29, 33), frame, p.ink);
    for (int i = 0; i < 12; ++i) {
        const qreal ang = i * Pi / 6;
        shape(g, circle(c + QPointF(std::cos(ang) * 25.7, std::sin(ang) * 29.5), 1.6), p.mid, p.ink, 0);
    }
    QPainterPath glass = ellipse(c, 22, 26);
    QLinearGradient gg(QPointF(-20, -36), QPointF(20, 14));
    gg.setColorAt(0, QColor(0xf4, 0xf8, 0xff));
    gg.setColorAt(1, QColor(0x98, 0xae, 0xcc));
    shape(g, glass, gg, p.ink, 2.4);
    g.save();
    g.setClipPath(glass);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0xff, 0xff, 0xff, 220));
    g.drawPath(poly({{-30, 0}, {4, -44}, {14, -44}, {-20, 0}}));
    g.drawPath(poly({{-14, 10}, {18, -32}, {22, -32}, {-10, 10}}));
    g.restore();
    g.restore();

    shape(g, sparkle({32, -34}, 7), p.mid, p.ink, 1.6);
    shape(g, sparkle({40, -16}, 4), p.mid, p.ink, 1.4);
    shape(g, sparkle({-38, 24}, 5), p.mid, p.ink, 1.4);
}

void drawStorm(QPainter &g, const Palette &p)
{
    const QColor bolt(0xff, 0xd6, 0x3a);
    const QColor rain(0xb4, 0xd6, 0xf6);
    for (QPointF a : {QPointF(-32, 12), QPointF(-22, 18), QPointF(-36, 30), QPointF(24, 14), QPointF(34, 20),
                      QPointF(28, 34), QPointF(-20, 36), QPointF(40, 4)})
        tube(g, seg(a, a + QPointF(-4, 9)), rain, p.ink, 2.8, 1.0);

    QPainterPath cloud = roundRect(QRectF(-42, -16, 84, 22), 11);
    for (auto [c, r] : std::initializer_list<std::pair<QPointF, qreal>>{
             {{-26, -16}, 15}, {{-6, -28}, 19}, {{16, -20}, 16}, {{32, -10}, 12}, {{-38, -4}, 10}})
        cloud = cloud.united(circle(c, r));
    QLinearGradient cg(QPointF(0, -46), QPointF(0, 6));
    cg.setColorAt(0, QColor(0xe6, 0xea, 0xf2));
    cg.setColorAt(0.55, QColor(0xb0, 0xb8, 0xc8));
    cg.setColorAt(1, QColor(0x6e, 0x78, 0x8e));
    shape(g, cloud, cg, p.ink);

    shape(g, poly({{2, 0}, {-13, 22}, {-3, 22}, {-15, 47}, {17, 13}, {5, 13}, {15, 0}}), bolt, p.ink, 2.8);
}

void drawSun(QPainter &g, const Palette &p)
{
    QRadialGradient rg(QPointF(0, 0), 48);
    rg.setColorAt(0.5, QColor(0xf4, 0x7a, 0x1c));
    rg.setColorAt(1, QColor(0xc8, 0x32, 0x18));
    shape(g, burst({0, 0}, 16, 48, 38, 27, -90), rg, p.ink, 2.6);
    QRadialGradient dg(QPointF(-8, -8), 34);
    dg.setColorAt(0, QColor(0xff, 0xf2, 0xa0));
    dg.setColorAt(1, QColor(0xf8, 0xb0, 0x28));
    shape(g, circle({0, 0}, 27), dg, p.ink);
    // face
    QPainterPath eyes;
    eyes.moveTo(-14, -6);
    eyes.quadTo(-9, -11, -4, -6);
    eyes.moveTo(4, -6);
    eyes.quadTo(9, -11, 14, -6);
    line(g, eyes, p.ink, 2.6);
    QPainterPath smile;
    smile.moveTo(-11, 7);
    smile.quadTo(0, 18, 11, 7);
    line(g, smile, p.ink, 2.8);
    shape(g, circle({-16, 4}, 3.5), QColor(0xf0, 0x80, 0x50, 150), p.ink, 0);
    shape(g, circle({16, 4}, 3.5), QColor(0xf0, 0x80, 0x50, 150), p.ink, 0);
}

void drawEmblem(QPainter &g, int index, const Palette &p)
{
    using Fn = void (*)(QPainter &, const Palette &);
    static const Fn fns[20] = {drawDragon, drawWind,   drawNight,  drawSeed,   drawSerpent,
                               drawBridge, drawHand,   drawStar,   drawMoon,   drawDog,
                               drawMonkey, drawHuman,  drawSkywalker, drawWizard, drawEagle,
                               drawWarrior, drawEarth, drawMirror, drawStorm,  drawSun};
    fns[index](g, p);
}

// ---------------------------------------------------------------- card

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
QFont fittedFont(const QString &text, int maxPx, qreal width, qreal spacing)
{
    int px = maxPx;
    for (; px > 6; --px) {
        if (QFontMetricsF(titleFont(px, spacing)).horizontalAdvance(text) <= width)
            break;
    }
    return titleFont(px, spacing);
}

void drawBanner(QPainter &g, const Palette &p, const QString &colour, const QString &name)
{
    const qreal top = 143, h = 31;
    // folded tails behind the band
    for (int side : {-1, 1}) {
        const qreal x0 = side < 0 ? 4 : 116;
        const qreal x1 = side < 0 ? 16 : 104;
        QPainterPath tail = poly({{x1, top + 5}, {x0, top + 5}, {x0 + side * -4, top + h / 2 + 5},
                                  {x0, top + h + 5}, {x1, top + h + 5}});
        shape(g, tail, p.bannerShade, p.edge, 1.2);
    }
    QPainterPath band;
    band.moveTo(11, top);
    band.quadTo(60, top - 3, 109, top);
    band.lineTo(109, top + h);
    band.quadTo(60, top + h - 3, 11, top + h);
    band.closeSubpath();
    shape(g, band, p.bannerFill, p.edge, 1.4);
    g.setPen(QPen(withAlpha(p.bannerText, 110), 0.8));
    g.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.moveTo(14, top + 2.5);
    inner.quadTo(60, top - 0.5, 106, top + 2.5);
    inner.lineTo(106, top + h - 2.5);
    inner.quadTo(60, top + h - 5.5, 14, top + h - 2.5);
    inner.closeSubpath();
    g.drawPath(inner);

    g.setPen(p.bannerText);
    g.setFont(fittedFont(colour, 9, 88, 1.2));
    g.drawText(QRectF(12, top + 2, 96, 11), Qt::AlignHCenter | Qt::AlignVCenter, colour);
    g.setFont(fittedFont(name, 13, 90, 0.3));
    g.drawText(QRectF(12, top + 12.5, 96, 16), Qt::AlignHCenter | Qt::AlignVCenter, name);
}

QImage drawCard(int index)
{
    const Palette p = paletteFor(index % 4);
    QImage img(CardW, CardH, QImage::Format_RGB32);
    img.fill(p.edge);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    g.setRenderHint(QPainter::SmoothPixmapTransform);

    // field
    const QRectF field(3, 3, CardW - 6, CardH - 6);
    QLinearGradient fg(QPointF(0, field.top()), QPointF(0, field.bottom()));
    fg.setColorAt(0, p.fieldTop);
    fg.setColorAt(1, p.fieldBottom);
    g.setPen(Qt::NoPen);
    g.setBrush(fg);
    g.drawRoundedRect(field, 5, 5);

    const QPointF centre(60, 84);
    g.save();
    g.setClipRect(QRectF(10, 10, 100, 164));
    // faint rays and a glow behind the emblem
    g.setPen(QPen(withAlpha(p.frame, 60), 1.0));
    for (int i = 0; i < 32; ++i) {
        const qreal ang = i * Pi / 16;
        g.drawLine(centre + QPointF(std::cos(ang), std::sin(ang)) * 20,
                   centre + QPointF(std::cos(ang), std::sin(ang)) * 120);
    }
    QRadialGradient glow(centre, 58);
    glow.setColorAt(0, withAlpha(p.glow, 230));
    glow.setColorAt(0.6, withAlpha(p.glow, 120));
    glow.setColorAt(1, withAlpha(p.glow, 0));
    g.setPen(Qt::NoPen);
    g.setBrush(glow);
    g.drawEllipse(centre, 58, 58);
    g.restore();

    // frame: a strong line and a fine one inside it
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.frame, 2.0));
    g.drawRoundedRect(QRectF(6.5, 6.5, CardW - 13, CardH - 13), 4, 4);
    g.setPen(QPen(p.frame, 0.9));
    g.drawRoundedRect(QRectF(10, 10, CardW - 20, CardH - 20), 2.5, 2.5);
    for (QPointF c : {QPointF(14.5, 14.5), QPointF(CardW - 14.5, 14.5)})
        shape(g, poly({c + QPointF(0, -3.5), c + QPointF(3.5, 0), c + QPointF(0, 3.5), c + QPointF(-3.5, 0)}),
              p.frame, p.edge, 0);

    // emblem
    g.save();
    g.translate(centre);
    g.scale(0.92, 0.92);
    drawEmblem(g, index, p);
    g.restore();

    // number plaque at the top
    const QString num = QString::fromLatin1(Roman[index]);
    const QFont nf = titleFont(10, 0.6);
    const qreal tw = QFontMetricsF(nf).horizontalAdvance(num);
    const QRectF plaque(60 - tw / 2 - 7, 6, tw + 14, 15);
    shape(g, roundRect(plaque, 4), p.edge, p.frame, 1.4);
    g.setFont(nf);
    g.setPen(p.numberText);
    g.drawText(plaque.adjusted(0, 0, 0, 0.5), Qt::AlignCenter, num);

    drawBanner(g, p, QString::fromLatin1(ColourNames[index % 4]), QString::fromLatin1(GlyphNames[index]));
    g.end();
    return img;
}

// ---------------------------------------------------------------- icon

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    g.scale(s, s);
    g.translate(32, 32);
    // lines never thinner than about one device pixel
    const qreal px = 1.0 / s;
    const qreal edgeW = std::max<qreal>(1.6, 1.0 * px);
    const QColor dark(0x1e, 0x18, 0x2c);
    const QColor colours[4] = {QColor(0xcc, 0x2a, 0x1e), QColor(0xf6, 0xf2, 0xea), QColor(0x24, 0x58, 0xb8),
                               QColor(0xf4, 0xbc, 0x24)};

    const qreal ro = 31 - edgeW / 2, ri = 19;
    g.setPen(Qt::NoPen);
    g.setBrush(dark);
    g.drawEllipse(QPointF(0, 0), ro + edgeW / 2, ro + edgeW / 2);
    for (int i = 0; i < 20; ++i) {
        const qreal a0 = -90 - 9 + i * 18; // segment 0 centred at the top
        QPainterPath segPath;
        QRectF outer(-ro, -ro, 2 * ro, 2 * ro), inner(-ri, -ri, 2 * ri, 2 * ri);
        segPath.arcMoveTo(outer, -a0);
        segPath.arcTo(outer, -a0, -18);
        segPath.arcTo(inner, -(a0 + 18), 18);
        segPath.closeSubpath();
        g.setBrush(colours[i % 4]);
        g.drawPath(segPath);
    }
    if (size >= 32) {
        // separators between the segments
        g.setPen(QPen(dark, std::max<qreal>(0.9, 0.6 * px)));
        for (int i = 0; i < 20; ++i) {
            const qreal ang = (-99 + i * 18) * Pi / 180;
            g.drawLine(QPointF(std::cos(ang), std::sin(ang)) * ri, QPointF(std::cos(ang), std::sin(ang)) * ro);
        }
    }
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(dark, edgeW));
    g.drawEllipse(QPointF(0, 0), ri, ri);

    // four-point cross in the middle, one arm per colour
    // (small sizes drop the outlines, which would swallow the arms)
    const bool small = size < 48;
    const qreal tip = small ? 18 : 17, side = small ? 6.5 : 5.2;
    for (int k = 0; k < 4; ++k) {
        QPainterPath arm = poly({{0, 0}, {side, -side}, {0, -tip}, {-side, -side}});
        arm = QTransform().rotate(90 * k).map(arm);
        shape(g, arm, colours[k], dark, small ? 0 : edgeW * 0.8);
    }
    if (!small)
        shape(g, circle({0, 0}, 2.6), dark, dark, 0);
    g.end();
    return img;
}

QByteArray pngBytes(const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    if (!w.write(img.convertToFormat(QImage::Format_ARGB32)))
        return {};
    return bytes;
}

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, quint16(v & 0xffff));
    put16(b, quint16(v >> 16));
}

// Windows icon file holding one PNG-compressed image per size.
QByteArray icoBytes(const std::vector<std::pair<int, QByteArray>> &images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const auto &[size, png] : images) {
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(png.size()));
        put32(out, offset);
        offset += quint32(png.size());
    }
    for (const auto &entry : images)
        out.append(entry.second);
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "kinwheel-cardgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeJpeg(const QString &path, const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpeg");
    w.setQuality(JpegQuality);
    if (!w.write(img)) {
        std::fprintf(stderr, "kinwheel-cardgen: JPEG encoding failed for %s: %s\n", qPrintable(path),
                     qPrintable(w.errorString()));
        return false;
    }
    return writeFile(path, bytes);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kinwheel-cardgen <assets directory>\n");
        return 2;
    }
    const QDir assets(args.at(1));
    const QString cardsDir = assets.filePath(QStringLiteral("cards"));
    const QString iconDir = assets.filePath(QStringLiteral("icon"));
    if (!QDir().mkpath(cardsDir) || !QDir().mkpath(iconDir)) {
        std::fprintf(stderr, "kinwheel-cardgen: cannot create output folders under %s\n",
                     qPrintable(assets.path()));
        return 1;
    }

    for (int i = 0; i < 20; ++i) {
        const QString path = cardsDir + QLatin1Char('/') + QString::fromLatin1(FileNames[i]) +
                             QStringLiteral(".jpg");
        if (!writeJpeg(path, drawCard(i)))
            return 1;
    }

    std::vector<std::pair<int, QByteArray>> icoImages;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QByteArray png = pngBytes(drawIcon(size));
        if (png.isEmpty()) {
            std::fprintf(stderr, "kinwheel-cardgen: PNG encoding failed at %d px\n", size);
            return 1;
        }
        if (!writeFile(iconDir + QStringLiteral("/kinwheel-%1.png").arg(size), png))
            return 1;
        if (size == 32 && !writeFile(iconDir + QStringLiteral("/kinwheel.png"), png))
            return 1;
        icoImages.emplace_back(size, png);
    }
    if (!writeFile(iconDir + QStringLiteral("/kinwheel.ico"), icoBytes(icoImages)))
        return 1;
    return 0;
}
