// Kinwheel: a Mayan astrology birth chart from a name and a birth date.

#include "platform/qtservices.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "report/language.h"
#include "ui/appcontext.h"
#include "ui/widgets.h"
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
#else
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
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

// The arguments whose bytes the system's encoding does not give back, shown
// with those bytes escaped ("'\xff.man'"). Windows hands over its command
// line as text, which always comes back whole.
QStringList undecodableArguments(int argc, char* argv[])
{
    QStringList undecodable;
#ifndef _WIN32
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            continue;
        QString shown;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            shown += byte >= 0x20 && byte < 0x7F ? QString(QLatin1Char(c)) : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
        undecodable << QLatin1Char('\'') + shown + QLatin1Char('\'');
    }
#endif
    return undecodable;
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
    installProgramStyle();

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
    installLanguage(languageOfEnvironment());
    err.write(QStringLiteral("kinwheel: %1\n")
                  .arg(QCoreApplication::translate("CommandLine", "%1 could not be started.")
                           .arg(QDir::toNativeSeparators(program)))
                  .toUtf8());
    return kExitNotWritten;
}
#endif

// Whether standard output was closed when the program started. Its number
// is then given to /dev/null at once, so that no file the program opens
// later takes it and receives the reading.
bool stdoutClosed = false;

void keepStandardStreams()
{
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1)
            continue;
        if (fd == 1)
            stdoutClosed = true;
        const int null = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
#endif
}

int runCommand(const CommandLine& line, const QStringList& arguments, const QStringList& undecodable)
{
#ifndef _WIN32
    // A reader that has gone (kinwheel ... | head) is a write that fails, not
    // a death by signal: the exit status says the output was not written.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QFile out, err;
    if (!stdoutClosed)
        out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(2, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QtServices qt;
    return runCommandLine(line, arguments, undecodable, qt.services, out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    keepStandardStreams();
    const QStringList arguments = programArguments(argc, argv);
    const QStringList undecodable = undecodableArguments(argc, argv);
    const CommandLine line = parseCommandLine(arguments, undecodable);
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
        // The report is drawn for the PDF, never shown: no display is needed,
        // whatever platform the desktop session names (it may be gone).
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        QApplication app(qtArgc, argv);
        return runCommand(line, arguments, undecodable);
    }
    case CommandLine::Kind::Print:
        break;
    }
    // Text and JSON need no window system.
    QCoreApplication app(qtArgc, argv);
    return runCommand(line, arguments, undecodable);
}
