// The Tzolk'in board (its cells against the engine, its marks, keyboard,
// mouse and screen reader, its picture) and the main window's Today line.

#include "support.h"

#include "engine/tzolkin.h"
#include "report/kinreturns.h"
#include "report/validation.h"
#include "ui/boardgrid.h"
#include "ui/frmboard.h"
#include "ui/today.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QAccessible>
#include <QImage>
#include <QLayout>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

frmBoard* openBoard(QWidget& window)
{
    activate(window, QStringLiteral("mnuBoard"));
    frmBoard* board = nullptr;
    for (frmBoard* open : window.findChildren<frmBoard*>())
        if (open->isVisible())
            board = open;
    if (board && !QTest::qWaitForWindowExposed(board))
        return nullptr;
    return board;
}

QString panelText(frmBoard* board, const char* label)
{
    return board->findChild<QLabel*>(QString::fromLatin1(label))->text();
}

// The dates of a panel label, "16 June 2027" a line, "(today)" left out.
QList<QDate> panelDates(frmBoard* board, const char* label)
{
    QList<QDate> dates;
    for (QString line : panelText(board, label).split(u'\n')) {
        line.remove(QStringLiteral(" (today)"));
        dates << QLocale::c().toDate(line, QStringLiteral("d MMMM yyyy"));
    }
    return dates;
}

// The largest difference of a colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    int largest = a.size() == b.size() ? 0 : 255;
    for (int y = 0; y < a.height() && largest < 255; ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                std::abs(p.blue() - q.blue())});
        }
    return largest;
}

QString todayLineOf(frmMain& window)
{
    return window.findChild<QLabel*>(QStringLiteral("lblToday"))->text();
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void cellsFollowTheEngine_data();
    void cellsFollowTheEngine();
    void marks_data();
    void marks();
    void keyboardMouseAndScreenReader();
    void savesThePictureAtTwiceTheDensity();
    void pictureGlyphsDrawnForItsDensity_data();
    void pictureGlyphsDrawnForItsDensity();
    void oneBoardAWindow();
    void todayLine();
};

void TestBoard::cellsFollowTheEngine_data()
{
    QTest::addColumn<Count>("count");
    for (const Count count : kCounts)
        QTest::newRow(countKey(count).data()) << count;
}

// Kin 1 at the top left, each column running down twenty kins; every cell,
// once chosen, shows its glyph and tone, and dates that have its kin under the count.
void TestBoard::cellsFollowTheEngine()
{
    QFETCH(Count, count);
    Fixture f;
    f.fakes.clock.date = QDate(2028, 2, 27); // a Dreamspell 29 February among the dates around it
    auto* result = new frmMayanBirthchartResult(f.context, readingFor("Ana", {1987, 7, 26}, count));
    result->show();
    frmBoard* board = openBoard(*result);
    QVERIFY(board);
    BoardGrid* grid = board->grid();
    const QRect first = grid->cellRect(1);
    QVERIFY(grid->rect().contains(grid->cellRect(1)) && grid->rect().contains(grid->cellRect(260)));
    for (int kin = 1; kin <= 260; ++kin) {
        const QRect cell = grid->cellRect(kin);
        QCOMPARE(cell.topLeft(), first.topLeft() + QPoint((kin - 1) / 20 * first.width(), (kin - 1) % 20 * first.height()));
        QCOMPARE(grid->kinAt(cell.center()), kin);

        grid->choose(kin);
        QCOMPARE(panelText(board, "lblCellKin"), QStringLiteral("Kin %1").arg(kin));
        QCOMPARE(board->findChild<QLabel*>(QStringLiteral("imgCell"))->property("glyphCard").toInt(), glyphOfKin(kin) + 1);
        QVERIFY(panelText(board, "lblCellText").contains(QStringLiteral("Tone %1: ").arg(toneOfKin(kin))));
        const QList<QDate> next = panelDates(board, "lblCellNext");
        const QList<QDate> last = panelDates(board, "lblCellLast");
        QCOMPARE(next.size(), 5);
        QCOMPARE(last.size(), 5);
        for (const QList<QDate>& dates : {next, last}) {
            for (const QDate& d : dates) {
                const Reading reading = *computeReading({d.year(), d.month(), d.day()}, count);
                QVERIFY2(reading.kin == kin && !reading.maya.dreamspellLeapDay, qPrintable(d.toString(Qt::ISODate)));
            }
        }
        QVERIFY(next.first() >= f.fakes.clock.date && last.first() < f.fakes.clock.date);
        QVERIFY(std::is_sorted(next.begin(), next.end()) && std::is_sorted(last.rbegin(), last.rend()));
    }
}

void TestBoard::marks_data()
{
    QTest::addColumn<Count>("count");
    QTest::addColumn<bool>("ofToday");
    QTest::addColumn<QStringList>("names"); // cells as a screen reader names them
    QTest::addColumn<int>("legend");       // marks in the legend

    // Ana, 26 July 1987, Kin 34 under Dreamspell; today, 7 December 2026, is Kin 103 there.
    QTest::newRow("Dreamspell") << Count::Dreamspell << false
                                << QStringList{"Kin 34, White Galactic Wizard, 8 Ix; your kin",
                                               "Kin 125, Red Galactic Serpent, 8 Chikchan; ally",
                                               "Kin 227, Blue Rythmic Hand, 6 Manik'; occult",
                                               "Kin 164, Yellow Galactic Seed, 8 K'an; challenge",
                                               "Kin 138, White Galactic Mirror, 8 Etz'nab'; guide",
                                               "Kin 27, Blue Magnetic Hand, 1 Manik'; your trecena",
                                               "Kin 39, Blue Cosmic Storm, 13 Kawak; your trecena, galactic activation portal",
                                               "Kin 40, Yellow Magnetic Sun, 1 Ajaw",
                                               "Kin 103, Blue Crystal Night, 12 Ak'b'al; today"}
                                << 8;
    // The same birthday under 584283 is Kin 240, its own guide; no portal is marked.
    QTest::newRow("584283") << Count::Gmt584283 << false
                            << QStringList{"Kin 240, Yellow Rythmic Sun, 6 Ajaw; your kin, guide",
                                           "Kin 39, Blue Cosmic Storm, 13 Kawak",
                                           "Kin 1, Red Magnetic Dragon, 1 Imix"}
                            << 7;
    // Today's board: today's kin and trecena, named for today.
    QTest::newRow("today") << Count::Gmt584283 << true
                           << QStringList{"Kin 59, Blue Resonant Storm, 7 Kawak; today",
                                          "Kin 53, Red Magnetic Skywalker, 1 B'en; today's trecena"}
                           << 6;
}

void TestBoard::marks()
{
    QFETCH(Count, count);
    QFETCH(bool, ofToday);
    QFETCH(QStringList, names);
    QFETCH(int, legend);
    Fixture f;
    f.context.count = count;
    QMainWindow* window = ofToday ? static_cast<QMainWindow*>(new frmMain(f.context))
                                  : new frmMayanBirthchartResult(f.context, readingFor("Ana", {1987, 7, 26}, f.context.count));
    window->show();
    frmBoard* board = openBoard(*window);
    QVERIFY(board);
    for (const QString& name : names) {
        const int kin = name.section(u',', 0, 0).mid(4).toInt();
        QCOMPARE(board->grid()->cellName(kin), name);
    }
    QCOMPARE(board->findChild<QWidget*>(QStringLiteral("fraLegend"))->layout()->count(), legend);
    QVERIFY(board->findChild<QLabel*>(QStringLiteral("lblBoardTitle"))
                ->text()
                .startsWith(ofToday ? QStringLiteral("Today · 7 December 2026 · Kin 59 · 7 Kawak / Blue Resonant Storm")
                                    : QStringLiteral("Ana · 26 July 1987 · Kin ")));
    int portals = 0;
    for (int kin = 1; kin <= 260; ++kin)
        portals += board->grid()->cellName(kin).contains(QStringLiteral("portal"));
    QCOMPARE(portals, count == Count::Dreamspell ? 52 : 0);
}

void TestBoard::keyboardMouseAndScreenReader()
{
    Fixture f;
    auto* result = new frmMayanBirthchartResult(f.context, readingFor("Ana", {1987, 7, 26}));
    result->show();
    frmBoard* board = openBoard(*result);
    QVERIFY(board);
    QApplication::setActiveWindow(board);
    QVERIFY(QTest::qWaitForWindowActive(board));
    BoardGrid* grid = board->grid();
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(grid->chosen(), 240);

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->childCount(), 260);
    QCOMPARE(table->child(239)->text(QAccessible::Name), grid->cellName(240));
    QCOMPARE(table->child(239)->role(), QAccessible::Cell);
    QVERIFY(table->child(239)->state().selected);
    QCOMPARE(table->indexOfChild(table->child(17)), 17);
    const QRect cell = table->child(17)->rect();
    QCOMPARE(table->childAt(cell.center().x(), cell.center().y()), table->child(17));

    // The arrows move the cursor, the screen reader's focus with it; Enter chooses.
    const auto press = [grid](Qt::Key key) { QTest::keyClick(grid, key); return grid->cursor(); };
    QCOMPARE(press(Qt::Key_Down), 240); // Ajaw, the last row
    QCOMPARE(press(Qt::Key_Up), 239);
    QCOMPARE(table->focusChild(), table->child(238));
    QVERIFY(table->child(238)->state().focused);
    QCOMPARE(grid->chosen(), 240);
    QCOMPARE(press(Qt::Key_Left), 219);
    QCOMPARE(press(Qt::Key_Return), 219);
    QCOMPARE(grid->chosen(), 219);
    QCOMPARE(panelText(board, "lblCellKin"), QStringLiteral("Kin 219"));
    QCOMPARE(press(Qt::Key_Home), 1);
    QCOMPARE(press(Qt::Key_Up), 1);
    QCOMPARE(press(Qt::Key_Left), 1);
    QCOMPARE(press(Qt::Key_End), 260);
    QCOMPARE(press(Qt::Key_Down), 260);
    QCOMPARE(press(Qt::Key_Right), 260);
    QCOMPARE(press(Qt::Key_Up), 259);
    QCOMPARE(press(Qt::Key_Right), 259);
    QCOMPARE(press(Qt::Key_Space), 259);
    QCOMPARE(grid->chosen(), 259);

    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(100).center());
    QCOMPARE(grid->chosen(), 100);
    QCOMPARE(grid->cursor(), 100);

    // Tab leaves the board; Esc closes the window.
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblCellText"));
    QPointer<frmBoard> alive(board);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
}

void TestBoard::savesThePictureAtTwiceTheDensity()
{
    Fixture f;
    auto* result = new frmMayanBirthchartResult(f.context, readingFor("Ana", {1987, 7, 26}, Count::Dreamspell));
    result->show();
    frmBoard* board = openBoard(*result);
    QVERIFY(board);
    board->resize(1200, 900); // the board grows with its window
    QTRY_VERIFY(board->grid()->cellRect(1).height() > 32);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("board.png"));
    f.fakes.files.saveAnswer = path;
    activate(*board, QStringLiteral("mnuSavePicture"));
    QCOMPARE(f.fakes.files.lastSave.defaultSuffix, QStringLiteral("png"));
    QVERIFY(f.fakes.files.lastSave.confirmOverwrite);
    const QImage picture(path);
    QCOMPARE(picture.size(), board->picture()->size() * 2 * board->devicePixelRatioF());
    QVERIFY(f.fakes.messages.shown.isEmpty());
    // The board's own colours: the lavender around it, cream cells.
    QCOMPARE(picture.pixelColor(2, 2), kWindowColour);
    const QRect forty = board->grid()->cellRect(40);
    const QPoint inCell = board->grid()->mapTo(board->picture(), QPoint(forty.center().x(), forty.top() + 2));
    QCOMPARE(picture.pixelColor(inCell * 2 * board->devicePixelRatioF()), QColor(0xfb, 0xf6, 0xe8));
    // The legend's swatches are drawn for the picture's density, not stretched.
    const qreal ratio = 2 * board->devicePixelRatioF();
    for (QLabel* name : board->findChild<QWidget*>(QStringLiteral("fraLegend"))->findChildren<QLabel*>()) {
        if (name->text() != QStringLiteral("Ally"))
            continue;
        const QWidget* swatch = name->parentWidget()->layout()->itemAt(0)->widget();
        QImage expected(swatch->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(ratio);
        QPainter painter(&expected);
        BoardGrid::paintSwatch(painter, QRectF(swatch->rect()), BoardMark::Ally);
        painter.end();
        const QRect shown(swatch->mapTo(board->picture(), QPoint(0, 0)) * ratio, expected.size());
        QVERIFY(largestDifference(picture.copy(shown), expected) <= 3);
    }

    // A disk that fills up keeps the old picture whole; a folder or a pipe in
    // the file's place is left as it is; the user is told.
    verifySaveRefusals(f, *board, QStringLiteral("mnuSavePicture"), path,
                       QStringLiteral("The picture could not be saved to "));
}

// A picture of the board takes each glyph drawn for its density, unscaled.
void TestBoard::pictureGlyphsDrawnForItsDensity_data()
{
    QTest::addColumn<int>("ratio");
    QTest::newRow("2x") << 2;
    QTest::newRow("3x") << 3;
}

void TestBoard::pictureGlyphsDrawnForItsDensity()
{
    QFETCH(int, ratio);
    BoardGrid grid;
    grid.resize(grid.sizeHint());
    const QRect cell = grid.cellRect(2); // unmarked, its number clear of the glyph
    QCOMPARE(cell.height(), 32);         // the glyph's 24 x 24 at (4, 4)
    QPixmap picture(grid.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    grid.render(&picture);
    QImage expected(QSize(24, 24) * ratio, QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(ratio);
    expected.fill(kCreamColour);
    QPainter(&expected).drawPixmap(0, 0, boardGlyphPicture(glyphOfKin(2) + 1, ratio));
    const QRect glyph((cell.topLeft() + QPoint(4, 4)) * ratio, expected.size());
    QVERIFY(largestDifference(picture.toImage().copy(glyph), expected) <= 3);
}

// One board a window, following the window's reading; it goes with its window.
void TestBoard::oneBoardAWindow()
{
    Fixture f;
    auto* main = new frmMain(f.context);
    main->show();
    QAction* menu = main->findChild<QAction*>(QStringLiteral("mnuBoard"));
    QCOMPARE(menu->text(), QStringLiteral("Tzolk'in &Board"));
    QCOMPARE(menu->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
    QPointer<frmBoard> first = openBoard(*main);
    QVERIFY(first && first->ofToday());
    QCOMPARE(openBoard(*main), first.data());
    QCOMPARE(main->findChildren<frmBoard*>().size(), 1);

    activate(*main, QStringLiteral("mnuCountItem(2)"));
    frmBoard* dreamspell = openBoard(*main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(dreamspell->reading().count, Count::Dreamspell);

    // A new day: today's board moves on with it.
    f.fakes.clock.date = QDate(2026, 12, 8);
    main->findChild<DayWatcher*>()->check();
    dreamspell->findChild<DayWatcher*>()->check();
    QCOMPARE(dreamspell->reading().date, (CivilDate{2026, 12, 8}));
    QVERIFY(dreamspell->findChild<QLabel*>(QStringLiteral("lblBoardTitle"))->text().startsWith("Today · 8 December 2026 · Kin 104"));

    // The longest name the name box takes, one word of wide letters ending in
    // an emoji that fills its last two places, keeps the board on the screen.
    const QString longest = QString(kMaxNameLength - 2, u'W') + QStringLiteral("\U0001F600");
    QPointer<frmBoard> ofResult =
        openBoard(*new frmMayanBirthchartResult(f.context, readingFor(longest.toStdString(), {1987, 7, 26})));
    QVERIFY(ofResult && !ofResult->ofToday());
    QVERIFY(ofResult->frameGeometry().width() <= ofResult->screen()->availableGeometry().width());
    const QLabel* title = ofResult->findChild<QLabel*>(QStringLiteral("lblBoardTitle"));
    QVERIFY(title->text().startsWith(QStringLiteral("WWW")) && title->text().contains(QStringLiteral("… · 26 July 1987")));
    QCOMPARE(title->toolTip(), longest);
    ofResult->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ofResult.isNull());
}

void TestBoard::todayLine()
{
    Fixture f;
    f.fakes.clock.date = QDate(2012, 12, 21);
    auto* main = new frmMain(f.context);
    main->show();
    QCOMPARE(todayLineOf(*main), QStringLiteral("Today: Kin 160, 4 Ajaw · Yellow Self-Existing Sun"));

    // A new day while the window is open, then another count.
    f.fakes.clock.date = QDate(2012, 12, 22);
    main->findChild<DayWatcher*>()->check();
    QCOMPARE(todayLineOf(*main), QStringLiteral("Today: Kin 161, 5 Imix · Red Overtone Dragon"));
    activate(*main, QStringLiteral("mnuCountItem(2)"));
    QCOMPARE(todayLineOf(*main), QStringLiteral("Today: Kin 208, 13 Lamat · Yellow Cosmic Star"));
    f.fakes.clock.date = QDate();
    main->findChild<DayWatcher*>()->check();
    QCOMPARE(todayLineOf(*main), QString());

    // One line between the introduction's two and the frame, room to spare
    // for every kin's line a quarter longer.
    auto* line = main->findChild<QLabel*>(QStringLiteral("lblToday"));
    const auto* intro = main->findChild<QLabel*>(QStringLiteral("Label1(2)"));
    const QFontMetrics introMetrics(intro->font());
    const int introBottom = intro->y()
                            + introMetrics.boundingRect(QRect(0, 0, intro->width(), 1000), Qt::TextWordWrap, intro->text()).height();
    QVERIFY(line->y() >= introBottom);
    QVERIFY(line->geometry().bottom() < main->findChild<QWidget*>(QStringLiteral("Frame1"))->y());
    QVERIFY(line->height() >= line->fontMetrics().height());
    for (int day = 0; day < 260; ++day) {
        const QString text = kinwheel::todayLine(*computeReading(dateOfEpochDay(day), Count::Gmt584283));
        QVERIFY2(line->fontMetrics().horizontalAdvance(text) * 5 / 4 <= line->width(), qPrintable(text));
    }
}

QTEST_MAIN(TestBoard)
#include "test_board.moc"
