#pragma once
// The report window: the whole reading as formatted text, with Save and Print.

#include <QDialog>

class QGroupBox;
class QPushButton;
class QWidget;

namespace kinwheel {

struct AppContext;
class ClickableLabel;
class RichTextPanel;

class frmSave : public QDialog {
    Q_OBJECT
public:
    // Builds the window and composes the report from the current reading.
    // The window deletes itself when closed.
    frmSave(AppContext& context, QWidget* parent = nullptr);

    RichTextPanel* rtb() const { return m_RTB; }

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();
    void Label1_Click();
    void Label14_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

private:
    void setupUi();
    void Form_Load();

    AppContext& m_context;
    ClickableLabel* m_Label14 = nullptr;
    ClickableLabel* m_Label1 = nullptr;
    RichTextPanel* m_RTB = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QGroupBox* m_fraFullBrand = nullptr;
    ClickableLabel* m_lblFullBrand = nullptr;
    ClickableLabel* m_lblCobrand = nullptr;
};

// Opens a freshly composed report window, modal over the whole program, and
// returns at once with it; it is gone once the user closes it.
frmSave* showReportWindow(AppContext& context, QWidget* parent);

} // namespace kinwheel
