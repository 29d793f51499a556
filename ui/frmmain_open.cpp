#include "ui/frmmain.h"

#include "report/readingfile.h"
#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <variant>

namespace kinwheel {

void frmMain::cmdOpen_Click()
{
    const QString path =
        m_context.services.files.openFileName(this, readingFileDialog(tr("Select the source file")));
    if (!path.isEmpty())
        openAndRemember(path);
}

// A file that readReadingFile() refuses changes nothing: a reading is never
// shown for some other date. One it reads is shown in the controls and goes
// through Generate's checks, so a refused one stays there to be corrected.
bool frmMain::openReading(const QString& path)
{
    const auto read = readReadingFile(path);
    const auto* person = std::get_if<Person>(&read);
    if (!person) {
        m_context.services.messages.show(this, tr("Please Check The File."), MessageIcon::Critical);
        return false;
    }
    showPerson(*person);
    return generate(*person);
}

} // namespace kinwheel
