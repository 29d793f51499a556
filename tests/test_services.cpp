// The real platform services, as the user meets them: each modal box or
// dialog is driven from a timer while the service waits on it.

#include "platform/qtservices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kinwheel;

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

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void fileDialog_data();
    void fileDialog();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void pageOpener();
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
    QTest::addColumn<bool>("choose"); // false: cancel

    QTest::newRow("open, choose") << false << true;
    QTest::newRow("open, cancel") << false << false;
    QTest::newRow("save, choose") << true << true;
    QTest::newRow("save, cancel") << true << false;
}

void TestServices::fileDialog()
{
    QFETCH(bool, save);
    QFETCH(bool, choose);

    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("mary.man"));
    touch(existing);
    const FileDialogOptions options{QStringLiteral("Select the source file"),
                                    QStringLiteral("Mayan Astrology (*.man)"), QStringLiteral("man"), false};

    QObject context;
    onNextModal<QFileDialog>(&context, [&](QFileDialog* dialog) {
        QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        QCOMPARE(dialog->nameFilters(), QStringList{options.filter});
        QCOMPARE(dialog->defaultSuffix(), options.defaultSuffix);
        QCOMPARE(dialog->windowTitle(), options.title);
        QVERIFY(!dialog->testOption(QFileDialog::ReadOnly));
        if (!choose)
            return dialog->reject();
        dialog->selectFile(existing);
        QMetaObject::invokeMethod(dialog, "accept"); // the Open or Save button
    });

    QtFileDialogService files;
    const QString chosen = save ? files.saveFileName(nullptr, options) : files.openFileName(nullptr, options);
    QCOMPARE(chosen, choose ? existing : QString());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestServices::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: not asked
    QTest::addColumn<bool>("chosen");

    QTest::newRow("new file") << true << false << QMessageBox::NoButton << true;
    QTest::newRow("existing file, Yes") << true << true << QMessageBox::Yes << true;
    QTest::newRow("existing file, No") << true << true << QMessageBox::No << false;
    QTest::newRow("existing file, no confirmation") << false << true << QMessageBox::NoButton << true;
}

void TestServices::saveAsksBeforeReplacing()
{
    QFETCH(bool, confirm);
    QFETCH(bool, exists);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, chosen);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mary.man"));
    if (exists)
        touch(path);
    const FileDialogOptions options{QStringLiteral("Kinwheel"), QStringLiteral("Mayan Astrology (*.man)"),
                                    QStringLiteral("man"), confirm};

    bool asked = false;
    QObject context;
    onNextModal<QFileDialog>(&context, [&](QFileDialog* dialog) {
        // Answers the question if the dialog asks one while it accepts.
        QTimer::singleShot(0, dialog, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                const QString text = box->text();
                box->button(answer == QMessageBox::NoButton ? QMessageBox::No : answer)->click();
                QVERIFY(text.contains(QStringLiteral("mary.man")));
            }
        });
        // Typed without the extension: the dialog adds it before it looks.
        dialog->selectFile(dir.filePath(QStringLiteral("mary")));
        QMetaObject::invokeMethod(dialog, "accept"); // the Open or Save button
        // Refused: the dialog stays open for another name; the user cancels.
        if (dialog->isVisible())
            dialog->reject();
    });

    QtFileDialogService files;
    QCOMPARE(files.saveFileName(nullptr, options), chosen ? path : QString());
    QCOMPARE(asked, answer != QMessageBox::NoButton);
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
