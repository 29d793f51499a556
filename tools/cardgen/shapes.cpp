#include "shapes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kinwheel::cardgen {

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, qreal radiusX, qreal radiusY)
{
    QPainterPath path;
    path.addEllipse(centre, radiusX, radiusY);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath roundRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath segment(QPointF from, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

QPainterPath burst(QPointF centre, int n, qreal a, qreal b, qreal inner, qreal rotationDegrees)
{
    QPainterPath path;
    for (int i = 0; i < 2 * n; ++i) {
        const qreal angle = (rotationDegrees + i * 180.0 / n) * kPi / 180.0;
        const qreal radius = (i % 2) ? inner : ((i / 2) % 2 ? b : a);
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, int n, qreal outer, qreal inner, qreal rotationDegrees)
{
    return burst(centre, n, outer, outer, inner, rotationDegrees);
}

QPainterPath sparkle(QPointF centre, qreal radius)
{
    QPainterPath path;
    const qreal k = radius * 0.16;
    path.moveTo(centre + QPointF(0, -radius));
    path.quadTo(centre + QPointF(k, -k), centre + QPointF(radius, 0));
    path.quadTo(centre + QPointF(k, k), centre + QPointF(0, radius));
    path.quadTo(centre + QPointF(-k, k), centre + QPointF(-radius, 0));
    path.quadTo(centre + QPointF(-k, -k), centre + QPointF(0, -radius));
    path.closeSubpath();
    return path;
}

QPainterPath drop(QPointF centre, qreal radius)
{
    QPainterPath path;
    const qreal r = radius;
    const QPointF top = centre + QPointF(0, -2.3 * r);
    path.moveTo(top);
    path.cubicTo(top + QPointF(0.35 * r, 0.7 * r), centre + QPointF(r, -0.6 * r), centre + QPointF(r, 0));
    path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(centre + QPointF(-r, -0.6 * r), top + QPointF(-0.35 * r, 0.7 * r), top);
    path.closeSubpath();
    return path;
}

QPainterPath leaf(QPointF base, QPointF tip, qreal halfWidth)
{
    const QPointF d = tip - base;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF normal(-d.y() / length * halfWidth * 2, d.x() / length * halfWidth * 2);
    const QPointF middle = (base + tip) / 2;
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(middle + normal, tip);
    path.quadTo(middle - normal, base);
    path.closeSubpath();
    return path;
}

QPainterPath spiral(QPointF centre, qreal radius0, qreal radius1, qreal startDegrees, qreal turns, int steps)
{
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal angle = startDegrees * kPi / 180.0 + turns * 2 * kPi * t;
        const qreal radius = radius0 + (radius1 - radius0) * t;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath taperedBody(const QPainterPath& spine, const std::function<qreal(qreal)>& radius, int samples)
{
    std::vector<QPointF> left, right;
    for (int i = 0; i <= samples; ++i) {
        const qreal t = qreal(i) / samples;
        const QPointF point = spine.pointAtPercent(t);
        const qreal ta = std::max<qreal>(0, t - 0.5 / samples);
        const qreal tb = std::min<qreal>(1, t + 0.5 / samples);
        QPointF d = spine.pointAtPercent(tb) - spine.pointAtPercent(ta);
        qreal length = std::hypot(d.x(), d.y());
        if (length < 1e-9) {
            d = QPointF(1, 0);
            length = 1;
        }
        const QPointF normal(-d.y() / length, d.x() / length);
        const qreal r = radius(t);
        left.push_back(point + normal * r);
        right.push_back(point - normal * r);
    }
    QPainterPath path;
    path.moveTo(left.front());
    for (size_t i = 1; i < left.size(); ++i)
        path.lineTo(left[i]);
    for (size_t i = right.size(); i-- > 0;)
        path.lineTo(right[i]);
    path.closeSubpath();
    path = path.united(circle(spine.pointAtPercent(0), radius(0)));
    path = path.united(circle(spine.pointAtPercent(1), radius(1)));
    return path;
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter& painter, const QPainterPath& path, const QBrush& fill, const QColor& ink, qreal width)
{
    if (width > 0)
        painter.setPen(roundPen(ink, width));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

void line(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width)
{
    painter.setPen(roundPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void tube(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& ink, qreal width,
          qreal outline)
{
    line(painter, path, ink, width + 2 * outline);
    line(painter, path, fill, width);
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient verticalShade(const QColor& colour, qreal top, qreal bottom, int lighter, int darker)
{
    QLinearGradient shade(QPointF(0, top), QPointF(0, bottom));
    shade.setColorAt(0, colour.lighter(lighter));
    shade.setColorAt(1, colour.darker(darker));
    return shade;
}

} // namespace kinwheel::cardgen
