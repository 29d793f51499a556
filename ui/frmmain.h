#pragma once
// The main window: the person's name and birth date, and the Generate command.

#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinwheel {

struct AppContext;
class ClickableLabel;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& context, QWidget* parent = nullptr);

    // The controls the Open command writes into.
    QLineEdit* txtName() const { return m_txtName; }
    QComboBox* cboYear() const { return m_cboYear; }
    QComboBox* cboMonth() const { return m_cboMonth; }
    QComboBox* cboDate() const { return m_cboDate; }

    // Brings one of the two stacked offer labels to the front of its frame.
    void bringOfferToFront(bool coBrand);

    // Checks the entered details; shows at most one message. True: Generate may go on.
    bool validateBirthDetails();

public slots:
    void cmdCalculate_Click();
    void cmdOpen_Click();
    void mnuMayan_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void Label14_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();
    void mnuAbout_Click();

private:
    void setupUi();
    void setupMenus();
    void Form_Load();

    AppContext& m_context;

    QGroupBox* m_fraFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QLineEdit* m_txtName = nullptr;
    QPushButton* m_cmdCalculate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QLabel* m_Label1[3] = {};
    ClickableLabel* m_Label14 = nullptr;
};

} // namespace kinwheel
