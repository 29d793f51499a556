#pragma once
// The about box: the program's name and description, two links to the
// publisher's pages and an OK button.

#include <QDialog>

class QLabel;
class QPushButton;

namespace kinwheel {

struct AppContext;
class ClickableLabel;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);

private:
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

    void setupUi();

    AppContext& m_context;
    QLabel* m_picIcon = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_Label1 = nullptr;
    ClickableLabel* m_lblHomePage = nullptr;
    QLabel* m_Label3 = nullptr;
    ClickableLabel* m_lblCoBrand = nullptr;
    QWidget* m_Line1 = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

// Opens the about box over parent and returns at once; until it is closed no
// other window of the program takes input. It deletes itself when closed.
frmAbout* showAboutBox(AppContext& context, QWidget* parent);

} // namespace kinwheel
