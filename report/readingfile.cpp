#include "report/readingfile.h"

#include "engine/tables.h"
#include "report/birthtime.h"
#include "report/cp1252.h"
#include "report/inputtext.h"
#include "report/scramble.h"

#include <QCoreApplication>
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

struct ReadingFile {
    Q_DECLARE_TR_FUNCTIONS(ReadingFile)
};

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

ReadingValues readingValuesOf(const Person& person)
{
    const CivilDate& date = person.birthDate;
    const QString month = date.month >= 1 && date.month <= 12
                              ? QString::fromLatin1(MonthNames[static_cast<std::size_t>(date.month - 1)].data())
                              : QString::number(date.month);
    // Nothing is written for a time not known, so such files stay as they always were.
    const QString born = person.born == BirthTime::Unknown ? QString() : birthTimeKey(person.born);
    return {QString::fromStdString(person.name), QString::number(date.year), month, QString::number(date.day), born};
}

std::optional<Person> personOf(const ReadingValues& values)
{
    if (!isStorableName(values.name) || !isNumberIn(values.year, kFirstYear, kLastYear) || !isMonthName(values.month)
        || !isNumberIn(values.day, 1, 31))
        return std::nullopt;
    const std::optional<BirthTime> born =
        values.born.isEmpty() ? BirthTime::Unknown : parseBirthTime(values.born);
    if (!born)
        return std::nullopt;
    return Person{values.name.toStdString(),
                  {values.year.toInt(), monthNumber(values.month.toStdString()), values.day.toInt()},
                  *born};
}

std::variant<QByteArray, QString> encodeReadingFile(const Person& person)
{
    const ReadingValues values = readingValuesOf(person);
    if (const QList<char32_t> unsaveable = unsaveableCharacters(values.name); !unsaveable.isEmpty())
        return ReadingFile::tr("The name cannot be stored in a reading file, because a reading file cannot "
                               "hold these characters: %1.\n\nPlease change the name, generate the reading "
                               "again and save it then. Nothing was saved.")
            .arg(describeCharacters(unsaveable));
    if (values.name.size() > kMaxNameLength)
        return ReadingFile::tr("The name has %1 characters; a reading file holds at most %2.\n\nPlease shorten "
                               "the name, generate the reading again and save it then. Nothing was saved.")
            .arg(values.name.size())
            .arg(kMaxNameLength);
    if (!personOf(values))
        return ReadingFile::tr("A reading file holds a year from %1 to %2, a month's English name and a day "
                               "from 1 to 31, not \"%3 %4 %5\". Nothing was saved.")
            .arg(kFirstYear)
            .arg(kLastYear)
            .arg(values.year, values.month, values.day);
    const auto line = [](const QString& value) { return ScrambleText(toCp1252(value)) + kLineEnd; };
    QByteArray bytes = line(values.name) + line(values.year) + line(values.month) + line(values.day);
    if (!values.born.isEmpty())
        bytes += line(values.born);
    return bytes;
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
        return ReadingFile::tr("It is a folder.");
    if (info.exists() && !info.isFile())
        return ReadingFile::tr("It is not a regular file.");
    return {};
}

namespace {

// Why nothing is written through the link at path, or an empty text. A link
// is followed to a file of the kind written, never to one the user keeps
// for something else.
QString linkRefusal(const QString& path, ThroughLink link)
{
    const QFileInfo info(path);
    if (!info.isSymLink() || link == ThroughLink::AnyFile)
        return {};
    const QString target = QDir::toNativeSeparators(info.exists() ? info.canonicalFilePath() : info.symLinkTarget());
    if (link == ThroughLink::None)
        return ReadingFile::tr("It is a link to %1; nothing is written through it.").arg(target);
    if (!info.exists())
        return ReadingFile::tr("It is a link to %1, which does not exist.").arg(target);
    if (link == ThroughLink::ReadingFile && !std::holds_alternative<Person>(readReadingFile(path)))
        return ReadingFile::tr("It is a link to %1, which is not a reading file.").arg(target);
    if (link == ThroughLink::PdfFile) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.read(5) != "%PDF-")
            return ReadingFile::tr("It is a link to %1, which is not a PDF file.").arg(target);
    }
    return {};
}

} // namespace

QString writeFileWhole(const QString& path, const QByteArray& bytes, ThroughLink link)
{
    if (const QString refusal = replaceableFileRefusal(path); !refusal.isEmpty())
        return refusal;
    if (const QString refusal = linkRefusal(path, link); !refusal.isEmpty())
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

QString writeReadingFile(const QString& path, const QByteArray& bytes)
{
    const QString target = withReadingExtension(path);
    if (const QString reason = writeFileWhole(target, bytes, ThroughLink::ReadingFile); !reason.isEmpty())
        return ReadingFile::tr("The reading could not be saved to %1.\n\n%2")
            .arg(QDir::toNativeSeparators(target), reason);
    return {};
}

QString saveReading(const QString& path, const Person& person)
{
    const auto encoded = encodeReadingFile(person);
    if (const auto* refusal = std::get_if<QString>(&encoded))
        return *refusal;
    return writeReadingFile(path, std::get<QByteArray>(encoded));
}

std::variant<Person, ReadingFileError> readReadingFile(const QString& path)
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
    const auto decoded = decodeReadingFile(file);
    if (const auto* error = std::get_if<ReadingFileError>(&decoded))
        return *error;
    if (const std::optional<Person> person = personOf(std::get<ReadingValues>(decoded)))
        return *person;
    return ReadingFileError::BadValue;
}

QString readingFileProblem(ReadingFileError error, const QString& path)
{
    const QFileInfo info(path);
    switch (error) {
    case ReadingFileError::WrongName:
        return ReadingFile::tr("A reading file's name ends in \"man\".");
    case ReadingFileError::NotAFile:
        if (!info.exists() && !info.isSymLink())
            return ReadingFile::tr("There is no such file.");
        if (!info.exists())
            return ReadingFile::tr("It is a link to nothing.");
        return info.isDir() ? ReadingFile::tr("It is a folder.") : ReadingFile::tr("It is not a regular file.");
    case ReadingFileError::Unreadable: {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? ReadingFile::tr("It could not be read.")
                                              : ReadingFile::tr("It could not be read: %1").arg(file.errorString());
    }
    case ReadingFileError::TooFewLines:
        return ReadingFile::tr("It ends before its fourth line.");
    case ReadingFileError::LineTooLong:
        return ReadingFile::tr("A line is longer than %1 bytes: it is not a reading file.").arg(kMaxReadingLineBytes);
    case ReadingFileError::BadValue:
        return ReadingFile::tr("It holds a value no reading file has.");
    }
    return {};
}

std::variant<ReadingValues, ReadingFileError> decodeReadingFile(QIODevice& device)
{
    if (!device.isOpen() || !device.isReadable())
        return ReadingFileError::Unreadable;
    // Four lines, and the time of birth when a fifth follows.
    std::array<QString, 5> values;
    QByteArray line;
    for (QString& value : values) {
        switch (readLine(device, line)) {
        case LineResult::Ok:
            break;
        case LineResult::End:
            if (&value == &values.back())
                return ReadingValues{values[0], values[1], values[2], values[3]};
            return ReadingFileError::TooFewLines;
        case LineResult::TooLong:
            return ReadingFileError::LineTooLong;
        case LineResult::Error:
            return ReadingFileError::Unreadable;
        }
        value = fromCp1252(UnscrambleText(line));
    }
    return ReadingValues{values[0], values[1], values[2], values[3], values[4]};
}

} // namespace kinwheel
