#include "ui/mayanumeral.h"

#include "ui/widgets.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kinwheel {

void paintMayaNumeral(QPainter& painter, const QRectF& rect, int n, const QColor& colour)
{
    if (n < 1 || n > 19 || rect.isEmpty())
        return;
    const int bars = n / 5;
    const int dots = n % 5;
    // In units of a bar's thickness: a bar is 5 long, a dot 1 across (four
    // dots still stand apart along a bar), with 0.5 between rows.
    const qreal unitsHigh = bars + (dots ? 1.0 : 0) + 0.5 * (bars + (dots ? 1 : 0) - 1);
    const qreal unit = std::min(rect.width() / 5.0, rect.height() / unitsHigh);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const auto snap = [ratio](qreal v) { return std::round(v * ratio) / ratio; };

    const qreal width = 5 * unit;
    const qreal left = rect.center().x() - width / 2;
    qreal y = rect.center().y() - unitsHigh * unit / 2;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (dots) {
        const qreal d = unit;
        // Dots spread evenly across the bar's length.
        const qreal step = dots == 1 ? 0 : (width - d) / (dots - 1);
        for (int i = 0; i < dots; ++i) {
            const qreal x = dots == 1 ? rect.center().x() - d / 2 : left + i * step;
            painter.drawEllipse(QRectF(snap(x), snap(y), d, d));
        }
        y += d + 0.5 * unit;
    }
    for (int i = 0; i < bars; ++i) {
        const QRectF bar(snap(left), snap(y), snap(width), std::max(snap(unit), 1.0 / ratio));
        painter.drawRoundedRect(bar, unit / 3, unit / 3);
        y += 1.5 * unit;
    }
    painter.restore();
}

MayaNumeral::MayaNumeral(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void MayaNumeral::setValue(int value)
{
    m_value = value;
    setAccessibleName(value >= 1 ? QString::number(value) : QString());
    update();
}

void MayaNumeral::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void MayaNumeral::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMayaNumeral(painter, QRectF(rect()), m_value,
                     m_colour.isValid() ? m_colour : palette().color(QPalette::WindowText));
}

ToneBadge::ToneBadge(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setVisible(false);
}

void ToneBadge::setTone(int tone, const QString& toneName)
{
    m_tone = tone;
    const QString spoken = tr("Tone %1: %2").arg(tone).arg(toneName);
    setAccessibleName(spoken);
    setToolTip(spoken);
    setVisible(tone >= 1 && tone <= 13);
    update();
}

QSize ToneBadge::sizeHint() const
{
    const int text = fontMetrics().horizontalAdvance(tr("Tone"));
    return {text + 32, qMax(fontMetrics().height() + 6, 20)};
}

void ToneBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // A cream plate with a dark rim and ink, whatever the desktop palette:
    // it sits on the card, not on the window.
    const QColor& ink = kInkColour;
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(kCreamColour);
    painter.drawRoundedRect(plate, 4, 4);

    const QString word = tr("Tone");
    const int textWidth = fontMetrics().horizontalAdvance(word);
    const QRectF textRect(5, 0, textWidth, height());
    painter.setPen(ink);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, word);
    const QRectF numeral(textRect.right() + 4, 3, width() - textRect.right() - 9, height() - 6);
    paintMayaNumeral(painter, numeral, m_tone, ink);
}

} // namespace kinwheel
