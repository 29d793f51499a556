// The real platform services, as the user meets them: each modal box or
// dialog is driven from a timer while the service waits on it.

#include "fakes.h"

#include "platform/qtservices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <optional>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// Ends a dialog however its buttons are set, so the service waiting on it returns.
void dismiss(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
        dialog->done(QDialog::Rejected);
}

// Runs act on the dialog the service is about to wait on, unless context is
// gone by then. A missing or different dialog, or a failed check in act,
// fails the test and ends the dialog.
template <class Dialog, class Act>
void onNextModal(QObject* context, Act act)
{
    QTimer::singleShot(0, context, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            dismiss(modal);
            QFAIL("the expected dialog is not shown");
        }
        act(dialog);
        if (QTest::currentTestFailed())
            dismiss(dialog);
    });
}

// A report of more than one page, in bold and colours.
struct Report : QTextDocument {
    Report()
    {
        QTextCursor cursor(this);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        bold.setForeground(QColor(128, 0, 128));
        cursor.insertText(QStringLiteral("Name: Mary Smith\n"), bold);
        for (int i = 0; i < 150; ++i)
            cursor.insertText(QStringLiteral("Line %1 of the reading\n").arg(i), QTextCharFormat());
    }
};

// The pages of a whole PDF file, 0 for anything else.
int pdfPages(const QByteArray& bytes)
{
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF"))
        return 0;
    return QRegularExpression(QStringLiteral("/Type /Pages\\b[^>]*/Count (\\d+)"))
        .match(QString::fromLatin1(bytes))
        .captured(1)
        .toInt();
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void fileDialog_data();
    void fileDialog();
    void pageOpener();
    void printer();
    void pdf_data();
    void pdf();
    void settingsStore_data();
    void settingsStore();
    void settingsStoreOnAFullDisk();
    void settingsFileAsFound_data();
    void settingsFileAsFound();
    void settingsUnderAMissingHome();
};

void TestServices::messageBox_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButton>("press");

    const struct {
        const char* name;
        MessageIcon icon;
        QMessageBox::Icon shown;
    } icons[] = {{"information", MessageIcon::Information, QMessageBox::Information},
                 {"critical", MessageIcon::Critical, QMessageBox::Critical}};
    for (const auto& i : icons) {
        QTest::addRow("show %s", i.name) << false << i.icon << i.shown << QMessageBox::Ok;
        QTest::addRow("ask %s, Yes", i.name) << true << i.icon << i.shown << QMessageBox::Yes;
        QTest::addRow("ask %s, No", i.name) << true << i.icon << i.shown << QMessageBox::No;
    }
}

void TestServices::messageBox()
{
    QFETCH(bool, question);
    QFETCH(MessageIcon, icon);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButton, press);

    const QString text = QStringLiteral("First line\nsecond line");
    QWidget parent;
    onNextModal<QMessageBox>(&parent, [&](QMessageBox* box) {
        QAbstractButton* button = box->button(press);
        QVERIFY(button);
        QCOMPARE(box->icon(), shownIcon);
        QCOMPARE(box->standardButtons(),
                 question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->windowTitle(), QStringLiteral("Kinwheel"));
        QCOMPARE(box->text(), text);
        QCOMPARE(box->parentWidget(), &parent);
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        button->click();
    });

    QtMessageService messages;
    if (question)
        QCOMPARE(messages.ask(&parent, text, icon), press == QMessageBox::Yes);
    else
        messages.show(&parent, text, icon);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestServices::fileDialog_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("confirm"); // asks before replacing a file
    QTest::addColumn<bool>("exists");  // mary.man is there
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: nothing asked; Cancel: the dialog is cancelled
    QTest::addColumn<bool>("chosen");

    QTest::newRow("open") << false << false << true << QMessageBox::NoButton << true;
    QTest::newRow("open, cancel") << false << false << true << QMessageBox::Cancel << false;
    QTest::newRow("save, cancel") << true << true << false << QMessageBox::Cancel << false;
    QTest::newRow("save a new file") << true << true << false << QMessageBox::NoButton << true;
    QTest::newRow("replace, Yes") << true << true << true << QMessageBox::Yes << true;
    QTest::newRow("replace, No") << true << true << true << QMessageBox::No << false;
    QTest::newRow("replace, no confirmation") << true << false << true << QMessageBox::NoButton << true;
}

void TestServices::fileDialog()
{
    QFETCH(bool, save);
    QFETCH(bool, confirm);
    QFETCH(bool, exists);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, chosen);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mary.man"));
    QVERIFY(place(path, exists ? kMarySmith : QByteArray("<none>")));
    const FileDialogOptions options{QStringLiteral("Select the source file"),
                                    QStringLiteral("Mayan Astrology (*.man)"), QStringLiteral("man"), confirm};

    bool asked = false;
    QObject context;
    onNextModal<QFileDialog>(&context, [&](QFileDialog* dialog) {
        QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        QCOMPARE(dialog->nameFilters(), QStringList{options.filter});
        QCOMPARE(dialog->defaultSuffix(), options.defaultSuffix);
        QCOMPARE(dialog->windowTitle(), options.title);
        QVERIFY(!dialog->testOption(QFileDialog::ReadOnly));
        if (answer == QMessageBox::Cancel)
            return dialog->reject();
        // Answers the question if the dialog asks one while it accepts.
        QTimer::singleShot(0, dialog, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                const QString text = box->text();
                box->button(answer == QMessageBox::NoButton ? QMessageBox::No : answer)->click();
                QVERIFY(text.contains(QStringLiteral("mary.man")));
            }
        });
        // A name saved without the extension: the dialog adds it before it looks.
        dialog->selectFile(save ? dir.filePath(QStringLiteral("mary")) : path);
        QMetaObject::invokeMethod(dialog, "accept"); // the Open or Save button
        // Refused: the dialog stays open for another name; the user cancels.
        if (dialog->isVisible())
            dialog->reject();
    });

    QtFileDialogService files;
    const QString result = save ? files.saveFileName(nullptr, options) : files.openFileName(nullptr, options);
    QCOMPARE(result, chosen ? path : QString());
    QCOMPARE(asked, answer == QMessageBox::Yes || answer == QMessageBox::No);
    QVERIFY(!QApplication::activeModalWidget());
}

// Stands for the browser: takes the addresses handed to it.
class Handler : public QObject {
    Q_OBJECT
public slots:
    void take(const QUrl& url) { taken.append(url); }

public:
    QList<QUrl> taken;
};

void TestServices::pageOpener()
{
    const QUrl page(QStringLiteral("https://example.org/kinwheel/ssd.php?page=home-page"));
    QtPageOpener pages;
    // The offscreen platform has no browser.
    QVERIFY(!pages.open(page));

    Handler handler;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &handler, "take");
    const bool opened = pages.open(page);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QVERIFY(opened);
    QCOMPARE(handler.taken, QList<QUrl>{page});
}

void TestServices::printer()
{
    QtPrinterService service;
    if (QPrinterInfo::defaultPrinter().isNull())
        QCOMPARE(service.print(Report()), QStringLiteral("No printer is available."));

    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    QCOMPARE(QtPrinterService::printOn(pdf, Report()), QString());
    QVERIFY(pdfPages(contents(pdf.outputFileName())) > 1);
    QCOMPARE(pdf.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));

    pdf.setOutputFileName(dir.filePath(QStringLiteral("missing/report.pdf")));
    QVERIFY(!QtPrinterService::printOn(pdf, Report()).isEmpty());
}

enum class Target { New, Existing, FolderMissing, Folder, NoRoomBeside, DiskFull, ReadOnlyFolder };

void TestServices::pdf_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<bool>("written");

    QTest::newRow("new file") << Target::New << true;
    QTest::newRow("existing file") << Target::Existing << true;
    QTest::newRow("folder missing") << Target::FolderMissing << false;
    QTest::newRow("path is a folder") << Target::Folder << false;
    // Too long a name for the temporary file beside it.
    QTest::newRow("no room beside an existing file") << Target::NoRoomBeside << false;
    QTest::newRow("disk full") << Target::DiskFull << false;
    QTest::newRow("read-only folder") << Target::ReadOnlyFolder << false;
}

void TestServices::pdf()
{
    QFETCH(Target, target);
    QFETCH(bool, written);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    const QByteArray old("old contents");
    if (target == Target::FolderMissing)
        path = dir.filePath(QStringLiteral("missing/report.pdf"));
    else if (target == Target::NoRoomBeside)
        path = dir.filePath(QString(250, QLatin1Char('r')) + QStringLiteral(".pdf"));
    const bool kept = target == Target::Existing || target == Target::NoRoomBeside || target == Target::ReadOnlyFolder;
    QVERIFY(place(path, kept ? old : QByteArray(target == Target::Folder ? "<folder>" : "<none>")));
    // Room for all of the PDF but its last byte: the very last write fails.
    qint64 room = std::numeric_limits<qint64>::max();
    if (target == Target::DiskFull) {
        const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
        QVERIFY(QtPrinterService().printToPdf(Report(), whole).isEmpty());
        room = QFileInfo(whole).size() - 1;
        QVERIFY(QFile::remove(whole));
    }

    QString failure;
    {
        std::optional<ReadOnlyFolder> locked;
        if (target == Target::ReadOnlyFolder && locked.emplace(dir.path()).writable())
            QSKIP("this user may write into read-only folders");
        std::optional<FullDisk> full;
        if (target == Target::DiskFull && !full.emplace(room).active())
            QSKIP("needs a limit on file size");
        failure = QtPrinterService().printToPdf(Report(), path);
    }

    QVERIFY2(failure.isEmpty() == written, qPrintable(failure));
    if (written)
        QVERIFY(pdfPages(contents(path)) > 1);
    else if (kept)
        QCOMPARE(contents(path), old);
    else if (target != Target::Folder)
        QVERIFY(!QFileInfo::exists(path));
    // Nothing else is left behind.
    const int files = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
    QCOMPARE(files, QFileInfo::exists(path) ? 1 : 0);
}

void TestServices::settingsStore_data()
{
    QTest::addColumn<QString>("relative"); // the store's path in a scratch folder
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("written");

    // Scrambled keys and values hold the characters an ini file escapes.
    const QString awkward = QStringLiteral("=;\"\\[]#,%/ \u00e9\u00ff");
    QTest::newRow("scratch file") << "kinwheel.ini" << QStringLiteral("535904503:") << true;
    QTest::newRow("characters an ini file escapes") << "kinwheel.ini" << awkward << true;
    QTest::newRow("long value") << "kinwheel.ini" << QString(100000, QLatin1Char('x')) << true;
    QTest::newRow("folder in the file's place") << "folder.ini" << QStringLiteral("1") << false;
    QTest::newRow("file in the folder's place") << "file/kinwheel.ini" << QStringLiteral("1") << false;
}

void TestServices::settingsStore()
{
    QFETCH(QString, relative);
    QFETCH(QString, value);
    QFETCH(bool, written);

    QTemporaryDir dir;
    QVERIFY(place(dir.filePath(QStringLiteral("folder.ini")), "<folder>"));
    QVERIFY(place(dir.filePath(QStringLiteral("file")), {}));
    const QString section = QStringLiteral("Settings");
    const QString key = value.left(12);

    QtSettingsStore store(dir.filePath(relative));
    QCOMPARE(store.setValue(section, key, value), written);
    QCOMPARE(store.value(section, key), written ? value : QString());
    QCOMPARE(store.value(section, QStringLiteral("missing")), QString());
}

// A disk that fills while the store is written leaves the store as it was.
void TestServices::settingsStoreOnAFullDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kinwheel.ini"));
    const QString old(6000, QLatin1Char('o'));
    QVERIFY(QtSettingsStore(path).setValue(QStringLiteral("Settings"), QStringLiteral("old"), old));
    const QByteArray before = contents(path);
    {
        const FullDisk full(4096);
        if (!full.active())
            QSKIP("needs a limit on file size");
        QVERIFY(!QtSettingsStore(path).setValue(QStringLiteral("Settings"), QStringLiteral("new"), QStringLiteral("1")));
    }
    QCOMPARE(contents(path), before);
    QCOMPARE(QtSettingsStore(path).value(QStringLiteral("Settings"), QStringLiteral("old")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
}

void TestServices::settingsFileAsFound_data()
{
    QTest::addColumn<QByteArray>("found"); // the file's bytes, or as place() puts, or "<qt>", "<link>",
                                           // "<huge>" (26 MB), "<unreadable>" (mode 000)
    QTest::addColumn<QString>("old");      // what the store reads under Settings/old
    QTest::addColumn<bool>("readable");

    const QString awkward = QStringLiteral("=;\"\\[]#,%/ @\u00e9\u20ac\t");
    QTest::newRow("written by QSettings") << QByteArray("<qt>") << awkward << true;
    QTest::newRow("a line with no key") << QByteArray("[Settings]\n=x\nold=1\n") << "1" << true;
    QTest::newRow("a section with no name") << QByteArray("[Settings]\nold=1\n[]\nb=c\n") << "1" << true;
    QTest::newRow("an open quote takes no line after it")
        << QByteArray("[Settings]\na=\"open\n[Settings]\nold=1\n") << "1" << true;
    QTest::newRow("a link, kept") << QByteArray("<link>") << "1" << true;
    QTest::newRow("a folder") << QByteArray("<folder>") << "" << false;
    QTest::newRow("a pipe, never waited on") << QByteArray("<fifo>") << "" << false;
    QTest::newRow("26 MB") << QByteArray("<huge>") << "" << false;
    QTest::newRow("mode 000") << QByteArray("<unreadable>") << "" << false;
}

// A store that can be read keeps every entry through later writes, and is
// read once; one that cannot says why and is left as it is.
void TestServices::settingsFileAsFound()
{
    QFETCH(QByteArray, found);
    QFETCH(QString, old);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kinwheel.ini")), elsewhere = dir.filePath(QStringLiteral("real.ini"));
    const QByteArray plain("[Settings]\nold=1\n");
    if (found == "<qt>") {
        QSettings qt(path, QSettings::IniFormat);
        qt.setValue(QStringLiteral("Settings/old"), old);
    } else if (found == "<link>") {
        QVERIFY(place(elsewhere, plain) && QFile::link(elsewhere, path));
    } else if (found == "<huge>") {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(plain) && huge.resize(26 << 20));
    } else {
        QVERIFY(place(path, found == "<unreadable>" ? plain : found));
    }
    const auto now = [&] { return QFileInfo(path).isFile() ? contents(path) : found; }; // a pipe is not read
    const QByteArray before = now();

    QtSettingsStore store(path);
    std::optional<UnreadableFile> locked;
    if (found == "<unreadable>" && locked.emplace(path).readable())
        QSKIP("this user may read a file of mode 000");
    const QString problem = store.readProblem();
    QCOMPARE(problem.isEmpty(), readable);
    QCOMPARE(store.value(QStringLiteral("Settings"), QStringLiteral("old")), old);
    QCOMPARE(store.setValue(QStringLiteral("Settings"), QStringLiteral("new"), QStringLiteral("1")), readable);
    QCOMPARE(store.setValue(QStringLiteral("Settings"), QStringLiteral("new"), QStringLiteral("2")), readable);
    locked.reset();
    if (!readable) {
        QVERIFY2(problem.contains(path) && problem.count(QStringLiteral("\n\n")) == 2, qPrintable(problem));
        QCOMPARE(now(), before);
        return;
    }
    QtSettingsStore again(path);
    QCOMPARE(again.value(QStringLiteral("Settings"), QStringLiteral("old")), old);
    QCOMPARE(again.value(QStringLiteral("Settings"), QStringLiteral("new")), QStringLiteral("2"));
    QCOMPARE(QFileInfo(path).isSymLink(), found == "<link>");
    QVERIFY(QFile::remove(path));
    QCOMPARE(store.value(QStringLiteral("Settings"), QStringLiteral("old")), old); // kept from the one read
}

// HOME naming a folder that is not there: the store is not made, nor HOME.
void TestServices::settingsUnderAMissingHome()
{
    QTemporaryDir dir;
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(QtSettingsStore().fileName(),
             QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("test_services"),
                       QStringLiteral("test_services")).fileName());
    const QString missing = dir.filePath(QStringLiteral("gone"));
    qputenv("HOME", QFile::encodeName(missing));
    QtSettingsStore store;
    const bool written = store.setValue(QStringLiteral("Settings"), QStringLiteral("a"), QStringLiteral("1"));
    qputenv("HOME", home);
    if (!config.isNull())
        qputenv("XDG_CONFIG_HOME", config);
    QVERIFY(store.fileName().startsWith(missing + QLatin1Char('/')));
    QVERIFY(!written);
    QVERIFY(!QFileInfo::exists(missing));
}

int main(int argc, char** argv)
{
    // Qt's own dialogs, whatever platform theme the machine names.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    // Its message boxes, unlike Fusion's, do not make their text selectable themselves.
    QApplication::setStyle(QStringLiteral("Windows"));
    TestServices test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_services.moc"
