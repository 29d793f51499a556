// Kinwheel: a Mayan astrology birth chart from a name and a birth date.

#include "platform/qtservices.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QIcon>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

using namespace kinwheel;

// The arguments as the system gave them; on Windows from its wide command
// line, so that a name in any script arrives whole.
QStringList programArguments(int argc, char* argv[])
{
    QStringList arguments;
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

struct QtServices {
    QtMessageService messages;
    QtFileDialogService files;
    QtPageOpener pages;
    QtPrinterService printer;
    QtSettingsStore settings;
    SystemClock clock;
    SeededRandom random{static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())};
    Services services{messages, files, pages, printer, settings, clock, random};
};

int runWindows(int& argc, char* argv[], const std::optional<QString>& file)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kinwheel"));
    QApplication::setWindowIcon(programIcon());

    QtServices qt;
    AppContext context(qt.services);
    LockFileGuard guard;
    if (!RunStartup(guard, context, file))
        return 0;
    return QApplication::exec();
}

int runCommand(const CommandLine& line)
{
    QFile out, err;
    out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QtServices qt;
    return runCommandLine(line, qt.services, out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = parseCommandLine(programArguments(argc, argv));
    // Every argument is the program's own: Qt is given the program's path alone.
    int qtArgc = 1;
    switch (line.kind) {
    case CommandLine::Kind::Window:
        return runWindows(qtArgc, argv, line.file);
    case CommandLine::Kind::Pdf: {
#if !defined(_WIN32) && !defined(__APPLE__)
        // The report is drawn for the PDF, never shown: no display is needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        QApplication app(qtArgc, argv);
        return runCommand(line);
    }
    case CommandLine::Kind::Print:
        break;
    }
    // Text and JSON need no window system.
    QCoreApplication app(qtArgc, argv);
    return runCommand(line);
}
