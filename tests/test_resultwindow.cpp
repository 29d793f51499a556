// The result window: the destiny cross as cards and text, and its commands.

#include "support.h"

#include "engine/tables.h"
#include "report/kinreturns.h"
#include "report/reportcomposer.h"
#include "ui/mayanumeral.h"
#include "ui/richtextpanel.h"
#include "ui/windowparts.h"

#include "kinwheel_assets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// The window over a reading.
frmMayanBirthchartResult* windowFor(Fixture& f, const Reading& reading)
{
    auto* window = new frmMayanBirthchartResult(f.context, reading);
    window->show();
    return window;
}

// The window over a cross set by hand, of a reading with no date.
frmMayanBirthchartResult* crossWindow(Fixture& f, DestinyCross cross)
{
    Reading reading;
    reading.cross = cross;
    return windowFor(f, reading);
}

QString glyphName(int index)
{
    return QString::fromUtf8(GlyphTable[static_cast<std::size_t>(index)].name);
}

QString glyphDescription(int index)
{
    return QString::fromUtf8(GlyphTable[static_cast<std::size_t>(index)].description);
}

struct Line {
    QString text;
    bool bold;
    bool larger = false; // set larger than the box's font: a heading
    bool operator==(const Line&) const = default;
};

// The paragraphs of the text box, each with whether it is bold and larger; a
// paragraph mixing bold and regular text fails the test.
QList<Line> lines(const QTextDocument& document)
{
    QList<Line> list;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int bold = 0, regular = 0;
        bool larger = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            ++(format.fontWeight() >= QFont::Bold ? bold : regular);
            larger = larger || format.fontPointSize() > document.defaultFont().pointSizeF() + 0.5;
        }
        if (bold && regular)
            qWarning("mixed paragraph: %s", qPrintable(block.text()));
        list.append({bold && regular ? QStringLiteral("(mixed)") : block.text(), bold > 0, larger});
    }
    return list;
}

const QString kHeadings[5] = {"Central", "Ally", "Occult", "Challenge", "Guide"};
const QString kMeanings[5] = {
    "This signifies the features for your day of birth.",
    "This signifies features common with you personality.",
    "This signifies magical gift that you have in you.",
    "This signifies the challenges that up may have to face and situations where you have to show your courage.",
    "This signifies the force that influences your action.",
};

} // namespace

Q_DECLARE_METATYPE(DestinyCross)

class TestResultWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void window();
    void crossText_data();
    void crossText();
    void refillReplaces();
    void twoWindowsTwoReadings();
    void mayaDateFollowsTheCount_data();
    void mayaDateFollowsTheCount();
    void back();
    void exitCloses_data();
    void exitCloses();
    void cards();
    void cardBoxes_data();
    void cardBoxes();
    void cardRatios_data();
    void cardRatios();
    void pictureFiles();
};

void TestResultWindow::window()
{
    Fixture f;
    auto* result = windowFor(f, Reading{});
    QVERIFY(QTest::qWaitForWindowExposed(result));
    QCOMPARE(result->windowTitle(), QStringLiteral("Kinwheel v1.25"));
    QCOMPARE(result->centralWidget()->size(), QSize(671, 478));
    QCOMPARE(result->minimumSize(), result->maximumSize());
    verifyControlsInside(result->centralWidget());
    for (int slot = 0; slot < 5; ++slot) {
        auto* caption = result->findChild<QLabel*>(QStringLiteral("lblLabel(%1)").arg(slot));
        QCOMPARE(caption->text(), kHeadings[slot]);
        QVERIFY(caption->font().bold());
        // The caption is wide enough for its text and sits under its picture.
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
        QVERIFY(qAbs(caption->geometry().center().x() - result->imgSign(slot)->geometry().center().x()) <= 3);
        QVERIFY(caption->y() >= result->imgSign(slot)->geometry().bottom());
    }
    QCOMPARE(visibleOffer(*result), QStringLiteral("lblFullBrand"));
    QVERIFY(!result->findChild<QAction*>(QStringLiteral("mnuMakeMoney"))->isVisible());
    QCOMPARE(captions(result->findChild<QMenu*>(QStringLiteral("mnuFile"))),
             (QStringList{"&Back", "&Compare With…", "Export Kin &Returns…", "-", "E&xit"}));
}

void TestResultWindow::crossText_data()
{
    QTest::addColumn<DestinyCross>("cross");
    QTest::newRow("18 19 1 8 14") << DestinyCross{{18, 19, 1, 8, 14}};
    QTest::newRow("Central and Guide alike") << DestinyCross{{5, 6, 14, 15, 5}};
    QTest::newRow("first and last glyph") << DestinyCross{{0, 19, 19, 10, 0}};
}

void TestResultWindow::crossText()
{
    QFETCH(DestinyCross, cross);
    Fixture f;
    auto* result = crossWindow(f, cross);

    QList<Line> expected;
    for (int slot = 0; slot < 5; ++slot) {
        const int glyph = cross[slot];
        QCOMPARE(result->pictureNumber(slot), glyph + 1);
        QCOMPARE(result->imgSign(slot)->pixmap().toImage(),
                 glyphPicture(glyph + 1, result->imgSign(slot)->devicePixelRatioF()).toImage());
        QCOMPARE(result->imgSign(slot)->accessibleName(), kHeadings[slot] + QStringLiteral(": ") + glyphName(glyph));
        // The position a heading, its meaning plain, the glyph's name bold.
        expected << Line{kHeadings[slot], true, true} << Line{kMeanings[slot], false} << Line{glyphName(glyph), true}
                 << Line{glyphDescription(glyph), false} << Line{QString(), false};
    }
    // The last line break leaves the insertion point on a paragraph of its own.
    expected << Line{QString(), false};

    const QList<Line> actual = lines(*result->rtb()->document());
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual[i].text, expected[i].text);
        QVERIFY2(actual[i].bold == expected[i].bold, qPrintable(QStringLiteral("paragraph %1 bold").arg(i)));
        QVERIFY2(actual[i].larger == expected[i].larger, qPrintable(QStringLiteral("paragraph %1 size").arg(i)));
    }
    QVERIFY(result->rtb()->toPlainText().endsWith(glyphDescription(cross[4]) + QStringLiteral("\n\n")));
}

void TestResultWindow::refillReplaces()
{
    Fixture f;
    auto* result = crossWindow(f, {{18, 19, 1, 8, 14}});
    const QString once = result->rtb()->toPlainText();
    result->fillResultWindow();
    result->fillResultWindow();
    QCOMPARE(result->rtb()->toPlainText(), once);
}

// Each window shows the reading it was handed, however many are open, and
// none is computed again from anything else.
void TestResultWindow::twoWindowsTwoReadings()
{
    Fixture f;
    const Reading ada = readingFor("Ada", {1956, 3, 8});
    const Reading bo = readingFor("Bo", {2000, 2, 29}, Count::Dreamspell);
    auto* first = windowFor(f, ada);
    auto* second = windowFor(f, bo);
    QCOMPARE(first->reading(), ada);
    QCOMPARE(second->reading(), bo);
    for (int slot = 0; slot < 5; ++slot) {
        QCOMPARE(first->pictureNumber(slot), ada.cross[slot] + 1);
        QCOMPARE(second->pictureNumber(slot), bo.cross[slot] + 1);
    }
    QVERIFY(first->rtb()->toPlainText().startsWith(QStringLiteral("Ada \u00b7 8 March 1956")));
    QVERIFY(second->rtb()->toPlainText().contains(QStringLiteral("Kin: %1\n").arg(bo.kin)));
    // Each shows its own tone with the central card, saying what it counts.
    QCOMPARE(first->picTone()->tone(), int(ada.tone));
    QCOMPARE(second->picTone()->tone(), int(bo.tone));
    QCOMPARE(first->picTone()->accessibleName(),
             QStringLiteral("Tone %1: %2").arg(ada.tone).arg(QString::fromUtf8(toneNameOf(ada.tone))));
    QVERIFY(first->picTone()->isVisible());
    QVERIFY(first->imgSign(DestinyCross::Central)->geometry().intersects(first->picTone()->geometry()));
    QVERIFY(!first->findChild<QLabel*>(QStringLiteral("lblLabel(4)"))->geometry().intersects(first->picTone()->geometry()));
}

void TestResultWindow::mayaDateFollowsTheCount_data()
{
    QTest::addColumn<int>("count"); // index into kCounts
    QTest::addColumn<int>("day");   // of February 2000
    QTest::newRow("584283") << 0 << 29;
    QTest::newRow("584285") << 1 << 29;
    QTest::newRow("Dreamspell 28 February") << 2 << 28;
    QTest::newRow("Dreamspell 29 February, with the note") << 2 << 29;
}

// After the five positions, the whole Maya date under the program's count
// (its lines are checked in test_report).
void TestResultWindow::mayaDateFollowsTheCount()
{
    QFETCH(int, count);
    QFETCH(int, day);
    Fixture f;
    const Reading reading = readingFor("Ada", {2000, 2, day}, kCounts[std::size_t(count)]);
    auto* result = windowFor(f, reading);

    QStringList expected{mayaDateHeading()};
    for (const MayaDateLine& line : mayaDateLines(reading))
        expected << line.label + line.value;
    const QList<Line> actual = lines(*result->rtb()->document());
    // The first line says whose reading it is, by which count.
    const QString countText = count == 2 ? QStringLiteral("Dreamspell count") : QStringLiteral("traditional count 58428%1").arg(count == 0 ? 3 : 5);
    QCOMPARE(actual.value(0), (Line{QStringLiteral("Ada \u00b7 %1 February 2000 \u00b7 Kin %2, %3 \u00b7 %4")
                                          .arg(day)
                                          .arg(reading.kin)
                                          .arg(QString::fromStdString(tzolkinDayName(reading.kin)), countText),
                                      true}));
    QCOMPARE(actual.value(27), (Line{expected[0], true, true}));
    // Then a blank line and the kin returns from the clock's today.
    const qsizetype returnsAt = actual.indexOf(Line{kinReturnsHeading(), true, true});
    QVERIFY(returnsAt > 28);
    QCOMPARE(actual[returnsAt - 1].text, QString());
    QStringList tail;
    for (qsizetype i = 28; i < actual.size() - 1; ++i) {
        if (i == returnsAt)
            continue;
        QVERIFY(!actual[i].bold);
        tail << actual[i].text;
    }
    expected << QString();
    for (const MayaDateLine& line : kinReturnsLines(reading, {*civilDateOf(f.fakes.clock.date)}))
        expected << line.label + line.value;
    QCOMPARE(tail, expected.mid(1));
}

void TestResultWindow::back()
{
    Fixture f;
    f.context.coBrandRandomNumber = 1;
    QPointer<frmMayanBirthchartResult> result = windowFor(f, readingFor("Ada", {1956, 3, 8}));
    QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);

    QTRY_VERIFY(result.isNull());
    const QList<frmMain*> mains = shownWindows<frmMain>();
    QCOMPARE(mains.size(), 1);
    frmMain* window = mains[0];
    QVERIFY(window->txtName()->text().isEmpty());
    QCOMPARE(window->cboMonth()->currentText(), QStringLiteral("January"));
    QCOMPARE(window->cboDate()->currentText(), QStringLiteral("1"));
    QCOMPARE(window->cboYear()->currentText(), QStringLiteral("1900"));
    // No new draw: a later main window shows the full-brand offer.
    QCOMPARE(visibleOffer(*window), QStringLiteral("lblFullBrand"));

    // File > Back does the same.
    result = windowFor(f, Reading{});
    window->close();
    activate(*result, QStringLiteral("mnuBack"));
    QTRY_VERIFY(result.isNull());
    QCOMPARE(shownWindows<frmMain>().size(), 1);
}

void TestResultWindow::exitCloses_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void TestResultWindow::exitCloses()
{
    QFETCH(bool, byMenu);
    Fixture f;
    QPointer<frmMayanBirthchartResult> result = windowFor(f, Reading{});
    if (byMenu)
        activate(*result, QStringLiteral("mnuExit"));
    else
        result->close();
    QTRY_VERIFY(result.isNull());
    QVERIFY(shownWindows<QMainWindow>().isEmpty());
}

void TestResultWindow::cards()
{
    QList<QImage> seen;
    for (int number = 1; number <= 20; ++number) {
        const QImage card = glyphPicture(number).toImage();
        QVERIFY2(!card.isNull(), qPrintable(glyphPictureKey(number)));
        for (qsizetype other = 0; other < seen.size(); ++other)
            QVERIFY2(card != seen[other], qPrintable(QStringLiteral("cards %1 and %2 alike").arg(number).arg(other + 1)));
        seen << card;
    }
    QVERIFY(glyphPicture(0).isNull());
    QVERIFY(glyphPicture(21, 2).isNull());
    QVERIFY(glyphPicture(21, 1, u"es").isNull());
    QVERIFY(boardGlyphPicture(0).isNull());
    QVERIFY(boardGlyphPicture(21, 3).isNull());
    QCOMPARE(glyphPictureKey(1), QStringLiteral("01Imix.png"));
    QCOMPARE(glyphPictureKey(20), QStringLiteral("20Ahau.png"));

    // The Spanish card differs from the English one only by its banner; a
    // language without cards, or none, gives the English card.
    for (int number = 1; number <= 20; ++number) {
        const QImage english = glyphPicture(number, 2).toImage();
        QVERIFY(glyphPicture(number, 2, u"es").toImage() != english);
        for (QStringView language : {u"fr", u"", u"EN"})
            QCOMPARE(glyphPicture(number, 2, language).toImage(), english);
        // the board glyph stands alone, nothing of it cut off by the edge of
        // its box, and is bold: a fifth of its box or more is covered
        const QImage glyph = boardGlyphPicture(number, 3).toImage();
        int covered = 0, onEdge = 0;
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                const int alpha = qAlpha(glyph.pixel(x, y));
                covered += alpha == 255;
                if (x == 0 || y == 0 || x == glyph.width() - 1 || y == glyph.height() - 1)
                    onEdge += alpha > 0;
            }
        }
        QVERIFY2(onEdge == 0, qPrintable(QStringLiteral("glyph %1 touches its edge").arg(number)));
        QVERIFY2(covered * 5 >= glyph.width() * glyph.height(), qPrintable(QStringLiteral("glyph %1").arg(number)));
    }

    // The 16-pixel icon is the one drawn for 16 pixels, at 1x and at 2x.
    const QIcon icon = programIcon();
    for (int ratio : {1, 2}) {
        const QString file = ratio == 1 ? QStringLiteral(":/icon/kinwheel-16.png") : QStringLiteral(":/icon/kinwheel-16@2x.png");
        const QPixmap small = icon.pixmap(QSize(16, 16), ratio);
        QCOMPARE(small.deviceIndependentSize(), QSizeF(16, 16));
        QCOMPARE(small.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestResultWindow::cardBoxes_data()
{
    QTest::addColumn<int>("slot");
    for (int slot = 0; slot < 5; ++slot)
        QTest::newRow(qPrintable(kHeadings[slot])) << slot;
}

// Each box shows its card at the box's own size in the screen's pixels, not
// stretched. ctest runs this at QT_SCALE_FACTOR 1, 2 and 3.
void TestResultWindow::cardBoxes()
{
    QFETCH(int, slot);
    Fixture f;
    auto* result = crossWindow(f, {{18, 19, 1, 8, 14}});
    const QLabel* box = result->imgSign(slot);
    const qreal ratio = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ? 1.0 : qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    QCOMPARE(box->devicePixelRatioF(), ratio);
    QCOMPARE(box->size(), QSize(87, 113));
    QVERIFY(!box->hasScaledContents());
    const QPixmap shown = box->pixmap();
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(box->size()));
    QCOMPARE(shown.size(), box->size() * ratio);
}

void TestResultWindow::cardRatios_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("drawnFor");
    QTest::newRow("1x") << 1.0 << 1;
    QTest::newRow("1.25x takes the 2x pictures") << 1.25 << 2;
    QTest::newRow("1.5x takes the 2x pictures") << 1.5 << 2;
    QTest::newRow("2x") << 2.0 << 2;
    QTest::newRow("3x") << 3.0 << 3;
    QTest::newRow("4x takes the 3x pictures") << 4.0 << 3;
}

// Every card in both languages and every board glyph keeps its box's size at
// every ratio, from the art drawn nearest.
void TestResultWindow::cardRatios()
{
    QFETCH(qreal, ratio);
    QFETCH(int, drawnFor);
    for (int number = 1; number <= 20; ++number) {
        const QString card = QStringLiteral("card %1").arg(number);
        for (const QPixmap& picture : {glyphPicture(number, ratio), glyphPicture(number, ratio, u"es")}) {
            QVERIFY2(!picture.isNull(), qPrintable(card));
            QCOMPARE(picture.size(), QSize(87, 113) * drawnFor);
            QCOMPARE(picture.devicePixelRatio(), qreal(drawnFor));
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(87, 113));
        }
        const QPixmap glyph = boardGlyphPicture(number, ratio);
        QCOMPARE(glyph.size(), QSize(24, 24) * drawnFor);
        QCOMPARE(glyph.devicePixelRatio(), qreal(drawnFor));
        QCOMPARE(glyph.deviceIndependentSize(), QSizeF(24, 24));
    }
}

// Every file the assets list names is compiled in, at the size it is listed for.
void TestResultWindow::pictureFiles()
{
    auto check = [](std::string_view file, int side, int height) {
        const QString path = QStringLiteral(":/") + QString::fromUtf8(file);
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QVERIFY2(picture.size() == QSize(side, height), qPrintable(path));
    };
    for (const auto& language : assets::kCardFiles)
        for (const auto& card : language)
            for (std::size_t s = 0; s < card.size(); ++s)
                check(card[s], 87 * assets::kCardScales[s], 113 * assets::kCardScales[s]);
    for (const auto& glyph : assets::kBoardGlyphFiles)
        for (std::size_t s = 0; s < glyph.size(); ++s)
            check(glyph[s], 24 * assets::kBoardGlyphScales[s], 24 * assets::kBoardGlyphScales[s]);
    for (std::size_t i = 0; i < assets::kIconSizes.size(); ++i)
        check(assets::kIconFiles[i], assets::kIconSizes[i], assets::kIconSizes[i]);
    for (std::size_t i = 0; i < assets::kIconSizesAt2x.size(); ++i)
        check(assets::kIconFilesAt2x[i], 2 * assets::kIconSizesAt2x[i], 2 * assets::kIconSizesAt2x[i]);
    QCOMPARE(assets::kCardLanguages.front(), std::string_view("en"));
    QCOMPARE(assets::kCardFiles[1][5][0], std::string_view("cards/es/06Cimi.png"));
}

QTEST_MAIN(TestResultWindow)
#include "test_resultwindow.moc"
