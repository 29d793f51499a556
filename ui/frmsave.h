#pragma once
// The report window: the whole reading as formatted text, with Save and Print.

#include "engine/reading.h"
#include "ui/publisherlinks.h"

#include <QDialog>

class QPushButton;
class QWidget;

namespace kinwheel {

class RichTextPanel;

class frmSave : public QDialog, public PublisherLinks {
    Q_OBJECT
public:
    // Builds the window and composes the report of reading. The window
    // deletes itself when closed.
    frmSave(AppContext& context, const Reading& reading, QWidget* parent = nullptr);

    const Reading& reading() const { return m_reading; }
    RichTextPanel* rtb() const { return m_RTB; }

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();
    void Label1_Click();

private:
    void setupUi();
    void Form_Load();

    const Reading m_reading;
    ClickableLabel* m_Label1 = nullptr;
    RichTextPanel* m_RTB = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdPrint = nullptr;
};

// Opens a freshly composed report window of reading, modal over the whole
// program, and returns at once with it; it is gone once the user closes it.
frmSave* showReportWindow(AppContext& context, const Reading& reading, QWidget* parent);

} // namespace kinwheel
