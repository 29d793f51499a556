#pragma once
// The ".man" reading file: four lines, each the scrambled Windows-1252 bytes
// of one value ended by CR LF, in the order name, year, month, day.

#include "engine/kin.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

class QIODevice;

namespace kinwheel {

// No line of a reading file comes near this; a longer one means the file is
// something else, and it is not read any further.
inline constexpr qsizetype kMaxReadingLineBytes = 4096;

// The exact bytes of the file, or nothing when the name or month holds a
// character the file cannot store (see unsaveableCharacters()).
std::optional<QByteArray> encodeReadingFile(const BirthDetails& details);

// The four values of a file, unscrambled, as the main window's name box and
// lists are to be given them.
struct ReadingValues {
    QString name;
    QString year;
    QString month;
    QString day;
    bool operator==(const ReadingValues&) const = default;
};

enum class ReadingFileError {
    Unreadable,   // the device could not be read
    TooFewLines,  // it ends before the fourth line
    LineTooLong,  // a line passes kMaxReadingLineBytes
};

// The path a reading is saved under: a name without an extension gets ".man".
QString withReadingExtension(const QString& path);

// Writes the bytes to path, replacing any file there only once all of them
// are written. Returns an empty text on success, otherwise the reason.
QString writeReadingFile(const QString& path, const QByteArray& bytes);

// Reads the file at path as decodeReadingFile() does.
std::variant<ReadingValues, ReadingFileError> readReadingFile(const QString& path);

// Reads the first four lines of device, which must be open for reading; what
// follows them is not read. A line ends at CR LF, LF or CR.
std::variant<ReadingValues, ReadingFileError> decodeReadingFile(QIODevice& device);

} // namespace kinwheel
