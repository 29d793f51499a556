#include "ui/frmmain.h"

#include "engine/tables.h"
#include "platform/services.h"
#include "platform/settings.h"
#include "report/validation.h"
#include "ui/appcontext.h"
#include "ui/frmcomparewith.h"
#include "ui/frmresult.h"
#include "ui/today.h"
#include "ui/widgets.h"
#include "ui/windowparts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace kinwheel {

frmMain::frmMain(AppContext& context, QWidget* parent)
    : ProgramWindow(context, "frmMain", QSize(tw(7200), tw(4020)), parent)
{
    // The stored count and day start are read once a run; a choice made
    // since holds until the program ends, even when it could not be stored.
    if (!m_context.countRead) {
        m_context.count = ReadCountSetting(m_context.services.settings);
        m_context.dayStart = ReadDayStartSetting(m_context.services.settings);
        m_context.countRead = true;
    }
    setupUi();
    Form_Load();
    m_txtName->setFocus();
    centreOnScreen(this);
}

// Every control with its place, in stacking order: a later control lies above
// an earlier one. Positions in twips, relative to the control's container.
void frmMain::setupUi()
{
    QWidget* client = this->client();

    addOfferFrame(twRect(8, 3120, 7185, 855));

    // Out of sight below the client area. Tab passes it by, as it passes by
    // everything a user cannot see; File > Open and the access key reach it.
    m_cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), client);
    m_cmdOpen->setFocusPolicy(Qt::NoFocus);
    m_cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    m_cmdOpen->setFont(windowFont(9, true));
    m_cmdOpen->setGeometry(twRect(1560, 5520, 2000, 1700));

    m_Frame1 = new QGroupBox(tr("Personal Details"), client);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setFont(windowFont(9.75, true));
    m_Frame1->setGeometry(twRect(1133, 1200, 4935, 1815));

    m_txtName = new QLineEdit(m_Frame1);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setFont(windowFont(8.25));
    m_txtName->setGeometry(twRect(1530, 315, 3300, 285));
    m_txtName->setAccessibleName(tr("Name"));
    // No longer than a reading file keeps, so every name typed can be saved and opened again.
    m_txtName->setMaxLength(kMaxNameLength);

    m_cmdCalculate = new QPushButton(tr("&Generate Mayan Astrology Birth Chart"), m_Frame1);
    m_cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_cmdCalculate->setFont(windowFont(8.25, true));
    m_cmdCalculate->setGeometry(twRect(105, 1395, 4740, 360));

    // Drop-down lists take no typed text; their height follows the font.
    // The rows of the frame: name, date, time of birth, then Generate.
    auto makeList = [this](const char* name, int left, int top, int width, const QString& accessibleName) {
        auto* list = new QComboBox(m_Frame1);
        list->setObjectName(QString::fromLatin1(name));
        list->setFont(windowFont(8.25));
        list->setEditable(false);
        list->setMaxVisibleItems(12);
        list->setAccessibleName(accessibleName);
        list->setGeometry(QRect(tw(left), tw(top), tw(width), list->sizeHint().height()));
        return list;
    };
    m_cboYear = makeList("cboYear", 3825, 645, 1000, tr("Year of birth"));
    m_cboDate = makeList("cboDate", 3030, 645, 700, tr("Day of birth"));
    m_cboMonth = makeList("cboMonth", 1530, 645, 1400, tr("Month of birth"));
    m_cboBirthTime = makeList("cboBirthTime", 1530, 1020, 3300, tr("Time of birth"));
    // Its longest choice is elided in the box; the whole of it shows on hover.
    connect(m_cboBirthTime, &QComboBox::currentTextChanged, m_cboBirthTime, &QWidget::setToolTip);

    const QFont bold = windowFont(8.25, true);
    // The row labels reach to their fields, so that a longer word of another
    // language is not cut off; their text stands where it always did.
    m_Label1[0] = makeLabel(m_Frame1, "Label1(0)", tr("Name"), twRect(120, 360, 1350, 195), bold, Qt::black);
    m_Label1[1] = makeLabel(m_Frame1, "Label1(1)", tr("Date of Birth"), twRect(120, 720, 1350, 195), bold,
                            Qt::black);
    m_lblBirthTime = makeLabel(m_Frame1, "lblBirthTime", tr("Time of &birth"), twRect(120, 1080, 1350, 195), bold,
                               Qt::black);
    for (QLabel* label : {m_Label1[0], m_Label1[1], m_lblBirthTime})
        label->setWordWrap(false);
    m_Label1[0]->setBuddy(m_txtName);
    m_Label1[1]->setBuddy(m_cboMonth);
    m_lblBirthTime->setBuddy(m_cboBirthTime);

    m_Label1[2] = makeLabel(client, "Label1(2)",
                            tr("Kinwheel generates your birth chart based on Mayan principles. Just input "
                               "your date of birth and get your Mayan chart instantly."),
                            twRect(128, 495, 6945, 675), bold, Qt::white, Qt::AlignHCenter | Qt::AlignTop);

    addForumLink(twRect(938, 0, 5325, 435));

    // Today's kin in one line, under the introduction and above the frame.
    m_lblToday = makeLabel(client, "lblToday", QString(), twRect(128, 930, 6945, 255), windowFont(8.25), Qt::white,
                           Qt::AlignHCenter | Qt::AlignVCenter);
    m_lblToday->setWordWrap(false);
    showToday();
    connect(new DayWatcher(m_context, this), &DayWatcher::dayChanged, this, &frmMain::showToday);

    setTabOrder(m_txtName, m_cboMonth);
    setTabOrder(m_cboMonth, m_cboDate);
    setTabOrder(m_cboDate, m_cboYear);
    setTabOrder(m_cboYear, m_cboBirthTime);
    setTabOrder(m_cboBirthTime, m_cmdCalculate);
    // The links come after the entry controls, so they too can be reached by keyboard.
    chainLinksAfter(m_cmdCalculate);

    // Generate is the default button: Enter runs it from any control that
    // does not keep Enter for itself (an open list, a link, the Open button).
    m_cmdCalculate->setDefault(true);
    m_cmdOpen->setAutoDefault(true);

    // A reading file may be dropped anywhere on the window.
    setAcceptDrops(true);
    m_txtName->installEventFilter(this);

    connect(m_cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(m_cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    setupMenus();
}

void frmMain::setupMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // The only way to Open besides the off-screen cmdOpen button.
    addCommand(file, tr("&Open Previously Saved Reading..."), "mnuOpen", &frmMain::cmdOpen_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuRecent = file->addMenu(tr("Recent Readings"));
    m_mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    m_mnuRecent->setToolTipsVisible(true);
    // Another window may have changed the list since this one was built.
    connect(m_mnuRecent, &QMenu::aboutToShow, this, &frmMain::fillRecentMenu);
    fillRecentMenu();
    addCommand(file, tr("&Generate Mayan Birth Chart"), "mnuMayan", &frmMain::mnuMayan_Click);
    addCommand(file, tr("&Compare With…"), "mnuCompare", &frmMain::mnuCompare_Click);
    addSeparator(file, "mnuSep3");
    addCommand(file, tr("E&xit"), "mnuExit", &frmMain::mnuExit_Click);
    setupCountMenu();
    setupDayStartMenu();
    addViewMenu();
    setupLanguageMenu();
    addSharedMenus();
}

void frmMain::setupCountMenu()
{
    const auto checked = std::find(kCounts.begin(), kCounts.end(), m_context.count) - kCounts.begin();
    const std::array captions{tr("&Traditional (correlation 584283)"), tr("Traditional (correlation 58428&5)"),
                              tr("&Dreamspell")};
    static_assert(captions.size() == kCounts.size(), "one caption per count, in the order of kCounts");
    addChoiceMenu(tr("&Count"), "mnuCount", "mnuCountItem", QStringList(captions.begin(), captions.end()),
                  static_cast<int>(checked), &frmMain::mnuCountItem_Click);
}

void frmMain::Form_Load()
{
    fillBirthDateLists(m_cboMonth, m_cboDate, m_cboYear);
    // In the order of kBirthTimes.
    m_cboBirthTime->addItems({tr("Not known / daytime"), tr("Evening, after sunset"),
                              tr("Night, after midnight and before sunrise")});
    m_cboBirthTime->setCurrentIndex(0);
}

Person frmMain::enteredPerson() const
{
    Person person = birthDatePerson(m_txtName, m_cboMonth, m_cboDate, m_cboYear);
    person.born = kBirthTimes[static_cast<std::size_t>(std::max(0, m_cboBirthTime->currentIndex()))];
    return person;
}

void frmMain::showPerson(const Person& person)
{
    showBirthDatePerson(person, m_txtName, m_cboMonth, m_cboDate, m_cboYear);
    m_cboBirthTime->setCurrentIndex(static_cast<int>(person.born));
}

void frmMain::showToday()
{
    const std::optional<Reading> reading = todaysReading(m_context);
    m_lblToday->setText(reading ? todayLine(*reading) : QString());
}

std::optional<Reading> frmMain::boardReading()
{
    return todaysReading(m_context);
}

bool frmMain::validateBirthDetails()
{
    const Person person = enteredPerson();
    auto refusal = nameRefusal(QString::fromStdString(person.name));
    if (!refusal)
        refusal = dateRefusal(person.birthDate);
    if (refusal)
        showRefusal(m_context.services.messages, this, *refusal, m_txtName);
    return !refusal;
}

std::optional<Reading> frmMain::checkedReadingOf(const Person& person)
{
    return checkedOrRefused(m_context.services.messages, this, person, m_context.count, m_context.dayStart, m_txtName);
}

bool frmMain::generate(const Person& person)
{
    const std::optional<Reading> reading = checkedReadingOf(person);
    if (!reading)
        return false;
    auto* result = new frmMayanBirthchartResult(m_context, *reading);
    result->show();
    close();
    return true;
}

void frmMain::cmdCalculate_Click()
{
    generate(enteredPerson());
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // As a dialog takes Enter: without modifiers, or from the keypad.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && m_cmdCalculate->isEnabled()) {
        m_cmdCalculate->click();
        return;
    }
    ProgramWindow::keyPressEvent(event);
}

void frmMain::mnuMayan_Click() { cmdCalculate_Click(); }

// The entered details, checked as Generate checks them, are the first reading.
void frmMain::mnuCompare_Click()
{
    if (const std::optional<Reading> reading = checkedReadingOf(enteredPerson()))
        askToCompare(m_context, *reading, this);
}

void frmMain::mnuCountItem_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(kCounts.size()))
        return;
    m_context.count = kCounts[static_cast<std::size_t>(index)];
    showToday();
    keepChoice("mnuCountItem", index, WriteCountSetting(m_context.services.settings, m_context.count),
               tr("The count is used until the program ends, but it could not be kept for the next start: the "
                  "settings could not be written."));
}
void frmMain::mnuExit_Click() { close(); }

} // namespace kinwheel
