// Save and Print in the report window, Open in the main window.

#include "engine/kin.h"
#include "fakes.h"
#include "shell/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmsave.h"
#include "ui/richtextpanel.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <unistd.h>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// "Mary Smith", 1975, March, 5: each code raised by 3.
const QByteArray kMarySmith("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n8\r\n");

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

struct ReportFixture {
    explicit ReportFixture(const char* name = "Mary Smith") : context(fakes.services)
    {
        context.details = {name, 1975, "March", 5};
        if (!calculateKin(context.details, context.chart))
            qFatal("no reading");
        window = showReportWindow(context, nullptr);
    }
    ~ReportFixture() { delete window; }
    void pressSave() { window->findChild<QPushButton*>("cmdSave")->click(); }
    void pressPrint() { window->findChild<QPushButton*>("cmdPrint")->click(); }

    FakeServices fakes;
    AppContext context;
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
    void printFailureIsReported();
};

void TestSaveOpenPrint::saveWritesTheReading_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::newRow("with extension") << "mary.man" << "mary.man";
    QTest::newRow("without extension") << "mary" << "mary.man";
    QTest::newRow("trailing dot") << "mary." << "mary.man";
    QTest::newRow("other extension kept") << "mary.txt" << "mary.txt";
    QTest::newRow("replaces, the dialog having asked") << "existing.man" << "existing.man";
}

void TestSaveOpenPrint::saveWritesTheReading()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QTemporaryDir dir;
    write(dir.filePath("existing.man"), "old contents");

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
    write(dir.filePath("mary.man"), "old contents");

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
    if (existing) {
        QDir().mkpath(QFileInfo(path).path());
        write(path, "old contents");
    }
    const QString folder = QFileInfo(path).path();
    if (readOnlyFolder) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (::access(folder.toLocal8Bit().constData(), W_OK) == 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user may write into read-only folders");
        }
    }

    ReportFixture f;
    f.fakes.files.saveAnswer = path;
    f.pressSave();
    if (readOnlyFolder)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

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
    // Bold and the three colours reach the printer.
    const QString& html = f.fakes.printer.printedHtml;
    QVERIFY(html.contains("font-weight:700"));
    QVERIFY(html.contains("color:#800080"));
    QVERIFY(html.contains("color:#008000"));
    QVERIFY(!rtb->textCursor().hasSelection());
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void TestSaveOpenPrint::printFailureIsReported()
{
    ReportFixture f;
    f.fakes.printer.failure = "No printer is available.";
    f.pressPrint();
    QCOMPARE(f.fakes.printer.jobs, 1);
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Critical);
    QVERIFY(f.fakes.messages.shown[0].text.contains("No printer is available."));
}

QTEST_MAIN(TestSaveOpenPrint)
#include "test_saveopenprint.moc"
