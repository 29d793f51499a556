#pragma once
// The small dialog that asks whom to compare a reading with: a reading file
// (File > Open's dialog and refusals), one of the recent readings, or a name
// and birth date typed in with the main window's checks.

#include "engine/reading.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kinwheel {

struct AppContext;

class frmCompareWith : public QDialog {
    Q_OBJECT
public:
    // Asks for the reading to compare first with; it deletes itself when closed.
    frmCompareWith(AppContext& context, const Reading& first, QWidget* parent = nullptr);

    QLineEdit* txtName() const { return m_txtName; }
    QComboBox* cboYear() const { return m_cboYear; }
    QComboBox* cboMonth() const { return m_cboMonth; }
    QComboBox* cboDate() const { return m_cboDate; }

    // The reading file at path, read as Open reads it and checked as
    // Generate checks: chosen once it passes; otherwise one message, and a
    // file whose values are refused leaves them in the controls. The recent
    // readings list follows, as it follows Open.
    bool compareWithFile(const QString& path);

public slots:
    void cmdOpen_Click();
    // The name and date typed in.
    void cmdCompare_Click();

signals:
    // The second reading, under the first's count; the dialog then closes.
    void chosen(const kinwheel::Reading& second);

private:
    void setupUi();
    bool choose(const Person& person);

    AppContext& m_context;
    const Reading m_first;
    QPushButton* m_cmdOpen = nullptr;
    QPushButton* m_cmdRecent = nullptr;
    QMenu* m_mnuRecent = nullptr;
    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboYear = nullptr;
    QPushButton* m_cmdCompare = nullptr;
};

// Asks whom to compare first with, then shows the comparison window over
// parent; returns at once with the dialog.
frmCompareWith* askToCompare(AppContext& context, const Reading& first, QWidget* parent);

} // namespace kinwheel
