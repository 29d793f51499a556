// The publisher's page links and the about box.

#include "fakes.h"

#include "shell/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmabout.h"
#include "ui/widgets.h"

#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

QString pageAddress(const QString& key)
{
    return siteRoot() + QStringLiteral("/kinwheel/ssd.php?page=") + key;
}

// A window with one clickable label, standing for the window under the about box.
struct HostWindow {
    HostWindow()
    {
        window.resize(300, 200);
        label = new ClickableLabel(&window);
        label->setText(QStringLiteral("link"));
        label->setGeometry(10, 10, 100, 20);
        QObject::connect(label, &ClickableLabel::clicked, [this] { ++clicks; });
    }
    // Clicks as the user does, through the window system, so modality applies.
    void click()
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, label->geometry().center());
    }
    QWidget window;
    ClickableLabel* label;
    int clicks = 0;
};

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void aboutLinks_data();
    void aboutLinks();
    void aboutCloses_data();
    void aboutCloses();
    void aboutBlocksTheWindowUnderIt();
};

void TestLinks::aboutLinks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("lblHomePage") << QStringLiteral("lblHomePage") << QStringLiteral("home-page");
    QTest::newRow("lblCoBrand") << QStringLiteral("lblCoBrand") << QStringLiteral("fully-branded");
}

void TestLinks::aboutLinks()
{
    QFETCH(QString, control);
    QFETCH(QString, key);

    FakeServices fakes;
    AppContext context(fakes.services);
    QPointer<frmAbout> box = showAboutBox(context, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    auto* label = box->findChild<QLabel*>(control);
    QVERIFY(label);

    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(fakes.pages.opened, QStringList({pageAddress(key), pageAddress(key)}));
    QCoreApplication::processEvents();
    QVERIFY(box && box->isVisible());
    delete box;
}

void TestLinks::aboutCloses_data()
{
    QTest::addColumn<int>("key"); // 0: a click on OK
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("OK") << 0;
}

void TestLinks::aboutCloses()
{
    QFETCH(int, key);

    FakeServices fakes;
    AppContext context(fakes.services);
    HostWindow host;
    host.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QPointer<frmAbout> box = showAboutBox(context, &host.window);
    QVERIFY(QTest::qWaitForWindowActive(box));

    if (key)
        QTest::keyClick(box->windowHandle(), Qt::Key(key));
    else
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());
    QVERIFY(fakes.pages.opened.isEmpty());

    // The window under it works as before.
    host.click();
    QCOMPARE(host.clicks, 1);
}

void TestLinks::aboutBlocksTheWindowUnderIt()
{
    FakeServices fakes;
    AppContext context(fakes.services);
    HostWindow host;
    host.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    host.click();
    QCOMPARE(host.clicks, 1);

    QPointer<frmAbout> box = showAboutBox(context, &host.window);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    host.click();
    QCOMPARE(host.clicks, 1);

    box->close();
    QTRY_VERIFY(box.isNull());
    host.click();
    QCOMPARE(host.clicks, 2);
}

QTEST_MAIN(TestLinks)
#include "test_links.moc"
