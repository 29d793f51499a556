#pragma once
// The main window: the person's name and birth date, and the Generate command.

#include "engine/reading.h"
#include "ui/programwindow.h"

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinwheel {

class frmMain : public ProgramWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context, QWidget* parent = nullptr);

    // The controls the Open command writes into.
    QLineEdit* txtName() const { return m_txtName; }
    QComboBox* cboYear() const { return m_cboYear; }
    QComboBox* cboMonth() const { return m_cboMonth; }
    QComboBox* cboDate() const { return m_cboDate; }
    // The time of birth, in the order of kBirthTimes.
    QComboBox* cboBirthTime() const { return m_cboBirthTime; }

    // Opens the reading file at path as File > Open does once a file is
    // chosen: its reading replaces this window. False when it was refused,
    // with "Please Check The File.", or with Generate's message, the file's
    // values then left in the controls.
    bool openReading(const QString& path);
    // The same, keeping the recent readings list: an opened file goes to its
    // top, one that no longer opens leaves it.
    bool openAndRemember(const QString& path);

    // Checks the entered details; shows at most one message. True: Generate may go on.
    bool validateBirthDetails();
    // The person the controls show: the name trimmed, the date and time from the lists' positions.
    Person enteredPerson() const;

public slots:
    void cmdCalculate_Click();
    void cmdOpen_Click();
    void mnuMayan_Click();
    // File > Compare With…: the entered person's reading beside another.
    void mnuCompare_Click();
    void mnuExit_Click();
    // Count > item index (0..2, in the order of kCounts): the count readings follow.
    void mnuCountItem_Click(int index);
    // Day Begins At > item index (0..2, in the order of kDayStarts).
    void mnuDayBeginsItem_Click(int index);
    // Language > item index (in the order of kLanguages): the language the program speaks.
    void mnuLanguageItem_Click(int index);

protected:
    // Today's reading under the chosen count.
    std::optional<Reading> boardReading() override;
    bool boardShowsToday() const override { return true; }
    // Return and keypad Enter that no control takes run Generate.
    void keyPressEvent(QKeyEvent* event) override;
    // One reading file dropped on the window, the name box included, opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void setupMenus();
    void fillRecentMenu();
    void setupCountMenu();
    void setupDayStartMenu();
    void setupLanguageMenu();
    // This window built again in the language now installed, showing what
    // was entered here, in its place; this one closes.
    void rebuildInLanguage();
    // A menu of exclusive items named itemName(i), item checked one checked;
    // choosing item i runs click(i).
    void addChoiceMenu(const QString& title, const char* objectName, const char* itemName, const QStringList& captions,
                       int checked, void (frmMain::*click)(int));
    // Checks item index of a choice menu; says so when the choice could not be stored.
    void keepChoice(const char* itemName, int index, bool stored, const QString& notStored);
    void Form_Load();
    // Shows the controls holding person (whose values the lists hold).
    void showPerson(const Person& person);
    // The Today line: today's kin under the chosen count.
    void showToday();
    // Generate on person: the checks, with at most one message, then the
    // result window in place of this one. True once it is shown.
    bool generate(const Person& person);
    // The reading of person under the chosen count and day start, checked
    // as Generate checks it; a refusal is shown, and gives none.
    std::optional<Reading> checkedReadingOf(const Person& person);

    QMenu* m_mnuRecent = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QLineEdit* m_txtName = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QLabel* m_Label1[3] = {};
    QLabel* m_lblBirthTime = nullptr;
    QComboBox* m_cboBirthTime = nullptr;
    QLabel* m_lblToday = nullptr;
};

} // namespace kinwheel
