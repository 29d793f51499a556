#pragma once
// The 260-day board as one painted widget: 13 columns of 20 kins, kin 1
// (1 Imix) at the top left, each column running down from Imix to Ajaw.
// Each cell shows its sign's glyph, its tone as a bar-and-dot numeral and
// its kin number, and the marks of one reading. A cell is chosen by mouse,
// or with the arrow keys, Home and End, then Enter; a screen reader is told
// each cell's name and marks.

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

namespace kinwheel {

// The marks a cell may carry, each with its own look.
enum class BoardMark { Reading, Today, Ally, Occult, Challenge, Guide, Trecena, Portal };

struct BoardMarks {
    int reading = 0;           // the reading's kin 1..260
    int today = 0;             // today's kin under the reading's count; 0 for none
    std::array<int, 5> cross{}; // the kins of the reading's destiny cross, in slot order
    bool dreamspell = false;   // portals marked and castles named
    bool ofToday = false;      // the reading is today's: its marks are named for today
};

class BoardGrid : public QWidget {
    Q_OBJECT
public:
    explicit BoardGrid(QWidget* parent = nullptr);

    void setMarks(const BoardMarks& marks);
    const BoardMarks& marks() const { return m_marks; }

    // The marks of a kin, in the order of BoardMark.
    std::vector<BoardMark> marksOf(int kin) const;
    // Whether a kin is one of the 13 of the reading's trecena, its own included.
    bool inTrecena(int kin) const;
    // A mark's name as the legend and the screen reader say it ("your kin").
    QString markName(BoardMark mark) const;
    // "Kin 34, White Galactic Wizard, 8 Ix; your kin": what a screen reader says.
    QString cellName(int kin) const;

    // The chosen kin, shown beside the board (0 before the first choice),
    // and the kin under the keyboard cursor.
    int chosen() const { return m_chosen; }
    int cursor() const { return m_cursor; }
    // Chooses kin and puts the cursor on it.
    void choose(int kin);

    // Where a kin's cell is, and the kin at a point (0: none).
    QRect cellRect(int kin) const;
    int kinAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // A mark's look, for the legend.
    static void paintSwatch(QPainter& painter, const QRectF& rect, BoardMark mark);

signals:
    void chosenChanged(int kin);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Layout {
        QPoint origin; // top left of kin 1's cell
        QSize cell;
        int band = 0; // height of the castles' band above the cells
    };
    Layout layout() const;
    static QRect cellIn(const Layout& layout, int kin);
    void moveCursor(int kin);
    void paintCell(QPainter& painter, const QRect& rect, int kin, const QFont& numberFont, int glyphScale);
    void paintCastles(QPainter& painter, const Layout& layout);
    // Sign 0..19's glyph drawn at scale (1, 2 or 3).
    const QPixmap& glyph(int sign, int scale);

    BoardMarks m_marks;
    int m_chosen = 0;
    int m_cursor = 1;
    int m_glyphScale = 0; // of the glyphs loaded
    std::array<QPixmap, 20> m_glyphs;
};

} // namespace kinwheel
