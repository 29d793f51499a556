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

    AppContext& m_context;
    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    ClickableLabel* lblHomePage;
    QLabel* Label3;
    ClickableLabel* lblCoBrand;
    QWidget* Line1;
    QPushButton* cmdOK;
};

// Opens the about box over parent and returns at once; until it is closed no
// other window of the program takes input. It deletes itself when closed.
frmAbout* showAboutBox(AppContext& context, QWidget* parent);

} // namespace kinwheel
