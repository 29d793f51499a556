// Readings open from a drop on the main window and from File > Recent
// Readings, which keeps the files last opened or saved.

#include "support.h"

#include "platform/qtservices.h"
#include "platform/settings.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// A reading of Mary Smith at dir/name; its path.
QString writeReading(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    return place(path, kMarySmith) ? path : QString();
}

// Drags data over target and drops it there, as a file manager would; true when the drag was taken.
bool drop(QWidget* target, const QMimeData& data)
{
    const QPointF centre = QRectF(target->rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return enter.isAccepted() && dropped.isAccepted();
}

QMenu* recentMenu(frmMain& window)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
    emit menu->aboutToShow();
    return menu;
}

} // namespace

class TestRecent : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void dropOpens_data();
    void dropOpens();
    void listOrder();
    void menuAndRestart();
    void saveEntersTheList();
    void anyPathRoundTrips_data();
    void anyPathRoundTrips();
};

void TestRecent::dropOpens_data()
{
    QTest::addColumn<QStringList>("urls"); // "{dir}" stands for the folder of the readings
    QTest::addColumn<bool>("onNameBox");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("message");

    const QStringList one = {"{dir}/ada.man"};
    QTest::newRow("one reading on the window") << one << false << true << "";
    QTest::newRow("one reading on the name box") << one << true << true << "";
    // File managers send the path as text too, which the name box alone would take.
    QTest::newRow("a file manager's drag, text too, on the name box") << QStringList{"{dir}/ada.man", "+text"} << true
                                                                      << true << "";
    QTest::newRow("not a reading") << QStringList{"{dir}/notes.txt"} << false << true << kCheckFileMessage;
    QTest::newRow("a file no longer there") << QStringList{"{dir}/gone.man"} << false << true << kCheckFileMessage;
    QTest::newRow("a folder named like a reading") << QStringList{"{dir}/folder.man"} << false << true
                                                   << kCheckFileMessage;
    // Read, but refused by Generate's checks: not opened, so not listed.
    QTest::newRow("a reading with no name") << QStringList{"{dir}/noname.man"} << false << true << kNameMessage;
    QTest::newRow("a reading of 31 April") << QStringList{"{dir}/april.man"} << false << true << kThirtyDayMessage;
    QTest::newRow("two readings") << QStringList{"{dir}/ada.man", "{dir}/ada.man"} << false << false << "";
    QTest::newRow("two on the name box") << QStringList{"{dir}/ada.man", "{dir}/ada.man"} << true << false << "";
    QTest::newRow("a web address") << QStringList{"https://example.org/ada.man"} << false << false << "";
}

void TestRecent::dropOpens()
{
    QFETCH(QStringList, urls);
    QFETCH(bool, onNameBox);
    QFETCH(bool, taken);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(!writeReading(dir, QStringLiteral("ada.man")).isEmpty());
    QVERIFY(place(dir.filePath("notes.txt"), {}) && place(dir.filePath("folder.man"), "<folder>"));
    QVERIFY(place(dir.filePath("noname.man"), "\r\n4<:8\r\nPdufk\r\n8\r\n"));
    QVERIFY(place(dir.filePath("april.man"), "Dqq\r\n4<:8\r\nDsulo\r\n64\r\n"));
    QMimeData data;
    QList<QUrl> list;
    for (const QString& url : urls)
        if (url != QLatin1String("+text"))
            list << QUrl::fromUserInput(QString(url).replace(QLatin1String("{dir}"), dir.path()));
    data.setUrls(list);
    if (urls.contains(QStringLiteral("+text")))
        data.setText(list.first().toLocalFile());

    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QCOMPARE(drop(onNameBox ? static_cast<QWidget*>(window->txtName()) : window, data), taken);

    const bool opens = taken && message.isEmpty();
    QTRY_COMPARE(shownWindows<frmMayanBirthchartResult>().size(), opens ? 1 : 0);
    QCOMPARE(f.fakes.messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f.fakes.messages.shown[0].text, message);
    QCOMPARE(RecentReadings(f.fakes.settings), opens ? QStringList{dir.filePath(QStringLiteral("ada.man"))} : QStringList());
    if (opens)
        QCOMPARE(shownReading().person.name, std::string("Mary Smith"));
    else if (message.isEmpty() || message == kCheckFileMessage)
        QVERIFY(window->txtName()->text().isEmpty());
}

void TestRecent::listOrder()
{
    FakeSettings settings;
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        AddRecentReading(settings, QStringLiteral("/r/%1.man").arg(QLatin1String(name)));
    QCOMPARE(RecentReadings(settings), (QStringList{"/r/f.man", "/r/e.man", "/r/d.man", "/r/c.man", "/r/b.man"}));

    // A listed file goes back to the top, once.
    AddRecentReading(settings, QStringLiteral("/r/c.man"));
    QCOMPARE(RecentReadings(settings), (QStringList{"/r/c.man", "/r/f.man", "/r/e.man", "/r/d.man", "/r/b.man"}));
    RemoveRecentReading(settings, QStringLiteral("/r/e.man"));
    QCOMPARE(RecentReadings(settings), (QStringList{"/r/c.man", "/r/f.man", "/r/d.man", "/r/b.man"}));

    // Whatever the store holds, the list stays a list of at most five.
    WriteSetting(settings, QStringLiteral("Recent"), QStringLiteral("%ZZ*%2Fx*%2Fx*%E2%82***a*b*c*d*e*f"));
    QCOMPARE(RecentReadings(settings).size(), kMaxRecentReadings);
}

void TestRecent::menuAndRestart()
{
    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QCOMPARE(captions(recentMenu(*window)), QStringList{"(None)"});
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("mnuRecentNone"))->isEnabled());
    // The submenu follows Open.
    QStringList file = captions(window->findChild<QMenu*>(QStringLiteral("mnuFile")));
    QCOMPARE(file.mid(0, 2), (QStringList{"&Open Previously Saved Reading...", "Recent Readings"}));

    QTemporaryDir dir;
    const QString ada = writeReading(dir, QStringLiteral("ada.man"));
    const QString rock = writeReading(dir, QStringLiteral("Rock & Roll.man"));
    f.fakes.files.openAnswer = rock;
    activate(*window, QStringLiteral("mnuOpen"));
    QTRY_COMPARE(shownWindows<frmMayanBirthchartResult>().size(), 1);
    closeAllWindows();
    AddRecentReading(f.fakes.settings, ada);

    // A new window reads the list the last one left.
    window = new frmMain(f.context);
    window->show();
    QCOMPARE(captions(recentMenu(*window)), (QStringList{"&1 ada.man", "&2 Rock && Roll.man"}));
    QAction* second = window->findChild<QAction*>(QStringLiteral("mnuRecentFile(1)"));
    QCOMPARE(second->toolTip(), QDir::toNativeSeparators(rock));

    // A file that no longer opens leaves the list, with the message Open gives.
    QVERIFY(QFile::remove(ada));
    window->findChild<QAction*>(QStringLiteral("mnuRecentFile(0)"))->trigger();
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, kCheckFileMessage);
    QCOMPARE(captions(recentMenu(*window)), QStringList{"&1 Rock && Roll.man"});
    QVERIFY(shownWindows<frmMayanBirthchartResult>().isEmpty());

    window->findChild<QAction*>(QStringLiteral("mnuRecentFile(0)"))->trigger();
    QTRY_COMPARE(shownWindows<frmMayanBirthchartResult>().size(), 1);
    QCOMPARE(RecentReadings(f.fakes.settings), QStringList{rock});
}

void TestRecent::saveEntersTheList()
{
    Fixture f;
    QTemporaryDir dir;
    frmSave* report = showReportWindow(f.context, readingFor("Ada", {1975, 3, 5}), nullptr);
    auto* save = report->findChild<QPushButton*>(QStringLiteral("cmdSave"));

    // A save that fails lists nothing.
    f.fakes.files.saveAnswer = dir.filePath(QStringLiteral("no folder/ada.man"));
    save->click();
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QVERIFY(RecentReadings(f.fakes.settings).isEmpty());

    f.fakes.files.saveAnswer = dir.filePath(QStringLiteral("ada"));
    save->click();
    QCOMPARE(RecentReadings(f.fakes.settings), QStringList{dir.filePath(QStringLiteral("ada.man"))});
    delete report;
}

void TestRecent::anyPathRoundTrips_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("accent") << QStringLiteral("/home/zo\u00eb/Readings/Ada Lovelace.man");
    QTest::newRow("Greek, Japanese") << QStringLiteral(
        "/home/\u0142ukasz/\u0394\u03b9\u03ac\u03b2\u03b1\u03c3\u03b7/\u65e5\u672c\u8a9e \u2603.man");
    QTest::newRow("outside the BMP, separators") << QStringLiteral("/r/\U0001F319 moon & y\u00fd\u00fe\u00ff ~%*|#;,=\"'.man");
}

// Through the program's own store, an ini file.
void TestRecent::anyPathRoundTrips()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QtSettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    AddRecentReading(store, QStringLiteral("/r/plain.man"));
    AddRecentReading(store, path);
    QCOMPARE(RecentReadings(store), (QStringList{path, "/r/plain.man"}));
}

QTEST_MAIN(TestRecent)
#include "test_recent.moc"
