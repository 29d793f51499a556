#include "report/readingfile.h"

#include "report/cp1252.h"
#include "report/scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <array>

namespace kinwheel {
namespace {

const QByteArray kLineEnd("\r\n");

std::optional<QByteArray> encodedValue(const QString& value)
{
    if (!unsaveableCharacters(value).isEmpty())
        return std::nullopt;
    return ScrambleText(toCp1252(value)) + kLineEnd;
}

enum class LineResult { Ok, End, TooLong, Error };

// One line without its ending. End means the device held nothing more at all.
LineResult readLine(QIODevice& device, QByteArray& line)
{
    line.clear();
    char c = 0;
    bool any = false;
    while (device.getChar(&c)) {
        any = true;
        if (c == '\n')
            return LineResult::Ok;
        if (c == '\r') {
            char next = 0;
            if (device.peek(&next, 1) == 1 && next == '\n')
                device.getChar(&next);
            return LineResult::Ok;
        }
        if (line.size() == kMaxReadingLineBytes)
            return LineResult::TooLong;
        line.append(c);
    }
    if (!device.atEnd())
        return LineResult::Error;
    return any ? LineResult::Ok : LineResult::End;
}

} // namespace

std::optional<QByteArray> encodeReadingFile(const BirthDetails& details)
{
    const std::array<QString, 4> values = {
        QString::fromUtf8(details.name),
        QString::number(details.year),
        QString::fromUtf8(details.month),
        QString::number(details.day),
    };
    QByteArray bytes;
    for (const QString& value : values) {
        const auto line = encodedValue(value);
        if (!line)
            return std::nullopt;
        bytes += *line;
    }
    return bytes;
}

QString withReadingExtension(const QString& path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("man") : QStringLiteral(".man"));
}

QString writeReadingFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

std::variant<ReadingValues, ReadingFileError> readReadingFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadingFileError::Unreadable;
    return decodeReadingFile(file);
}

std::variant<ReadingValues, ReadingFileError> decodeReadingFile(QIODevice& device)
{
    if (!device.isOpen() || !device.isReadable())
        return ReadingFileError::Unreadable;
    std::array<QString, 4> values;
    QByteArray line;
    for (QString& value : values) {
        switch (readLine(device, line)) {
        case LineResult::Ok:
            break;
        case LineResult::End:
            return ReadingFileError::TooFewLines;
        case LineResult::TooLong:
            return ReadingFileError::LineTooLong;
        case LineResult::Error:
            return ReadingFileError::Unreadable;
        }
        value = fromCp1252(UnscrambleText(line));
    }
    return ReadingValues{values[0], values[1], values[2], values[3]};
}

} // namespace kinwheel
