#include "ui/boardgrid.h"

#include "engine/relations.h"
#include "engine/tzolkin.h"
#include "report/kinreturns.h"
#include "report/reportcomposer.h"
#include "ui/mayanumeral.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace kinwheel {
namespace {

constexpr int kColumns = 13;
constexpr int kRows = 20;
// A cell at 1x: wide enough for the glyph and, beside it, the numeral over the number.
constexpr int kCellWidth = 48;
constexpr int kCellHeight = 32;
constexpr qreal kBandRows = 1.25; // the castles' band, in cell heights

// The board's own colours, the same under every desktop palette.
const QColor kTrecenaGround(0xf3, 0xdc, 0x94);
const QColor kGridLine(0xa8, 0x93, 0xcc);
const QColor kChosenTint(0x6a, 0x3f, 0xb5, 80);
const QColor kFocusColour(0x4a, 0x1f, 0x95);
const QColor kTodayColour(0xe0, 0x50, 0x00);
const QColor kPortalColour(0x1b, 0x7a, 0x2e);
// Ally, occult, challenge, guide.
const QColor kCrossColours[4] = {QColor(0x15, 0x5f, 0xc0), QColor(0x7b, 0x1f, 0xa2), QColor(0xc0, 0x1c, 0x28),
                                 QColor(0x00, 0x6d, 0x77)};

struct Castle {
    const char* name;
    QColor ground;
    QColor ink;
};
const Castle kCastles[5] = {
    {QT_TRANSLATE_NOOP("kinwheel::BoardGrid", "Red Castle of Turning"), QColor(0xb7, 0x1c, 0x1c), Qt::white},
    {QT_TRANSLATE_NOOP("kinwheel::BoardGrid", "White Castle of Crossing"), QColor(0xf4, 0xf1, 0xea), kInkColour},
    {QT_TRANSLATE_NOOP("kinwheel::BoardGrid", "Blue Castle of Burning"), QColor(0x15, 0x5f, 0xc0), Qt::white},
    {QT_TRANSLATE_NOOP("kinwheel::BoardGrid", "Yellow Castle of Giving"), QColor(0xf6, 0xc4, 0x23), kInkColour},
    {QT_TRANSLATE_NOOP("kinwheel::BoardGrid", "Green Castle of Enchantment"), QColor(0x1b, 0x7a, 0x2e), Qt::white},
};

int columnOf(int kin) { return (kin - 1) / kRows; }
int rowOf(int kin) { return (kin - 1) % kRows; }

int crossSlotOf(BoardMark mark) { return static_cast<int>(mark) - static_cast<int>(BoardMark::Ally) + 1; }

// The portal's corner: a triangle over the cell's top left.
void paintPortal(QPainter& painter, const QRectF& cell, qreal size)
{
    QPainterPath corner;
    corner.moveTo(cell.topLeft());
    corner.lineTo(cell.left() + size, cell.top());
    corner.lineTo(cell.left(), cell.top() + size);
    corner.closeSubpath();
    painter.fillPath(corner, kPortalColour);
}

// A cross position's badge: a disc in its colour with the position's initial.
void paintBadge(QPainter& painter, const QRectF& disc, BoardMark mark)
{
    const int slot = crossSlotOf(mark);
    painter.setPen(QPen(Qt::white, std::max(1.0, disc.width() / 12)));
    painter.setBrush(kCrossColours[slot - 1]);
    painter.drawEllipse(disc);
    QFont font = windowFont(8, true);
    font.setPixelSize(std::max(6, qRound(disc.height() * 0.62)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, positionHeading(slot).left(1));
}

void paintFrame(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

// Tells a screen reader about the board's 260 cells: each is a child with
// its own name, place and state.
class BoardGridAccessible : public QAccessibleWidget {
public:
    explicit BoardGridAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}
    ~BoardGridAccessible() override
    {
        for (const QAccessible::Id id : m_cells)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    BoardGrid* grid() const { return static_cast<BoardGrid*>(widget()); }
    int childCount() const override { return kColumns * kRows; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int kin = grid()->kinAt(grid()->mapFromGlobal(QPoint(x, y)));
        return kin ? child(kin - 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return grid()->hasFocus() ? child(grid()->cursor() - 1) : nullptr;
    }

private:
    mutable std::array<QAccessible::Id, kColumns * kRows> m_cells{};
};

class BoardCellAccessible : public QAccessibleInterface {
public:
    BoardCellAccessible(BoardGrid* grid, int kin) : m_grid(grid), m_kin(kin) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return m_grid && t == QAccessible::Name ? m_grid->cellName(m_kin) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect cell = m_grid->cellRect(m_kin);
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (m_grid) {
            state.focused = m_grid->hasFocus() && m_grid->cursor() == m_kin;
            state.selected = m_grid->chosen() == m_kin;
            state.invisible = !m_grid->isVisible();
        }
        return state;
    }

private:
    QPointer<BoardGrid> m_grid;
    int m_kin;
};

QAccessibleInterface* BoardGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = m_cells[static_cast<std::size_t>(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new BoardCellAccessible(grid(), index + 1));
    return QAccessible::accessibleInterface(id);
}

int BoardGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto at = std::find(m_cells.begin(), m_cells.end(), QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
    return at == m_cells.end() ? -1 : static_cast<int>(at - m_cells.begin());
}

QAccessibleInterface* boardAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(BoardGrid::staticMetaObject.className()) && object && object->isWidgetType())
        return new BoardGridAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Tells a screen reader that the cell under the cursor has the focus.
void announceCursor(BoardGrid* grid, QAccessible::Event what)
{
    QAccessibleEvent event(grid, what);
    event.setChild(grid->cursor() - 1);
    QAccessible::updateAccessibility(&event);
}

} // namespace

BoardGrid::BoardGrid(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(boardAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("picBoard"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Tzolk'in board"));
}

void BoardGrid::setMarks(const BoardMarks& marks)
{
    m_marks = marks;
    update();
}

std::vector<BoardMark> BoardGrid::marksOf(int kin) const
{
    std::vector<BoardMark> marks;
    if (kin == m_marks.reading && !m_marks.ofToday)
        marks.push_back(BoardMark::Reading);
    if (kin == m_marks.today)
        marks.push_back(BoardMark::Today);
    for (int slot = 1; slot < 5; ++slot)
        if (kin == m_marks.cross[static_cast<std::size_t>(slot)])
            marks.push_back(static_cast<BoardMark>(static_cast<int>(BoardMark::Ally) + slot - 1));
    // The reading's own cell is of its trecena, and says no more about it.
    if (inTrecena(kin) && kin != m_marks.reading)
        marks.push_back(BoardMark::Trecena);
    if (m_marks.dreamspell && isActivationPortal(kin))
        marks.push_back(BoardMark::Portal);
    return marks;
}

bool BoardGrid::inTrecena(int kin) const
{
    const int first = trecenaStartOfKin(m_marks.reading);
    return m_marks.reading >= 1 && kin >= first && kin < first + 13;
}

QString BoardGrid::markName(BoardMark mark) const
{
    switch (mark) {
    case BoardMark::Reading:
        return tr("your kin");
    case BoardMark::Today:
        return tr("today");
    case BoardMark::Ally:
    case BoardMark::Occult:
    case BoardMark::Challenge:
    case BoardMark::Guide:
        return positionHeading(crossSlotOf(mark)).toLower();
    case BoardMark::Trecena:
        return m_marks.ofToday ? tr("today's trecena") : tr("your trecena");
    case BoardMark::Portal:
        return tr("galactic activation portal");
    }
    return {};
}

QString BoardGrid::cellName(int kin) const
{
    if (kin < 1 || kin > 260)
        return {};
    QString name = tr("Kin %1, %2, %3")
                       .arg(kin)
                       .arg(galacticName(kin), QString::fromStdString(tzolkinDayName(kin)));
    QStringList marks;
    for (const BoardMark mark : marksOf(kin))
        marks << markName(mark);
    if (!marks.isEmpty())
        name += tr("; %1").arg(marks.join(tr(", ")));
    return name;
}

void BoardGrid::choose(int kin)
{
    if (kin < 1 || kin > 260)
        return;
    moveCursor(kin);
    if (kin == m_chosen)
        return;
    update(cellRect(m_chosen));
    m_chosen = kin;
    update(cellRect(m_chosen));
    announceCursor(this, QAccessible::Selection);
    emit chosenChanged(kin);
}

void BoardGrid::moveCursor(int kin)
{
    if (kin == m_cursor)
        return;
    update(cellRect(m_cursor));
    m_cursor = kin;
    update(cellRect(m_cursor));
    if (hasFocus())
        announceCursor(this, QAccessible::Focus);
}

BoardGrid::Layout BoardGrid::layout() const
{
    // Whole pixels a cell, three wide for two high, the largest that fits.
    const qreal rows = kRows + (m_marks.dreamspell ? kBandRows : 0.25);
    const int height = std::max(1, static_cast<int>(std::min(this->height() / rows,
                                                             width() / (kColumns * qreal(kCellWidth) / kCellHeight))));
    const QSize cell(height * kCellWidth / kCellHeight, height);
    const int band = static_cast<int>((rows - kRows) * height);
    const QSize board(cell.width() * kColumns, band + cell.height() * kRows);
    return {QPoint((width() - board.width()) / 2, (this->height() - board.height()) / 2 + band), cell, band};
}

QRect BoardGrid::cellRect(int kin) const
{
    return kin < 1 || kin > 260 ? QRect() : cellIn(layout(), kin);
}

QRect BoardGrid::cellIn(const Layout& l, int kin)
{
    return QRect(l.origin + QPoint(columnOf(kin) * l.cell.width(), rowOf(kin) * l.cell.height()), l.cell);
}

int BoardGrid::kinAt(QPoint point) const
{
    const Layout l = layout();
    const QPoint p = point - l.origin;
    if (p.x() < 0 || p.y() < 0)
        return 0;
    const int column = p.x() / l.cell.width();
    const int row = p.y() / l.cell.height();
    return column < kColumns && row < kRows ? column * kRows + row + 1 : 0;
}

QSize BoardGrid::sizeHint() const
{
    return {kColumns * kCellWidth, static_cast<int>((kRows + kBandRows) * kCellHeight)};
}

QSize BoardGrid::minimumSizeHint() const
{
    // Below two thirds of its size the numerals and numbers are no longer legible.
    return sizeHint() * 2 / 3;
}

const QPixmap& BoardGrid::glyph(int sign, int scale)
{
    if (scale != m_glyphScale) {
        for (int i = 0; i < 20; ++i)
            m_glyphs[static_cast<std::size_t>(i)] = boardGlyphPicture(i + 1, scale);
        m_glyphScale = scale;
    }
    return m_glyphs[static_cast<std::size_t>(sign)];
}

void BoardGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), kWindowColour);
    const Layout l = layout();
    // The glyph drawn from the picture made for the pixels it covers. The
    // device's ratio is the screen's even when the board is drawn into a
    // picture of another density; the painter's scale is the one in force.
    const qreal s = l.cell.height() / qreal(kCellHeight);
    const int glyphScale = boardGlyphScale(painter.deviceTransform().m11() * s);
    QFont numberFont = windowFont(8);
    numberFont.setPixelSize(std::max(7, qRound(10 * s)));
    if (m_marks.dreamspell && event->rect().top() < l.origin.y())
        paintCastles(painter, l);
    for (int kin = 1; kin <= 260; ++kin) {
        const QRect cell = cellIn(l, kin);
        if (event->rect().intersects(cell))
            paintCell(painter, cell, kin, numberFont, glyphScale);
    }
    // The castles' borders, where a cell's neighbour lies in another castle.
    if (m_marks.dreamspell) {
        painter.setPen(QPen(kInkColour, std::max(2, l.cell.height() / 12)));
        for (int kin = 1; kin <= 260; ++kin) {
            const QRect c = cellIn(l, kin);
            if (kin + kRows <= 260 && castleOfKin(kin + kRows) != castleOfKin(kin))
                painter.drawLine(c.topRight() + QPoint(1, 0), c.bottomRight() + QPoint(1, 1));
            if (rowOf(kin) < kRows - 1 && castleOfKin(kin + 1) != castleOfKin(kin))
                painter.drawLine(c.bottomLeft() + QPoint(0, 1), c.bottomRight() + QPoint(1, 1));
        }
    }
}

void BoardGrid::paintCastles(QPainter& painter, const Layout& l)
{
    const qreal columnsEach = 52.0 / kRows;
    QFont font = windowFont(8, true);
    font.setPixelSize(std::max(7, qRound(l.cell.height() * 0.3)));
    painter.setFont(font);
    for (int i = 0; i < 5; ++i) {
        const Castle& castle = kCastles[i];
        const QRectF band(l.origin.x() + i * columnsEach * l.cell.width(), l.origin.y() - l.band,
                          columnsEach * l.cell.width(), l.band - 2);
        painter.fillRect(band, castle.ground);
        painter.setPen(castle.ink);
        painter.drawText(band.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap, tr(castle.name));
    }
}

void BoardGrid::paintCell(QPainter& painter, const QRect& rect, int kin, const QFont& numberFont, int glyphScale)
{
    const qreal s = rect.height() / qreal(kCellHeight);
    const std::vector<BoardMark> marks = marksOf(kin);
    const auto has = [&marks](BoardMark m) { return std::find(marks.begin(), marks.end(), m) != marks.end(); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, inTrecena(kin) ? kTrecenaGround : kCreamColour);
    painter.setPen(kGridLine);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF cell(rect);
    const qreal glyphSize = 24 * s;
    const QRectF glyphRect(cell.left() + 4 * s, cell.top() + (cell.height() - glyphSize) / 2, glyphSize, glyphSize);
    painter.drawPixmap(glyphRect, glyph(glyphOfKin(kin), glyphScale), QRectF());

    const qreal right = cell.right() - 3 * s;
    const qreal left = cell.left() + cell.width() * 0.6;
    paintMayaNumeral(painter, QRectF(left, cell.top() + 3 * s, right - left, cell.height() * 0.36), toneOfKin(kin), kInkColour);
    painter.setFont(numberFont);
    painter.setPen(kInkColour);
    painter.drawText(QRectF(cell.left() + cell.width() * 0.5, cell.top() + cell.height() * 0.5, right - cell.left() - cell.width() * 0.5,
                            cell.height() * 0.5 - 2 * s),
                     Qt::AlignRight | Qt::AlignBottom, QString::number(kin));

    if (has(BoardMark::Portal))
        paintPortal(painter, cell, 10 * s);
    for (BoardMark m : {BoardMark::Ally, BoardMark::Occult, BoardMark::Challenge, BoardMark::Guide})
        if (has(m))
            paintBadge(painter, QRectF(cell.left() + 1.5 * s, cell.bottom() - 13.5 * s, 12 * s, 12 * s), m);
    if (kin == m_chosen)
        painter.fillRect(cell, kChosenTint);
    if (has(BoardMark::Reading))
        paintFrame(painter, cell, kInkColour, std::round(3 * s));
    if (has(BoardMark::Today))
        paintFrame(painter, cell.adjusted(3 * s, 3 * s, -3 * s, -3 * s).toAlignedRect(), kTodayColour, std::round(2 * s));
    if (kin == m_cursor && hasFocus()) {
        const int inset = qRound(3 * s) + 1; // inside the frames of the marks
        drawFocusMark(painter, rect.adjusted(inset, inset, -inset, -inset), kFocusColour);
    }
    painter.restore();
}

void BoardGrid::paintSwatch(QPainter& painter, const QRectF& rect, BoardMark mark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, mark == BoardMark::Trecena ? kTrecenaGround : kCreamColour);
    painter.setPen(kGridLine);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    const qreal s = rect.height() / 16;
    switch (mark) {
    case BoardMark::Reading:
        paintFrame(painter, rect, kInkColour, std::round(3 * s));
        break;
    case BoardMark::Today:
        paintFrame(painter, rect.adjusted(2 * s, 2 * s, -2 * s, -2 * s), kTodayColour, std::round(2 * s));
        break;
    case BoardMark::Portal:
        paintPortal(painter, rect, rect.height() * 0.7);
        break;
    case BoardMark::Trecena:
        break;
    default: {
        const qreal d = rect.height() - 2 * s;
        paintBadge(painter, QRectF(rect.center().x() - d / 2, rect.top() + s, d, d), mark);
    }
    }
    painter.restore();
}

void BoardGrid::keyPressEvent(QKeyEvent* event)
{
    int kin = m_cursor;
    switch (event->key()) {
    case Qt::Key_Up:
        kin -= rowOf(kin) > 0 ? 1 : 0;
        break;
    case Qt::Key_Down:
        kin += rowOf(kin) < kRows - 1 ? 1 : 0;
        break;
    case Qt::Key_Left:
        kin -= columnOf(kin) > 0 ? kRows : 0;
        break;
    case Qt::Key_Right:
        kin += columnOf(kin) < kColumns - 1 ? kRows : 0;
        break;
    case Qt::Key_Home:
        kin = 1;
        break;
    case Qt::Key_End:
        kin = 260;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        choose(m_cursor);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveCursor(kin);
}

void BoardGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const int kin = kinAt(event->position().toPoint()))
        choose(kin);
}

void BoardGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(cellRect(m_cursor));
    announceCursor(this, QAccessible::Focus);
}

void BoardGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(cellRect(m_cursor));
}

} // namespace kinwheel
