#pragma once
// Outlines and strokes the emblems are built from. Every shape is a path in
// the caller's units; the painting helpers draw with round caps and joins.

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>

#include <functional>
#include <initializer_list>
#include <numbers>

class QPainter;

namespace kinwheel::cardgen {

inline constexpr qreal kPi = std::numbers::pi;
// The emblem outline width, in emblem units.
inline constexpr qreal kOutlineWidth = 3.0;

QPainterPath circle(QPointF centre, qreal radius);
QPainterPath ellipse(QPointF centre, qreal radiusX, qreal radiusY);
QPainterPath polyline(std::initializer_list<QPointF> points);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath roundRect(const QRectF& rect, qreal radius);
QPainterPath segment(QPointF from, QPointF to);
// A star with n points whose tips alternate between radius a and b.
QPainterPath burst(QPointF centre, int n, qreal a, qreal b, qreal inner, qreal rotationDegrees);
QPainterPath star(QPointF centre, int n, qreal outer, qreal inner, qreal rotationDegrees = -90);
// A four-pointed sparkle with curved sides.
QPainterPath sparkle(QPointF centre, qreal radius);
// A water drop hanging from a point, its round part centred on centre.
QPainterPath drop(QPointF centre, qreal radius);
// A leaf from base to tip, of half-width halfWidth.
QPainterPath leaf(QPointF base, QPointF tip, qreal halfWidth);
// A spiral around centre; the angle grows by `turns` full turns (clockwise on
// screen when turns > 0) while the radius goes from radius0 to radius1.
QPainterPath spiral(QPointF centre, qreal radius0, qreal radius1, qreal startDegrees, qreal turns, int steps = 120);
// The closed outline of a body of varying thickness following a spine.
QPainterPath taperedBody(const QPainterPath& spine, const std::function<qreal(qreal)>& radius, int samples = 160);

QPen roundPen(const QColor& colour, qreal width);
// Fills path and outlines it in ink; a width of 0 draws no outline.
void shape(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& ink,
           qreal width = kOutlineWidth);
void line(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width);
// A stroked line with an outline: the ink drawn wide first, then the fill.
void tube(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& ink, qreal width,
          qreal outline = kOutlineWidth);

QColor withAlpha(QColor colour, int alpha);
// A top-to-bottom shade of colour, lighter above and darker below.
QLinearGradient verticalShade(const QColor& colour, qreal top, qreal bottom, int lighter = 125, int darker = 112);

} // namespace kinwheel::cardgen
