// Start-up: one instance per user, the update reminder, the main window, the
// offer draw, and the end of the program.

#include "support.h"

#include "platform/qtservices.h"
#include "app/startup.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// Run as a child process with this variable naming a lock path, the test
// program takes that lock, says so, and waits to be killed.
const char kHoldLockVariable[] = "KINWHEEL_TEST_HOLD_LOCK";

struct StartupFixture : Fixture {
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("kinwheel.lock")); }
};

// A child process that holds the lock until it is killed.
class LockHolder {
public:
    explicit LockHolder(const QString& path)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kHoldLockVariable), path);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), {});
    }
    ~LockHolder() { kill(); }
    bool waitUntilLocked()
    {
        while (!m_process.readAllStandardOutput().contains("locked")) {
            if (!m_process.waitForReadyRead(10000))
                return false;
        }
        return true;
    }
    void kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

private:
    QProcess m_process;
};

// Ends a test whose event loop would otherwise not return.
void watchdog()
{
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void startsOnce();
    void secondInstanceRefused();
    void otherProcessHoldsTheLock();
    void staleLockDoesNotBlock();
    void lockNoInstanceHoldsDoesNotBlock_data();
    void lockNoInstanceHoldsDoesNotBlock();
    void unreadableSettingsAreNamedOnce();
    void offerDraw_data();
    void offerDraw();
    void opensTheFileGiven_data();
    void opensTheFileGiven();
    void programEndsWithItsLastWindow();
    void endProgramClosesEverything();
};

void TestStartup::startsOnce()
{
    StartupFixture f;
    LockFileGuard guard(f.lockPath());
    f.fakes.random.value = 0.0;
    QPointer<frmMain> window = RunStartup(guard, f.context);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(shownWindows<QMainWindow>().size(), 1);
    QVERIFY(f.fakes.messages.shown.isEmpty() || f.fakes.messages.shown[0].question);
    // The update reminder ran: it keeps its date in the settings.
    QVERIFY(!f.fakes.settings.values.isEmpty());
}

void TestStartup::secondInstanceRefused()
{
    StartupFixture f;
    LockFileGuard running(f.lockPath());
    QVERIFY(running.acquire());

    LockFileGuard second(f.lockPath());
    QCOMPARE(RunStartup(second, f.context), nullptr);
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Information);
    QVERIFY(!f.fakes.messages.shown[0].question);
    QVERIFY(shownWindows<QWidget>().isEmpty());
    QVERIFY(f.fakes.settings.values.isEmpty()); // no update reminder
    QCOMPARE(f.context.coBrandRandomNumber, 0);

    // The running instance keeps its lock.
    QVERIFY(!LockFileGuard(f.lockPath()).acquire());
}

void TestStartup::otherProcessHoldsTheLock()
{
    StartupFixture f;
    LockHolder holder(f.lockPath());
    QVERIFY(holder.waitUntilLocked());
    LockFileGuard guard(f.lockPath());
    QCOMPARE(RunStartup(guard, f.context), nullptr);
    QCOMPARE(f.fakes.messages.shown.size(), 1);
}

void TestStartup::staleLockDoesNotBlock()
{
    StartupFixture f;
    LockHolder holder(f.lockPath());
    QVERIFY(holder.waitUntilLocked());
    holder.kill();
    QVERIFY(QFile::exists(f.lockPath())); // left behind by the killed instance

    LockFileGuard guard(f.lockPath());
    QVERIFY(RunStartup(guard, f.context));
    QVERIFY(f.fakes.messages.shown.isEmpty() || f.fakes.messages.shown[0].question);
}

void TestStartup::lockNoInstanceHoldsDoesNotBlock_data()
{
    QTest::addColumn<QByteArray>("found"); // in the lock's place, as place() puts it
    QTest::addColumn<QString>("folder");   // the lock's folder within the scratch one
    QTest::addColumn<bool>("held");        // whether this start holds the lock after all
    QTest::newRow("junk") << QByteArray("junk\n") << "" << true;
    QTest::newRow("empty") << QByteArray() << "" << true;
    QTest::newRow("a folder") << QByteArray("<folder>") << "" << false;
    QTest::newRow("a folder that takes no file") << QByteArray("<none>") << "locked" << false;
    QTest::newRow("a folder that cannot be made") << QByteArray("<none>") << "file/run" << false;
}

// Only a live instance refuses a start: the program starts, says no more
// than one line on standard error, and holds the lock when it can.
void TestStartup::lockNoInstanceHoldsDoesNotBlock()
{
    QFETCH(QByteArray, found);
    QFETCH(QString, folder);
    QFETCH(bool, held);
    StartupFixture f;
    QVERIFY(place(f.dir.filePath("file"), {}) && (folder != "locked" || QDir(f.dir.path()).mkdir(folder)));
    const QString path = QDir(f.dir.filePath(folder)).filePath("kinwheel.lock");
    QVERIFY(place(path, found));
    LockFileGuard guard(path);
    {
        std::optional<ReadOnlyFolder> locked;
        if (folder == "locked" && locked.emplace(f.dir.filePath(folder)).writable())
            QSKIP("this user may write into read-only folders");
        QVERIFY(RunStartup(guard, f.context));
    }
    for (const ShownMessage& message : f.fakes.messages.shown)
        QVERIFY(message.question);
    QCOMPARE(!LockFileGuard(path).acquire(), held);
}

// Settings that cannot be read: the program starts on its defaults, with the
// store's own words about it once, and the reminder stores nothing over it.
void TestStartup::unreadableSettingsAreNamedOnce()
{
    StartupFixture f;
    f.fakes.settings.problem = QStringLiteral("The settings could not be read from /home/ann/kinwheel.conf.");
    LockFileGuard guard(f.lockPath());
    QVERIFY(RunStartup(guard, f.context));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, f.fakes.settings.problem);
    QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Critical);
    QVERIFY(!f.fakes.messages.shown[0].question);
    QVERIFY(f.fakes.settings.values.isEmpty());
}

void TestStartup::offerDraw_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("visible");
    QTest::newRow("0") << 0.0 << 1 << "lblCobrand";
    QTest::newRow("just under 1/6") << 0.1666 << 1 << "lblCobrand";
    QTest::newRow("1/6") << 1.0 / 6 << 2 << "lblFullBrand";
    QTest::newRow("0.4") << 0.4 << 3 << "lblCobrand";
    QTest::newRow("0.6") << 0.6 << 4 << "lblFullBrand";
    QTest::newRow("0.7") << 0.7 << 5 << "lblCobrand";
    QTest::newRow("just under 1") << 0.99999 << 6 << "lblFullBrand";
}

void TestStartup::offerDraw()
{
    QFETCH(double, random);
    QFETCH(int, number);
    QFETCH(QString, visible);
    StartupFixture f;
    f.fakes.random.value = random;
    LockFileGuard guard(f.lockPath());
    frmMain* window = RunStartup(guard, f.context);
    QVERIFY(window);
    QCOMPARE(f.context.coBrandRandomNumber, number);
    QCOMPARE(visibleOffer(*window), visible);

    // A main window loaded later in the run shows the full-brand offer.
    window->close();
    frmMain later(f.context);
    later.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(visibleOffer(later), QStringLiteral("lblFullBrand"));
    QCOMPARE(f.context.coBrandRandomNumber, number);
}

void TestStartup::opensTheFileGiven_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("opens");
    QTest::newRow("reading file") << "mary.man" << true;
    QTest::newRow("not a reading file's name") << "mary.txt" << false;
    QTest::newRow("no such file") << "gone.man" << false;
}

// kinwheel FILE: the program starts and opens the file as File > Open does.
void TestStartup::opensTheFileGiven()
{
    QFETCH(QString, fileName);
    QFETCH(bool, opens);
    StartupFixture f;
    QVERIFY(place(f.dir.filePath("mary.man"), kMarySmith) && place(f.dir.filePath("mary.txt"), kMarySmith));
    LockFileGuard guard(f.lockPath());
    QPointer<frmMain> window = RunStartup(guard, f.context, f.dir.filePath(fileName));
    QVERIFY(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(shownWindows<frmMayanBirthchartResult>().size(), opens ? 1 : 0);
    QCOMPARE(window && window->isVisible(), !opens);
    QCOMPARE(shownReading().person.name, opens ? std::string("Mary Smith") : std::string());
    QStringList messages;
    for (const ShownMessage& message : f.fakes.messages.shown)
        if (!message.question)
            messages << message.text;
    QCOMPARE(messages, opens ? QStringList() : QStringList{kCheckFileMessage});
    QCOMPARE(RecentReadings(f.fakes.settings), opens ? QStringList{f.dir.filePath(fileName)} : QStringList());
}

// Start, Generate, Back, Exit: the event loop returns when the last window goes.
void TestStartup::programEndsWithItsLastWindow()
{
    StartupFixture f;
    LockFileGuard guard(f.lockPath());
    QPointer<frmMain> window = RunStartup(guard, f.context);
    QVERIFY(window);

    QStringList steps;
    QTimer::singleShot(0, qApp, [&] {
        window->txtName()->setText(QStringLiteral("Ada"));
        window->cmdCalculate_Click();
        steps << QStringLiteral("generated");
        QTimer::singleShot(0, qApp, [&] {
            const auto results = shownWindows<frmMayanBirthchartResult>();
            if (results.size() != 1 || window)
                return;
            results[0]->cmdBack_Click();
            steps << QStringLiteral("back");
            QTimer::singleShot(0, qApp, [&] {
                const auto mains = shownWindows<frmMain>();
                if (mains.size() != 1 || !shownWindows<frmMayanBirthchartResult>().isEmpty())
                    return;
                steps << QStringLiteral("exit");
                mains[0]->mnuExit_Click();
            });
        });
    });
    watchdog();
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, (QStringList{"generated", "back", "exit"}));
    QVERIFY(shownWindows<QWidget>().isEmpty());
}

void TestStartup::endProgramClosesEverything()
{
    StartupFixture f;
    auto* main = new frmMain(f.context);
    main->show();
    auto* result = new frmMayanBirthchartResult(f.context, readingFor("Ada", {1975, 3, 5}));
    result->show();
    auto* hidden = new frmMain(f.context); // loaded but not shown
    QPointer<QWidget> watch[] = {main, result, hidden};

    QTimer::singleShot(0, qApp, [] { EndProgram(); });
    watchdog();
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& window : watch)
        QVERIFY(window.isNull());
}

int main(int argc, char* argv[])
{
    if (const QByteArray path = qgetenv(kHoldLockVariable); !path.isEmpty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Kinwheel")); // as the program names itself
        LockFileGuard guard(QString::fromLocal8Bit(path));
        if (!guard.acquire())
            return 2;
        std::puts("locked");
        std::fflush(stdout);
        return QCoreApplication::exec(); // until killed
    }
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
