#pragma once
// The ".man" reading file: four lines, each the scrambled Windows-1252 bytes
// of one value ended by CR LF, in the order name, year, month, day, and a
// fifth with the time of birth when it is known ("evening" or "night").

#include "engine/reading.h"
#include "report/validation.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

class QIODevice;

namespace kinwheel {

// No line of a reading file comes near this; a longer one means the file is
// something else, and it is not read any further.
inline constexpr qsizetype kMaxReadingLineBytes = 4096;

// The values of a file as text, unscrambled: the name, the year and day in
// decimal, the month's English name and the time of birth's key (empty
// when the file has no fifth line).
struct ReadingValues {
    QString name;
    QString year;
    QString month;
    QString day;
    QString born{};
    bool operator==(const ReadingValues&) const = default;
};

// The values as Save writes them.
ReadingValues readingValuesOf(const Person& person);
// The person of a file's values, when a reading file may hold them: a name
// of at most kMaxNameLength characters that Windows-1252 has, none a control
// character (see unsaveableCharacters()), and a year, month and day as the
// main window's lists hold them, and a time of birth that is empty or a
// key of parseBirthTime(). An empty name and a day the month lacks pass
// here; Generate's checks refuse them.
std::optional<Person> personOf(const ReadingValues& values);

// The exact bytes of the file, or the message that refuses to save the
// person, naming what is wrong.
std::variant<QByteArray, QString> encodeReadingFile(const Person& person);

enum class ReadingFileError {
    WrongName,    // the path does not end in "man"
    NotAFile,     // missing, a folder, a pipe, a device: not a regular file
    Unreadable,   // the device could not be read
    TooFewLines,  // it ends before the fourth line
    LineTooLong,  // a line passes kMaxReadingLineBytes
    BadValue,     // values that Save would not have written
};

// Save

// The path a reading is saved under: ".man" is appended unless the path ends
// in it already, so "J.R. Smith" becomes "J.R. Smith.man".
QString withReadingExtension(const QString& path);

// Why path cannot be written over, or an empty text: a new file is written
// beside the old one and renamed over it, which would put a regular file in
// place of a pipe or a device.
QString replaceableFileRefusal(const QString& path);

// What a symbolic link in the path's place may lead to for the file at its
// end to be replaced through it (the link itself stays).
enum class ThroughLink {
    None,        // nothing: a link is never written through
    AnyFile,     // whatever the link names, created when missing
    ReadingFile, // only a reading file that opens
    PdfFile,     // only a PDF
};

// Writes the bytes to path, replacing any file there only once all of them
// are written; on any failure that file is left as it was. Returns an empty
// text on success, otherwise the system's reason.
QString writeFileWhole(const QString& path, const QByteArray& bytes, ThroughLink link = ThroughLink::None);

// Writes encoded bytes to withReadingExtension(path) as writeFileWhole()
// does, through a link only to a reading file. Returns an empty text once saved, otherwise the message for the user
// (the file's native path and the system's reason).
QString writeReadingFile(const QString& path, const QByteArray& bytes);

// Save without its questions: encodeReadingFile(), then writeReadingFile().
// Returns an empty text once saved, otherwise the refusal or the failure.
QString saveReading(const QString& path, const Person& person);

// Open

// Open without its window: refuses a path not ending in "man", anything but
// a regular file (after following links), a file that does not decode, and
// values personOf() refuses. Reads at most five bounded lines.
std::variant<Person, ReadingFileError> readReadingFile(const QString& path);

// Why a file was refused, in one sentence for a second line under "Please
// Check The File." (the command line gives it; the windows keep to the one line).
QString readingFileProblem(ReadingFileError error, const QString& path);

// Reads the first four lines of device, which must be open for reading, and
// the fifth when there is one; what follows is not read. A line ends at CR
// LF, LF or CR. The values are not checked.
std::variant<ReadingValues, ReadingFileError> decodeReadingFile(QIODevice& device);

} // namespace kinwheel
