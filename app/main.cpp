// Kinwheel: a Mayan astrology birth chart from a name and a birth date.

#include "platform/qtservices.h"
#include "app/startup.h"
#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QIcon>
#include <QDateTime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kinwheel"));
    QApplication::setWindowIcon(kinwheel::programIcon());

    kinwheel::QtMessageService messages;
    kinwheel::QtFileDialogService files;
    kinwheel::QtPageOpener pages;
    kinwheel::QtPrinterService printer;
    kinwheel::QtSettingsStore settings;
    kinwheel::SystemClock clock;
    kinwheel::SeededRandom random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    kinwheel::Services services{messages, files, pages, printer, settings, clock, random};
    kinwheel::AppContext context(services);

    kinwheel::LockFileGuard guard;
    if (!kinwheel::RunStartup(guard, context))
        return 0;
    return QApplication::exec();
}
