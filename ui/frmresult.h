#pragma once
// The result window: the destiny cross as five glyph cards, with the text of
// each position beside them.

#include <QMainWindow>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kinwheel {

struct AppContext;
class ClickableLabel;
class RichTextPanel;

class frmMayanBirthchartResult : public QMainWindow {
    Q_OBJECT
public:
    // Loading the window runs the calculation again on the current birth details.
    explicit frmMayanBirthchartResult(AppContext& context, QWidget* parent = nullptr);

    // Shows the current reading's cross: pictures and text. A refill replaces.
    void fillResultWindow();

    RichTextPanel* RTB() const { return m_RTB; }
    // The picture box of a cross slot and the number of the picture it shows (0: none).
    QLabel* imgSign(int slot) const { return m_imgSign[slot]; }
    int pictureNumber(int slot) const;

public slots:
    void cmdBack_Click();
    void mnuBack_Click();
    void cmdSave_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void Label14_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

private:
    void setupUi();
    void setupMenus();
    void Form_Load();

    AppContext& m_context;

    ClickableLabel* m_Label14 = nullptr;
    QLabel* m_imgSign[5] = {};
    QLabel* m_lblLabel[5] = {};
    RichTextPanel* m_RTB = nullptr;
    QGroupBox* m_fraFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdBack = nullptr;
};

} // namespace kinwheel
