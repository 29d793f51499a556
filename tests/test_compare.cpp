// The comparison window given two readings, its keyboard, printing and small
// cards; the dialog that asks whom to compare with, from the result and main
// windows; and the comparison's words for every rule.

#include "support.h"

#include "platform/settings.h"
#include "report/comparison.h"
#include "report/readingfile.h"
#include "ui/frmcompare.h"
#include "ui/frmcomparewith.h"
#include "ui/richtextpanel.h"
#include "ui/windowparts.h"

#include "kinwheel_assets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

const Reading kAda = readingFor("Ada", {1987, 7, 26});  // kin 240, 6 Ajaw: Yellow Sun
const Reading kBen = readingFor("Ben", {1990, 5, 3});   // kin 212, 4 Eb': Yellow Human

frmCompareWith* askFrom(Fixture& f, const Reading& first)
{
    auto* result = new frmMayanBirthchartResult(f.context, first);
    result->show();
    activate(*result, QStringLiteral("mnuCompare"));
    return shownOne<frmCompareWith>();
}

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void window();
    void keyboard();
    void longestName();
    void cardBoxes();
    void print_data();
    void print();
    void typedDetails_data();
    void typedDetails();
    void fromFiles_data();
    void fromFiles();
    void fromMainWindow();
    void everyRuleWorded();
    void readingOfAnotherDate();
};

void TestCompare::window()
{
    Fixture f;
    frmCompare* window = showComparisonWindow(f.context, kAda, kBen, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->isModal());
    QVERIFY(window->minimumSize() != window->maximumSize());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
             QStringLiteral("Both readings follow the traditional count 584283."));
    for (const auto& [person, reading] : {std::pair{0, &kAda}, {1, &kBen}}) {
        QCOMPARE(window->findChild<ElidingLabel*>(QStringLiteral("lblName(%1)").arg(person))->fullText(),
                 QString::fromStdString(reading->person.name));
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblKin(%1)").arg(person))->text().contains(
            QStringLiteral("Kin %1,").arg(reading->kin)));
        for (int slot = 0; slot < 5; ++slot) {
            const QLabel* card = window->imgSign(person, slot);
            QCOMPARE(card->pixmap().toImage(), smallGlyphPicture(reading->cross[slot] + 1, card->devicePixelRatioF()).toImage());
            QVERIFY(card->accessibleName().endsWith(QString::fromUtf8(GlyphTable[std::size_t(reading->cross[slot])].name)));
        }
    }
    // Yellow Sun and Yellow Human: one colour, and no other rule.
    const QString relations = window->rtb()->toPlainText();
    QVERIFY2(relations.startsWith(QStringLiteral("Same colour: ")), qPrintable(relations));
    QVERIFY(relations.contains(QStringLiteral("combined kin: kin 240 + kin 212, counted round to 1-260: Kin 192, ")));
    QCOMPARE(relations.count(QLatin1Char('\n')), 1);
}

// A kin of the day after the birth says so, in the window and the printed text.
void TestCompare::readingOfAnotherDate()
{
    Fixture f;
    const Reading evening = readingFor("Eve", {1987, 7, 26}, Count::Gmt584283, BirthTime::Evening, DayStart::Sunset);
    const QString note = readingDateNote(evening);
    QVERIFY(!note.isEmpty());
    frmCompare* window = showComparisonWindow(f.context, evening, kBen, nullptr);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblKin(0)"))->text().endsWith(note));
    QVERIFY(!window->findChild<QLabel*>(QStringLiteral("lblKin(1)"))->text().contains(note));
    QCOMPARE(comparisonPlainText(evening, kBen).count(note), 1);
    window->close();
}

void TestCompare::keyboard()
{
    Fixture f;
    frmCompare* window = showComparisonWindow(f.context, kAda, kBen, nullptr);
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->rtb());
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdPdf", "cmdPrint", "cmdClose", "RTB"}));
    for (const auto& [button, key] : {std::pair{"cmdPdf", Qt::Key_D}, {"cmdPrint", Qt::Key_P}, {"cmdClose", Qt::Key_C}})
        QCOMPARE(window->findChild<QPushButton*>(button)->shortcut(), QKeySequence(Qt::ALT | key));
    // Space on Print prints; Esc closes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(f.fakes.printer.printedText.contains(QStringLiteral("Ada")));
    QPointer<frmCompare> guard(window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

// A name as long as a name may be shortens on screen rather than widening the window.
void TestCompare::longestName()
{
    Fixture f;
    const Reading longest = readingFor(std::string(kMaxNameLength, 'W'), {1990, 5, 3});
    frmCompare* window = showComparisonWindow(f.context, kAda, longest, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->width() < 900);
    auto* name = window->findChild<ElidingLabel*>(QStringLiteral("lblName(1)"));
    QVERIFY(name->text().endsWith(QStringLiteral("…")));
    QCOMPARE(name->toolTip().size(), kMaxNameLength);
}

// Each card shows unscaled at its 68 x 88 box in the screen's pixels. ctest
// runs this at QT_SCALE_FACTOR 1, 2 and 3.
void TestCompare::cardBoxes()
{
    Fixture f;
    frmCompare* window = showComparisonWindow(f.context, kAda, kBen, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QLabel* box = window->imgSign(1, DestinyCross::Guide);
    const qreal ratio = box->devicePixelRatioF();
    const int drawnFor = std::min(3, int(std::ceil(ratio)));
    QCOMPARE(box->size(), QSize(assets::kSmallCardWidth, assets::kSmallCardHeight));
    QCOMPARE(box->pixmap().devicePixelRatio(), qreal(drawnFor));
    QCOMPARE(box->pixmap().size(), box->size() * drawnFor);
    // Every small card is compiled in at its size.
    for (const auto& language : assets::kSmallCardFiles)
        for (const auto& card : language)
            for (std::size_t s = 0; s < card.size(); ++s)
                QCOMPARE(QImage(QStringLiteral(":/") + QString::fromUtf8(card[s])).size(),
                         QSize(assets::kSmallCardWidth, assets::kSmallCardHeight) * assets::kCardScales[s]);
}

void TestCompare::print_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("printFailure");
    QTest::addColumn<bool>("yes");        // to the PDF offer
    QTest::addColumn<QString>("pdfFailure");
    QTest::addColumn<QString>("printed"); // "printer", "pdf" or ""
    QTest::addColumn<QStringList>("messages");
    const QString offer = QStringLiteral("The report could not be printed.\n\nNo printer is available.\n\n"
                                         "Do you want to save it as a PDF file instead?");
    QTest::newRow("print") << "cmdPrint" << "" << false << "" << "printer" << QStringList{};
    QTest::newRow("no printer, no PDF") << "cmdPrint" << "No printer is available." << false << "" << ""
                                        << QStringList{offer};
    QTest::newRow("no printer, a PDF") << "cmdPrint" << "No printer is available." << true << "" << "pdf"
                                       << QStringList{offer};
    QTest::newRow("save as PDF") << "cmdPdf" << "" << false << "" << "pdf" << QStringList{};
    QTest::newRow("save as PDF on a full disk")
        << "cmdPdf" << "" << false << "No space left on device" << "pdf"
        << QStringList{"The report could not be saved to /tmp/both.pdf.\n\nNo space left on device"};
}

void TestCompare::print()
{
    QFETCH(QString, button);
    QFETCH(QString, printFailure);
    QFETCH(bool, yes);
    QFETCH(QString, pdfFailure);
    QFETCH(QString, printed);
    QFETCH(QStringList, messages);
    Fixture f;
    f.fakes.printer.failure = printFailure;
    f.fakes.printer.pdfFailure = pdfFailure;
    f.fakes.messages.answerYes = yes;
    f.fakes.files.saveAnswer = QStringLiteral("/tmp/both.pdf");
    frmCompare* window = showComparisonWindow(f.context, kAda, kBen, nullptr);
    window->findChild<QPushButton*>(button)->click();

    QStringList shown;
    for (const ShownMessage& message : f.fakes.messages.shown)
        shown << message.text;
    QCOMPARE(shown, messages);
    const QString pdfText = QTextDocumentFragment::fromHtml(f.fakes.printer.pdfHtml).toPlainText();
    const QString text = printed == QLatin1String("pdf") ? pdfText : f.fakes.printer.printedText;
    if (printed.isEmpty()) {
        QVERIFY(f.fakes.printer.pdfPath.isEmpty());
        return;
    }
    QCOMPARE(f.fakes.files.lastSave.filter, printed == QLatin1String("pdf") ? QStringLiteral("PDF files (*.pdf)") : QString());
    for (const QString& expected : {QStringLiteral("Two Readings Side by Side"), QStringLiteral("Ada\n"),
                                    QStringLiteral("Ben\n"), QStringLiteral("Guide: Yellow Star"),
                                    QStringLiteral("Same colour: "), QStringLiteral("combined kin: kin 240 + kin 212")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
}

void TestCompare::typedDetails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month"); // 1..12
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Ben") << " Ben " << 5 << 3 << "" << "";
    QTest::newRow("no name") << "  " << 5 << 3 << kNameMessage << "txtName";
    QTest::newRow("30 February") << "Ben" << 2 << 30 << kFebruaryMessage << "cboMonth";
    QTest::newRow("31 April") << "Ben" << 4 << 31 << kThirtyDayMessage << "cboMonth";
}

void TestCompare::typedDetails()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    frmCompareWith* ask = askFrom(f, kAda);
    QVERIFY(ask);
    QVERIFY(ask->isModal());
    QApplication::setActiveWindow(ask);
    QVERIFY(QTest::qWaitForWindowActive(ask));
    QCOMPARE(QApplication::focusWidget(), ask->txtName());
    QTest::keyClicks(ask->txtName(), name);
    ask->cboMonth()->setCurrentIndex(month - 1);
    ask->cboDate()->setCurrentIndex(day - 1);
    ask->cboYear()->setCurrentIndex(1990 - 1900);
    // Enter compares, from the name box.
    QTest::keyClick(ask->txtName(), Qt::Key_Return);

    frmCompare* window = shownOne<frmCompare>();
    if (!message.isEmpty()) {
        QVERIFY(!window);
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown[0].text, message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(ask->isVisible());
        return;
    }
    QVERIFY(window);
    QVERIFY(!ask->isVisible());
    QCOMPARE(window->first(), kAda);
    QCOMPARE(window->second(), kBen);
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void TestCompare::fromFiles_data()
{
    QTest::addColumn<QString>("file"); // "ben.man" is Ben's reading; "bad.man" no reading; "feb30.man" 30 February
    QTest::addColumn<bool>("fromRecent");
    QTest::addColumn<QString>("message");
    for (const bool recent : {false, true}) {
        const char* way = recent ? "recent" : "open";
        QTest::addRow("%s: Ben", way) << "ben.man" << recent << "";
        QTest::addRow("%s: not a reading", way) << "bad.man" << recent << kCheckFileMessage;
        QTest::addRow("%s: gone", way) << "gone.man" << recent << kCheckFileMessage;
        QTest::addRow("%s: 30 February", way) << "feb30.man" << recent << kFebruaryMessage;
    }
}

void TestCompare::fromFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, fromRecent);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(saveReading(dir.filePath(QStringLiteral("ben.man")), kBen.person).isEmpty());
    QVERIFY(place(dir.filePath(QStringLiteral("bad.man")), "not a reading"));
    QVERIFY(saveReading(dir.filePath(QStringLiteral("feb30.man")), {"Cleo", {1990, 2, 30}}).isEmpty());
    const QString path = dir.filePath(file);
    Fixture f;
    AddRecentReading(f.fakes.settings, dir.filePath(QStringLiteral("other.man")));
    if (fromRecent)
        AddRecentReading(f.fakes.settings, path);
    f.fakes.files.openAnswer = path;

    frmCompareWith* ask = askFrom(f, kAda);
    if (fromRecent) {
        auto* menu = ask->findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit menu->aboutToShow();
        menu->findChild<QAction*>(QStringLiteral("mnuRecentFile(0)"))->trigger();
    } else {
        QTest::mouseClick(ask->findChild<QPushButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
        QCOMPARE(f.fakes.files.lastOpen.filter, QStringLiteral("Mayan Astrology (*.man)"));
    }

    frmCompare* window = shownOne<frmCompare>();
    const QStringList recent = RecentReadings(f.fakes.settings);
    if (message.isEmpty()) {
        QVERIFY(window);
        QCOMPARE(window->second(), kBen);
        QCOMPARE(recent.value(0), path);
        return;
    }
    QVERIFY(!window);
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, message);
    QVERIFY(!recent.contains(path));
    QVERIFY(recent.contains(dir.filePath(QStringLiteral("other.man"))));
    // A file's refused date is left to be corrected.
    if (file == QLatin1String("feb30.man")) {
        QCOMPARE(ask->txtName()->text(), QStringLiteral("Cleo"));
        QCOMPARE(ask->cboDate()->currentText(), QStringLiteral("30"));
    }
}

// File > Compare With… on the main window takes the entered details, checked as Generate checks them.
void TestCompare::fromMainWindow()
{
    Fixture f;
    auto* main = new frmMain(f.context);
    main->show();
    QCOMPARE(captions(main->findChild<QMenu*>(QStringLiteral("mnuFile"))).filter(QStringLiteral("Compare")),
             QStringList{QStringLiteral("&Compare With…")});
    activate(*main, QStringLiteral("mnuCompare"));
    QVERIFY(!shownOne<frmCompareWith>());
    QCOMPARE(f.fakes.messages.shown.value(0).text, kNameMessage);

    f.context.count = Count::Dreamspell;
    main->txtName()->setText(QStringLiteral("Ada"));
    showBirthDatePerson({"Ada", {1987, 7, 26}}, main->txtName(), main->cboMonth(), main->cboDate(), main->cboYear());
    activate(*main, QStringLiteral("mnuCompare"));
    frmCompareWith* ask = shownOne<frmCompareWith>();
    QVERIFY(ask);
    ask->txtName()->setText(QStringLiteral("Ben"));
    ask->findChild<QPushButton*>(QStringLiteral("cmdCompare"))->click();
    frmCompare* window = shownOne<frmCompare>();
    QVERIFY(window);
    QCOMPARE(window->first().kin, 34);
    QCOMPARE(window->second().count, Count::Dreamspell);
    QVERIFY(main->isVisible());
}

// Every rule has its own title and text, naming whose cross a directed one is found in.
void TestCompare::everyRuleWorded()
{
    std::map<RelationRule, QString> texts;
    for (const Count count : kCounts)
        for (int a = 1; a <= 260; a += 7)
            for (int b = 1; b <= 260; ++b) {
                Reading first = readingFor("Ada", {2000, 1, 1}, count), second = readingFor("Ben", {2000, 1, 1}, count);
                first.kin = std::int16_t(a), second.kin = std::int16_t(b);
                first.sign = std::int16_t(glyphOfKin(a)), second.sign = std::int16_t(glyphOfKin(b));
                first.tone = std::int16_t(toneOfKin(a)), second.tone = std::int16_t(toneOfKin(b));
                for (const Relation& relation : relationsBetween(a, b, count)) {
                    const QString title = relationTitle(relation, first, second);
                    const QString text = relationText(relation, first, second);
                    QVERIFY(!title.isEmpty() && text.endsWith(QLatin1Char('.')) && text.count(QStringLiteral(". ")) <= 1);
                    if (relation.from != RelationSide::Both) {
                        const QString owner = relation.from == RelationSide::First ? QStringLiteral("Ada") : QStringLiteral("Ben");
                        QVERIFY2(title.contains(owner + QStringLiteral("'s cross")), qPrintable(title));
                    }
                    texts[relation.rule] = text;
                }
            }
    QCOMPARE(texts.size(), std::size_t(11));
    // Without names the texts still read as sentences.
    Reading nobody = kAda, other = kAda;
    nobody.person.name.clear();
    other.person.name.clear();
    QVERIFY(relationText({RelationRule::SameKin, RelationSide::Both}, nobody, other)
                .startsWith(QStringLiteral("The first person and the second person")));
}

QTEST_MAIN(TestCompare)
#include "test_compare.moc"
