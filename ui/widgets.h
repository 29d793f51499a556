#pragma once
// Small pieces shared by the windows: twips geometry, fonts, colours and a
// label that reacts to clicks.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QProxyStyle>
#include <QRect>

namespace kinwheel {

// Windows are laid out in twips, 15 to a pixel.
constexpr int tw(int twips) { return twips / 15; }
inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

inline const QColor kWindowColour(173, 118, 235);
inline const QColor kAboutColour(128, 0, 128);
inline const QColor kLinkYellow(255, 255, 0);
// The cream ground and dark ink of the board and the tone plate, the same
// under every desktop palette.
inline const QColor kCreamColour(0xfb, 0xf6, 0xe8);
inline const QColor kInkColour(0x2a, 0x20, 0x3c);

// Verdana where installed, DejaVu Sans otherwise.
QFont windowFont(double pointSize, bool bold = false, bool underline = false);

// A label that runs clicked() on a left click or, when it has the focus, on Enter or Space.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A link with the keyboard focus is framed in its own text colour.
    void paintEvent(QPaintEvent* event) override;
};

// The desktop's style, with a focus mark every style shows the same way: a
// button with the keyboard focus is framed in its text colour, so that the
// mark stands out on the program's colours in a light or a dark palette. A
// drop-down list's choice wider than its box is elided.
class FocusMarkStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// The focus frame of a control: two pixels in colour, just inside rect.
void drawFocusMark(QPainter& painter, const QRect& rect, const QColor& colour);

// Puts FocusMarkStyle over the application's style; once is enough.
void installProgramStyle();

} // namespace kinwheel
