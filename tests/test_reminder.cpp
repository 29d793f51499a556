// The settings store and the update reminder at start-up.

#include "fakes.h"

#include "platform/qtservices.h"
#include "platform/settings.h"
#include "platform/weblinks.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

const QDate kToday(2026, 12, 7);
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");

QString iso(int daysFromToday)
{
    return kToday.addDays(daysFromToday).toString(Qt::ISODate);
}

QString shortDate(int daysFromToday)
{
    return QLocale::system().toString(kToday.addDays(daysFromToday), QLocale::ShortFormat);
}

QString downloadPage()
{
    return siteRoot() + QStringLiteral("/kinwheel/ssd.php?page=download-web-page");
}

} // namespace

class TestReminder : public QObject {
    Q_OBJECT

private slots:
    void reminder_data();
    void reminder();
    void twoStartsTheSameDay();
    void scrambledInTheStore();
    void realStoreCannotBeWritten();
    void downloadPageThatCannotOpenShowsItsAddress();
    void questionShowsTwoLines();
};

void TestReminder::reminder_data()
{
    QTest::addColumn<QString>("stored");     // plain text; empty: no value
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("after");      // plain text stored afterwards
    QTest::addColumn<QStringList>("opened");

    const QStringList none;
    const QStringList download{downloadPage()};

    QTest::newRow("first start") << QString() << false << true << false << iso(0) << none;
    QTest::newRow("first start, store cannot be written") << QString() << true << true << false << QString() << none;
    QTest::newRow("14 days ago") << iso(-14) << false << true << false << iso(-14) << none;
    QTest::newRow("14 days ahead") << iso(14) << false << true << false << iso(14) << none;
    QTest::newRow("same day") << iso(0) << false << true << false << iso(0) << none;
    QTest::newRow("15 days ago, No") << iso(-15) << false << false << true << iso(0) << none;
    QTest::newRow("15 days ago, Yes") << iso(-15) << false << true << true << iso(0) << download;
    QTest::newRow("15 days ahead, No") << iso(15) << false << false << true << iso(0) << none;
    QTest::newRow("15 days ahead, Yes") << iso(15) << false << true << true << iso(0) << download;
    QTest::newRow("years ago") << QStringLiteral("1999-02-28") << false << false << true << iso(0) << none;
    // An unreadable value would otherwise switch the reminder off for good.
    QTest::newRow("not a date") << QStringLiteral("Tuesday") << false << true << false << iso(0) << none;
    QTest::newRow("impossible date") << QStringLiteral("2026-02-30") << false << true << false << iso(0) << none;
    // Values written by earlier versions in the short format (two-digit years here).
    QTest::newRow("short date 14 days ago") << shortDate(-14) << false << true << false << shortDate(-14) << none;
    QTest::newRow("short date 15 days ago") << shortDate(-15) << false << true << true << iso(0) << download;
    QTest::newRow("short date 15 days ahead") << shortDate(15) << false << false << true << iso(0) << none;
    // The page still opens when the date cannot be stored.
    QTest::newRow("store cannot be written, Yes") << iso(-15) << true << true << true << iso(-15) << download;
    QTest::newRow("store cannot be written, No") << iso(-15) << true << false << true << iso(-15) << none;
}

void TestReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, readOnly);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(QString, after);
    QFETCH(QStringList, opened);

    FakeServices fakes;
    fakes.clock.date = kToday;
    if (!stored.isEmpty())
        QVERIFY(WriteSetting(fakes.settings, QStringLiteral("Duration"), stored));
    fakes.settings.readOnly = readOnly;
    fakes.messages.answerYes = answerYes;

    RunUpdateReminder(fakes.services);

    QCOMPARE(fakes.messages.shown.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(fakes.messages.shown[0].text, kQuestion);
        QCOMPARE(fakes.messages.shown[0].icon, MessageIcon::Information);
        QVERIFY(fakes.messages.shown[0].question);
    }
    QCOMPARE(ReadSetting(fakes.settings, QStringLiteral("Duration")), after);
    QCOMPARE(fakes.settings.values.size(), after.isEmpty() ? 0 : 1);
    QCOMPARE(fakes.pages.opened, opened);
}

void TestReminder::twoStartsTheSameDay()
{
    FakeServices fakes;
    fakes.clock.date = kToday;
    WriteSetting(fakes.settings, QStringLiteral("Duration"), iso(-20));

    RunUpdateReminder(fakes.services);
    RunUpdateReminder(fakes.services);
    QCOMPARE(fakes.messages.shown.size(), 1);

    // The next question comes on the 15th day after the last one.
    fakes.clock.date = kToday.addDays(14);
    RunUpdateReminder(fakes.services);
    QCOMPARE(fakes.messages.shown.size(), 1);
    fakes.clock.date = kToday.addDays(15);
    RunUpdateReminder(fakes.services);
    QCOMPARE(fakes.messages.shown.size(), 2);
}

void TestReminder::scrambledInTheStore()
{
    // Every code moved up by three: "Duration" and "2026-12-07".
    FakeServices fakes;
    fakes.clock.date = kToday;
    RunUpdateReminder(fakes.services);
    const QMap<QString, QString> expected{{QStringLiteral("Settings/Gxudwlrq"), QStringLiteral("535904503:")}};
    QCOMPARE(fakes.settings.values, expected);

    // A date written in the short format by an earlier version, "11/22/26".
    fakes.settings.values[QStringLiteral("Settings/Gxudwlrq")] = QStringLiteral("44255259");
    QCOMPARE(ReadSetting(fakes.settings, QStringLiteral("Duration")), QStringLiteral("11/22/26"));

    // The same through the real store, as the file holds it.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kinwheel.ini"));
    QtSettingsStore store(path);
    Services services{fakes.messages, fakes.files, fakes.pages, fakes.printer, store, fakes.clock, fakes.random};
    RunUpdateReminder(services);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             QStringList({QStringLiteral("[Settings]"), QStringLiteral("Gxudwlrq=535904503:")}));
    QCOMPARE(ReadSetting(store, QStringLiteral("Duration")), iso(0));
    QCOMPARE(ReadSetting(store, QStringLiteral("Missing")), QString());
}

void TestReminder::realStoreCannotBeWritten()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store(blocker.fileName() + QStringLiteral("/kinwheel.ini"));

    QVERIFY(!WriteSetting(store, QStringLiteral("Duration"), iso(0)));

    FakeServices fakes;
    fakes.clock.date = kToday;
    fakes.messages.answerYes = true;
    Services services{fakes.messages, fakes.files, fakes.pages, fakes.printer, store, fakes.clock, fakes.random};
    RunUpdateReminder(services); // first start: nothing to ask, nothing stored
    QCOMPARE(fakes.messages.shown.size(), 0);
    QCOMPARE(fakes.pages.opened, QStringList());
}

void TestReminder::downloadPageThatCannotOpenShowsItsAddress()
{
    FakeServices fakes;
    fakes.clock.date = kToday;
    WriteSetting(fakes.settings, QStringLiteral("Duration"), iso(-15));
    fakes.messages.answerYes = true;
    fakes.pages.fails = true;

    RunUpdateReminder(fakes.services);
    QCOMPARE(fakes.pages.opened, QStringList{downloadPage()});
    QCOMPARE(fakes.messages.shown.size(), 2);
    QVERIFY2(fakes.messages.shown[1].text.contains(downloadPage()), qPrintable(fakes.messages.shown[1].text));
    QCOMPARE(fakes.messages.shown[1].icon, MessageIcon::Critical);
    QCOMPARE(ReadSetting(fakes.settings, QStringLiteral("Duration")), iso(0));
}

void TestReminder::questionShowsTwoLines()
{
    // The real box breaks the text at its carriage return, laid out just as
    // the same two lines joined by a line feed.
    QMessageBox reference(QMessageBox::Information, QStringLiteral("Kinwheel"),
                          QString(kQuestion).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                          QMessageBox::Yes | QMessageBox::No);
    const QSize twoLines = reference.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->sizeHint();

    QString text;
    QSize shown;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        shown = label->sizeHint();
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->windowTitle(), QStringLiteral("Kinwheel"));
        box->button(QMessageBox::No)->click();
    });
    QtMessageService messages;
    QVERIFY(!messages.ask(nullptr, kQuestion, MessageIcon::Information));
    QCOMPARE(text, kQuestion);
    QCOMPARE(shown, twoLines);
}

int main(int argc, char** argv)
{
    // A short date format with two-digit years, whatever the machine's locale.
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    TestReminder test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reminder.moc"
