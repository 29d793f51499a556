#include "ui/widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace kinwheel {

QFont windowFont(double pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusMark(painter, rect(), palette().color(foregroundRole()));
}

void drawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(colour, 2, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    // A list's choice too long for its box ends in "…" rather than being cut off mid-letter.
    if (const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        box && element == CE_ComboBoxLabel && !box->editable) {
        QStyleOptionComboBox elided(*box);
        const QRect field = subControlRect(CC_ComboBox, box, SC_ComboBoxEditField, widget);
        elided.currentText = box->fontMetrics.elidedText(box->currentText, Qt::ElideRight, field.width() - 2);
        QProxyStyle::drawControl(element, &elided, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusMark(*painter, option->rect.adjusted(3, 3, -3, -3), option->palette.color(QPalette::ButtonText));
}

void installProgramStyle()
{
    if (!dynamic_cast<FocusMarkStyle*>(QApplication::style()))
        QApplication::setStyle(new FocusMarkStyle);
}

} // namespace kinwheel
