// The command line: what it asks for, what it prints, and what it refuses.

#include "fakes.h"

#include "app/commandline.h"
#include "platform/qtservices.h"
#include "platform/weblinks.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

// One run of the command line in this process, over fakes.
Outcome run(const QStringList& arguments, Services& services)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const CommandLine line = parseCommandLine(QStringList{QStringLiteral("kinwheel")} + arguments);
    const int status = runCommandLine(line, services, out, err);
    return {status, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

Outcome run(const QStringList& arguments)
{
    FakeServices fakes;
    return run(arguments, fakes.services);
}

// The text of a PDF, or nothing where pdftotext is not installed.
std::optional<QString> pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QString kFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kCheckTheFile = QStringLiteral("Please Check The File.");
// "Mary Smith", 1975, March, 5: each code raised by 3.
const QByteArray kMarySmith("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n8\r\n");

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Puts what a row names at path: "<none>", "<folder>", "<fifo>", or the bytes of a file.
bool place(const QString& path, const QByteArray& what)
{
    if (what == "<none>")
        return true;
    if (what == "<folder>")
        return QDir().mkpath(path);
    if (what == "<fifo>")
        return QProcess::execute(QStringLiteral("mkfifo"), {path}) == 0;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(what) == what.size();
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void startsTheProgram_data();
    void startsTheProgram();
    void printsTheReport_data();
    void printsTheReport();
    void refuses_data();
    void refuses();
    void reads_data();
    void reads();
    void saves_data();
    void saves();
    void writesPdf_data();
    void writesPdf();
    void printsJson();
    void jsonFollowsTheCount_data();
    void jsonFollowsTheCount();
    void wholeProgram();
};

void TestCommandLine::startsTheProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file"); // "-": none
    QTest::newRow("no argument") << QStringList{} << "-";
    QTest::newRow("a reading file") << QStringList{"mary.man"} << "mary.man";
    QTest::newRow("any file: Open decides") << QStringList{"notes.txt"} << "notes.txt";
    QTest::newRow("a name that looks like an option") << QStringList{"--", "--date.man"} << "--date.man";
}

void TestCommandLine::startsTheProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    const CommandLine line = parseCommandLine(QStringList{"kinwheel"} + arguments);
    QCOMPARE(line.kind, CommandLine::Kind::Window);
    QVERIFY(line.error.isEmpty());
    QCOMPARE(line.file.value_or("-"), file);
}

void TestCommandLine::printsTheReport_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines"); // among the printed lines, in order

    const QString gmt = "Count: Traditional count, correlation 584283 (GMT)";
    QTest::newRow("5 March 1975") << QStringList{"--date", "1975-03-05", "--name", "Mary Smith"}
                                  << QStringList{"Name: Mary Smith", "Date of Birth: March 5, 1975", "Mayan Number: 4",
                                                 "Mayan Day Sign: Ix", "Famous Personalities born under this sign: ",
                                                 "Whole Maya Date", "Kin: 134, trecena 1 Chuwen", gmt};
    QTest::newRow("name trimmed, any script") << QStringList{"--name", "  Ζωή Ann ", "--date", "2019-03-27"}
                                              << QStringList{"Name: Ζωή Ann", "Kin: 107, trecena 1 Chikchan"};
    QTest::newRow("no name") << QStringList{"--date", "2012-12-21"}
                             << QStringList{"Name: ", "Calendar Round: 4 Ajaw 3 K'ank'in"};
    QTest::newRow("584285") << QStringList{"--date", "2012-12-21", "--count", "584285"}
                            << QStringList{"Calendar Round: 2 Etz'nab' 1 K'ank'in",
                                           "Count: Traditional count, correlation 584285"};
    QTest::newRow("Dreamspell 29 February")
        << QStringList{"--count", "dreamspell", "--date", "2000-02-29"}
        << QStringList{"Kin: 211", "Count: Dreamspell count", "29 February has no kin in the Dreamspell count"};
    QTest::newRow("first date the engine takes") << QStringList{"--date", "0001-01-01"}
                                                  << QStringList{"Date of Birth: January 1, 1", "Long Count: "};
    QTest::newRow("last date the engine takes") << QStringList{"--date", "9999-12-31"}
                                                 << QStringList{"Date of Birth: December 31, 9999", gmt};
    QTest::newRow("longest name") << QStringList{"--date", "2000-01-01", "--name", QString(256, 'n')}
                                  << QStringList{"Name: " + QString(256, 'n')};
}

void TestCommandLine::printsTheReport()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, kExitDone);
    QVERIFY(!outcome.out.contains('\r'));
    QVERIFY(outcome.out.endsWith("\nReport Generated By " + siteRoot() + "\n"));
    qsizetype from = 0;
    for (const QString& line : lines) {
        const qsizetype at = outcome.out.indexOf(line, from);
        QVERIFY2(at >= 0, qPrintable(line));
        from = at + line.size();
    }
    // The famous people belong to the 584283 count.
    QCOMPARE(outcome.out.contains("Famous Personalities"), !arguments.contains("--count"));
}

void TestCommandLine::refuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString date = "--date takes a date YYYY-MM-DD";
    QTest::newRow("29 February 2021") << QStringList{"--date", "2021-02-29"} << kFebruary;
    QTest::newRow("29 February 1900") << QStringList{"--date", "1900-02-29"} << kFebruary;
    QTest::newRow("31 April") << QStringList{"--date", "2021-04-31"} << "Please Enter Correct Date Or Month !";
    QTest::newRow("no leading zeros") << QStringList{"--date", "2021-4-3"} << date;
    QTest::newRow("month 13") << QStringList{"--date", "2021-13-01"} << date;
    QTest::newRow("day 0") << QStringList{"--date", "2021-01-00"} << date;
    QTest::newRow("year 0") << QStringList{"--date", "0000-12-31"} << date;
    QTest::newRow("year 10000") << QStringList{"--date", "10000-01-01"} << date;
    QTest::newRow("signs and blanks") << QStringList{"--date", "+202-01-01"} << date;
    QTest::newRow("other digits") << QStringList{"--date", "２０２１-01-01"} << date;
    QTest::newRow("empty date") << QStringList{"--date", ""} << date;
    QTest::newRow("long hostile date, echoed short")
        << QStringList{"--date", QString(100000, 'x') + "\x1b[2J"} << "'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'";
    QTest::newRow("control characters in the echo") << QStringList{"--date", "\x1b[2J"} << "'?[2J'";
    QTest::newRow("unknown option") << QStringList{"--date", "2000-01-01", "--bogus"} << "Unknown option 'bogus'";
    QTest::newRow("value missing") << QStringList{"--date"} << "Missing value after '--date'";
    QTest::newRow("no date") << QStringList{"--name", "Ada"} << "Give a birth date";
    QTest::newRow("date twice") << QStringList{"--date", "2000-01-01", "--date", "2001-01-01"}
                                << "--date is given more than once";
    QTest::newRow("a file beside options") << QStringList{"--date", "2000-01-01", "mary.man"} << "given alone";
    QTest::newRow("two files") << QStringList{"a.man", "b.man"} << "one reading file";
    QTest::newRow("unknown count") << QStringList{"--date", "2000-01-01", "--count", "584284"} << "--count takes";
    QTest::newRow("count in capitals") << QStringList{"--date", "2000-01-01", "--count", "Dreamspell"}
                                       << "--count takes";
    QTest::newRow("escape in the name") << QStringList{"--date", "2000-01-01", "--name", "A\x1b]0;x\x07"}
                                        << "control characters: U+001B, U+0007";
    QTest::newRow("tab in the name") << QStringList{"--date", "2000-01-01", "--name", "A\tB"} << "U+0009";
    QTest::newRow("DEL and C1 in the name") << QStringList{"--date", "2000-01-01", "--name", "A\u0085B\x7f"}
                                            << "U+0085, U+007F";
    QTest::newRow("name one too long") << QStringList{"--date", "2000-01-01", "--name", QString(257, 'n')}
                                       << "257 characters";
}

void TestCommandLine::refuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.status, kExitRefused);
    QCOMPARE(outcome.out, QString());
    QVERIFY2(outcome.err.startsWith("kinwheel: ") && outcome.err.endsWith('\n'), qPrintable(outcome.err));
    QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    QVERIFY(outcome.err.size() < 400);
    QVERIFY(!outcome.err.contains('\x1b'));
}

void TestCommandLine::reads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed"); // in standard output, or in standard error when refused

    QTest::newRow("text") << "mary.man" << kMarySmith << QStringList{} << kExitDone
                          << "Name: Mary Smith\nReport Generated By";
    QTest::newRow("JSON, Dreamspell") << "mary.man" << kMarySmith << QStringList{"--json", "--count", "dreamspell"}
                                      << kExitDone << "\"count\": \"dreamspell\"";
    QTest::newRow("last year of the list") << "b.man" << QByteArray("E\r\n5433\r\nGhfhpehu\r\n64\r\n")
                                           << QStringList{} << kExitDone << "December 31, 2100";
    QTest::newRow("MAN") << "mary.MAN" << kMarySmith << QStringList{} << kExitRefused << kCheckTheFile;
    QTest::newRow("no such file") << "gone.man" << QByteArray("<none>") << QStringList{} << kExitRefused
                                  << kCheckTheFile;
    QTest::newRow("folder") << "folder.man" << QByteArray("<folder>") << QStringList{} << kExitRefused
                            << kCheckTheFile;
    QTest::newRow("pipe, never waited on") << "pipe.man" << QByteArray("<fifo>") << QStringList{} << kExitRefused
                                           << kCheckTheFile;
    QTest::newRow("three lines") << "short.man" << QByteArray("Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n")
                                 << QStringList{} << kExitRefused << kCheckTheFile;
    QTest::newRow("year before the list") << "y.man" << QByteArray("Pdu|\r\n4;83\r\nPdufk\r\n8\r\n")
                                          << QStringList{} << kExitRefused << kCheckTheFile;
    QTest::newRow("no name") << "n.man" << QByteArray("\r\n4<:8\r\nPdufk\r\n8\r\n") << QStringList{}
                             << kExitRefused << "Please Enter Your Name";
    QTest::newRow("31 April") << "d.man" << QByteArray("Dqq\r\n4<:8\r\nDsulo\r\n64\r\n") << QStringList{}
                              << kExitRefused << "Please Enter Correct Date Or Month !";
    QTest::newRow("29 February 2100") << "d.man" << QByteArray("Dqq\r\n5433\r\nIheuxdu|\r\n5<\r\n")
                                      << QStringList{} << kExitRefused << kFebruary;
    QTest::newRow("--name too") << "mary.man" << kMarySmith << QStringList{"--name", "Ann"} << kExitRefused
                                << "--name goes with --date";
    QTest::newRow("--date too") << "mary.man" << kMarySmith << QStringList{"--date", "2000-01-01"}
                                << kExitRefused << "--date and --read cannot be used together";
}

void TestCommandLine::reads()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QVERIFY(place(path, bytes));

    const Outcome outcome = run(QStringList{"--read", path} + options);
    QCOMPARE(outcome.status, status);
    QVERIFY2((status == kExitDone ? outcome.out : outcome.err).contains(printed), qPrintable(outcome.err));
    QCOMPARE(outcome.out.isEmpty(), status != kExitDone);
}

void TestCommandLine::saves_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("fileName");   // given to --save
    QTest::addColumn<QString>("written");    // the path the file goes to
    QTest::addColumn<QByteArray>("before");  // what is there before
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");    // in standard error

    const QStringList mary{"--date", "1975-03-05", "--name", "Mary Smith"};
    QTest::newRow("new file") << mary << "mary.man" << "mary.man" << QByteArray("<none>") << kExitDone << "";
    QTest::newRow(".man added") << mary << "mary" << "mary.man" << QByteArray("<none>") << kExitDone << "";
    QTest::newRow("replaces a file") << mary << "mary.man" << "mary.man" << QByteArray("old") << kExitDone << "";
    QTest::newRow("the count is no part of it") << mary + QStringList{"--count", "dreamspell"} << "mary.man"
                                                << "mary.man" << QByteArray("<none>") << kExitDone << "";
    QTest::newRow("year before the list") << QStringList{"--date", "1899-12-31", "--name", "Ann"} << "a.man"
                                          << "a.man" << QByteArray("<none>") << kExitRefused << "a year from 1900 to 2100";
    QTest::newRow("year after the list") << QStringList{"--date", "2101-01-01", "--name", "Ann"} << "a.man"
                                         << "a.man" << QByteArray("old") << kExitRefused << "a year from 1900 to 2100";
    QTest::newRow("no name") << QStringList{"--date", "1975-03-05"} << "a.man" << "a.man" << QByteArray("old")
                             << kExitRefused << "Please Enter Your Name";
    QTest::newRow("blank name") << QStringList{"--date", "1975-03-05", "--name", "  "} << "a.man" << "a.man"
                                << QByteArray("<none>") << kExitRefused << "Please Enter Your Name";
    QTest::newRow("name a file cannot hold") << QStringList{"--date", "1975-03-05", "--name", "Ζωή"} << "a.man"
                                             << "a.man" << QByteArray("old") << kExitRefused << "\"Ζ\" (U+0396)";
    QTest::newRow("29 February 1900") << QStringList{"--date", "1900-02-29", "--name", "Ann"} << "a.man" << "a.man"
                                      << QByteArray("<none>") << kExitRefused << kFebruary;
    QTest::newRow("folder") << mary << "mary.man" << "mary.man" << QByteArray("<folder>") << kExitNotWritten
                            << "It is a folder.";
    QTest::newRow("pipe") << mary << "mary.man" << "mary.man" << QByteArray("<fifo>") << kExitNotWritten
                          << "It is not a regular file.";
    QTest::newRow("missing folder") << mary << "missing/mary.man" << "missing/mary.man" << QByteArray("<none>")
                                    << kExitNotWritten << "could not be saved to";
    QTest::newRow("with --read") << QStringList{"--read", "x.man"} << "a.man" << "a.man" << QByteArray("<none>")
                                 << kExitRefused << "--save takes --date and --name alone";
    QTest::newRow("with --json") << mary + QStringList{"--json"} << "a.man" << "a.man" << QByteArray("<none>")
                                 << kExitRefused << "--save takes --date and --name alone";
}

void TestCommandLine::saves()
{
    QFETCH(QStringList, options);
    QFETCH(QString, fileName);
    QFETCH(QString, written);
    QFETCH(QByteArray, before);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(place(dir.filePath(written), before));

    const Outcome outcome = run(options + QStringList{"--save", dir.filePath(fileName)});
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.out, QString());
    QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    const QFileInfo target(dir.filePath(written));
    if (status == kExitDone)
        QCOMPARE(contents(target.filePath()), kMarySmith);
    else if (before == "<folder>")
        QVERIFY(target.isDir());
    else if (before == "<fifo>")
        QVERIFY(target.exists() && !target.isFile());
    else
        QCOMPARE(contents(target.filePath()), before);
    // Nothing left beside it.
    const int expected = before == "<none>" && status != kExitDone ? 0 : 1;
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), expected);
}

void TestCommandLine::writesPdf_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("before"); // at out.pdf
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("holds"); // in the PDF's text, or in standard error when refused

    const QStringList mary{"--date", "1975-03-05", "--name", "Mary Smith"};
    QTest::newRow("from --date") << mary << QByteArray("<none>") << kExitDone
                                 << QStringList{"Name: Mary Smith", "Kin: 134, trecena 1 Chuwen",
                                                "Count: Traditional count, correlation 584283 (GMT)"};
    QTest::newRow("from --read, Dreamspell") << QStringList{"--read", "<mary>", "--count", "dreamspell"}
                                             << QByteArray("old") << kExitDone
                                             << QStringList{"Name: Mary Smith", "Count: Dreamspell count"};
    QTest::newRow("no name") << QStringList{"--date", "1975-03-05"} << QByteArray("old") << kExitRefused
                             << QStringList{"Please Enter Your Name"};
    QTest::newRow("with --json") << mary + QStringList{"--json"} << QByteArray("<none>") << kExitRefused
                                 << QStringList{"Use one of --json and --pdf"};
    QTest::newRow("folder") << mary << QByteArray("<folder>") << kExitNotWritten << QStringList{"It is a folder."};
    QTest::newRow("pipe") << mary << QByteArray("<fifo>") << kExitNotWritten
                          << QStringList{"It is not a regular file."};
}

void TestCommandLine::writesPdf()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, before);
    QFETCH(int, status);
    QFETCH(QStringList, holds);
    QTemporaryDir dir;
    const QString mary = dir.filePath("mary.man");
    QVERIFY(place(mary, kMarySmith));
    options.replaceInStrings("<mary>", mary);
    const QString pdf = dir.filePath("out.pdf");
    QVERIFY(place(pdf, before));

    FakeServices fakes;
    QtPrinterService printer;
    Services services{fakes.messages, fakes.files, fakes.pages, printer, fakes.settings, fakes.clock, fakes.random};
    const Outcome outcome = run(options + QStringList{"--pdf", pdf}, services);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.out, QString());
    if (status != kExitDone) {
        QVERIFY2(outcome.err.contains(holds.first()), qPrintable(outcome.err));
        QCOMPARE(QFileInfo(pdf).isFile() ? contents(pdf) : before, before); // left as it was
        return;
    }
    QCOMPARE(outcome.err, QString());
    QVERIFY(contents(pdf).startsWith("%PDF-"));
    const auto text = pdfText(pdf);
    if (!text)
        QSKIP("pdftotext is not installed: the PDF's text is not checked");
    for (const QString& line : holds)
        QVERIFY2(text->contains(line), qPrintable(line));
    QCOMPARE(text->contains("Famous Personalities"), !options.contains("dreamspell"));
}

// Every field, as the README shows them.
void TestCommandLine::printsJson()
{
    const Outcome outcome = run({"--date", "2012-12-21", "--name", "Ada", "--json"});
    QCOMPARE(outcome.status, kExitDone);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject expected = QJsonDocument::fromJson(R"json({
        "name": "Ada", "date": "2012-12-21", "count": "584283", "kin": 160,
        "tone": {"number": 4, "name": "Self-Existing"},
        "daySign": {"number": 20, "label": "AJPU - (AHUA)", "name": "Ahau", "english": "Sun"},
        "cross": {"central": "Yellow Sun", "ally": "Blue Storm", "occult": "Red Dragon",
                  "challenge": "White Dog", "guide": "Yellow Warrior"},
        "longCount": "13.0.0.0.0",
        "haab": {"day": 3, "month": 14, "monthName": "K'ank'in"},
        "calendarRound": "4 Ajaw 3 K'ank'in", "lordOfTheNight": 9, "trecena": "trecena 1 Kab'an"
    })json").object();
    QCOMPARE(document.object(), expected);
}

void TestCommandLine::jsonFollowsTheCount_data()
{
    QTest::addColumn<QString>("count"); // empty: the default
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kin");
    QTest::addColumn<QString>("calendarRound"); // empty: null
    QTest::newRow("default") << "" << "584283" << 107 << "3 Manik' 0 Wayeb'";
    QTest::newRow("584283") << "584283" << "584283" << 107 << "3 Manik' 0 Wayeb'";
    QTest::newRow("584285") << "584285" << "584285" << 105 << "1 Chikchan 18 Kumk'u";
    QTest::newRow("dreamspell") << "dreamspell" << "dreamspell" << 153 << "";
}

void TestCommandLine::jsonFollowsTheCount()
{
    QFETCH(QString, count);
    QFETCH(QString, key);
    QFETCH(int, kin);
    QFETCH(QString, calendarRound);
    QStringList arguments{"--json", "--date", "2019-03-27"};
    if (!count.isEmpty())
        arguments << "--count" << count;
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.status, kExitDone);
    const QJsonObject json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    QCOMPARE(json.size(), 12);
    QCOMPARE(json["count"].toString(), key);
    QCOMPARE(json["kin"].toInt(), kin);
    QCOMPARE(json["daySign"]["number"].toInt(), (kin - 1) % 20 + 1);
    QCOMPARE(json["tone"]["number"].toInt(), (kin - 1) % 13 + 1);
    // Under Dreamspell the traditional fields are there, and null.
    for (const char* field : {"longCount", "haab", "calendarRound", "lordOfTheNight", "trecena"})
        QCOMPARE(json[field].isNull(), calendarRound.isEmpty());
    if (!calendarRound.isEmpty())
        QCOMPARE(json["calendarRound"].toString(), calendarRound);
}

// The program itself, while another instance holds the lock and with no
// display: exit status, standard output and standard error.
void TestCommandLine::wholeProgram()
{
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    LockFileGuard running;
    QVERIFY(running.acquire());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    const auto program = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KINWHEEL_PROGRAM), arguments);
        process.waitForFinished(30000);
        return Outcome{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                       QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
    };

    const Outcome json = program({"--date", "1987-07-26", "--name", "Ζωή", "--json"});
    QCOMPARE(json.err, QString());
    QCOMPARE(json.status, kExitDone);
    QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8())["name"].toString(), QStringLiteral("Ζωή"));

    const Outcome refused = program({"--date", "2021-02-29"});
    QCOMPARE(refused.status, kExitRefused);
    QCOMPARE(refused.out, QString());
    QCOMPARE(refused.err, "kinwheel: " + kFebruary + "\n");

    const Outcome help = program({"--help"});
    QCOMPARE(help.status, kExitDone);
    QVERIFY(help.out.startsWith("Usage:\n"));

    // A PDF with no display at all.
    QTemporaryDir dir;
    const Outcome pdf = program({"--date", "1975-03-05", "--name", "Mary Smith", "--pdf", dir.filePath("m.pdf")});
    QCOMPARE(pdf.status, kExitDone);
    QVERIFY(contents(dir.filePath("m.pdf")).startsWith("%PDF-"));
    if (const auto text = pdfText(dir.filePath("m.pdf")))
        QVERIFY(text->contains("Mary Smith"));

    // Output that cannot be written: a full disk.
    QProcess full;
    full.setProcessEnvironment(environment);
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(KINWHEEL_PROGRAM), {"--date", "1987-07-26"});
    QVERIFY(full.waitForFinished(30000));
    QCOMPARE(full.exitCode(), kExitNotWritten);
    QVERIFY(full.readAllStandardError().startsWith("kinwheel: The output could not be written: "));
}

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
