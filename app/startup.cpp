#include "app/startup.h"

#include "platform/services.h"
#include "platform/settings.h"
#include "report/language.h"
#include "ui/appcontext.h"
#include "ui/frmmain.h"

#include <QCoreApplication>
#include <QApplication>
#include <QPixmapCache>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kinwheel {

frmMain* RunStartup(InstanceGuard& guard, AppContext& context, const std::optional<QString>& file)
{
    Services& services = context.services;
    // Every window and message speaks the chosen language, the first one included.
    installLanguage(ProgramLanguage(services.settings));
    if (!guard.acquire()) {
        services.messages.show(nullptr, QCoreApplication::translate("kinwheel", "Application is already running"), MessageIcon::Information);
        EndProgram();
        return nullptr;
    }
    // Settings that could not be read are left as they are; the user is told once.
    if (const QString problem = services.settings.readProblem(); !problem.isEmpty())
        services.messages.show(nullptr, problem, MessageIcon::Critical);
    RunUpdateReminder(services);

    // Qt 6.4's pixmap cache keeps every text key it was ever given, and the
    // style draws under a new key for each new window's palette; with the
    // cache on, memory grows with every window opened. The windows are small
    // and cheap to draw uncached.
    QPixmapCache::setCacheLimit(0);

    auto* window = new frmMain(context);
    window->show();
    CoBrand_Randomize(*window, context);
    // As File > Open: an opened file joins the recent readings; a refused one
    // leaves the main window open with its message.
    if (file)
        window->openAndRemember(*file);
    return window;
}

void CoBrand_Randomize(frmMain& window, AppContext& context)
{
    const double r = context.services.random.next();
    // 1..6, each equally likely; clamped should a source ever step outside [0, 1).
    const int number = std::clamp(static_cast<int>(std::floor(r * 6)) + 1, 1, 6);
    context.coBrandRandomNumber = number;
    window.bringOfferToFront(coBrandInFront(number));
}

void EndProgram()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget>& widget : windows) {
        if (widget)
            widget->close();
    }
    QCoreApplication::quit();
}

} // namespace kinwheel
