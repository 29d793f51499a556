#include "report/readingfile.h"

#include "engine/tables.h"
#include "report/cp1252.h"
#include "report/scramble.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <array>

namespace kinwheel {
namespace {

const QByteArray kLineEnd("\r\n");

bool isStorableName(const QString& name)
{
    return name.size() <= kMaxNameLength && unsaveableCharacters(name).isEmpty();
}

// The decimal text of a number from first to last, as the lists show it:
// no sign, no blank, no leading zero.
bool isNumberIn(const QString& text, int first, int last)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= first && number <= last && text == QString::number(number);
}

bool isMonthName(const QString& text)
{
    return std::any_of(MonthNames.begin(), MonthNames.end(),
                       [&](std::string_view month) { return text == QLatin1String(month.data(), month.size()); });
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

ReadingValues readingValuesOf(const BirthDetails& details)
{
    return {QString::fromUtf8(details.name), QString::number(details.year), QString::fromUtf8(details.month),
            QString::number(details.day)};
}

bool isStorableReading(const ReadingValues& values)
{
    return isStorableName(values.name) && isNumberIn(values.year, kFirstYear, kLastYear) && isMonthName(values.month)
        && isNumberIn(values.day, 1, 31);
}

std::optional<QByteArray> encodeReadingFile(const BirthDetails& details)
{
    const ReadingValues values = readingValuesOf(details);
    if (!isStorableReading(values))
        return std::nullopt;
    QByteArray bytes;
    for (const QString* value : {&values.name, &values.year, &values.month, &values.day})
        bytes += ScrambleText(toCp1252(*value)) + kLineEnd;
    return bytes;
}

QString saveRefusal(const BirthDetails& details)
{
    const ReadingValues values = readingValuesOf(details);
    if (const QList<char32_t> unsaveable = unsaveableCharacters(values.name); !unsaveable.isEmpty()) {
        QStringList described;
        for (const char32_t c : unsaveable)
            described.append(describeCharacter(c));
        return QStringLiteral("The name cannot be stored in a reading file, because a reading file cannot "
                              "hold these characters: %1.\n\nPlease change the name, generate the reading "
                              "again and save it then. Nothing was saved.")
            .arg(described.join(QStringLiteral(", ")));
    }
    if (values.name.size() > kMaxNameLength)
        return QStringLiteral("The name has %1 characters; a reading file holds at most %2.\n\nPlease shorten "
                              "the name, generate the reading again and save it then. Nothing was saved.")
            .arg(values.name.size())
            .arg(kMaxNameLength);
    if (!isStorableReading(values))
        return QStringLiteral("A reading file holds a year from %1 to %2, a month's English name and a day "
                              "from 1 to 31, not \"%3 %4 %5\". Nothing was saved.")
            .arg(kFirstYear)
            .arg(kLastYear)
            .arg(values.year, values.month, values.day);
    return {};
}

QString withReadingExtension(const QString& path)
{
    if (path.endsWith(QLatin1String(".man")))
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("man") : QStringLiteral(".man"));
}

QString replaceableFileRefusal(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("It is a folder.");
    if (info.exists() && !info.isFile())
        return QStringLiteral("It is not a regular file.");
    return {};
}

QString writeFileWhole(const QString& path, const QByteArray& bytes)
{
    if (const QString refusal = replaceableFileRefusal(path); !refusal.isEmpty())
        return refusal;
    QSaveFile file(path);
    // Unbuffered: QSaveFile::commit() replaces the file even when writing out
    // Qt's buffer failed (a full disk), so every write must reach the system
    // here, where its failure is seen. A short write is followed by another,
    // which fails with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0 || file.error() != QFileDevice::NoError) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += count;
    }
    if (!file.flush() || !file.commit())
        return file.errorString();
    return {};
}

QString saveReading(const QString& path, const BirthDetails& details)
{
    if (QString refusal = saveRefusal(details); !refusal.isEmpty())
        return refusal;
    const QString target = withReadingExtension(path);
    if (const QString reason = writeFileWhole(target, *encodeReadingFile(details)); !reason.isEmpty())
        return QStringLiteral("The reading could not be saved to %1.\n\n%2")
            .arg(QDir::toNativeSeparators(target), reason);
    return {};
}

std::variant<ReadingValues, ReadingFileError> readReadingFile(const QString& path)
{
    // Reading files are known by the last three characters of their path,
    // compared with case: "MAN" is not taken.
    if (!path.endsWith(QLatin1String("man"), Qt::CaseSensitive))
        return ReadingFileError::WrongName;
    // Opening a pipe would wait for a writer for ever, and a device never
    // ends: only a regular file is opened at all.
    if (!QFileInfo(path).isFile())
        return ReadingFileError::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadingFileError::Unreadable;
    auto decoded = decodeReadingFile(file);
    if (const auto* values = std::get_if<ReadingValues>(&decoded); values && !isStorableReading(*values))
        return ReadingFileError::BadValue;
    return decoded;
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
