#pragma once
// Small pieces shared by the windows: twips geometry, fonts, colours and a
// label that reacts to clicks.

#include <QColor>
#include <QFont>
#include <QLabel>
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
};

} // namespace kinwheel
