// The main window: its controls, the birth-detail checks and Generate.

#include "support.h"

#include "platform/settings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// The entry checked in a choice menu (items named mnuCountItem(i),
// mnuDayBeginsItem(i) ...): -1 for none, 99 for more than one.
int checkedItem(QWidget* window, const QString& items)
{
    int checked = -1;
    for (int i = 0; auto* item = window->findChild<QAction*>(QStringLiteral("%1(%2)").arg(items).arg(i)); ++i) {
        if (item->isChecked())
            checked = checked < 0 ? i : 99;
    }
    return checked;
}

void enter(frmMain& window, const QString& name, int monthPosition, int day, int year)
{
    window.txtName()->setText(name);
    window.cboMonth()->setCurrentIndex(monthPosition);
    window.cboDate()->setCurrentIndex(day - 1);
    window.cboYear()->setCurrentIndex(year - 1900);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void windowAndLists();
    void focusOrder();
    void menus();
    void validation_data();
    void validation();
    void generate();
    void menuGenerateValidatesToo();
    void enterGenerates_data();
    void enterGenerates();
    void exitCloses_data();
    void exitCloses();
    void countMenu_data();
    void countMenu();
    void languageMenu();
    void choiceMenus_data();
    void choiceMenus();
    void timeOfBirthRow();
};

void TestMainWindow::windowAndLists()
{
    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QCOMPARE(window->windowTitle(), QStringLiteral("Kinwheel v1.25"));
    QCOMPARE(window->centralWidget()->size(), QSize(480, 268));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(173, 118, 235));
    verifyControlsInside(window->centralWidget(), {QStringLiteral("cmdOpen")});
    // The Open button lies wholly below the client area.
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("cmdOpen"))->y() >= 268);

    QCOMPARE(window->cboMonth()->count(), 12);
    QCOMPARE(window->cboMonth()->itemText(0), QStringLiteral("January"));
    QCOMPARE(window->cboMonth()->itemText(11), QStringLiteral("December"));
    QCOMPARE(window->cboDate()->count(), 31);
    QCOMPARE(window->cboDate()->itemText(30), QStringLiteral("31"));
    QCOMPARE(window->cboYear()->count(), 201);
    QCOMPARE(window->cboYear()->itemText(200), QStringLiteral("2100"));
    QCOMPARE(window->cboMonth()->currentText(), QStringLiteral("January"));
    QCOMPARE(window->cboDate()->currentText(), QStringLiteral("1"));
    QCOMPARE(window->cboYear()->currentText(), QStringLiteral("1900"));
    QVERIFY(window->txtName()->text().isEmpty());
    QVERIFY(!window->cboYear()->isEditable());
    QCOMPARE(visibleOffer(*window), QStringLiteral("lblFullBrand"));
}

void TestMainWindow::focusOrder()
{
    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->txtName());

    // Tab never stops on the Open button below the client area: it goes on
    // to the links, and the button answers its access key.
    const QStringList expected = {"cboMonth",     "cboDate", "cboYear",      "cboBirthTime",
                                  "cmdCalculate", "Label14", "lblFullBrand", "txtName"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("cmdOpen"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_O));
    // The time of birth's label gives it an access key.
    QTest::keyClick(window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), window->cboBirthTime());
}

void TestMainWindow::menus()
{
    Fixture f;
    frmMain window(f.context);
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    auto caption = [&](const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name))->text(); };
    QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
    QCOMPARE(caption("mnuMayan"), QStringLiteral("&Generate Mayan Birth Chart"));
    QCOMPARE(caption("mnuExit"), QStringLiteral("E&xit"));
    QMenu* help = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QCOMPARE(captions(help), (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                          "&About Software"}));
    QCOMPARE(caption("mnuDonate"), QStringLiteral("&Donate"));
    QCOMPARE(caption("mnuMakeMoney"), QStringLiteral("Make Money &Online"));
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuMakeMoney"))->isVisible());

    // Generate comes before Exit, with a separator between them.
    const QStringList file = captions(window.findChild<QMenu*>(QStringLiteral("mnuFile")));
    const qsizetype mayan = file.indexOf(QStringLiteral("&Generate Mayan Birth Chart"));
    QVERIFY(mayan >= 0);
    QCOMPARE(file.mid(mayan), (QStringList{"&Generate Mayan Birth Chart", "&Compare With…", "-", "E&xit"}));
}

void TestMainWindow::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month"); // list position, 1 = February
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<bool>("critical");

    QTest::newRow("empty name") << "" << 0 << 1 << 1980 << kNameMessage << true;
    QTest::newRow("blank name") << "   " << 0 << 1 << 1980 << kNameMessage << true;
    QTest::newRow("name before date") << " " << 3 << 31 << 1980 << kNameMessage << true;
    QTest::newRow("29 Feb 1900, no leap year") << "Ada" << 1 << 29 << 1900 << kFebruaryMessage << false;
    QTest::newRow("29 Feb 1901") << "Ada" << 1 << 29 << 1901 << kFebruaryMessage << false;
    QTest::newRow("29 Feb 2015") << "Ada" << 1 << 29 << 2015 << kFebruaryMessage << false;
    QTest::newRow("29 Feb 2100, no leap year") << "Ada" << 1 << 29 << 2100 << kFebruaryMessage << false;
    QTest::newRow("30 Feb 2000") << "Ada" << 1 << 30 << 2000 << kFebruaryMessage << false;
    QTest::newRow("31 Feb 1904") << "Ada" << 1 << 31 << 1904 << kFebruaryMessage << false;
    QTest::newRow("30 Feb 1901") << "Ada" << 1 << 30 << 1901 << kFebruaryMessage << false;
    QTest::newRow("31 April") << "Ada" << 3 << 31 << 1980 << kThirtyDayMessage << false;
    QTest::newRow("31 June") << "Ada" << 5 << 31 << 1980 << kThirtyDayMessage << false;
    QTest::newRow("31 September") << "Ada" << 8 << 31 << 1980 << kThirtyDayMessage << false;
    QTest::newRow("31 November") << "Ada" << 10 << 31 << 1980 << kThirtyDayMessage << false;
    QTest::newRow("29 Feb 2000") << "Ada" << 1 << 29 << 2000 << "" << false;
    QTest::newRow("29 Feb 1904") << "Ada" << 1 << 29 << 1904 << "" << false;
    QTest::newRow("28 Feb 1900") << "Ada" << 1 << 28 << 1900 << "" << false;
    QTest::newRow("30 April") << "Ada" << 3 << 30 << 1980 << "" << false;
    QTest::newRow("31 May") << "Ada" << 4 << 31 << 1980 << "" << false;
    QTest::newRow("31 December 2016") << "Ada" << 11 << 31 << 2016 << "" << false;
    QTest::newRow("31 December 2100") << "Ada" << 11 << 31 << 2100 << "" << false;
    QTest::newRow("1 January 1900") << "Ada" << 0 << 1 << 1900 << "" << false;
}

void TestMainWindow::validation()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, critical);

    Fixture f;
    QPointer<frmMain> window = new frmMain(f.context);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    enter(*window, name, month, day, year);
    window->cboYear()->setFocus();

    if (message.isEmpty()) {
        QVERIFY(window->validateBirthDetails());
        QVERIFY(f.fakes.messages.shown.isEmpty());
        return;
    }

    window->cmdCalculate_Click();
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, message);
    QCOMPARE(f.fakes.messages.shown[0].icon, critical ? MessageIcon::Critical : MessageIcon::Information);
    QVERIFY(!f.fakes.messages.shown[0].question);
    // Only the name check moves the focus.
    QCOMPARE(window->focusWidget(), message == kNameMessage ? static_cast<QWidget*>(window->txtName())
                                                            : static_cast<QWidget*>(window->cboYear()));
    // Nothing opened, the window stays.
    QTest::qWait(0);
    QVERIFY(window && window->isVisible());
    QVERIFY(shownWindows<frmMayanBirthchartResult>().isEmpty());
}

void TestMainWindow::generate()
{
    Fixture f;
    QPointer<frmMain> window = new frmMain(f.context);
    window->show();
    enter(*window, QStringLiteral("  Zo\u00eb  Ann\t"), 11, 21, 1987);
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);

    QVERIFY(f.fakes.messages.shown.isEmpty());
    const Reading expected = readingFor("Zo\xc3\xab  Ann", {1987, 12, 21});
    QCOMPARE(shownReading(), expected);

    QTRY_VERIFY(window.isNull());
    QList<frmMayanBirthchartResult*> results = shownWindows<frmMayanBirthchartResult>();
    QCOMPARE(results.size(), 1);
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(results[0]->pictureNumber(slot), expected.cross[slot] + 1);
    results[0]->close();

    // The same details again: the same reading.
    window = new frmMain(f.context);
    window->show();
    enter(*window, QStringLiteral("Zo\u00eb  Ann"), 11, 21, 1987);
    window->cmdCalculate_Click();
    QCOMPARE(shownReading(), expected);
}

void TestMainWindow::menuGenerateValidatesToo()
{
    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    activate(*window, QStringLiteral("mnuMayan"));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown[0].text, kNameMessage);

    window->txtName()->setText(QStringLiteral("Ada"));
    activate(*window, QStringLiteral("mnuMayan"));
    QCOMPARE(shownReading().person.name, std::string("Ada"));
}

void TestMainWindow::enterGenerates_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("popup"); // the list is open
    QTest::addColumn<QString>("outcome"); // generate, choose, open or page

    for (const char* control : {"txtName", "cboMonth", "cboDate", "cboYear", "cboBirthTime", "cmdCalculate"}) {
        QTest::addRow("Return in %s", control) << control << int(Qt::Key_Return) << false << "generate";
        QTest::addRow("keypad Enter in %s", control) << control << int(Qt::Key_Enter) << false << "generate";
    }
    QTest::newRow("Return in the open month list") << "cboMonth" << int(Qt::Key_Return) << true << "choose";
    QTest::newRow("keypad Enter in the open year list") << "cboYear" << int(Qt::Key_Enter) << true << "choose";
    QTest::newRow("Return on Open") << "cmdOpen" << int(Qt::Key_Return) << false << "open";
    QTest::newRow("Return on the forum link") << "Label14" << int(Qt::Key_Return) << false << "page";
}

void TestMainWindow::enterGenerates()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, popup);
    QFETCH(QString, outcome);

    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->txtName()->setText(QStringLiteral("Ada"));
    auto* target = window->findChild<QWidget*>(control);
    target->setFocus();
    auto* list = qobject_cast<QComboBox*>(target);
    if (popup) {
        list->showPopup();
        QTest::keyClick(list->view(), Qt::Key_Down);
        target = list->view();
    }
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), modifiers);

    QCOMPARE(shownWindows<frmMayanBirthchartResult>().size(), outcome == QLatin1String("generate") ? 1 : 0);
    QCOMPARE(f.fakes.files.openCalls, outcome == QLatin1String("open") ? 1 : 0);
    QCOMPARE(f.fakes.pages.opened.size(), outcome == QLatin1String("page") ? 1 : 0);
    if (popup) {
        QVERIFY(!list->view()->isVisible());
        QCOMPARE(list->currentIndex(), 1);
    }
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void TestMainWindow::exitCloses_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void TestMainWindow::exitCloses()
{
    QFETCH(bool, byMenu);
    Fixture f;
    QPointer<frmMain> window = new frmMain(f.context);
    window->show();
    if (byMenu)
        activate(*window, QStringLiteral("mnuExit"));
    else
        window->close();
    QTRY_VERIFY(window.isNull());
    QVERIFY(shownWindows<QMainWindow>().isEmpty());
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void TestMainWindow::countMenu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("stored"); // "-": nothing stored
    QTest::newRow("never chosen") << "mnuCount" << "-";
    QTest::newRow("not a count") << "mnuCount" << "584284";
    QTest::newRow("wrong case") << "mnuCount" << "Dreamspell";
    QTest::newRow("day start never chosen") << "mnuDayBegins" << "-";
    QTest::newRow("not a day start") << "mnuDayBegins" << "dusk";
    QTest::newRow("day start in the wrong case") << "mnuDayBegins" << "Sunset";
}

// The Count and Day Begins At menus, and the traditional 584283 count and
// midnight wherever nothing was chosen.
void TestMainWindow::countMenu()
{
    QFETCH(QString, menu);
    QFETCH(QString, stored);
    const bool count = menu == QLatin1String("mnuCount");
    Fixture f;
    if (stored != "-")
        WriteSetting(f.fakes.settings, count ? "Count" : "DayStart", stored);
    const auto before = f.fakes.settings.values;
    frmMain window(f.context);
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    QMenu* choices = window.findChild<QMenu*>(menu);
    QVERIFY(choices);
    QCOMPARE(choices->title(), count ? QStringLiteral("&Count") : QStringLiteral("&Day Begins At"));
    const QStringList expected = count ? QStringList{"&Traditional (correlation 584283)",
                                                     "Traditional (correlation 58428&5)", "&Dreamspell"}
                                       : QStringList{"&Midnight (calendar day)", "&Sunset (the previous evening)",
                                                     "Sun&rise"};
    QCOMPARE(captions(choices), expected);
    // Side by side after File, then View, Language and Help on the menu bar.
    QStringList bar;
    for (QAction* title : window.menuBar()->actions())
        bar << (title->menu() ? title->menu()->objectName() : title->objectName());
    QCOMPARE(bar.mid(0, 6), (QStringList{"mnuFile", "mnuCount", "mnuDayBegins", "mnuView", "mnuLanguage", "mnuHelp"}));

    QCOMPARE(checkedItem(&window, menu + QStringLiteral("Item")), 0);
    QCOMPARE(f.context.count, Count::Gmt584283);
    QCOMPARE(f.context.dayStart, DayStart::Midnight);
    QCOMPARE(f.fakes.settings.values, before); // loading stores nothing
}

// Language > Español speaks Spanish at once, in a main window built again
// with what was entered; the choice is kept, and English gives the English
// window back.
void TestMainWindow::languageMenu()
{
    Fixture f;
    auto* window = new frmMain(f.context);
    window->show();
    QCOMPARE(captions(window->findChild<QMenu*>(QStringLiteral("mnuLanguage"))), (QStringList{"English", "Español"}));
    QCOMPARE(checkedItem(window, QStringLiteral("mnuLanguageItem")), 0);
    enter(*window, "Ana", 6, 26, 1987);
    window->cboBirthTime()->setCurrentIndex(1);

    activate(*window, QStringLiteral("mnuLanguageItem(1)"));
    QTRY_COMPARE(shownWindows<frmMain>().size(), 1);
    frmMain* spanish = shownOne<frmMain>();
    QVERIFY(spanish != window);
    QCOMPARE(ReadLanguageSetting(f.fakes.settings), QStringLiteral("es"));
    QCOMPARE(checkedItem(spanish, QStringLiteral("mnuLanguageItem")), 1);
    QCOMPARE(spanish->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Datos personales"));
    QCOMPARE(spanish->cboMonth()->currentText(), QStringLiteral("Julio"));
    QCOMPARE(spanish->enteredPerson(), (Person{"Ana", {1987, 7, 26}, BirthTime::Evening}));

    activate(*spanish, QStringLiteral("mnuLanguageItem(0)"));
    QTRY_COMPARE(shownWindows<frmMain>().size(), 1);
    frmMain* english = shownOne<frmMain>();
    QCOMPARE(english->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Personal Details"));
    QCOMPARE(english->cboMonth()->currentText(), QStringLiteral("July"));
    QCOMPARE(ReadLanguageSetting(f.fakes.settings), QStringLiteral("en"));
    closeAllWindows();
}

void TestMainWindow::choiceMenus_data()
{
    QTest::addColumn<QString>("items"); // the menu's items' name
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("stored"); // empty: the store cannot be written
    QTest::addColumn<bool>("unread");    // the store could not be read, as start-up said
    const QString count = QStringLiteral("mnuCountItem"), start = QStringLiteral("mnuDayBeginsItem");
    QTest::newRow("584283") << count << 0 << "584283" << false;
    QTest::newRow("584285") << count << 1 << "584285" << false;
    QTest::newRow("Dreamspell") << count << 2 << "dreamspell" << false;
    QTest::newRow("Dreamspell, store read-only") << count << 2 << "" << false;
    QTest::newRow("midnight") << start << 0 << "midnight" << false;
    QTest::newRow("sunset") << start << 1 << "sunset" << false;
    QTest::newRow("sunrise") << start << 2 << "sunrise" << false;
    QTest::newRow("sunset, store read-only") << start << 1 << "" << false;
    QTest::newRow("Dreamspell, store unreadable") << count << 2 << "" << true;
}

// Generate and Back follow the choice; a new run reads what the store kept.
void TestMainWindow::choiceMenus()
{
    QFETCH(QString, items);
    QFETCH(int, item);
    QFETCH(QString, stored);
    QFETCH(bool, unread);
    const bool isCount = items == QLatin1String("mnuCountItem");
    const QString key = isCount ? QStringLiteral("Count") : QStringLiteral("DayStart");
    const auto countOf = [&](int i) { return isCount ? kCounts[std::size_t(i)] : Count::Gmt584283; };
    const auto startOf = [&](int i) { return isCount ? DayStart::Midnight : kDayStarts[std::size_t(i)]; };
    Fixture f;
    f.fakes.settings.readOnly = stored.isEmpty();
    if (unread)
        f.fakes.settings.problem = QStringLiteral("Permission denied");
    auto* window = new frmMain(f.context);
    window->show();
    activate(*window, QStringLiteral("%1(%2)").arg(items).arg(item));
    QCOMPARE(f.context.count, countOf(item));
    QCOMPARE(f.context.dayStart, startOf(item));
    QCOMPARE(checkedItem(window, items), item);
    QCOMPARE(ReadSetting(f.fakes.settings, key), stored);
    // A choice the store cannot keep is said to hold for this run only,
    // unless start-up has said already that the store could not be read.
    QCOMPARE(f.fakes.messages.shown.size(), stored.isEmpty() && !unread ? 1 : 0);

    // Born in the evening of 28 February 2000, or before sunrise on 1 March:
    // 29 February's reading when the day begins at sunset, or at sunrise.
    const bool night = startOf(item) == DayStart::Sunrise;
    const CivilDate born = night ? CivilDate{2000, 3, 1} : CivilDate{2000, 2, 28};
    const BirthTime time = night ? BirthTime::Night : BirthTime::Evening;
    enter(*window, "Ada", born.month - 1, born.day, 2000);
    window->cboBirthTime()->setCurrentIndex(static_cast<int>(time));
    window->cmdCalculate_Click();
    QCOMPARE(shownReading(), readingFor("Ada", born, countOf(item), time, startOf(item)));
    QCOMPARE(shownReading().date, (startOf(item) == DayStart::Midnight ? born : CivilDate{2000, 2, 29}));
    activate(*shownWindows<frmMayanBirthchartResult>().value(0), QStringLiteral("mnuBack"));
    QTRY_COMPARE(shownWindows<frmMain>().size(), 1);
    QCOMPARE(checkedItem(shownOne<frmMain>(), items), item);

    Fixture restarted;
    restarted.fakes.settings.values = f.fakes.settings.values;
    frmMain next(restarted.context);
    next.setAttribute(Qt::WA_DeleteOnClose, false);
    const int kept = stored.isEmpty() ? 0 : item;
    QCOMPARE(restarted.context.count, countOf(kept));
    QCOMPARE(restarted.context.dayStart, startOf(kept));
    QCOMPARE(checkedItem(&next, items), kept);
}

// The time of birth: a row of its own in the frame, between the date and Generate.
void TestMainWindow::timeOfBirthRow()
{
    Fixture f;
    frmMain window(f.context);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QComboBox* time = window.cboBirthTime();
    QWidget* frame = time->parentWidget();
    QCOMPARE(frame->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(frame->geometry(), QRect(75, 80, 329, 121)); // the frame keeps its place
    QCOMPARE(time->count(), 3);
    QCOMPARE(time->itemText(0), QStringLiteral("Not known / daytime"));
    QCOMPARE(time->itemText(1), QStringLiteral("Evening, after sunset"));
    QCOMPARE(time->itemText(2), QStringLiteral("Night, after midnight and before sunrise"));
    QCOMPARE(time->currentIndex(), 0);
    QCOMPARE(time->accessibleName(), QStringLiteral("Time of birth"));
    auto* label = window.findChild<QLabel*>(QStringLiteral("lblBirthTime"));
    QCOMPARE(label->text(), QStringLiteral("Time of &birth"));
    QCOMPARE(label->buddy(), time);

    // The rows stand one below the other, none overlapping, all in the frame.
    const QList<QWidget*> rows = {window.txtName(), window.cboMonth(), time,
                                  window.findChild<QWidget*>(QStringLiteral("cmdCalculate"))};
    for (qsizetype i = 1; i < rows.size(); ++i)
        QVERIFY2(rows[i - 1]->geometry().bottom() < rows[i]->y(), qPrintable(rows[i]->objectName()));
    QVERIFY(rows.last()->geometry().bottom() < frame->height());
    QCOMPARE(window.cboYear()->y(), window.cboMonth()->y());
    QVERIFY(qAbs(label->geometry().center().y() - time->geometry().center().y()) <= 1);

    time->setCurrentIndex(2);
    QCOMPARE(window.enteredPerson().born, BirthTime::Night);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
