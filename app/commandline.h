#pragma once
// The program's command line. With no argument, or a reading file alone, the
// program starts as usual; with options it prints, saves or exports one
// reading, or compares two, opens no window and takes no instance lock. The
// forms and options are those of kinwheel --help (kHelp in commandline.cpp).

#include "engine/reading.h"

#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace kinwheel {

struct Services;

// Exit statuses of a command-line run.
inline constexpr int kExitDone = 0;
inline constexpr int kExitNotWritten = 1; // a file or the output could not be written
inline constexpr int kExitRefused = 2;    // the arguments or the input were refused

struct CommandLine {
    enum class Kind {
        Window, // start the program, opening file when there is one
        Print,  // print the reading, or save it: no display, no widgets
        Pdf,    // write the report as a PDF: widgets, drawn off-screen
    };
    Kind kind = Kind::Window;
    QString error; // non-empty: the arguments are refused with this

    std::optional<QString> file; // Window: the reading file given alone
    bool help = false;
    bool version = false;
    std::optional<QString> date;
    std::optional<QString> name;
    std::optional<QString> read;
    std::optional<QString> save;
    std::optional<QString> pdf;
    // The second reading of a comparison: a date and name, or a reading file.
    std::optional<QString> withDate;
    std::optional<QString> withName;
    std::optional<QString> with;
    bool json = false;
    Count count = Count::Gmt584283;
    std::optional<BirthTime> born; // given: replaces a reading file's time of birth
    DayStart dayStart = DayStart::Midnight;
    bool today = false;          // today's reading, nobody's
    std::optional<int> returns;  // the kin returns listed (text, JSON) or exported (--ics): 1..1000
    std::optional<QString> ics;  // the calendar file of the kin returns
    QString language;            // --lang's code, else the environment's
};

// Parses the arguments, the program's path first; needs no application
// object. undecodable: the arguments whose bytes the system's encoding does
// not give back, each shown with its bytes escaped; any one refuses the line.
CommandLine parseCommandLine(const QStringList& arguments, const QStringList& undecodable = {});

// Runs a command line of kind Print or Pdf: the reading goes to out, messages
// to err. Pdf needs a QApplication. Returns the exit status.
int runCommandLine(const CommandLine& commandLine, Services& services, QIODevice& out, QIODevice& err);
// The same for the line parsed from arguments and undecodable: installs its
// language first, so that every text, refusals included, is composed in it.
// Needs an application object.
int runCommandLine(CommandLine line, const QStringList& arguments, const QStringList& undecodable, Services& services,
                   QIODevice& out, QIODevice& err);
// The same from the arguments alone.
int runCommandLine(const QStringList& arguments, const QStringList& undecodable, Services& services, QIODevice& out,
                   QIODevice& err);

} // namespace kinwheel
