// The publisher's page links and the about box.

#include "support.h"

#include "platform/weblinks.h"
#include "ui/widgets.h"

#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include <memory>

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

// A program window with a reading in place, as the user reaches it.
struct WindowUnderTest : Fixture {
    explicit WindowUnderTest(const QString& name) : window(showWindow(*this, name))
    {
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    ~WindowUnderTest()
    {
        delete window;
        // The about box opened from a menu, if any.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmAbout*>(widget))
                delete widget;
        }
    }
    void activate(const QString& control) { testing::activate(*window, control); }

    QPointer<QWidget> window;
};

} // namespace

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void pageLinks_data();
    void pageLinks();
    void siteLabelsNameTheHost_data();
    void siteLabelsNameTheHost();
    void aboutFromHelpMenus_data();
    void aboutFromHelpMenus();
    void aboutCloses_data();
    void aboutCloses();
    void aboutBlocksTheWindowUnderIt();
};

void TestLinks::pageLinks_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("fails"); // nothing on the system takes the address

    struct Link {
        const char* control;
        const char* key;
    };
    const auto row = [](const char* window, const Link& link) {
        for (const bool fails : {false, true})
            QTest::addRow("%s %s%s", window, link.control, fails ? ", no browser" : "")
                << QString::fromLatin1(window) << QString::fromLatin1(link.control) << QString::fromLatin1(link.key)
                << fails;
    };
    // The main and the result window carry the same menus and labels.
    const Link programWindowLinks[] = {
        {"mnuOnline", "help-web-page"},       {"mnuVisit", "home-page"},
        {"Label14", "home-page"},             {"mnuUpdate", "download-web-page"},
        {"mnuDonate", "donate"},              {"mnuMakeMoney", "fully-branded"},
        {"lblFullBrand", "fully-branded"},    {"lblCobrand", "co-brand"},
    };
    for (const char* window : {"frmMain", "frmMayanBirthchartResult"}) {
        for (const Link& link : programWindowLinks)
            row(window, link);
    }
    const Link reportLinks[] = {
        {"Label14", "home-page"}, {"Label1", "home-page"},
        {"lblFullBrand", "fully-branded"}, {"lblCobrand", "co-brand"},
    };
    for (const Link& link : reportLinks)
        row("frmSave", link);
    const Link aboutLinks[] = {{"lblHomePage", "home-page"}, {"lblCoBrand", "fully-branded"}};
    for (const Link& link : aboutLinks)
        row("frmAbout", link);
}

void TestLinks::pageLinks()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, key);
    QFETCH(bool, fails);

    WindowUnderTest under(window);
    if (QTest::currentTestFailed())
        return;
    under.fakes.pages.fails = fails;
    under.activate(control);
    under.activate(control);
    QCOMPARE(under.fakes.pages.opened, QStringList({pageAddress(key), pageAddress(key)}));
    // A page that cannot open is named, each time, in a box over the window.
    QCOMPARE(under.fakes.messages.shown.size(), fails ? 2 : 0);
    for (const ShownMessage& message : under.fakes.messages.shown) {
        QVERIFY2(message.text.contains(pageAddress(key)), qPrintable(message.text));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(!message.question);
        QCOMPARE(message.parent, under.window.data());
    }
    // The window that holds the link stays open.
    QCoreApplication::processEvents();
    QVERIFY(under.window && under.window->isVisible());
}

void TestLinks::siteLabelsNameTheHost_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("main window Label14") << QStringLiteral("frmMain") << QStringLiteral("Label14");
    QTest::newRow("result window Label14") << QStringLiteral("frmMayanBirthchartResult") << QStringLiteral("Label14");
    QTest::newRow("report window Label1") << QStringLiteral("frmSave") << QStringLiteral("Label1");
}

// A label that names the site names the one its click opens.
void TestLinks::siteLabelsNameTheHost()
{
    QFETCH(QString, window);
    QFETCH(QString, control);

    WindowUnderTest under(window);
    if (QTest::currentTestFailed())
        return;
    auto* label = under.window->findChild<QLabel*>(control);
    QVERIFY(label);
    QVERIFY2(label->text().contains(QUrl(siteRoot()).host()), qPrintable(label->text()));
}

void TestLinks::aboutFromHelpMenus_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("frmMain");
    QTest::newRow("result window") << QStringLiteral("frmMayanBirthchartResult");
}

void TestLinks::aboutFromHelpMenus()
{
    QFETCH(QString, window);

    WindowUnderTest under(window);
    if (QTest::currentTestFailed())
        return;
    under.activate(QStringLiteral("mnuAbout"));
    QPointer<frmAbout> box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    QVERIFY(box);
    QVERIFY(box->isVisible());

    // The window under it takes no clicks until the box is closed.
    auto* label = under.window->findChild<QLabel*>(QStringLiteral("Label14"));
    QVERIFY(label);
    const QPoint where = label->mapTo(under.window->window(), label->rect().center());
    QTest::mouseClick(under.window->windowHandle(), Qt::LeftButton, {}, where);
    QVERIFY(under.fakes.pages.opened.isEmpty());

    QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(box.isNull());
    QTest::mouseClick(under.window->windowHandle(), Qt::LeftButton, {}, where);
    QCOMPARE(under.fakes.pages.opened, QStringList({pageAddress(QStringLiteral("home-page"))}));
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

    Fixture f;
    HostWindow host;
    host.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QPointer<frmAbout> box = showAboutBox(f.context, &host.window);
    QVERIFY(QTest::qWaitForWindowActive(box));

    if (key)
        QTest::keyClick(box->windowHandle(), Qt::Key(key));
    else
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());
    QVERIFY(f.fakes.pages.opened.isEmpty());

    // The window under it works as before.
    host.click();
    QCOMPARE(host.clicks, 1);
}

void TestLinks::aboutBlocksTheWindowUnderIt()
{
    Fixture f;
    HostWindow host;
    host.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    host.click();
    QCOMPARE(host.clicks, 1);

    QPointer<frmAbout> box = showAboutBox(f.context, &host.window);
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
