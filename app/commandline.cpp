#include "app/commandline.h"

#include "engine/kin.h"
#include "engine/tables.h"
#include "report/cp1252.h"
#include "report/readingfile.h"
#include "report/readingjson.h"
#include "report/reportcomposer.h"
#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/richtextpanel.h"

#include "kinwheel_config.h"

#include <QCommandLineParser>
#include <QDir>
#include <QIODevice>
#include <QJsonDocument>

#include <variant>


namespace kinwheel {
namespace {

constexpr char kHelp[] =
    "Usage:\n"
    "  kinwheel [FILE]\n"
    "  kinwheel --date YYYY-MM-DD [--name NAME] [--count COUNT] [--json]\n"
    "  kinwheel --read FILE [--count COUNT] [--json]\n"
    "  kinwheel --date YYYY-MM-DD --name NAME [--count COUNT] --save FILE\n"
    "  kinwheel (--date YYYY-MM-DD --name NAME | --read FILE) [--count COUNT] --pdf OUT.pdf\n"
    "\n"
    "Draws up a Mayan astrology birth chart. With no argument the program starts;\n"
    "with a reading file alone it starts and opens that file. With options it\n"
    "prints, saves or exports one reading and opens no window.\n"
    "\n"
    "Options:\n"
    "  --date YYYY-MM-DD  the birth date, from 0001-01-01 to 9999-12-31\n"
    "  --name NAME        the person's name\n"
    "  --read FILE        the reading stored in a reading file (.man)\n"
    "  --json             print the reading as one JSON object instead of text\n"
    "  --save FILE        write a reading file (years 1900 to 2100); \".man\" is added\n"
    "                     when FILE does not end in it\n"
    "  --pdf OUT.pdf      write the report as a PDF, as Print prints it; needs no display\n"
    "  --count COUNT      584283 (the default), 584285 or dreamspell\n"
    "  -h, --help         print this help\n"
    "  -v, --version      print the version\n"
    "\n"
    "Exit status: 0 done; 1 a file or the output could not be written; 2 the\n"
    "arguments or the input were refused.\n";

// A value as messages echo it: quoted, and cut short.
QString echoed(const QString& value)
{
    constexpr qsizetype kEcho = 40;
    return QLatin1Char('\'') + value.left(kEcho) + (value.size() > kEcho ? QStringLiteral("...'") : QStringLiteral("'"));
}

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
};

// YYYY-MM-DD with a year from 1, a month 1..12 and a day 1..31; whether the
// month has that day is Generate's check.
std::optional<CivilDate> parseIsoDate(const QString& text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype length) {
        int value = 0;
        for (const QChar c : QStringView(text).mid(from, length)) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return -1;
            value = value * 10 + (c.unicode() - '0');
        }
        return value;
    };
    const CivilDate date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < kMinYear || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

// C0, DEL and C1: nothing a name holds, and nothing to send to a terminal.
QList<char32_t> controlCharacters(const QString& text)
{
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4())
        if ((c < 0x20 || (c >= 0x7F && c <= 0x9F)) && !found.contains(c))
            found.append(c);
    return found;
}

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

// A message on standard error. Paths and values in it come from the user:
// no control character of theirs reaches the terminal.
void tell(QIODevice& err, const QString& message)
{
    QString line = QStringLiteral("kinwheel: ") + message;
    for (QChar& c : line)
        if (c != QLatin1Char('\n') && (c.category() == QChar::Other_Control || c.isSurrogate()))
            c = QLatin1Char('?');
    writeAll(err, (line + QLatin1Char('\n')).toUtf8());
}

// The report's text, one line a line.
QByteArray reportText(const BirthDetails& details, const BirthChart& chart)
{
    QString text;
    for (const ReportRun& run : composeReport(details, chart, reportClosingLine()))
        text += run.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return (text + QLatin1Char('\n')).toUtf8();
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    line.kind = CommandLine::Kind::Print;

    QCommandLineParser parser;
    const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption read(QStringLiteral("read"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT.pdf"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("COUNT"));
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({date, name, read, save, pdf, count, json, help, version});

    const auto refuse = [&line](const QString& error) {
        line.error = error + QStringLiteral(" (see kinwheel --help)");
        return line;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refuse(unknown.isEmpty() ? parser.errorText()
                                        : QStringLiteral("Unknown option %1.").arg(echoed(unknown.first())));
    }

    const QStringList given = parser.optionNames();
    const QStringList positional = parser.positionalArguments();
    if (given.isEmpty()) {
        if (positional.size() > 1)
            return refuse(QStringLiteral("Give one reading file to open."));
        line.kind = CommandLine::Kind::Window;
        if (!positional.isEmpty())
            line.file = positional.first();
        return line;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        line.help = parser.isSet(help);
        line.version = !line.help;
        return line;
    }
    for (const QString& option : given)
        if (given.count(option) > 1)
            return refuse(QStringLiteral("--%1 is given more than once.").arg(option));
    if (!positional.isEmpty())
        return refuse(QStringLiteral("A reading file to open is given alone; %1 is not an option's value.")
                          .arg(echoed(positional.first())));

    const auto value = [&parser](const QCommandLineOption& option) -> std::optional<QString> {
        if (!parser.isSet(option))
            return std::nullopt;
        return parser.value(option);
    };
    line.date = value(date);
    line.name = value(name);
    line.read = value(read);
    line.save = value(save);
    line.pdf = value(pdf);
    line.json = parser.isSet(json);
    if (const auto key = value(count)) {
        const auto parsed = parseCount(key->toStdString());
        if (!parsed)
            return refuse(QStringLiteral("--count takes 584283, 584285 or dreamspell, not %1.").arg(echoed(*key)));
        line.count = *parsed;
    }

    if (line.date.has_value() == line.read.has_value())
        return refuse(line.date ? QStringLiteral("--date and --read cannot be used together.")
                                : QStringLiteral("Give a birth date with --date or a reading file with --read."));
    if (line.read && line.name)
        return refuse(QStringLiteral("--name goes with --date; a reading file holds its own name."));
    if (line.save && (line.read || line.json || line.pdf))
        return refuse(QStringLiteral("--save takes --date and --name alone."));
    if (line.pdf && line.json)
        return refuse(QStringLiteral("Use one of --json and --pdf."));
    if (line.pdf)
        line.kind = CommandLine::Kind::Pdf;
    return line;
}

int runCommandLine(const CommandLine& line, Services& services, QIODevice& out, QIODevice& err)
{
    const auto refuse = [&err](const QString& message) {
        tell(err, message);
        return kExitRefused;
    };
    const auto written = [&](const QByteArray& bytes) {
        if (writeAll(out, bytes))
            return kExitDone;
        tell(err, QStringLiteral("The output could not be written: %1").arg(out.errorString()));
        return kExitNotWritten;
    };
    if (!line.error.isEmpty())
        return refuse(line.error);
    if (line.help)
        return written(kHelp);
    if (line.version)
        return written("kinwheel " KINWHEEL_VERSION "\n");

    // The checks of Open and Generate; only a reading printed from --date
    // may go without a name: a saved reading and a report have one.
    QString name;
    int year = 0;
    QString month;
    int day = 0;
    if (line.read) {
        const auto decoded = readReadingFile(*line.read);
        const auto* values = std::get_if<ReadingValues>(&decoded);
        if (!values)
            return refuse(QStringLiteral("Please Check The File."));
        name = values->name;
        year = values->year.toInt();
        month = values->month;
        day = values->day.toInt();
    } else {
        const auto date = parseIsoDate(*line.date);
        if (!date)
            return refuse(QStringLiteral("--date takes a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not %1.")
                              .arg(echoed(*line.date)));
        name = line.name.value_or(QString());
        year = date->year;
        month = QString::fromUtf8(MonthNames[static_cast<std::size_t>(date->month - 1)]);
        day = date->day;
    }
    name = name.trimmed();
    if (const QList<char32_t> controls = controlCharacters(name); !controls.isEmpty()) {
        QStringList described;
        for (const char32_t c : controls)
            described.append(describeCharacter(c));
        return refuse(QStringLiteral("The name holds control characters: %1.").arg(described.join(QStringLiteral(", "))));
    }
    if (name.size() > kMaxNameLength)
        return refuse(QStringLiteral("The name has %1 characters; the program takes at most %2.")
                          .arg(name.size())
                          .arg(kMaxNameLength));
    if (name.isEmpty() && (line.read || line.save || line.pdf))
        return refuse(QString::fromLatin1(kNameRefusal));
    if (const QString refusal = dateRefusal(year, month, day); !refusal.isEmpty())
        return refuse(refusal);

    const BirthDetails details{name.toStdString(), static_cast<std::int16_t>(year), month.toStdString(),
                               static_cast<std::int16_t>(day)};
    BirthChart chart;
    if (!calculateKin(details, chart, line.count))
        return refuse(QStringLiteral("Please Enter Correct Date Or Month!"));

    if (line.save) {
        // As the report window's Save writes it; only the window's years are taken.
        if (const QString refusal = saveRefusal(details); !refusal.isEmpty())
            return refuse(refusal);
        const QString failure = saveReading(*line.save, details);
        if (failure.isEmpty())
            return kExitDone;
        tell(err, failure);
        return kExitNotWritten;
    }
    if (line.pdf) {
        // The report window's own document, written as its Print writes a PDF.
        AppContext context(services);
        context.details = details;
        context.chart = chart;
        context.count = line.count;
        frmSave report(context);
        const QString failure = report.rtb()->printToPdf(services.printer, *line.pdf);
        if (failure.isEmpty())
            return kExitDone;
        tell(err, QStringLiteral("The report could not be saved to %1.\n\n%2")
                      .arg(QDir::toNativeSeparators(*line.pdf), failure));
        return kExitNotWritten;
    }
    if (line.json)
        return written(QJsonDocument(readingJson(details, chart)).toJson());
    return written(reportText(details, chart));
}

} // namespace kinwheel
