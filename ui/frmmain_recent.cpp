#include "ui/frmmain.h"

#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace kinwheel {
namespace {

// The one local file a drag carries; empty for several files, a web address or text.
QString draggedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    return data->urls().constFirst().toLocalFile();
}

} // namespace

bool frmMain::openAndRemember(const QString& path)
{
    return rememberReading(m_context.services.settings, path, openReading(path));
}

void frmMain::fillRecentMenu()
{
    fillRecentReadingsMenu(m_mnuRecent, m_context.services.settings,
                           [this](const QString& path) { openAndRemember(path); });
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event)
{
    if (draggedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Open once the drop is over: the source is not kept waiting on a message
    // box, and Generate may close this window.
    QMetaObject::invokeMethod(this, [this, path] { openAndRemember(path); }, Qt::QueuedConnection);
}

// The name box would take a dropped file's path as text; a file goes to the window.
bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_txtName && (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
        && static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
        if (type == QEvent::Drop)
            dropEvent(static_cast<QDropEvent*>(event));
        else
            dragMoveEvent(static_cast<QDragMoveEvent*>(event));
        return true;
    }
    return ProgramWindow::eventFilter(watched, event);
}

} // namespace kinwheel
