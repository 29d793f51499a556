#include "ui/frmboard.h"

#include "engine/tables.h"
#include "engine/tzolkin.h"
#include "report/kinreturns.h"
#include "report/language.h"
#include "report/readingfile.h"
#include "report/reportcomposer.h"
#include "ui/appcontext.h"
#include "ui/boardgrid.h"
#include "ui/today.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QBuffer>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace kinwheel {
namespace {

constexpr int kDatesShown = 5;

QLabel* panelLabel(QWidget* parent, const char* objectName, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    // Reached by Tab and selectable, so the dates can be read out and copied.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

// A mark's swatch, painted for the screen it is on or the picture it is drawn into.
class LegendSwatch : public QWidget {
public:
    LegendSwatch(BoardMark mark, QWidget* parent) : QWidget(parent), m_mark(mark) { setFixedSize(22, 16); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        BoardGrid::paintSwatch(painter, QRectF(rect()), m_mark);
    }

private:
    BoardMark m_mark;
};

// A mark's swatch beside its name.
QWidget* legendItem(QWidget* parent, BoardMark mark, const QString& name)
{
    auto* item = new QWidget(parent);
    auto* row = new QHBoxLayout(item);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* picture = new LegendSwatch(mark, item);
    auto* text = new QLabel(capitalised(name), item);
    text->setTextFormat(Qt::PlainText);
    row->addWidget(picture);
    row->addWidget(text, 1);
    return item;
}

// The board title: "Ana · 26 July 1987 · Kin 34 · 8 Ix / White Galactic
// Wizard · Dreamspell count", or "Today · …" for today's board. A name wider
// than 40 average characters is cut short, so that it cannot widen the board.
QString boardTitle(const Reading& reading, bool ofToday, const QFontMetrics& metrics)
{
    const QString kin = kinTitle(reading.kin);
    if (ofToday)
        return frmBoard::tr("Today · %1 · %2 · %3").arg(dayMonthYear(reading.date), kin, countPhrase(reading.count));
    const QString date = dayMonthYear(reading.person.birthDate);
    if (reading.person.name.empty())
        return frmBoard::tr("%1 · %2 · %3").arg(date, kin, countPhrase(reading.count));
    return frmBoard::tr("%1 · %2 · %3 · %4")
        .arg(metrics.elidedText(QString::fromStdString(reading.person.name), Qt::ElideRight,
                                40 * metrics.averageCharWidth()),
             date, kin, countPhrase(reading.count));
}

} // namespace

frmBoard::frmBoard(AppContext& context, const Reading& reading, bool ofToday, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_context(context), m_reading(reading), m_ofToday(ofToday),
      m_today(today(context))
{
    setObjectName(QStringLiteral("frmBoard"));
    setupWindowLook(this, tr("Tzolk'in Board – %1").arg(QString::fromLatin1(kWindowCaption)));
    setupUi();
    showMarks();
    m_grid->choose(m_reading.kin);
    m_grid->setFocus();

    m_watcher = new DayWatcher(context, this);
    connect(m_watcher, &DayWatcher::dayChanged, this, &frmBoard::refreshToday);

    // As large as the board likes, on screens that have the room.
    resize(sizeHint());
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableGeometry().size() * 9 / 10;
        resize(size().boundedTo(room));
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmBoard::setupUi()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuBoardFile"));
    QAction* save = file->addAction(tr("Save Board as &Picture…"), this, &frmBoard::mnuSavePicture_Click);
    save->setObjectName(QStringLiteral("mnuSavePicture"));
    save->setShortcut(QKeySequence::Save);
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("mnuCloseBoard"));
    close->setShortcut(QKeySequence::Close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* columns = new QHBoxLayout(client);

    // The picture: title, board and legend.
    m_picture = new QWidget(client);
    m_picture->setObjectName(QStringLiteral("fraBoardPicture"));
    m_picture->setAutoFillBackground(true);
    auto* picture = new QVBoxLayout(m_picture);
    picture->setContentsMargins(6, 6, 6, 6);
    m_lblTitle = new QLabel(m_picture);
    m_lblTitle->setObjectName(QStringLiteral("lblBoardTitle"));
    m_lblTitle->setTextFormat(Qt::PlainText);
    m_lblTitle->setFont(windowFont(9.75, true));
    m_lblTitle->setAlignment(Qt::AlignCenter);
    m_lblTitle->setWordWrap(true);
    picture->addWidget(m_lblTitle);
    m_grid = new BoardGrid(m_picture);
    picture->addWidget(m_grid, 1);
    m_legend = new QWidget(m_picture);
    m_legend->setObjectName(QStringLiteral("fraLegend"));
    picture->addWidget(m_legend);
    columns->addWidget(m_picture, 1);

    // The chosen kin.
    auto* panel = new QWidget(client);
    panel->setObjectName(QStringLiteral("fraCell"));
    panel->setAutoFillBackground(true);
    QPalette cream = panel->palette();
    cream.setColor(QPalette::Window, kCreamColour);
    cream.setColor(QPalette::WindowText, kInkColour);
    panel->setPalette(cream);
    panel->setFixedWidth(QFontMetrics(windowFont(8.25)).averageCharWidth() * 30);
    auto* cell = new QVBoxLayout(panel);
    m_imgCell = new QLabel(panel);
    m_imgCell->setObjectName(QStringLiteral("imgCell"));
    m_imgCell->setAlignment(Qt::AlignHCenter);
    m_lblCellKin = panelLabel(panel, "lblCellKin", windowFont(11, true));
    m_lblCellText = panelLabel(panel, "lblCellText", windowFont(8.25));
    m_lblNextHeading = panelLabel(panel, "lblNextHeading", windowFont(8.25, true));
    m_lblCellNext = panelLabel(panel, "lblCellNext", windowFont(8.25));
    m_lblLastHeading = panelLabel(panel, "lblLastHeading", windowFont(8.25, true));
    m_lblCellLast = panelLabel(panel, "lblCellLast", windowFont(8.25));
    m_lblLastHeading->setText(tr("Before today:"));
    for (QLabel* heading : {m_lblCellKin, m_lblNextHeading, m_lblLastHeading})
        heading->setFocusPolicy(Qt::ClickFocus); // Tab passes them by
    for (QWidget* part : {static_cast<QWidget*>(m_imgCell), static_cast<QWidget*>(m_lblCellKin),
                          static_cast<QWidget*>(m_lblCellText)})
        cell->addWidget(part);
    cell->addSpacing(6);
    for (QLabel* part : {m_lblNextHeading, m_lblCellNext, m_lblLastHeading, m_lblCellLast})
        cell->addWidget(part);
    cell->addStretch(1);
    columns->addWidget(panel);

    connect(m_grid, &BoardGrid::chosenChanged, this, &frmBoard::showCell);
    setTabOrder(m_grid, m_lblCellText);
    setTabOrder(m_lblCellText, m_lblCellNext);
    setTabOrder(m_lblCellNext, m_lblCellLast);
}

void frmBoard::showMarks()
{
    BoardMarks marks;
    marks.reading = m_reading.kin;
    marks.ofToday = m_ofToday;
    marks.dreamspell = m_reading.count == Count::Dreamspell;
    marks.cross = crossKins(m_reading.kin);
    if (m_today)
        if (const auto today = readingOf({std::string(), *m_today}, m_reading.count, m_reading.dayStart))
            marks.today = today->kin;
    m_grid->setMarks(marks);
    m_lblTitle->setText(boardTitle(m_reading, m_ofToday, m_lblTitle->fontMetrics()));
    m_lblTitle->setToolTip(QString::fromStdString(m_reading.person.name));

    // The legend names the marks this board can show, two rows of them.
    delete m_legend->layout();
    for (QWidget* old : m_legend->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    auto* grid = new QGridLayout(m_legend);
    grid->setContentsMargins(0, 4, 0, 0);
    std::vector<BoardMark> shown;
    for (const BoardMark mark : {BoardMark::Reading, BoardMark::Today, BoardMark::Ally, BoardMark::Occult,
                                 BoardMark::Challenge, BoardMark::Guide, BoardMark::Trecena, BoardMark::Portal}) {
        const bool absent = (mark == BoardMark::Reading && m_ofToday) || (mark == BoardMark::Today && !marks.today)
                            || (mark == BoardMark::Portal && !marks.dreamspell);
        if (!absent)
            shown.push_back(mark);
    }
    const int perRow = static_cast<int>(shown.size() + 1) / 2;
    for (std::size_t i = 0; i < shown.size(); ++i)
        grid->addWidget(legendItem(m_legend, shown[i], m_grid->markName(shown[i])), static_cast<int>(i) / perRow,
                        static_cast<int>(i) % perRow);
}

void frmBoard::showCell(int kin)
{
    if (kin < 1 || kin > 260)
        return;
    const int glyph = glyphOfKin(kin);
    const int tone = toneOfKin(kin);
    showGlyphCard(m_imgCell, glyph + 1);
    m_imgCell->setAccessibleName(glyphText(TextTable::GlyphNames, glyph));
    m_lblCellKin->setText(tr("Kin %1").arg(kin));

    QStringList text{
        QString::fromStdString(tzolkinDayName(kin)) + QStringLiteral(" / ") + galacticName(kin),
        tr("Tone %1: %2").arg(tone).arg(toneText(TextTable::ToneNames, tone)),
        tr("Sign: %1 (%2), %3")
            .arg(QString::fromUtf8(TzolkinDayNames[static_cast<std::size_t>(glyph)]),
                 glyphText(TextTable::SignNames, glyph), glyphText(TextTable::GlyphNames, glyph)),
        tr("Keywords: %1").arg(glyphText(TextTable::SignKeywords, glyph)),
    };
    QStringList marks;
    for (const BoardMark mark : m_grid->marksOf(kin))
        marks << m_grid->markName(mark);
    if (!marks.isEmpty())
        text << tr("Marks: %1").arg(marks.join(tr(", ")));
    m_lblCellText->setText(text.join(u'\n'));

    // The dates under the board's count, around today.
    const auto list = [this](const std::vector<CivilDate>& days) {
        QStringList lines;
        for (const CivilDate& day : days)
            lines << (day == *m_today ? tr("%1 (today)").arg(dayMonthYear(day)) : dayMonthYear(day));
        return lines.join(u'\n');
    };
    for (QLabel* part : {m_lblNextHeading, m_lblCellNext, m_lblLastHeading, m_lblCellLast})
        part->setVisible(m_today.has_value());
    if (!m_today)
        return;
    m_lblNextHeading->setText(tr("Next, from today (%1):").arg(countPhrase(m_reading.count)));
    m_lblCellNext->setText(list(nextDatesOfKin(kin, *m_today, m_reading.count, kDatesShown)));
    m_lblCellLast->setText(list(previousDatesOfKin(kin, *m_today, m_reading.count, kDatesShown)));
}

void frmBoard::refreshToday()
{
    m_today = today(m_context);
    if (m_ofToday && m_today)
        if (const auto reading = readingOf({std::string(), *m_today}, m_reading.count, m_reading.dayStart))
            m_reading = *reading;
    showMarks();
    showCell(m_grid->chosen());
}

QByteArray frmBoard::pictureBytes() const
{
    const qreal ratio = 2 * m_picture->devicePixelRatioF();
    QPixmap pixmap(m_picture->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(kWindowColour);
    m_picture->render(&pixmap);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!pixmap.save(&buffer, "PNG"))
        return {};
    return bytes;
}

void frmBoard::mnuSavePicture_Click()
{
    const QString path = m_context.services.files.saveFileName(
        this, saveFileDialog(tr("Save Board as Picture"), tr("PNG picture (*.png)"), QStringLiteral("png")));
    if (path.isEmpty())
        return;
    const QByteArray bytes = pictureBytes();
    const QString reason = bytes.isEmpty() ? tr("The picture could not be drawn.") : writeFileWhole(path, bytes);
    if (!reason.isEmpty())
        m_context.services.messages.show(
            this, tr("The picture could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), reason),
            MessageIcon::Critical);
}

} // namespace kinwheel
