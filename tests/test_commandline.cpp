// The command line: what it prints, writes and refuses, in process and as
// the program itself.

#include "fakes.h"

#include "app/commandline.h"
#include "platform/qtservices.h"
#include "platform/weblinks.h"
#include "report/language.h"

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

// The variables a terminal program takes its language from.
const QList<const char*> kLanguageVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// One run in this process, over fakes and the real printer service, in the
// language of the arguments and the environment; English again after it.
// today: the clock's date, invalid for a clock that cannot be read.
Outcome run(const QStringList& arguments, const QDate& today = FakeClock().date)
{
    FakeServices fakes;
    fakes.clock.date = today;
    QtPrinterService printer;
    Services services{fakes.messages, fakes.files, fakes.pages, printer, fakes.settings, fakes.clock, fakes.random};
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = runCommandLine(QStringList{"kinwheel"} + arguments, {}, services, out, err);
    installLanguage(QStringLiteral("en"));
    return {status, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

// The reading files the rows name as <dir>/NAME.
const QList<QPair<QString, QByteArray>> kFiles = {
    {"mary.man", kMarySmith},
    {"mary.MAN", kMarySmith},
    {"2100.man", "E\r\n5433\r\nGhfhpehu\r\n64\r\n"},
    {"folder.man", "<folder>"},
    {"pipe.man", "<fifo>"},
    {"short.man", "Pdu|#Vplwk\r\n4<:8\r\nPdufk\r\n"},
    {"1850.man", "Pdu|\r\n4;83\r\nPdufk\r\n8\r\n"},
    {"noname.man", "\r\n4<:8\r\nPdufk\r\n8\r\n"},
    {"april.man", "Dqq\r\n4<:8\r\nDsulo\r\n64\r\n"},
    {"feb2100.man", "Dqq\r\n5433\r\nIheuxdu|\r\n5<\r\n"},
    {"evening.man", kMarySmith + "hyhqlqj\r\n"},
    {"noon.man", kMarySmith + "qrrq\r\n"},
};

// The text of a PDF, or nothing where pdftotext is not installed.
std::optional<QString> pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // English whatever the language of the session running the tests.
    void initTestCase()
    {
        for (const char* variable : kLanguageVariables)
            qunsetenv(variable);
        qputenv("LANG", "C");
    }
    void startsTheProgram_data();
    void startsTheProgram();
    void prints_data();
    void prints();
    void writes_data();
    void writes();
    void outputPathsThatWouldLoseData_data();
    void outputPathsThatWouldLoseData();
    void followsTheLanguage_data();
    void followsTheLanguage();
    void withoutToday_data();
    void withoutToday();
    void printsEveryJsonField();
    void printsComparisonJson();
    void wholeProgram();
};

void TestCommandLine::startsTheProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file"); // "-": none
    QTest::newRow("no argument") << QStringList{} << "-";
    QTest::newRow("a reading file") << QStringList{"mary.man"} << "mary.man";
    QTest::newRow("a name like an option") << QStringList{"--", "--date.man"} << "--date.man";
}

void TestCommandLine::startsTheProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    const CommandLine line = parseCommandLine(QStringList{"kinwheel"} + arguments);
    QCOMPARE(line.kind, CommandLine::Kind::Window);
    QCOMPARE(line.file.value_or("-"), file);
}

void TestCommandLine::prints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed"); // in standard output, or in standard error once refused

    const QString dateForm = "--date takes a date YYYY-MM-DD";
    const auto row = [](const char* name, const QStringList& arguments, int status, const QString& printed) {
        QTest::newRow(name) << arguments << status << printed;
    };
    row("report", {"--date", "1975-03-05", "--name", " Mary Smith "}, kExitDone,
        "Name: Mary Smith\nDate of Birth: March 5, 1975\n\nMayan Day Number / Galactic Tone\nMayan Number: 4\n");
    row("Maya date, then the returns from the clock's today", {"--date", "1975-03-05"}, kExitDone,
        "Maya Calendar Date\nKin: 134\nTrecena: 1 Chuwen\nLong Count: 12.18.1.11.14\nHaab': 7 K'ayab\n"
        "Calendar Round: 4 Ix 7 K'ayab\nLord of the Night: G9 (ninth of the nine)\nCount: traditional, correlation "
        "584283 (GMT)\n\nKin Returns\nKin 134, White Self-Existing Wizard, comes round again under the traditional "
        "count 584283 on:\n20 February 2027\n7 November 2027\n24 July 2028\n\nReport Generated By " + siteRoot() + "\n");
    row("584285", {"--date", "2012-12-21", "--count", "584285"}, kExitDone, "Calendar Round: 2 Etz'nab' 1 K'ank'in");
    row("Dreamspell 29 February", {"--count", "dreamspell", "--date", "2000-02-29"}, kExitDone,
        "Kin: 211\nCount: Dreamspell\nLeap day: the Dreamspell count gives 29 February no kin");
    row("first date", {"--date", "0001-01-01"}, kExitDone, "January 1, 0001\n");
    row("a year below 1000 in four digits", {"--date", "0099-03-04"}, kExitDone, "March 4, 0099\n");
    row("an option's value that looks like one, with =", {"--date", "2012-12-21", "--name=--json"}, kExitDone,
        "Name: --json\n");
    const QString emoji = QStringLiteral("\U0001F600");
    row("129 emoji are 129 characters", {"--date", "2000-01-01", "--name", emoji.repeated(129)}, kExitDone,
        emoji.repeated(129));
    row("last date", {"--date", "9999-12-31"}, kExitDone, "December 31, 9999\n");
    row("longest name", {"--date", "2000-01-01", "--name", QString(256, 'n')}, kExitDone, QString(256, 'n'));
    row("JSON 584285", {"--json", "--date", "2019-03-27", "--count", "584285"}, kExitDone, "\"kin\": 105,");
    row("JSON Dreamspell", {"--json", "--date", "2019-03-27", "--count", "dreamspell"}, kExitDone,
        "\"haab\": null,\n    \"kin\": 153,\n    \"leapDay\": false,\n    \"longCount\": null,\n    \"lordOfTheNight\": null,");
    row("JSON Dreamspell 29 February", {"--json", "--date", "2000-02-29", "--count", "dreamspell"}, kExitDone,
        "\"leapDay\": true,");
    // Today is the clock's: 7 December 2026.
    row("today", {"--today"}, kExitDone, "Date of Birth: December 7, 2026\n");
    row("today, Dreamspell, JSON and returns", {"--today", "--count", "dreamspell", "--json", "--returns", "2"},
        kExitDone, "\"returns\": [\n        \"2027-08-24\",\n        \"2028-05-11\"\n    ],");
    row("five returns in the text", {"--date", "1975-03-05", "--returns", "5"}, kExitDone,
        "on:\n20 February 2027\n7 November 2027\n24 July 2028\n10 April 2029\n26 December 2029\n\n");
    row("JSON returns", {"--date", "2012-12-21", "--json", "--returns", "3"}, kExitDone,
        "\"returns\": [\n        \"2027-03-18\",\n        \"2027-12-03\",\n        \"2028-08-19\"\n    ],");
    row("read", {"--read", "<dir>/mary.man"}, kExitDone, "Name: Mary Smith\n");
    row("read 2100, JSON", {"--read", "<dir>/2100.man", "--json"}, kExitDone, "\"date\": \"2100-12-31\"");
    const QStringList evening{"--date", "1987-07-26", "--born", "evening"};
    row("evening, sunset", evening + QStringList{"--day-begins", "sunset"}, kExitDone,
        "Date of Birth: July 26, 1987\nBorn in the evening of 26 July 1987; the day began at sunset, so this is the "
        "reading of 27 July 1987.\n\nMayan Day Number / Galactic Tone\nMayan Number: 7\n");
    row("evening, midnight by default", evening + QStringList{"--json"}, kExitDone,
        "\"born\": \"evening\",\n    \"calendarRound\": \"6 Ajaw 8 Xul\",\n    \"count\": \"584283\",");
    row("JSON, evening at sunset", evening + QStringList{"--day-begins", "sunset", "--json"}, kExitDone,
        "\"date\": \"1987-07-26\",\n    \"dayBegins\": \"sunset\",");
    row("JSON, reading date", evening + QStringList{"--day-begins", "sunset", "--json"}, kExitDone,
        "\"readingDate\": \"1987-07-27\",");
    row("JSON, night at sunrise", {"--date", "2000-03-01", "--born", "night", "--day-begins", "sunrise", "--count",
                                   "dreamspell", "--json"}, kExitDone,
        "\"leapDay\": true,\n    \"longCount\": null,\n    \"lordOfTheNight\": null,\n    \"name\": \"\",\n"
        "    \"readingDate\": \"2000-02-29\",");
    row("JSON, born in the day said so", {"--date", "1987-07-26", "--born", "day", "--json"}, kExitDone,
        "\"born\": \"day\",");
    row("JSON, last date at sunset", {"--date", "2100-12-31", "--born", "evening", "--day-begins", "sunset", "--json"},
        kExitDone, "\"readingDate\": \"2101-01-01\",");
    row("read a time of birth", {"--read", "<dir>/evening.man", "--day-begins", "sunset", "--json"}, kExitDone,
        "\"readingDate\": \"1975-03-06\",");
    row("--born replaces the file's time", {"--read", "<dir>/evening.man", "--born", "day", "--day-begins", "sunset",
                                            "--json"}, kExitDone, "\"readingDate\": \"1975-03-05\",");
    row("unknown time", {"--date", "2000-01-01", "--born", "noon"}, kExitRefused,
        "--born takes day, evening or night, not 'noon'.");
    row("unknown day start", {"--date", "2000-01-01", "--day-begins", "Sunset"}, kExitRefused,
        "--day-begins takes midnight, sunset or sunrise, not 'Sunset'.");
    row("--born without a value", {"--date", "2000-01-01", "--born", "--json"}, kExitRefused,
        "--born needs a value, not the option '--json'");
    row("a reading after the last date", {"--date", "9999-12-31", "--born", "evening", "--day-begins", "sunset"},
        kExitRefused, "takes the reading of 10000-01-01, a date outside 0001-01-01 to 9999-12-31");
    row("a reading before the first date", {"--date", "0001-01-01", "--born", "night", "--day-begins", "sunrise"},
        kExitRefused, "takes the reading of 0000-12-31, a date outside");
    row("read a junk time", {"--read", "<dir>/noon.man"}, kExitRefused,
        kCheckFileMessage + "\nIt holds a value no reading file has.");

    row("29 February 2021", {"--date", "2021-02-29"}, kExitRefused, kFebruaryMessage);
    row("29 February 1900", {"--date", "1900-02-29"}, kExitRefused, kFebruaryMessage);
    row("31 April", {"--date", "2021-04-31"}, kExitRefused, kThirtyDayMessage);
    row("no leading zeros", {"--date", "2021-4-3"}, kExitRefused, dateForm);
    row("month 13", {"--date", "2021-13-01"}, kExitRefused, dateForm);
    row("year 0", {"--date", "0000-12-31"}, kExitRefused, dateForm);
    row("year 10000", {"--date", "10000-01-01"}, kExitRefused, dateForm);
    row("other digits", {"--date", "２０２１-01-01"}, kExitRefused, dateForm);
    row("empty date", {"--date", ""}, kExitRefused, dateForm);
    row("long hostile date", {"--date", QString(100000, 'x') + "\x1b[2J"}, kExitRefused, "'" + QString(40, 'x') + "...'");
    row("escape echoed", {"--date", "\x1b[2J"}, kExitRefused, "'?[2J'");
    row("unknown option", {"--date", "2000-01-01", "--x\x1b[2J"}, kExitRefused, "Unknown option 'x?[2J'");
    row("value missing", {"--date"}, kExitRefused, "Missing value after '--date'");
    row("no date", {"--name", "Ada"}, kExitRefused, "Give a birth date");
    row("date twice", {"--date", "2000-01-01", "--date", "2001-01-01"}, kExitRefused, "given more than once");
    row("a file beside options", {"--date", "2000-01-01", "mary.man"}, kExitRefused, "given alone");
    row("two files", {"a.man", "b.man"}, kExitRefused, "one reading file");
    row("unknown count", {"--date", "2000-01-01", "--count", "Dreamspell"}, kExitRefused, "--count takes");
    row("escape in the name", {"--date", "2000-01-01", "--name", "A\x1b]0;x\x07"}, kExitRefused,
        "control characters: U+001B, U+0007");
    row("DEL and C1 in the name", {"--date", "2000-01-01", "--name", "A\u0085B\x7f"}, kExitRefused, "U+0085, U+007F");
    row("name one too long", {"--date", "2000-01-01", "--name", QString(257, 'n')}, kExitRefused, "257 characters");
    row("257 emoji, counted as typed", {"--date", "2000-01-01", "--name", emoji.repeated(257)}, kExitRefused,
        "257 characters");
    row("a value that looks like an option", {"--date", "2012-12-21", "--name", "--json"}, kExitRefused,
        "--name needs a value, not the option '--json'; write --name=--json");
    row("--save --json", {"--date", "2012-12-21", "--name", "A", "--save", "--json"}, kExitRefused,
        "--save needs a value");
    row("reordering characters echoed safely", {"--date", "1\u202e2\u2066"}, kExitRefused, "'1?2?'");
    row("a line break in --count echoed safely", {"--date", "2000-01-01", "--count", "a\nb"}, kExitRefused, "'a?b'");
    row("--date and --read", {"--date", "2000-01-01", "--read", "<dir>/mary.man"}, kExitRefused,
        "cannot be used together");
    row("--name and --read", {"--read", "<dir>/mary.man", "--name", "Ann"}, kExitRefused, "--name goes with --date");
    const QString returnsForm = "--returns takes a number from 1 to 1000, not";
    row("no returns", {"--date", "2000-01-01", "--returns", "0"}, kExitRefused, returnsForm);
    row("1001 returns", {"--date", "2000-01-01", "--returns", "1001"}, kExitRefused, returnsForm);
    row("returns not a number", {"--date", "2000-01-01", "--returns", "3x"}, kExitRefused, returnsForm);
    row("returns with a sign", {"--date", "2000-01-01", "--returns", "+3"}, kExitRefused, returnsForm);
    row("--today and --date", {"--today", "--date", "2000-01-01"}, kExitRefused, "--today goes without");
    row("--today and --name", {"--today", "--name", "Ann"}, kExitRefused, "--today goes without");
    row("--today and --ics", {"--today", "--ics", "t.ics"}, kExitRefused, "--today takes --count, --json and --returns alone");
    row("--returns and --pdf", {"--date", "2000-01-01", "--name", "A", "--returns", "3", "--pdf", "a.pdf"},
        kExitRefused, "--returns goes with");
    row("--ics and --json", {"--date", "2000-01-01", "--ics", "a.ics", "--json"}, kExitRefused, "--ics goes without");
    row("read MAN", {"--read", "<dir>/mary.MAN"}, kExitRefused, kCheckFileMessage);
    row("read missing", {"--read", "<dir>/gone.man"}, kExitRefused, kCheckFileMessage + "\nThere is no such file.");
    row("read folder", {"--read", "<dir>/folder.man"}, kExitRefused, kCheckFileMessage + "\nIt is a folder.");
    row("read pipe, never waited on", {"--read", "<dir>/pipe.man"}, kExitRefused,
        kCheckFileMessage + "\nIt is not a regular file.");
    row("read three lines", {"--read", "<dir>/short.man"}, kExitRefused,
        kCheckFileMessage + "\nIt ends before its fourth line.");
    row("read 1850", {"--read", "<dir>/1850.man"}, kExitRefused, kCheckFileMessage);
    row("read no name", {"--read", "<dir>/noname.man"}, kExitRefused, kNameMessage);
    row("read 31 April", {"--read", "<dir>/april.man"}, kExitRefused, kThirtyDayMessage);
    row("read 29 February 2100", {"--read", "<dir>/feb2100.man"}, kExitRefused, kFebruaryMessage);

    // Two readings compared: the second from --with-date and --with-name, or a file.
    const QStringList ada{"--date", "1987-07-26", "--name", "Ada"};
    row("compare", ada + QStringList{"--with-date", "1990-05-03", "--with-name", "Ben"}, kExitDone,
        "Relations\nSame colour: Both day signs are yellow");
    row("compare with a file", {"--read", "<dir>/mary.man", "--with", "<dir>/mary.man", "--count", "dreamspell"},
        kExitDone, "Both readings follow the Dreamspell count.\n\nMary Smith\n");
    row("compare without names", {"--date", "1987-07-26", "--with-date", "1987-07-26"}, kExitDone,
        "Same kin: The first person and the second person were both born on Kin 240");
    row("compare, JSON", ada + QStringList{"--with", "<dir>/mary.man", "--json"}, kExitDone, "\"second\": {");
    row("compare with a missing file", ada + QStringList{"--with", "<dir>/gone.man"}, kExitRefused,
        kCheckFileMessage + "\nThere is no such file.");
    row("compare with 31 April", ada + QStringList{"--with", "<dir>/april.man"}, kExitRefused,
        kThirtyDayMessage);
    row("compare with no date", ada + QStringList{"--with-date", "1990-5-3"}, kExitRefused,
        "--with-date takes a date YYYY-MM-DD");
    row("compare with 29 February", ada + QStringList{"--with-date", "2021-02-29"}, kExitRefused, kFebruaryMessage);
    row("compare with a name too long", ada + QStringList{"--with-date", "2000-01-01", "--with-name", QString(257, 'n')},
        kExitRefused, "257 characters");
    row("--with-date and --with", ada + QStringList{"--with-date", "2000-01-01", "--with", "<dir>/mary.man"},
        kExitRefused, "cannot be used together");
    row("--with-name alone", ada + QStringList{"--with-name", "Ben"}, kExitRefused, "--with-name goes with --with-date");
    row("--with-name like an option", ada + QStringList{"--with-date", "2000-01-01", "--with-name", "--json"},
        kExitRefused, "--with-name needs a value");
    row("--with alone", {"--with", "<dir>/mary.man"}, kExitRefused, "Give a birth date");
    row("--save a comparison", ada + QStringList{"--with-date", "2000-01-01", "--save", "x.man"}, kExitRefused,
        "--save takes --date and --name alone");
}

void TestCommandLine::prints()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QTemporaryDir dir;
    for (const auto& [name, bytes] : kFiles)
        QVERIFY(place(dir.filePath(name), bytes));

    const Outcome outcome = run(arguments.replaceInStrings("<dir>", dir.path()));
    QCOMPARE(outcome.status, status);
    QVERIFY2((status == kExitDone ? outcome.out : outcome.err).contains(printed), qPrintable(outcome.err));
    if (status == kExitDone) {
        QCOMPARE(outcome.err, QString());
        QVERIFY(!outcome.out.contains('\r'));
        return;
    }
    QCOMPARE(outcome.out, QString());
    QVERIFY(outcome.err.startsWith("kinwheel: ") && outcome.err.endsWith('\n'));
    QVERIFY(outcome.err.size() < 400 && !outcome.err.contains('\x1b'));
    QVERIFY(!outcome.err.contains(QChar(0x202E)) && !outcome.err.contains(QChar(0x2066)));
    // A line break comes only from the message itself: after "Please Check The File.".
    QCOMPARE(outcome.err.count('\n'), printed.startsWith(kCheckFileMessage) ? 2 : 1);
}

void TestCommandLine::writes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("target");   // given to --save or --pdf
    QTest::addColumn<QString>("written");  // the path written
    QTest::addColumn<QByteArray>("before"); // at that path
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // on standard error

    const QStringList mary{"--date", "1975-03-05", "--name", "Mary Smith"};
    const QByteArray none("<none>");
    const auto row = [](const char* name, const QStringList& options, const QString& target, const QString& written,
                        const QByteArray& before, int status, const QString& message) {
        QTest::newRow(name) << options << target << written << before << status << message;
    };
    row("save", mary + QStringList{"--save"}, "m.man", "m.man", none, kExitDone, "");
    row("save adds .man", mary + QStringList{"--save"}, "m", "m.man", none, kExitDone, "");
    row("save replaces", mary + QStringList{"--count", "dreamspell", "--save"}, "m.man", "m.man", "old", kExitDone, "");
    row("save the time of birth", mary + QStringList{"--born", "evening", "--day-begins", "sunset", "--save"}, "m.man",
        "m.man", none, kExitDone, "");
    row("save 1899", {"--date", "1899-12-31", "--name", "A", "--save"}, "m.man", "m.man", "old", kExitRefused,
        "a year from 1900 to 2100");
    row("save 2101", {"--date", "2101-01-01", "--name", "A", "--save"}, "m.man", "m.man", none, kExitRefused,
        "a year from 1900 to 2100");
    row("save blank name", {"--date", "1975-03-05", "--name", " ", "--save"}, "m.man", "m.man", "old", kExitRefused,
        kNameMessage);
    row("save Greek name", {"--date", "1975-03-05", "--name", "Ζωή", "--save"}, "m.man", "m.man", none,
        kExitRefused, "\"Ζ\" (U+0396)");
    row("save to a folder", mary + QStringList{"--save"}, "m.man", "m.man", "<folder>", kExitNotWritten,
        "It is a folder.");
    row("save to a pipe", mary + QStringList{"--save"}, "m.man", "m.man", "<fifo>", kExitNotWritten,
        "It is not a regular file.");
    row("save, folder missing", mary + QStringList{"--save"}, "no/m.man", "no/m.man", none, kExitNotWritten,
        "could not be saved to");
    row("save with --json", mary + QStringList{"--json", "--save"}, "m.man", "m.man", none, kExitRefused,
        "--save takes --date and --name alone");
    row("calendar file", mary + QStringList{"--count", "dreamspell", "--returns", "1000", "--ics"}, "m.ics", "m.ics",
        "old", kExitDone, "");
    row("calendar file from --read", {"--read", "<dir>/mary.man", "--ics"}, "m.ics", "m.ics", none, kExitDone, "");
    row("calendar file to a folder", mary + QStringList{"--ics"}, "m.ics", "m.ics", "<folder>", kExitNotWritten,
        "It is a folder.");
    row("PDF", mary + QStringList{"--pdf"}, "m.pdf", "m.pdf", "old", kExitDone, "");
    row("PDF from --read, Dreamspell", {"--read", "<dir>/mary.man", "--count", "dreamspell", "--pdf"}, "m.pdf",
        "m.pdf", none, kExitDone, "");
    row("PDF, evening at sunset", mary + QStringList{"--born", "evening", "--day-begins", "sunset", "--pdf"}, "m.pdf",
        "m.pdf", none, kExitDone, "");
    row("PDF without a name", {"--date", "1975-03-05", "--pdf"}, "m.pdf", "m.pdf", "old", kExitRefused,
        kNameMessage);
    row("PDF to a folder", mary + QStringList{"--pdf"}, "m.pdf", "m.pdf", "<folder>", kExitNotWritten,
        "It is a folder.");
    row("PDF to a pipe", mary + QStringList{"--pdf"}, "m.pdf", "m.pdf", "<fifo>", kExitNotWritten,
        "It is not a regular file.");
    const QStringList ben{"--with-date", "1990-05-03", "--with-name", "Ben"};
    row("PDF of two", mary + ben + QStringList{"--pdf"}, "m.pdf", "m.pdf", "old", kExitDone, "");
    row("PDF of two, without the second name", mary + QStringList{"--with-date", "1990-05-03", "--pdf"}, "m.pdf",
        "m.pdf", "old", kExitRefused, kNameMessage);
    row("PDF in Spanish", mary + QStringList{"--lang", "es", "--pdf"}, "m.pdf", "m.pdf", none, kExitDone, "");
    row("PDF of two to a folder", mary + ben + QStringList{"--pdf"}, "m.pdf", "m.pdf", "<folder>", kExitNotWritten,
        "It is a folder.");
    row("calendar file to a folder, in Spanish", mary + QStringList{"--lang", "es", "--ics"}, "m.ics", "m.ics",
        "<folder>", kExitNotWritten, "Es una carpeta.");
}

void TestCommandLine::writes()
{
    QFETCH(QStringList, options);
    QFETCH(QString, target);
    QFETCH(QString, written);
    QFETCH(QByteArray, before);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(place(dir.filePath("mary.man"), kMarySmith));
    const QString path = dir.filePath(written);
    QVERIFY(place(path, before));

    const Outcome outcome = run(options.replaceInStrings("<dir>", dir.path()) << dir.filePath(target));
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.out, QString());
    QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    // Nothing but the target, and that left as it was unless written.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
             before != "<none>" || status == kExitDone ? 2 : 1);
    const QFileInfo info(path);
    if (status != kExitDone) {
        QCOMPARE(before == "<folder>" ? info.isDir() : before == "<fifo>" ? !info.isFile() : contents(path) == before,
                 true);
        return;
    }
    const bool evening = options.contains("evening");
    if (options.contains("--save")) {
        QCOMPARE(contents(path), evening ? kMarySmith + "hyhqlqj\r\n" : kMarySmith);
        return;
    }
    if (options.contains("--ics")) {
        const QByteArray ics = contents(path);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n") && ics.endsWith("END:VCALENDAR\r\n"));
        QCOMPARE(ics.count("BEGIN:VEVENT"), options.contains("1000") ? 1000 : 20);
        return;
    }
    QVERIFY(contents(path).startsWith("%PDF-"));
    const auto text = pdfText(path);
    if (!text)
        QSKIP("pdftotext is not installed: the PDF's text is not checked");
    if (options.contains("--with-date")) {
        for (const char* line : {"Two Readings Side by Side", "Mary Smith\n", "Ben\n", "Relations", "combined kin:"})
            QVERIFY2(text->contains(QLatin1String(line)), line);
        return;
    }
    if (options.contains("--lang")) {
        QVERIFY(text->contains("Mary Smith") && !text->contains("Date of Birth"));
        return;
    }
    const bool dreamspell = options.contains("dreamspell");
    QVERIFY(text->contains("Name: Mary Smith"));
    QVERIFY(text->contains(dreamspell ? "Count: Dreamspell" : "Trecena: 1 Chuwen"));
    QVERIFY(text->contains("Famous Personalities"));
    QCOMPARE(text->contains("Listed for the traditional count 584283 only"), dreamspell);
    QCOMPARE(text->contains("so this is the reading of 6 March"), evening);
}

void TestCommandLine::outputPathsThatWouldLoseData_data()
{
    QTest::addColumn<QStringList>("arguments"); // <dir> the folder holding mary.man and a link to it, link.pdf
    QTest::addColumn<QString>("message");
    const QStringList mary{"--date", "1975-03-05", "--name", "Mary Smith"};
    QTest::newRow("PDF over the file read") << QStringList{"--read", "<dir>/mary.man", "--pdf", "<dir>/mary.man"}
                                            << "names the file the reading is read from";
    QTest::newRow("PDF through a link to the file read")
        << QStringList{"--read", "<dir>/mary.man", "--pdf", "<dir>/link.pdf"} << "names the file the reading is read from";
    QTest::newRow("PDF over another reading file") << mary + QStringList{"--pdf", "<dir>/mary.man"}
                                                   << "does not write over a reading file";
    QTest::newRow("PDF over the file compared with")
        << mary + QStringList{"--with", "<dir>/mary.man", "--pdf", "<dir>/link.pdf"}
        << "names the file the reading is read from";
    QTest::newRow("calendar file over a reading file") << mary + QStringList{"--ics", "<dir>/mary.man"}
                                                      << "does not write over a reading file";
    QTest::newRow("calendar file over the file read") << QStringList{"--read", "<dir>/mary.man", "--ics", "<dir>/link.pdf"}
                                                     << "names the file the reading is read from";
    QTest::newRow("save to an empty path") << mary + QStringList{"--save", ""} << "--save needs a file name";
    QTest::newRow("save to a folder's path") << mary + QStringList{"--save", "<dir>/"} << "--save needs a file name";
    QTest::newRow("PDF to a folder's path") << mary + QStringList{"--pdf", "<dir>/"} << "--pdf needs a file name";
}

// Nothing is written: the folder holds what it held, byte for byte.
void TestCommandLine::outputPathsThatWouldLoseData()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(place(dir.filePath("mary.man"), kMarySmith));
    QVERIFY(QFile::link(dir.filePath("mary.man"), dir.filePath("link.pdf")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path()); // where "" or a bare name would land
    const Outcome outcome = run(arguments.replaceInStrings("<dir>", dir.path()));
    QDir::setCurrent(before);
    QCOMPARE(outcome.status, kExitRefused);
    QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             (QStringList{"link.pdf", "mary.man"}));
    QCOMPARE(contents(dir.filePath("mary.man")), kMarySmith);
}

void TestCommandLine::followsTheLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // VARIABLE=value, over LANG=C
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed"); // in standard output, or in standard error once refused
    QTest::addColumn<QString>("absent");  // from both

    const QStringList bad{"--date", "2021-13-01"};
    const QStringList ada{"--date", "1987-07-26", "--name", "Ada"};
    const QString english = "takes a date YYYY-MM-DD";
    const QString spanish = "AAAA-MM-DD";
    const auto row = [](const char* name, const QStringList& environment, const QStringList& arguments, int status,
                        const QString& printed, const QString& absent) {
        QTest::newRow(name) << environment << arguments << status << printed << absent;
    };
    row("C", {}, bad, kExitRefused, english, spanish);
    row("LANG Spanish", {"LANG=es_MX.UTF-8"}, bad, kExitRefused, spanish, english);
    row("LC_MESSAGES over LANG", {"LC_MESSAGES=es", "LANG=en_GB.UTF-8"}, bad, kExitRefused, spanish, english);
    row("LC_ALL over LC_MESSAGES", {"LC_ALL=es_AR.UTF-8", "LC_MESSAGES=fr_FR"}, bad, kExitRefused, spanish, english);
    row("LANGUAGE's first entry over all", {"LANGUAGE=en:es", "LC_ALL=es_ES.UTF-8"}, bad, kExitRefused, english, spanish);
    row("LANGUAGE not over a C locale", {"LANGUAGE=es", "LANG=C.UTF-8"}, bad, kExitRefused, english, spanish);
    row("another language is English", {"LANG=fr_FR.UTF-8"}, bad, kExitRefused, english, spanish);
    row("--lang over C", {}, QStringList{"--lang", "es"} + bad, kExitRefused, spanish, english);
    row("--lang= over C", {}, QStringList{"--lang=es"} + bad, kExitRefused, spanish, english);
    row("--lang over LANG", {"LANG=es_MX.UTF-8"}, bad + QStringList{"--lang", "en"}, kExitRefused, english, spanish);
    row("text in Spanish", {}, ada + QStringList{"--lang", "es"}, kExitDone, "Kin: 240\n", "Date of Birth:");
    row("comparison in Spanish", {"LANG=es_MX.UTF-8"}, ada + QStringList{"--with-date", "1990-05-03"}, kExitDone,
        "Ada\n", "Two Readings Side by Side");
    row("unknown language", {}, QStringList{"--lang", "fr"} + bad, kExitRefused,
        "--lang takes a language code (en, es), not 'fr'.", spanish);
    row("a code in capitals", {}, ada + QStringList{"--lang", "ES"}, kExitRefused, "not 'ES'", spanish);
    row("no code", {}, ada + QStringList{"--lang", ""}, kExitRefused, "not ''", spanish);
    row("a locale name", {}, ada + QStringList{"--lang", "es_MX"}, kExitRefused, "not 'es_MX'", spanish);
    row("--lang twice", {}, ada + QStringList{"--lang", "es", "--lang", "en"}, kExitRefused, "more than once", "");
    row("--lang without a value", {}, ada + QStringList{"--lang", "--json"}, kExitRefused,
        "--lang needs a value, not the option '--json'", spanish);
    row("--lang for the windows", {}, {"--lang", "es"}, kExitRefused, "menú Idioma", "");
    row("--lang for the windows with a file", {}, {"--lang", "es", "mary.man"}, kExitRefused, "menú Idioma", "");
}

// The text, messages and PDF are in the language of --lang, else of the
// environment, and the windows are not given one.
void TestCommandLine::followsTheLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QFETCH(QString, absent);
    for (const QString& setting : environment)
        qputenv(qPrintable(setting.section('=', 0, 0)), setting.section('=', 1).toUtf8());
    const Outcome outcome = run(arguments);
    initTestCase();
    QCOMPARE(outcome.status, status);
    QVERIFY2((status == kExitDone ? outcome.out : outcome.err).contains(printed), qPrintable(outcome.err));
    if (!absent.isEmpty())
        QVERIFY(!outcome.out.contains(absent) && !outcome.err.contains(absent));
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
}

void TestCommandLine::withoutToday_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const QStringList mary{"--date", "1975-03-05"};
    QTest::newRow("today") << QStringList{"--today"} << kExitRefused;
    QTest::newRow("calendar file") << mary + QStringList{"--ics", "<dir>/m.ics"} << kExitRefused;
    QTest::newRow("returns asked for") << mary + QStringList{"--returns", "3"} << kExitRefused;
    QTest::newRow("returns asked for in JSON") << mary + QStringList{"--json", "--returns", "3"} << kExitRefused;
    QTest::newRow("the reading alone") << mary << kExitDone;
}

// A clock that cannot be read: what needs today's date says so and writes
// nothing; a reading alone is printed without its returns.
void TestCommandLine::withoutToday()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QTemporaryDir dir;
    const Outcome outcome = run(arguments.replaceInStrings("<dir>", dir.path()), QDate());
    QCOMPARE(outcome.status, status);
    if (status == kExitDone) {
        QVERIFY(outcome.out.contains("Kin: 134\n") && !outcome.out.contains("Kin Returns"));
        return;
    }
    QCOMPARE(outcome.err, "kinwheel: Today's date could not be read from the system.\n");
    QVERIFY(QDir(dir.path()).isEmpty());
}

// Every field, as the README shows them.
void TestCommandLine::printsEveryJsonField()
{
    const Outcome outcome = run({"--date", "2012-12-21", "--name", "Ada", "--json"});
    QCOMPARE(outcome.status, kExitDone);
    const QJsonObject expected = QJsonDocument::fromJson(R"json({
        "name": "Ada", "date": "2012-12-21", "count": "584283", "kin": 160,
        "tone": {"number": 4, "name": "Self-Existing"},
        "daySign": {"number": 20, "label": "AJPU - (AHUA)", "name": "Ahau", "english": "Sun"},
        "cross": {"central": "Yellow Sun", "ally": "Blue Storm", "occult": "Red Dragon",
                  "challenge": "White Dog", "guide": "Yellow Warrior"},
        "longCount": "13.0.0.0.0",
        "haab": {"day": 3, "month": 14, "monthName": "K'ank'in"},
        "calendarRound": "4 Ajaw 3 K'ank'in", "lordOfTheNight": 9, "trecena": "1 Kab'an", "leapDay": false,
        "born": null, "dayBegins": "midnight", "readingDate": "2012-12-21"
    })json").object();
    QCOMPARE(QJsonDocument::fromJson(outcome.out.toUtf8()).object(), expected);
}

// A comparison's JSON: both readings whole, each relation with its rule and
// side, and the combined kin, as the README shows them.
void TestCommandLine::printsComparisonJson()
{
    const Outcome outcome = run({"--date", "1987-07-26", "--name", "Ada", "--with-date", "1990-05-03", "--with-name",
                                 "Ben", "--count", "dreamspell", "--json"});
    QCOMPARE(outcome.status, kExitDone);
    const QJsonObject json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    QCOMPARE(json.keys(), (QStringList{"combinedKin", "count", "first", "relations", "second"}));
    QCOMPARE(json["count"].toString(), QStringLiteral("dreamspell"));
    QCOMPARE(json["first"]["kin"].toInt(), 34);
    QCOMPARE(json["second"]["name"].toString(), QStringLiteral("Ben"));
    QCOMPARE(json["second"]["cross"]["ally"].toString(), QStringLiteral("White Wizard"));
    QStringList relations;
    for (const QJsonValue relation : json["relations"].toArray()) {
        relations << relation["rule"].toString() + QLatin1Char('/') + relation["from"].toString();
        QVERIFY(relation["text"].toString().size() > 20);
    }
    QCOMPARE(relations, (QStringList{"ally/first", "ally/second", "sameCastle/both"}));
    QCOMPARE(json["combinedKin"].toObject(), QJsonDocument::fromJson(R"json({"kin": 39,
        "tone": {"number": 13, "name": "Cosmic"},
        "daySign": {"number": 19, "label": "KAWOK - (CAUAC)", "name": "Cauac", "english": "Storm"}})json").object());
}

// The program itself, while another instance holds the lock and with no
// display: exit status and both streams.
void TestCommandLine::wholeProgram()
{
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    LockFileGuard running;
    QVERIFY(running.acquire());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : QList<const char*>{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"} + kLanguageVariables)
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    const auto program = [&](const QStringList& arguments, const QString& output = {}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (!output.isEmpty())
            process.setStandardOutputFile(output);
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

    // JSON is the same in every language, byte for byte.
    for (const QStringList& arguments : {QStringList{"--date", "1987-07-26", "--name", "Ada", "--json", "--returns", "3"},
                                         QStringList{"--date", "1987-07-26", "--with-date", "1990-05-03", "--json"}}) {
        const Outcome c = program(arguments);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("es_MX.UTF-8"));
        const Outcome spanish = program(arguments);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        QCOMPARE(spanish.status, kExitDone);
        QVERIFY(c.out.size() > 500);
        QCOMPARE(spanish.out, c.out);
    }

    const Outcome refused = program({"--date", "2021-02-29"});
    QCOMPARE(refused.status, kExitRefused);
    QCOMPARE(refused.out, QString());
    QCOMPARE(refused.err, "kinwheel: " + kFebruaryMessage + "\n");

    const Outcome help = program({"--help"});
    QCOMPARE(help.status, kExitDone);
    QVERIFY(help.out.startsWith("Usage:\n"));

    const Outcome pdf = program({"--date", "1975-03-05", "--name", "Mary Smith", "--pdf", dir.filePath("m.pdf")});
    QCOMPARE(pdf.status, kExitDone);
    QVERIFY(contents(dir.filePath("m.pdf")).startsWith("%PDF-"));

    const Outcome full = program({"--date", "1987-07-26"}, QStringLiteral("/dev/full"));
    QCOMPARE(full.status, kExitNotWritten);
    QVERIFY(full.err.startsWith("kinwheel: The output could not be written: "));
    // JSON is composed in English, its failure told in the language.
    const Outcome spanishFull = program({"--lang", "es", "--date", "1987-07-26", "--json"}, QStringLiteral("/dev/full"));
    QCOMPARE(spanishFull.status, kExitNotWritten);
    QVERIFY(spanishFull.err.startsWith("kinwheel: ") && !spanishFull.err.contains("could not be written"));

    // A desktop session's platform with no display behind it: the PDF is
    // drawn off-screen all the same.
    for (const char* platform : {"xcb", "wayland", "junk"}) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        const QString out = dir.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(platform)));
        const Outcome drawn = program({"--date", "1975-03-05", "--name", "Mary Smith", "--pdf", out});
        QVERIFY2(drawn.status == kExitDone, qPrintable(drawn.err));
        QVERIFY(contents(out).startsWith("%PDF-"));
    }
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));

#ifdef Q_OS_UNIX
    // Through a shell, for what QProcess cannot give: bytes that are not
    // UTF-8, a closed standard output and a reader that has gone.
    const auto shell = [&](const QString& script) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), script, QStringLiteral(KINWHEEL_PROGRAM)});
        process.waitForFinished(30000);
        return Outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                       QString::fromUtf8(process.readAllStandardError())};
    };
    QVERIFY(place(dir.filePath(QStringLiteral("lat\u00e9.man")), kMarySmith));
    for (const char* script : {R"("$0" --date 2000-01-01 --name A --save $'\xff.man')",
                               R"("$0" --date 2000-01-01 --name A --save $'\xfe.man')", R"("$0" --read $'lat\xe9.man')",
                               R"("$0" --date 2000-01-01 --name $'\xffA')"}) {
        const Outcome refused = shell(QString::fromLatin1(script));
        QCOMPARE(refused.status, kExitRefused);
        QVERIFY2(refused.err.contains("not text in the system's encoding: '"), qPrintable(refused.err));
    }
    QVERIFY(!QDir(dir.path()).entryList({"*.man"}).contains(QStringLiteral("\uFFFD.man")));

    const Outcome closed = shell(QStringLiteral(R"("$0" --date 1987-07-26 >&-)"));
    QCOMPARE(closed.status, kExitNotWritten);
    QCOMPARE(closed.err, QStringLiteral("kinwheel: The output could not be written: standard output is closed\n"));

    const Outcome gone =
        shell(QStringLiteral(R"((sleep 0.3; exec "$0" --date 1987-07-26) | (exec 0<&-; sleep 1); echo "${PIPESTATUS[0]}")"));
    QCOMPARE(gone.out, QStringLiteral("1\n"));
    QCOMPARE(gone.err, QString());
#endif
}

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
