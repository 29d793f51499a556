// Reading files: Windows-1252, the exact bytes, and reading them back.

#include "fakes.h"

#include "engine/tables.h"
#include "report/birthtime.h"
#include "report/cp1252.h"
#include "report/inputtext.h"
#include "report/readingfile.h"
#include "report/scramble.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace kinwheel;
using namespace kinwheel::testing;

Q_DECLARE_METATYPE(ReadingFileError)

namespace {

// A month name not one of the twelve is month 0.
Person details(const QString& name, int year, const char* month, int day, BirthTime born = BirthTime::Unknown)
{
    return {name.toStdString(), {year, monthNumber(month), day}, born};
}

std::optional<QByteArray> encoded(const Person& person)
{
    const auto bytes = encodeReadingFile(person);
    if (const auto* b = std::get_if<QByteArray>(&bytes))
        return *b;
    return std::nullopt;
}

std::variant<ReadingValues, ReadingFileError> decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeReadingFile(buffer);
}

// A device that never ends, counting what was taken from it.
class EndlessDevice final : public QIODevice {
public:
    qint64 taken = 0;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        std::fill(data, data + maxSize, 'x');
        taken += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestReadingFile : public QObject {
    Q_OBJECT

private slots:
    void everyByteHasOneCharacter();
    void exactBytes_data();
    void exactBytes();
    void everyWindows1252CharacterRoundTrips();
    void unsaveableNames_data();
    void unsaveableNames();
    void saveRefusesWhatOpenWouldNot_data();
    void saveRefusesWhatOpenWouldNot();
    void failedWriteKeepsTheOldFile();
    void writesThroughALinkOnlyToItsKind_data();
    void writesThroughALinkOnlyToItsKind();
    void timeOfBirthLine_data();
    void timeOfBirthLine();
    void readsFilesLeniently_data();
    void readsFilesLeniently();
    void refusesBrokenFiles_data();
    void refusesBrokenFiles();
    void neverReadsAHugeFileWhole();
    void refusesADeviceThatIsNotOpen();
};

void TestReadingFile::everyByteHasOneCharacter()
{
    QSet<QChar> seen;
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QString character = fromCp1252(byte);
        QCOMPARE(character.size(), 1);
        QCOMPARE(toCp1252(character), byte);
        seen.insert(character.at(0));
    }
    QCOMPARE(seen.size(), 256);
    // 0x80 to 0x9F as Windows-1252 has them, the five it leaves unassigned
    // the C1 controls of their codes; 0xE9 a Latin-1 point.
    const QString high = QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QByteArray bytes;
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.append(static_cast<char>(b));
    QCOMPARE(fromCp1252(bytes), high);
    QCOMPARE(fromCp1252("\xe9"), QString::fromUtf8("é"));
    QCOMPARE(toCp1252(QString::fromUtf8("Ω€")), QByteArray("?\x80"));
}

void TestReadingFile::exactBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("born"); // the key of the fifth line, none when empty

    // Each code raised by 3; the line ends are plain CR LF. Without a time
    // the file is what it always was, four lines.
    QTest::newRow("ASCII") << "Mary Smith" << 1975 << "March" << 5
                           << QByteArray("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n8\r\n") << "";
    QTest::newRow("accent") << QString::fromUtf8("José") << 1900 << "January" << 31
                            << QByteArray("Mrv\xec\r\n4<33\r\nMdqxdu|\r\n64\r\n") << "";
    // Ÿ is 0x9F; ý, þ and ÿ wrap round to 0, 1 and 2.
    QTest::newRow("high codes wrap") << QString::fromUtf8("Ÿý þÿ€") << 2016 << "December" << 9
                                     << QByteArray("\xa2\x00#\x01\x02\x83\r\n5349\r\nGhfhpehu\r\n<\r\n", 27) << "";
    QTest::newRow("empty name") << "" << 1999 << "May" << 1 << QByteArray("\r\n4<<<\r\nPd|\r\n4\r\n") << "";
    QTest::newRow("evening") << "Mary Smith" << 1975 << "March" << 5
                             << QByteArray("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n8\r\nhyhqlqj\r\n") << "evening";
    QTest::newRow("night") << "Mary Smith" << 2100 << "December" << 31
                           << QByteArray("Pdu|#Vplwk\r\n5433\r\nGhfhpehu\r\n64\r\nqljkw\r\n") << "night";
}

void TestReadingFile::exactBytes()
{
    QFETCH(QString, name);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, born);

    const Person person = details(name, year, month.toLatin1().constData(), day,
                                  born.isEmpty() ? BirthTime::Unknown : *parseBirthTime(born));
    const auto file = encoded(person);
    QVERIFY(file);
    QCOMPARE(*file, bytes);

    const auto decoded = decode(bytes);
    QVERIFY(std::holds_alternative<ReadingValues>(decoded));
    const ReadingValues values{name, QString::number(year), month, QString::number(day), born};
    QCOMPARE(std::get<ReadingValues>(decoded), values);
    QCOMPARE(personOf(values), std::optional<Person>(person));
}

void TestReadingFile::everyWindows1252CharacterRoundTrips()
{
    QByteArray all;
    for (int b = 32; b < 256; ++b)
        if (b < 0x7F || b > 0x9F || fromCp1252(QByteArray(1, char(b))).at(0).unicode() > 0x9F)
            all.append(static_cast<char>(b));
    const QString name = fromCp1252(all);
    QVERIFY(name.contains(QString::fromUtf8("€")) && name.contains(QString::fromUtf8("Œ")));
    QVERIFY(unsaveableCharacters(name).isEmpty());

    const auto file = encoded(details(name, 1975, "March", 5));
    QVERIFY(file);
    QCOMPARE(file->size(), all.size() + 2 + 6 + 7 + 3);
    const auto decoded = decode(*file);
    QVERIFY(std::holds_alternative<ReadingValues>(decoded));
    QCOMPARE(std::get<ReadingValues>(decoded).name, name);
}

void TestReadingFile::unsaveableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<char32_t>>("characters");
    QTest::addColumn<QString>("described");

    QTest::newRow("Greek") << QString::fromUtf8("Ωmega ω Ω") << QList<char32_t>{U'Ω', U'ω'}
                           << QString::fromUtf8("\"Ω\" (U+03A9)");
    QTest::newRow("outside the BMP") << QString::fromUtf8("Ann 😀") << QList<char32_t>{U'😀'}
                                     << QString::fromUtf8("\"😀\" (U+1F600)");
    QTest::newRow("tab") << "Ann\tLee" << QList<char32_t>{U'\t'} << "U+0009";
    QTest::newRow("line breaks") << "Ann\r\nLee" << QList<char32_t>{U'\r', U'\n'} << "U+000D";
    QTest::newRow("NUL") << QString(QChar(0)) << QList<char32_t>{0} << "U+0000";
    QTest::newRow("DEL") << "Ann\x7f" << QList<char32_t>{0x7F} << "U+007F";
    // U+0081 has a byte of its own in Windows-1252, U+0085 none.
    QTest::newRow("C1 controls") << QString::fromUtf8("A\u0081n\u0085n") << QList<char32_t>{0x81, 0x85} << "U+0081";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QList<char32_t>{0xFFFD} << QString::fromUtf8("\"\uFFFD\" (U+FFFD)");
}

void TestReadingFile::unsaveableNames()
{
    QFETCH(QString, name);
    QFETCH(QList<char32_t>, characters);
    QFETCH(QString, described);

    QCOMPARE(unsaveableCharacters(name), characters);
    QCOMPARE(describeCharacter(characters.first()), described);
    // A lone surrogate does not even survive the way into the birth details.
    if (QString::fromStdString(name.toStdString()) == name)
        QVERIFY(!encoded(details(name, 1975, "March", 5)));
}

void TestReadingFile::saveRefusesWhatOpenWouldNot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("saved");

    QTest::newRow("longest name") << QString(kMaxNameLength, QLatin1Char('n')) << 1975 << "March" << 5 << true;
    QTest::newRow("name one too long") << QString(kMaxNameLength + 1, QLatin1Char('n')) << 1975 << "March" << 5
                                       << false;
    QTest::newRow("DEL") << "Ann\x7f" << 1975 << "March" << 5 << false;
    QTest::newRow("year before the lists") << "Ann" << kFirstYear - 1 << "March" << 5 << false;
    QTest::newRow("year after the lists") << "Ann" << kLastYear + 1 << "March" << 5 << false;
    QTest::newRow("month in lower case") << "Ann" << 1975 << "march" << 5 << false;
    QTest::newRow("day 0") << "Ann" << 1975 << "March" << 0 << false;
    QTest::newRow("day 32") << "Ann" << 1975 << "March" << 32 << false;
}

void TestReadingFile::saveRefusesWhatOpenWouldNot()
{
    QFETCH(QString, name);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const Person person = details(name, year, month.toLatin1().constData(), day);

    // One check: what encoding refuses is what Save says.
    const QString message = saveReading(dir.filePath("r"), person);
    QCOMPARE(message.isEmpty(), saved);
    const auto bytes = encodeReadingFile(person);
    QCOMPARE(std::get_if<QString>(&bytes) ? *std::get_if<QString>(&bytes) : QString(), message);
    const auto opened = readReadingFile(dir.filePath("r.man"));
    if (saved)
        QVERIFY(std::get_if<Person>(&opened) && std::get<Person>(opened) == person);
    else
        QVERIFY(QDir(dir.path()).isEmpty());
}

// A write that fails once the file is open, as on a full disk.
void TestReadingFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mary.man");
    const QByteArray old("the old reading, longer than the limit");
    QVERIFY(place(path, old));
    QString message;
    {
        const FullDisk full(8);
        if (!full.active())
            QSKIP("needs a limit on file size");
        message = saveReading(path, details("Mary Smith", 1975, "March", 5));
    }
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(message));
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"mary.man"});
}

Q_DECLARE_METATYPE(ThroughLink)

void TestReadingFile::writesThroughALinkOnlyToItsKind_data()
{
    QTest::addColumn<ThroughLink>("kind");
    QTest::addColumn<QByteArray>("target"); // what the link at "link.man" names, outside/file
    QTest::addColumn<QString>("refusal");   // empty: written through the link

    const QByteArray pdf("%PDF-1.4 old");
    QTest::newRow("reading file to a reading file") << ThroughLink::ReadingFile << kMarySmith << "";
    QTest::newRow("reading file to notes") << ThroughLink::ReadingFile << QByteArray("notes") << "not a reading file";
    QTest::newRow("reading file to a PDF") << ThroughLink::ReadingFile << pdf << "not a reading file";
    QTest::newRow("reading file to nothing") << ThroughLink::ReadingFile << QByteArray("<none>") << "does not exist";
    QTest::newRow("PDF to a PDF") << ThroughLink::PdfFile << pdf << "";
    QTest::newRow("PDF to a reading file") << ThroughLink::PdfFile << kMarySmith << "not a PDF file";
    QTest::newRow("PDF to nothing") << ThroughLink::PdfFile << QByteArray("<none>") << "does not exist";
    QTest::newRow("no link written through") << ThroughLink::None << kMarySmith << "nothing is written through it";
    QTest::newRow("any file to notes") << ThroughLink::AnyFile << QByteArray("notes") << "";
    QTest::newRow("any file to nothing, made") << ThroughLink::AnyFile << QByteArray("<none>") << "";
}

// The link stays a link, to where it pointed; a refused write leaves the
// file at its end as it was.
void TestReadingFile::writesThroughALinkOnlyToItsKind()
{
    QFETCH(ThroughLink, kind);
    QFETCH(QByteArray, target);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString outside = dir.filePath("outside/file"), link = dir.filePath("link.man");
    QVERIFY(QDir().mkpath(dir.filePath("outside")) && place(outside, target));
    QVERIFY(QFile::link(outside, link));

    const QByteArray bytes = encoded(details("Ann Lee", 1990, "May", 1)).value();
    const QString message = kind == ThroughLink::ReadingFile ? writeReadingFile(link, bytes)
                                                             : writeFileWhole(link, bytes, kind);
    QVERIFY2(refusal.isEmpty() ? message.isEmpty() : message.contains(refusal), qPrintable(message));
    QCOMPARE(QFileInfo(link).symLinkTarget(), outside);
    QCOMPARE(contents(outside), refusal.isEmpty() ? bytes : target);
    QCOMPARE(QDir(dir.filePath("outside")).entryList(QDir::Files | QDir::Hidden).size(), contents(outside) == "<none>" ? 0 : 1);
}

void TestReadingFile::timeOfBirthLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("born"); // index into kBirthTimes; -1: refused
    QTest::newRow("none") << "" << 0;
    QTest::newRow("evening") << "evening" << 1;
    QTest::newRow("night") << "night" << 2;
    QTest::newRow("day, as the command line writes it") << "day" << 0;
    QTest::newRow("unknown word") << "noon" << -1;
    QTest::newRow("capital") << "Evening" << -1;
    QTest::newRow("blank before") << " night" << -1;
    QTest::newRow("a date") << "1975" << -1;
}

// A file's fifth line is a time of birth or the file is refused.
void TestReadingFile::timeOfBirthLine()
{
    QFETCH(QString, line);
    QFETCH(int, born);
    const std::optional<Person> person = personOf({"Ann", "1975", "March", "5", line});
    QCOMPARE(person.has_value(), born >= 0);
    if (person)
        QCOMPARE(person->born, kBirthTimes[std::size_t(born)]);

    QTemporaryDir dir;
    const QString path = dir.filePath("ann.man");
    QVERIFY(place(path, QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n8\r\n") + ScrambleText(toCp1252(line)) + "\r\n"));
    const auto opened = readReadingFile(path);
    if (born < 0)
        QCOMPARE(std::get<ReadingFileError>(opened), ReadingFileError::BadValue);
    else
        QCOMPARE(std::get<Person>(opened), *person);
}

void TestReadingFile::readsFilesLeniently_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("born");

    QTest::newRow("no final line end") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n8") << "Ann" << "5" << "";
    QTest::newRow("LF only") << QByteArray("Dqq\n4<:8\nPdufk\n8\n") << "Ann" << "5" << "";
    QTest::newRow("CR only") << QByteArray("Dqq\r4<:8\rPdufk\r8\r") << "Ann" << "5" << "";
    QTest::newRow("lines after the fifth ignored")
        << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n8\r\nqljkw\r\nmore\r\n") << "Ann" << "5" << "night";
    QTest::newRow("fifth line without line end") << QByteArray("Dqq\n4<:8\nPdufk\n8\nhyhqlqj") << "Ann" << "5"
                                                 << "evening";
    QTest::newRow("empty fifth line") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n8\r\n\r\n") << "Ann" << "5" << "";
    QTest::newRow("empty fourth line") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n\r\n") << "Ann" << "" << "";
    QTest::newRow("line of the largest size") << QByteArray(4096, 'D') + "\r\n4<:8\r\nPdufk\r\n8\r\n"
                                              << QString(4096, QLatin1Char('A')) << "5" << "";
}

void TestReadingFile::readsFilesLeniently()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, born);

    const auto decoded = decode(bytes);
    QVERIFY(std::holds_alternative<ReadingValues>(decoded));
    QCOMPARE(std::get<ReadingValues>(decoded), (ReadingValues{name, "1975", "March", day, born}));
}

void TestReadingFile::refusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadingFileError>("error");

    QTest::newRow("empty") << QByteArray() << ReadingFileError::TooFewLines;
    QTest::newRow("two lines") << QByteArray("Dqq\r\n4<:8\r\n") << ReadingFileError::TooFewLines;
    QTest::newRow("three lines") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n") << ReadingFileError::TooFewLines;
    QTest::newRow("first line too long") << QByteArray(4097, 'D') + "\r\n4<:8\r\nPdufk\r\n8\r\n"
                                         << ReadingFileError::LineTooLong;
    QTest::newRow("fourth line too long") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n") + QByteArray(5000, '8')
                                          << ReadingFileError::LineTooLong;
    QTest::newRow("fifth line too long") << QByteArray("Dqq\r\n4<:8\r\nPdufk\r\n8\r\n") + QByteArray(5000, 'h')
                                         << ReadingFileError::LineTooLong;
}

void TestReadingFile::refusesBrokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadingFileError, error);

    const auto decoded = decode(bytes);
    QVERIFY(std::holds_alternative<ReadingFileError>(decoded));
    QCOMPARE(std::get<ReadingFileError>(decoded), error);
}

void TestReadingFile::neverReadsAHugeFileWhole()
{
    EndlessDevice device;
    device.open(QIODevice::ReadOnly);
    const auto decoded = decodeReadingFile(device);
    QVERIFY(std::holds_alternative<ReadingFileError>(decoded));
    QCOMPARE(std::get<ReadingFileError>(decoded), ReadingFileError::LineTooLong);
    QVERIFY2(device.taken < 64 * 1024, QByteArray::number(device.taken));
}

void TestReadingFile::refusesADeviceThatIsNotOpen()
{
    QBuffer buffer;
    buffer.setData("Dqq\r\n4<:8\r\nPdufk\r\n8\r\n");
    const auto decoded = decodeReadingFile(buffer);
    QVERIFY(std::holds_alternative<ReadingFileError>(decoded));
    QCOMPARE(std::get<ReadingFileError>(decoded), ReadingFileError::Unreadable);
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "test_readingfile.moc"
