// Kinwheel: a Mayan astrology birth chart from a name and a birth date.

#include "platform/qtservices.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "ui/appcontext.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QProcess>

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

#ifdef KINWHEEL_CONSOLE
// The console companion (kinwheel.com on Windows, which a console finds
// before kinwheel.exe) runs the command line itself, so that its output
// reaches the console; the windows belong to kinwheel.exe, started on its own
// so that the console is not held while they are open.
int startWindows(int& argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = programArguments(argc, argv);
    arguments.removeFirst();
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kinwheel.exe"));
    if (QProcess::startDetached(program, arguments))
        return 0;
    QFile err;
    err.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.write(QStringLiteral("kinwheel: %1 could not be started.\n").arg(QDir::toNativeSeparators(program)).toUtf8());
    return kExitNotWritten;
}
#endif

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
#ifdef KINWHEEL_CONSOLE
        (void)qtArgc;
        return startWindows(argc, argv);
#else
        return runWindows(qtArgc, argv, line.file);
#endif
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
