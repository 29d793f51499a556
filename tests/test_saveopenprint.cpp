// Save and Print in the report window, Open in the main window.

#include "support.h"
#include "platform/weblinks.h"
#include "report/readingfile.h"
#include "ui/richtextpanel.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

struct ReportFixture : Fixture {
    explicit ReportFixture(const char* name = "Mary Smith", CivilDate born = {1975, 3, 5},
                           BirthTime time = BirthTime::Unknown, DayStart start = DayStart::Midnight)
    {
        window = showReportWindow(context, readingFor(name, born, Count::Gmt584283, time, start), nullptr);
    }
    ~ReportFixture() { delete window; }
    void pressSave() { window->findChild<QPushButton*>("cmdSave")->click(); }
    void pressPrint() { window->findChild<QPushButton*>("cmdPrint")->click(); }

    frmSave* window = nullptr;
};

} // namespace

class TestSaveOpenPrint : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheReading_data();
    void saveWritesTheReading();
    void saveAsksBeforeReplacingAFileTheDialogDidNotSee_data();
    void saveAsksBeforeReplacingAFileTheDialogDidNotSee();
    void cancelledSaveChangesNothing();
    void saveThatCannotWriteSaysSo_data();
    void saveThatCannotWriteSaysSo();
    void saveRefusesUnsaveableNames_data();
    void saveRefusesUnsaveableNames();
    void printPrintsTheWholeReport();
    void printFailureOffersAPdf_data();
    void printFailureOffersAPdf();

    void openShowsTheSavedReading_data();
    void openShowsTheSavedReading();
    void openFollowsTheTimeOfBirth_data();
    void openFollowsTheTimeOfBirth();
    void openRefusesBadFiles_data();
    void openRefusesBadFiles();
    void openedImpossibleDateGoesToValidation_data();
    void openedImpossibleDateGoesToValidation();
    void cancelledOpenChangesNothing();
    void openIsOnTheFileMenu();
    void savedReadingOpensAgain_data();
    void savedReadingOpensAgain();
    void cleanup();
};

void TestSaveOpenPrint::saveWritesTheReading_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::newRow("with extension") << "mary.man" << "mary.man";
    QTest::newRow("without extension") << "mary" << "mary.man";
    QTest::newRow("trailing dot") << "mary." << "mary.man";
    QTest::newRow("other extension") << "mary.txt" << "mary.txt.man";
    QTest::newRow("dots in the name") << "J.R. Smith" << "J.R. Smith.man";
    QTest::newRow("dot between names") << "Ana.Smith" << "Ana.Smith.man";
    QTest::newRow("ends in man, no dot") << "Truman" << "Truman.man";
    QTest::newRow("replaces, the dialog having asked") << "existing.man" << "existing.man";
}

void TestSaveOpenPrint::saveWritesTheReading()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(place(dir.filePath("existing.man"), "old contents"));

    ReportFixture f;
    f.fakes.files.saveAnswer = dir.filePath(answer);
    f.pressSave();

    QCOMPARE(f.fakes.files.saveCalls, 1);
    QCOMPARE(f.fakes.files.lastSave.title, QStringLiteral("Kinwheel"));
    QCOMPARE(f.fakes.files.lastSave.filter, QStringLiteral("Mayan Astrology (*.man)"));
    QCOMPARE(f.fakes.files.lastSave.defaultSuffix, QStringLiteral("man"));
    QVERIFY(f.fakes.files.lastSave.confirmOverwrite);
    QCOMPARE(contents(dir.filePath(written)), kMarySmith);
    QVERIFY(f.fakes.messages.shown.isEmpty());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), written == "existing.man" ? 1 : 2); // no stray temporary file
}

void TestSaveOpenPrint::saveAsksBeforeReplacingAFileTheDialogDidNotSee_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void TestSaveOpenPrint::saveAsksBeforeReplacingAFileTheDialogDidNotSee()
{
    QFETCH(bool, yes);
    QTemporaryDir dir;
    QVERIFY(place(dir.filePath("mary.man"), "old contents"));

    ReportFixture f;
    f.fakes.files.saveAnswer = dir.filePath("mary"); // the dialog added nothing
    f.fakes.messages.answerYes = yes;
    f.pressSave();

    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QVERIFY(f.fakes.messages.shown[0].question);
    QVERIFY(f.fakes.messages.shown[0].text.contains(dir.filePath("mary.man")));
    QCOMPARE(contents(dir.filePath("mary.man")), yes ? kMarySmith : QByteArray("old contents"));
    QVERIFY(!QFileInfo::exists(dir.filePath("mary")));
}

void TestSaveOpenPrint::cancelledSaveChangesNothing()
{
    QTemporaryDir dir;
    ReportFixture f;
    f.fakes.files.saveAnswer.clear();
    const QString before = f.window->rtb()->toHtml();
    f.pressSave();
    QCOMPARE(f.fakes.files.saveCalls, 1);
    QVERIFY(f.fakes.messages.shown.isEmpty());
    QCOMPARE(f.window->rtb()->toHtml(), before);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestSaveOpenPrint::saveThatCannotWriteSaysSo_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("folder missing") << "missing/mary.man" << false;
    // Too long for a temporary file beside it: the new file cannot even be started.
    QTest::newRow("existing file, no room beside it") << QString(246, QLatin1Char('m')) + ".man" << false;
    QTest::newRow("existing file, read-only folder") << "locked/mary.man" << true;
}

void TestSaveOpenPrint::saveThatCannotWriteSaysSo()
{
    QFETCH(QString, relative);
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(relative);
    const bool existing = !relative.startsWith("missing/");
    const QString folder = QFileInfo(path).path();
    QVERIFY(!existing || (QDir().mkpath(folder) && place(path, "old contents")));

    ReportFixture f;
    f.fakes.files.saveAnswer = path;
    {
        std::optional<ReadOnlyFolder> locked;
        if (readOnlyFolder && locked.emplace(folder).writable())
            QSKIP("this user may write into read-only folders");
        f.pressSave();
    }

    QCOMPARE(f.fakes.messages.shown.size(), 1);
    const ShownMessage& message = f.fakes.messages.shown[0];
    QCOMPARE(message.icon, MessageIcon::Critical);
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    // The reason follows the path, after an empty line.
    QVERIFY2(message.text.section("\n\n", 1).trimmed().size() > 3, qPrintable(message.text));
    if (existing)
        QCOMPARE(contents(path), QByteArray("old contents"));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), existing ? 1 : 0);
}

void TestSaveOpenPrint::saveRefusesUnsaveableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("Greek and Cyrillic") << QString::fromUtf8("Αλέξανδρος Ж")
                                        << QStringList{QString::fromUtf8("\"Α\" (U+0391)"),
                                                       QString::fromUtf8("\"Ж\" (U+0416)")};
    QTest::newRow("tab") << "Mary\tSmith" << QStringList{"U+0009"};
    QTest::newRow("DEL and C1") << QString::fromUtf8("Mary\x7f\u0085\u009f") << QStringList{"U+007F", "U+0085", "U+009F"};
    QTest::newRow("name too long") << QString(kMaxNameLength + 1, QLatin1Char('m'))
                                   << QStringList{QString::number(kMaxNameLength + 1), QString::number(kMaxNameLength)};
}

void TestSaveOpenPrint::saveRefusesUnsaveableNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, named);
    QTemporaryDir dir;

    ReportFixture f(name.toUtf8().constData());
    f.fakes.files.saveAnswer = dir.filePath("mary.man");
    f.pressSave();

    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Critical);
    for (const QString& character : named)
        QVERIFY2(f.fakes.messages.shown[0].text.contains(character), qPrintable(f.fakes.messages.shown[0].text));
    QCOMPARE(f.fakes.files.saveCalls, 0);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestSaveOpenPrint::printPrintsTheWholeReport()
{
    ReportFixture f;
    RichTextPanel* rtb = f.window->rtb();
    QTextCursor cursor(rtb->document());
    cursor.setPosition(10);
    cursor.setPosition(40, QTextCursor::KeepAnchor);
    rtb->setTextCursor(cursor);
    QVERIFY(rtb->textCursor().hasSelection());

    f.pressPrint();

    QCOMPARE(f.fakes.printer.jobs, 1);
    QCOMPARE(f.fakes.printer.printedText, rtb->toPlainText());
    QVERIFY(f.fakes.printer.printedText.startsWith("Name: Mary Smith\n"));
    QVERIFY(f.fakes.printer.printedText.endsWith("Report Generated By " + siteRoot()));
    QVERIFY(f.fakes.printer.printedText.contains("\nCount: traditional, correlation 584283 (GMT)\n"));
    // Bold and the three colours reach the printer.
    const QString& html = f.fakes.printer.printedHtml;
    QVERIFY(html.contains("font-weight:700"));
    QVERIFY(html.contains("color:#800080"));
    QVERIFY(html.contains("color:#008000"));
    QVERIFY(!rtb->textCursor().hasSelection());
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void TestSaveOpenPrint::printFailureOffersAPdf_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("chosen");     // empty: the save dialog is cancelled
    QTest::addColumn<QString>("pdfFailure");

    QTest::newRow("No") << false << QString() << QString();
    QTest::newRow("Yes, cancelled") << true << QString() << QString();
    QTest::newRow("Yes, saved") << true << "/reports/mary.pdf" << QString();
    QTest::newRow("Yes, PDF cannot be written") << true << "/reports/mary.pdf" << "No space left on device";
}

void TestSaveOpenPrint::printFailureOffersAPdf()
{
    QFETCH(bool, yes);
    QFETCH(QString, chosen);
    QFETCH(QString, pdfFailure);

    ReportFixture f;
    f.fakes.printer.failure = "No printer is available.";
    f.fakes.printer.pdfFailure = pdfFailure;
    f.fakes.messages.answerYes = yes;
    f.fakes.files.saveAnswer = chosen;
    // A selection limits neither the print nor the PDF.
    QTextCursor cursor(f.window->rtb()->document());
    cursor.setPosition(40, QTextCursor::KeepAnchor);
    f.window->rtb()->setTextCursor(cursor);
    f.pressPrint();

    QCOMPARE(f.fakes.printer.jobs, 1);
    const QList<ShownMessage>& shown = f.fakes.messages.shown;
    QCOMPARE(shown.size(), pdfFailure.isEmpty() ? 1 : 2);
    QVERIFY(shown[0].question);
    QCOMPARE(shown[0].icon, MessageIcon::Critical);
    QVERIFY(shown[0].text.contains("No printer is available."));
    QCOMPARE(shown[0].parent, f.window);

    QCOMPARE(f.fakes.files.saveCalls, yes ? 1 : 0);
    if (yes) {
        const FileDialogOptions& options = f.fakes.files.lastSave;
        QVERIFY2(options.filter.contains("(*.pdf)"), qPrintable(options.filter));
        QCOMPARE(options.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(options.confirmOverwrite);
    }
    QCOMPARE(f.fakes.printer.pdfPath, chosen);
    // The PDF is what Print would have printed.
    QCOMPARE(f.fakes.printer.pdfHtml, chosen.isEmpty() ? QString() : f.fakes.printer.printedHtml);
    if (!pdfFailure.isEmpty()) {
        QCOMPARE(shown[1].icon, MessageIcon::Critical);
        QVERIFY2(shown[1].text.contains(chosen) && shown[1].text.contains(pdfFailure), qPrintable(shown[1].text));
    }
}

namespace {

// The main window's controls, as Open may change them.
const QString kNotKnown = QStringLiteral("Not known / daytime");

struct MainState {
    QString name;
    QString year, month, day;
    QString born = kNotKnown;
    bool operator==(const MainState&) const = default;
};

MainState stateOf(const frmMain& window)
{
    return {window.txtName()->text(), window.cboYear()->currentText(), window.cboMonth()->currentText(),
            window.cboDate()->currentText(), window.cboBirthTime()->currentText()};
}

struct MainFixture : Fixture {
    MainFixture()
    {
        window = new frmMain(context);
        window->show();
        // Something other than what a fresh window shows, to see that it stays.
        window->txtName()->setText("Before");
        window->cboYear()->setCurrentText("1980");
        window->cboMonth()->setCurrentText("June");
        window->cboDate()->setCurrentText("7");
        window->cboBirthTime()->setCurrentIndex(1);
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        return place(path, bytes) ? path : QString();
    }

    QTemporaryDir dir;
    QPointer<frmMain> window;
};

} // namespace

void TestSaveOpenPrint::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSaveOpenPrint::openShowsTheSavedReading_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<Count>("count"); // the file has none, the reading follows the program's

    QTest::newRow("Mary Smith") << "mary.man" << kMarySmith << "Mary Smith" << 1975 << "March" << 5
                                << Count::Gmt584283;
    // ÿ wraps round to byte 2; LF line ends; no extension dot needed.
    QTest::newRow("wrapped code, LF") << "woman" << QByteArray("]r\xee#\x02\n5339\nIheuxdu|\n53\n")
                                      << QString::fromUtf8("Zoë ÿ") << 2006 << "February" << 20 << Count::Gmt584283;
    QTest::newRow("first and last entries") << "a.man" << QByteArray("D\r\n4<33\r\nMdqxdu|\r\n4\r\n")
                                            << "A" << 1900 << "January" << 1 << Count::Gmt584283;
    QTest::newRow("2016") << "b.man" << QByteArray("E\r\n5349\r\nGhfhpehu\r\n64\r\n")
                          << "B" << 2016 << "December" << 31 << Count::Gmt584283;
    QTest::newRow("last year of the list") << "c.man" << QByteArray("E\r\n5433\r\nGhfhpehu\r\n64\r\n")
                                           << "B" << 2100 << "December" << 31 << Count::Gmt584283;
    QTest::newRow("under 584285") << "mary.man" << kMarySmith << "Mary Smith" << 1975 << "March" << 5
                                  << Count::Corr584285;
    QTest::newRow("under Dreamspell") << "mary.man" << kMarySmith << "Mary Smith" << 1975 << "March" << 5
                                      << Count::Dreamspell;
}

void TestSaveOpenPrint::openShowsTheSavedReading()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(Count, count);

    MainFixture f;
    f.context.count = count;
    f.fakes.files.openAnswer = f.file(fileName, bytes);
    f.window->cmdOpen_Click();

    QCOMPARE(f.fakes.files.openCalls, 1);
    QCOMPARE(f.fakes.files.lastOpen.title, QStringLiteral("Select the source file"));
    QCOMPARE(f.fakes.files.lastOpen.filter, QStringLiteral("Mayan Astrology (*.man)"));
    QCOMPARE(f.fakes.files.lastOpen.defaultSuffix, QStringLiteral("man"));
    QVERIFY(f.fakes.messages.shown.isEmpty());

    const int monthNumber = QStringList{"January", "February", "March", "April", "May", "June", "July", "August",
                                        "September", "October", "November", "December"}
                                .indexOf(month) + 1;
    QCOMPARE(shownReading(), readingFor(name.toStdString(), {year, monthNumber, day}, f.context.count));
    QVERIFY(f.window.isNull() || !f.window->isVisible());
}

void TestSaveOpenPrint::openRefusesBadFiles_data()
{
    QTest::addColumn<QString>("fileName");
    // "<none>": no such file; "<folder>": a folder; "<fifo>": a named pipe; "<zero>": a link to /dev/zero
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("MAN in capitals") << "mary.MAN" << kMarySmith;
    QTest::newRow("Man") << "mary.Man" << kMarySmith;
    QTest::newRow("other extension") << "mary.txt" << kMarySmith;
    QTest::newRow("man then more") << "mary.man.bak" << kMarySmith;
    QTest::newRow("missing file") << "gone.man" << QByteArray("<none>");
    QTest::newRow("folder") << "folder.man" << QByteArray("<folder>");
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << "f.man" << QByteArray("<fifo>");
    QTest::newRow("link to an endless device") << "zero.man" << QByteArray("<zero>");
#endif
    QTest::newRow("empty") << "empty.man" << QByteArray();
    QTest::newRow("two lines") << "short.man" << QByteArray("Pdu|#Vplwk\r\n4<:8\r\n");
    QTest::newRow("three lines") << "short.man" << QByteArray("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n");
    QTest::newRow("oversized line") << "big.man" << QByteArray(5000, 'D') + "\r\n4<:8\r\nPdufk\r\n8\r\n";
    QTest::newRow("garbage") << "junk.man" << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x01\x00", 20);
    QTest::newRow("unscrambled file") << "plain.man" << QByteArray("Mary\r\n1975\r\nMarch\r\n5\r\n");
    QTest::newRow("year before the list") << "y.man" << QByteArray("Pdu|\r\n4;<<\r\nPdufk\r\n8\r\n");
    QTest::newRow("year after the list") << "y.man" << QByteArray("Pdu|\r\n5434\r\nPdufk\r\n8\r\n");
    QTest::newRow("month in lower case") << "m.man" << QByteArray("Pdu|\r\n4<:8\r\npdufk\r\n8\r\n");
    QTest::newRow("month empty") << "m.man" << QByteArray("Pdu|\r\n4<:8\r\n\r\n8\r\n");
    QTest::newRow("day 32") << "d.man" << QByteArray("Pdu|\r\n4<:8\r\nPdufk\r\n65\r\n");
    QTest::newRow("day with leading zero") << "d.man" << QByteArray("Pdu|\r\n4<:8\r\nPdufk\r\n38\r\n");
    QTest::newRow("day with a blank") << "d.man" << QByteArray("Pdu|\r\n4<:8\r\nPdufk\r\n#8\r\n");
    QTest::newRow("junk fifth line") << "t.man" << kMarySmith + "qrrq\r\n";
    QTest::newRow("fifth line in capitals") << "t.man" << kMarySmith + "Hyhqlqj\r\n";
    QTest::newRow("fifth line unscrambled") << "t.man" << kMarySmith + "evening\r\n";
    // Names Save refuses: NUL, TAB, CR, DEL and U+0081 are scrambled to 3, 12, 16, 130 and 132.
    const QByteArray date("\r\n4<:8\r\nPdufk\r\n8\r\n");
    QTest::newRow("name with NUL") << "n.man" << QByteArray("Pd\x03u|", 5) + date;
    QTest::newRow("name with TAB") << "n.man" << "Pd\x0cu|" + date;
    QTest::newRow("name with CR") << "n.man" << "Pd\x10u|" + date;
    QTest::newRow("name with DEL") << "n.man" << "Pd\x82u|" + date;
    QTest::newRow("name with a C1 control") << "n.man" << "Pd\x84u|" + date;
    QTest::newRow("name one too long") << "n.man" << QByteArray(kMaxNameLength + 1, 'D') + date;
}

void TestSaveOpenPrint::openRefusesBadFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);

    MainFixture f;
    const QString path = f.dir.filePath(fileName);
    QVERIFY(place(path, bytes));
    f.fakes.files.openAnswer = path;
    const MainState before = stateOf(*f.window);

    // Should opening a pipe wait for a writer, one comes after two seconds,
    // so that the test fails instead of hanging.
    std::atomic<bool> done = false;
    std::thread writer;
#ifdef Q_OS_UNIX
    if (bytes == "<fifo>")
        writer = std::thread([&] {
            for (int i = 0; i < 20 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (const int fd = done ? -1 : ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                ::close(fd);
        });
#endif
    QElapsedTimer timer;
    timer.start();
    f.window->cmdOpen_Click();
    const qint64 elapsed = timer.elapsed();
    done = true;
    if (writer.joinable())
        writer.join();

    QVERIFY2(elapsed < 1000, QByteArray::number(elapsed));

    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, kCheckFileMessage);
    QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Critical);
    QVERIFY(!f.fakes.messages.shown[0].question);
    QVERIFY(f.window && f.window->isVisible());
    QVERIFY(stateOf(*f.window) == before);
    QVERIFY(shownWindows<frmMayanBirthchartResult>().isEmpty());
}

void TestSaveOpenPrint::openedImpossibleDateGoesToValidation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("shown"); // name, year, month, day
    QTest::newRow("31 April 1975") << QByteArray("Dqq\r\n4<:8\r\nDsulo\r\n64\r\n")
                                   << kThirtyDayMessage << QStringList{"Ann", "1975", "April", "31"};
    QTest::newRow("29 February 1900") << QByteArray("Dqq\r\n4<33\r\nIheuxdu|\r\n5<\r\n")
                                      << kFebruaryMessage
                                      << QStringList{"Ann", "1900", "February", "29"};
    QTest::newRow("29 February 2100") << QByteArray("Dqq\r\n5433\r\nIheuxdu|\r\n5<\r\n")
                                      << kFebruaryMessage
                                      << QStringList{"Ann", "2100", "February", "29"};
    QTest::newRow("empty name") << QByteArray("\r\n4<:8\r\nPdufk\r\n8\r\n") << kNameMessage
                                << QStringList{"", "1975", "March", "5"};
    QTest::newRow("name of blanks") << QByteArray("###\r\n4<:8\r\nPdufk\r\n8\r\n") << kNameMessage
                                    << QStringList{"   ", "1975", "March", "5"};
    QTest::newRow("no name, born at night") << QByteArray("\r\n4<:8\r\nPdufk\r\n8\r\nqljkw\r\n")
                                            << kNameMessage
                                            << QStringList{"", "1975", "March", "5",
                                                           "Night, after midnight and before sunrise"};
}

void TestSaveOpenPrint::openedImpossibleDateGoesToValidation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QStringList, shown);
    MainFixture f;
    f.fakes.files.openAnswer = f.file("date.man", bytes);
    f.window->cmdOpen_Click();

    // Today's messages, the file's values left in the controls to correct.
    const bool name = message == kNameMessage;
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, message);
    QCOMPARE(f.fakes.messages.shown[0].icon, name ? MessageIcon::Critical : MessageIcon::Information);
    QVERIFY(stateOf(*f.window) == (MainState{shown[0], shown[1], shown[2], shown[3], shown.value(4, kNotKnown)}));
    if (name)
        QCOMPARE(f.window->focusWidget(), f.window->txtName());
    QVERIFY(shownWindows<frmMayanBirthchartResult>().isEmpty());
}

void TestSaveOpenPrint::cancelledOpenChangesNothing()
{
    MainFixture f;
    const MainState before = stateOf(*f.window);
    f.fakes.files.openAnswer.clear();
    f.window->cmdOpen_Click();
    QCOMPARE(f.fakes.files.openCalls, 1);
    QVERIFY(f.fakes.messages.shown.isEmpty());
    QVERIFY(stateOf(*f.window) == before);
    QVERIFY(shownWindows<frmMayanBirthchartResult>().isEmpty());
}

void TestSaveOpenPrint::openIsOnTheFileMenu()
{
    MainFixture f;
    const QList<QAction*> menus = f.window->menuBar()->actions();
    QVERIFY(!menus.isEmpty() && menus.first()->menu());
    QAction* open = menus.first()->menu()->actions().value(0);
    QVERIFY(open);
    QCOMPARE(open->text(), QStringLiteral("&Open Previously Saved Reading..."));
    QCOMPARE(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    open->trigger();
    QCOMPARE(f.fakes.files.openCalls, 1);

    // The button stays, out of Tab's way, for its access key.
    auto* button = f.window->findChild<QPushButton*>("cmdOpen");
    QVERIFY(button);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    button->click();
    QCOMPARE(f.fakes.files.openCalls, 2);
}

void TestSaveOpenPrint::savedReadingOpensAgain_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<CivilDate>("born");
    QTest::addColumn<BirthTime>("time");
    QTest::addColumn<DayStart>("start");
    QTest::newRow("Windows-1252 letters") << QString::fromUtf8("Ðórr Œlaf ÿ") << CivilDate{1988, 10, 30}
                                          << BirthTime::Unknown << DayStart::Midnight;
    QTest::newRow("longest name") << QString::fromUtf8("J.R. Ÿ€x").repeated(kMaxNameLength / 8)
                                  << CivilDate{1988, 10, 30} << BirthTime::Unknown << DayStart::Midnight;
    // The reading is of a date after the lists; the file keeps the birth date.
    QTest::newRow("evening of the last date, sunset")
        << "Eve" << CivilDate{2100, 12, 31} << BirthTime::Evening << DayStart::Sunset;
    QTest::newRow("night of the first date, sunrise")
        << "Nye" << CivilDate{1900, 1, 1} << BirthTime::Night << DayStart::Sunrise;
}

void TestSaveOpenPrint::savedReadingOpensAgain()
{
    QFETCH(QString, name);
    QFETCH(CivilDate, born);
    QFETCH(BirthTime, time);
    QFETCH(DayStart, start);
    // Save from the report window of one reading, open it in a fresh main window.
    QTemporaryDir dir;
    const QString path = dir.filePath("J.R. round");
    {
        ReportFixture saved(name.toUtf8().constData(), born, time, start);
        saved.fakes.files.saveAnswer = path;
        saved.pressSave();
        QVERIFY(saved.fakes.messages.shown.isEmpty());
    }
    MainFixture f;
    f.context.dayStart = start;
    // The name box takes exactly what Save writes and Open reads.
    QCOMPARE(f.window->txtName()->maxLength(), kMaxNameLength);
    f.fakes.files.openAnswer = path + ".man";
    f.window->cmdOpen_Click();
    QVERIFY(f.fakes.messages.shown.isEmpty());
    const Reading expected = readingFor(name.toStdString(), born, Count::Gmt584283, time, start);
    QVERIFY(expected.kin > 0);
    QCOMPARE(shownReading(), expected);
}

void TestSaveOpenPrint::openFollowsTheTimeOfBirth_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<DayStart>("start");  // the program's setting
    QTest::addColumn<BirthTime>("time");  // as the file holds it
    QTest::addColumn<CivilDate>("date");  // whose reading is shown

    QTest::newRow("four lines, sunset")
        << kMarySmith << DayStart::Sunset << BirthTime::Unknown << CivilDate{1975, 3, 5};
    QTest::newRow("empty fifth line, sunset")
        << kMarySmith + "\r\n" << DayStart::Sunset << BirthTime::Unknown << CivilDate{1975, 3, 5};
    QTest::newRow("evening, sunset")
        << kMarySmith + "hyhqlqj\r\n" << DayStart::Sunset << BirthTime::Evening << CivilDate{1975, 3, 6};
    QTest::newRow("night, sunrise")
        << kMarySmith + "qljkw\r\n" << DayStart::Sunrise << BirthTime::Night << CivilDate{1975, 3, 4};
}

// The time a file holds and the program's day start decide whose date the
// reading is; the birth date stays the person's.
void TestSaveOpenPrint::openFollowsTheTimeOfBirth()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DayStart, start);
    QFETCH(BirthTime, time);
    QFETCH(CivilDate, date);
    MainFixture f;
    f.context.dayStart = start;
    QVERIFY(f.window->openReading(f.file("mary.man", bytes)));
    QVERIFY(f.fakes.messages.shown.isEmpty());
    const Reading shown = shownReading();
    QCOMPARE(shown, readingFor("Mary Smith", {1975, 3, 5}, Count::Gmt584283, time, start));
    QCOMPARE(shown.date, date);
}

QTEST_MAIN(TestSaveOpenPrint)
#include "test_saveopenprint.moc"
