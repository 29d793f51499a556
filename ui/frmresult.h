#pragma once
// The result window: the destiny cross as five glyph cards, with the text of
// each position beside them.

#include "engine/reading.h"
#include "ui/programwindow.h"

class QLabel;
class QPushButton;

namespace kinwheel {

class RichTextPanel;
class ToneBadge;

class frmMayanBirthchartResult : public ProgramWindow {
    Q_OBJECT
public:
    // The window showing reading; it deletes itself when closed.
    frmMayanBirthchartResult(AppContext& context, const Reading& reading, QWidget* parent = nullptr);

    const Reading& reading() const { return m_reading; }
    // Shows the reading's cross: pictures and text. A refill replaces.
    void fillResultWindow();

    RichTextPanel* rtb() const { return m_RTB; }
    // The picture box of a cross slot and the number of the picture it shows (0: none).
    QLabel* imgSign(int slot) const { return m_imgSign[slot]; }
    int pictureNumber(int slot) const;
    // The reading's tone beside the central card.
    ToneBadge* picTone() const { return m_picTone; }

public slots:
    void cmdBack_Click();
    void mnuBack_Click();
    void cmdSave_Click();
    void mnuExit_Click();
    // File > Compare With…: this reading beside another.
    void mnuCompare_Click();
    // File > Export Kin Returns: the next returns as a calendar file.
    void mnuExportReturns_Click();

protected:
    std::optional<Reading> boardReading() override { return m_reading; }

private:
    void setupUi();
    void setupMenus();

    const Reading m_reading;
    QLabel* m_imgSign[5] = {};
    ToneBadge* m_picTone = nullptr;
    QLabel* m_lblLabel[5] = {};
    RichTextPanel* m_RTB = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdBack = nullptr;
};

} // namespace kinwheel
