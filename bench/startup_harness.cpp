// The program's start-up sequence with its real services, quitting as soon as
// the main window is shown and the event loop is idle. The settings live in a
// scratch file so that the reminder never asks.

#include "platform/qtservices.h"
#include "app/startup.h"
#include "ui/appcontext.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kinwheel::QtMessageService messages;
    kinwheel::QtFileDialogService files;
    kinwheel::QtPageOpener pages;
    kinwheel::QtPrinterService printer;
    kinwheel::QtSettingsStore settings(QDir::temp().filePath(QStringLiteral("kinwheel-bench-startup.ini")));
    kinwheel::SystemClock clock;
    kinwheel::SeededRandom random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    kinwheel::Services services{messages, files, pages, printer, settings, clock, random};
    kinwheel::AppContext context(services);
    kinwheel::LockFileGuard guard(QDir::temp().filePath(QStringLiteral("kinwheel-bench-startup.lock")));
    if (!kinwheel::RunStartup(guard, context))
        return 1;
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
