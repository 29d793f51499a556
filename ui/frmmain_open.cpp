#include "ui/frmmain.h"

#include "report/readingfile.h"
#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <QComboBox>
#include <QLineEdit>

#include <variant>

namespace kinwheel {

void frmMain::cmdOpen_Click()
{
    const QString path =
        m_context.services.files.openFileName(this, readingFileDialog(QStringLiteral("Select the source file")));
    if (!path.isEmpty())
        openAndRemember(path);
}

// Reads a saved reading back into the name box and the three lists and runs
// Generate on it. A file that readReadingFile() refuses, or whose values the
// lists do not hold, changes nothing: a reading is never shown for some other
// date.
bool frmMain::openReading(const QString& path)
{
    const auto refuse = [this] {
        m_context.services.messages.show(this, QStringLiteral("Please Check The File."), MessageIcon::Critical);
    };
    const auto decoded = readReadingFile(path);
    const auto* values = std::get_if<ReadingValues>(&decoded);
    if (!values)
        return refuse(), false;

    const int year = m_cboYear->findText(values->year);
    const int month = m_cboMonth->findText(values->month);
    const int day = m_cboDate->findText(values->day);
    if (year < 0 || month < 0 || day < 0)
        return refuse(), false;

    m_txtName->setText(values->name);
    m_cboYear->setCurrentIndex(year);
    m_cboMonth->setCurrentIndex(month);
    m_cboDate->setCurrentIndex(day);
    cmdCalculate_Click();
    return true;
}

} // namespace kinwheel
