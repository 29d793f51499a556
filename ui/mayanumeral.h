#pragma once
// Maya bar-and-dot numerals: a dot is one, a bar five, the dots above the
// bars. The tones 1..13 take at most two bars and four dots.

#include <QColor>
#include <QWidget>

class QPainter;

namespace kinwheel {

// The numeral n (1..19) drawn in colour, as large as fits rect and centred
// there, its strokes on whole device pixels; nothing for another n.
void paintMayaNumeral(QPainter& painter, const QRectF& rect, int n, const QColor& colour);

// A numeral standing alone in a window; its accessible name says the number.
class MayaNumeral : public QWidget {
    Q_OBJECT
public:
    explicit MayaNumeral(QWidget* parent = nullptr);
    void setValue(int value);
    int value() const { return m_value; }
    // The ink; an invalid colour draws in the palette's window text.
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
    QColor m_colour;
};

// The reading's tone as the result window shows it with the central card: a
// plate with the word "Tone" and the bar-and-dot numeral, so that the number
// says what it counts.
class ToneBadge : public QWidget {
    Q_OBJECT
public:
    explicit ToneBadge(QWidget* parent = nullptr);
    // tone 1..13 and its name; another tone hides the badge.
    void setTone(int tone, const QString& toneName);
    int tone() const { return m_tone; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tone = 0;
};

} // namespace kinwheel
