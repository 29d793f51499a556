#include "ui/frmmain.h"

#include "ui/appcontext.h"
#include "ui/windowparts.h"

namespace kinwheel {

void frmMain::cmdOpen_Click()
{
    if (const QString path = askReadingFile(m_context.services.files, this); !path.isEmpty())
        openAndRemember(path);
}

// A file that readReadingFile() refuses changes nothing: a reading is never
// shown for some other date. One it reads is shown in the controls and goes
// through Generate's checks, so a refused one stays there to be corrected.
bool frmMain::openReading(const QString& path)
{
    return openReadingFile(m_context.services.messages, this, path, [this](const Person& person) {
        showPerson(person);
        return generate(person);
    });
}

} // namespace kinwheel
