#include "app/commandline.h"

#include "engine/reading.h"
#include "engine/tzolkin.h"
#include "report/birthtime.h"
#include "report/comparison.h"
#include "report/comparisonjson.h"
#include "report/inputtext.h"
#include "report/kinreturns.h"
#include "report/language.h"
#include "report/readingfile.h"
#include "report/readingjson.h"
#include "report/reportcomposer.h"
#include "report/validation.h"
#include "platform/weblinks.h"
#include "ui/appcontext.h"
#include "ui/frmcompare.h"
#include "ui/frmsave.h"
#include "ui/richtextpanel.h"

#include "kinwheel_config.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <variant>


namespace kinwheel {
namespace {

constexpr char kHelp[] = QT_TRANSLATE_NOOP("CommandLine",
    "Usage:\n"
    "  kinwheel [FILE]\n"
    "  kinwheel --date YYYY-MM-DD [--name NAME] [--count COUNT] [--json]\n"
    "  kinwheel --read FILE [--count COUNT] [--json]\n"
    "  kinwheel --date YYYY-MM-DD --name NAME [--count COUNT] --save FILE\n"
    "  kinwheel (--date YYYY-MM-DD --name NAME | --read FILE) [--count COUNT] --pdf OUT.pdf\n"
    "  kinwheel (--date YYYY-MM-DD [--name NAME] | --read FILE)\n"
    "           (--with-date YYYY-MM-DD [--with-name NAME] | --with FILE)\n"
    "           [--count COUNT] [--json | --pdf OUT.pdf]\n"
    "  kinwheel (--date YYYY-MM-DD [--name NAME] | --read FILE) [--count COUNT] --ics FILE [--returns N]\n"
    "  Each form above also takes [--born TIME] [--day-begins AT].\n"
    "  kinwheel --today [--count COUNT] [--json] [--returns N]\n"
    "  Every form but the first also takes [--lang CODE].\n"
    "\n"
    "Draws up a Mayan astrology birth chart. With no argument the program starts;\n"
    "with a reading file alone it starts and opens that file. With options it\n"
    "prints, saves or exports one reading, or compares two, and opens no window.\n"
    "\n"
    "Options:\n"
    "  --date YYYY-MM-DD  the birth date, from 0001-01-01 to 9999-12-31\n"
    "  --name NAME        the person's name\n"
    "  --read FILE        the reading stored in a reading file (.man)\n"
    "  --json             print the reading as one JSON object instead of text\n"
    "  --save FILE        write a reading file (years 1900 to 2100); \".man\" is added\n"
    "                     when FILE does not end in it\n"
    "  --pdf OUT.pdf      write the report as a PDF, as Print prints it; needs no display\n"
    "  --with-date YYYY-MM-DD, --with-name NAME, --with FILE\n"
    "                     the second reading of a comparison, as --date, --name\n"
    "                     and --read give the first; --pdf needs both names\n"
    "  --count COUNT      584283 (the default), 584285 or dreamspell\n"
    "  --born TIME        the time of birth: day (not known or daytime, the default),\n"
    "                     evening (after sunset) or night (after midnight, before\n"
    "                     sunrise); it replaces the time a reading file holds\n"
    "  --day-begins AT    midnight (the default), sunset or sunrise: an evening\n"
    "                     birth takes the next date's reading when the day begins at\n"
    "                     sunset, a night birth the previous date's at sunrise\n"
    "  --today            today's reading, with no name\n"
    "  --returns N        the next N days the reading's kin comes round again (1 to 1000;\n"
    "                     3 in the text, none in JSON, 20 in --ics unless given)\n"
    "  --ics FILE         write those days as an iCalendar file of all-day events\n"
    "  --lang CODE        the language of the text, messages, help and PDF (%1);\n"
    "                     else the environment's: LANGUAGE, LC_ALL, LC_MESSAGES or\n"
    "                     LANG. JSON is always in English\n"
    "  -h, --help         print this help\n"
    "  -v, --version      print the version\n"
    "\n"
    "Exit status: 0 done; 1 a file or the output could not be written; 2 the\n"
    "arguments or the input were refused.\n");

struct Cli {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The codes --lang takes, as the help and its refusal list them: "en, es".
QString languageCodes()
{
    QStringList codes;
    for (const LanguageInfo& language : kLanguages)
        codes << languageCode(language.code);
    return codes.join(QStringLiteral(", "));
}

// JSON is the same in every language: what it holds is composed in English.
template <typename Compose>
QJsonObject inEnglish(const Compose& compose)
{
    const QString language = currentLanguage();
    installLanguage(languageCode(kEnglish));
    QJsonObject json = compose();
    installLanguage(language);
    return json;
}

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    return device.isOpen() && device.write(bytes) == bytes.size();
}

// A message on standard error. Paths and values in it come from the user
// (userTexts): no control or reordering character of theirs, not even a line
// break, reaches the terminal; the message's own line breaks stay.
void tell(QIODevice& err, QString message, const QStringList& userTexts = {})
{
    for (const QString& text : userTexts)
        if (!text.isEmpty())
            message.replace(text, terminalSafe(text));
    QString line = QStringLiteral("kinwheel: ") + message;
    for (QChar& c : line)
        if (c != QLatin1Char('\n')
            && (c.category() == QChar::Other_Control || c.isSurrogate() || isBidiControl(c.unicode())))
            c = QLatin1Char('?');
    writeAll(err, (line + QLatin1Char('\n')).toUtf8());
}

// Why standard output took nothing, or nothing when the reader has gone (a
// closed pipe: nothing is said, as other tools do).
std::optional<QString> outputFailure(QIODevice& out, int error)
{
#ifdef Q_OS_UNIX
    if (error == EPIPE)
        return std::nullopt;
    if (error == EBADF)
        return Cli::tr("standard output is closed");
#else
    Q_UNUSED(error);
#endif
    if (!out.isOpen())
        return Cli::tr("standard output is closed");
    return out.errorString();
}

// Why an output path is not taken, or an empty text: a path naming no file
// ("" or a folder's "dir/") would write a hidden ".man" or nothing at all,
// and a PDF must not take the place of a reading file.
QString outputPathRefusal(const QString& option, const QString& path, const std::optional<QString>& input,
                          const QString& refusedSuffix)
{
    if (QFileInfo(path).fileName().isEmpty() || path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return Cli::tr("%1 needs a file name, not %2.").arg(option, echoed(path));
    if (input) {
        const QString in = QFileInfo(*input).canonicalFilePath();
        if (!in.isEmpty() && in == QFileInfo(path).canonicalFilePath())
            return Cli::tr("%1 names the file the reading is read from: it would be lost.").arg(option);
    }
    if (!refusedSuffix.isEmpty() && path.endsWith(refusedSuffix))
        return Cli::tr("%1 does not write over a reading file (%2): give a name that ends otherwise.")
            .arg(option, echoed(path));
    return {};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QStringList& undecodable)
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
    const QCommandLineOption withDate(QStringLiteral("with-date"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption withName(QStringLiteral("with-name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption with(QStringLiteral("with"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption born(QStringLiteral("born"), QString(), QStringLiteral("TIME"));
    const QCommandLineOption dayBegins(QStringLiteral("day-begins"), QString(), QStringLiteral("AT"));
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption today(QStringLiteral("today"), QString());
    const QCommandLineOption returns(QStringLiteral("returns"), QString(), QStringLiteral("N"));
    const QCommandLineOption ics(QStringLiteral("ics"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QList<QCommandLineOption> options{date, name, read, save, pdf, count, born, dayBegins, json,
                                            help, version, withDate, withName, with, today, returns, ics, lang};
    parser.addOptions(options);
    // The options that take a value, as the parser would take the next argument for it.
    QStringList valueOptions;
    for (const QCommandLineOption& option : options)
        if (!option.valueName().isEmpty())
            valueOptions += option.names();
    line.language = languageOfEnvironment();

    const auto refuse = [&line](const QString& error) {
        line.error = error + Cli::tr(" (see kinwheel --help)");
        return line;
    };
    // Bytes the system's encoding does not give back would name another
    // file than the one meant (two such names could even name the same one).
    if (!undecodable.isEmpty())
        return refuse(Cli::tr("An argument is not text in the system's encoding: %1. It is refused, so that "
                              "no file is read or written but the one named.")
                          .arg(undecodable.first()));
    // "--name --json" would take "--json" as the name: an option's value that
    // looks like an option is taken only as "--name=--json".
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1String("--")) && valueOptions.contains(argument.mid(2))
            && arguments[i + 1].startsWith(QLatin1String("--")))
            return refuse(Cli::tr("%1 needs a value, not the option %2; write %1=%3 if that is the value.")
                              .arg(argument, echoed(arguments[i + 1]), terminalSafe(arguments[i + 1])));
    }
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refuse(unknown.isEmpty() ? parser.errorText()
                                        : Cli::tr("Unknown option %1.").arg(echoed(unknown.first())));
    }

    const QStringList given = parser.optionNames();
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(lang)) {
        const QString code = parser.value(lang);
        if (!isKnownLanguage(code))
            return refuse(Cli::tr("--lang takes a language code (%1), not %2.").arg(languageCodes(), echoed(code)));
        line.language = code;
        // The windows take theirs from the Language menu.
        if (given == QStringList{QStringLiteral("lang")})
            return refuse(Cli::tr("--lang goes with the options that print or write a reading; the program's "
                                  "windows take their language from the Language menu."));
    }
    if (given.isEmpty()) {
        if (positional.size() > 1)
            return refuse(Cli::tr("Give one reading file to open."));
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
            return refuse(Cli::tr("--%1 is given more than once.").arg(option));
    if (!positional.isEmpty())
        return refuse(Cli::tr("A reading file to open is given alone; %1 is not an option's value.")
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
    line.withDate = value(withDate);
    line.withName = value(withName);
    line.with = value(with);
    line.today = parser.isSet(today);
    line.ics = value(ics);
    if (const auto n = value(returns)) {
        line.returns = plainNumber(*n, 1, kMaxReturns);
        if (!line.returns)
            return refuse(Cli::tr("--returns takes a number from 1 to %1, not %2.").arg(kMaxReturns).arg(echoed(*n)));
    }
    if (const auto key = value(count)) {
        const auto parsed = parseCount(key->toStdString());
        if (!parsed)
            return refuse(Cli::tr("--count takes 584283, 584285 or dreamspell, not %1.").arg(echoed(*key)));
        line.count = *parsed;
    }
    if (const auto key = value(born)) {
        line.born = parseBirthTime(*key);
        if (!line.born)
            return refuse(Cli::tr("--born takes day, evening or night, not %1.").arg(echoed(*key)));
    }
    if (const auto key = value(dayBegins)) {
        const auto parsed = parseDayStart(*key);
        if (!parsed)
            return refuse(Cli::tr("--day-begins takes midnight, sunset or sunrise, not %1.").arg(echoed(*key)));
        line.dayStart = *parsed;
    }

    if (line.today && (line.date || line.read || line.name || line.born))
        return refuse(Cli::tr("--today goes without --date, --read, --name and --born."));
    if (line.today && (line.save || line.pdf || line.ics || line.withDate || line.with))
        return refuse(Cli::tr("--today takes --count, --json and --returns alone."));
    if (!line.today && line.date.has_value() == line.read.has_value())
        return refuse(line.date ? Cli::tr("--date and --read cannot be used together.")
                                : Cli::tr("Give a birth date with --date or a reading file with --read."));
    if (line.read && line.name)
        return refuse(Cli::tr("--name goes with --date; a reading file holds its own name."));
    if (line.withDate && line.with)
        return refuse(Cli::tr("--with-date and --with cannot be used together."));
    if (line.withName && !line.withDate)
        return refuse(Cli::tr("--with-name goes with --with-date; a reading file holds its own name."));
    if (line.save && (line.read || line.json || line.pdf || line.withDate || line.with || line.returns || line.ics))
        return refuse(Cli::tr("--save takes --date and --name alone."));
    if ((line.pdf && line.json) || (line.ics && (line.json || line.pdf)))
        return refuse(line.ics ? Cli::tr("--ics goes without --json and --pdf.") : Cli::tr("Use one of --json and --pdf."));
    if ((line.returns || line.ics) && (line.withDate || line.with))
        return refuse(Cli::tr("--returns and --ics go with one reading, not a comparison."));
    if (line.pdf && line.returns)
        return refuse(Cli::tr("--returns goes with a printed reading or --ics, not --pdf."));
    // Each file written, against each file read; only --save writes a reading file.
    const QString readingSuffix = QStringLiteral(".man");
    const struct {
        const char* option;
        const std::optional<QString>& path;
        const std::optional<QString>& input;
        QString refusedSuffix;
    } outputs[] = {{"--save", line.save, line.read, {}},
                   {"--pdf", line.pdf, line.read, readingSuffix},
                   {"--pdf", line.pdf, line.with, readingSuffix},
                   {"--ics", line.ics, line.read, readingSuffix}};
    for (const auto& output : outputs)
        if (output.path)
            if (const QString refusal = outputPathRefusal(QLatin1String(output.option), *output.path, output.input,
                                                          output.refusedSuffix);
                !refusal.isEmpty())
                return refuse(refusal);
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
        errno = 0;
        if (writeAll(out, bytes))
            return kExitDone;
        if (const auto reason = outputFailure(out, errno))
            tell(err, Cli::tr("The output could not be written: %1").arg(*reason));
        return kExitNotWritten;
    };
    if (!line.error.isEmpty())
        return refuse(line.error);
    if (line.help)
        return written(Cli::tr(kHelp).arg(languageCodes()).toUtf8());
    if (line.version)
        return written("kinwheel " KINWHEEL_VERSION "\n");

    // The checks of Open and Generate; only a reading printed from --date
    // may go without a name: a saved reading, a report and a reading file have one.
    const auto load = [&](const std::optional<QString>& file, const std::optional<QString>& date,
                          const std::optional<QString>& name, const QString& dateOption,
                          std::optional<BirthTime> born) -> std::optional<Reading> {
        Person person;
        if (file) {
            const auto read = readReadingFile(*file);
            const auto* stored = std::get_if<Person>(&read);
            if (!stored) {
                // The windows' one message, and the reason on a line of its own.
                tell(err,
                     Cli::tr("Please Check The File.") + QLatin1Char('\n')
                         + readingFileProblem(std::get<ReadingFileError>(read), *file),
                     {*file});
                return std::nullopt;
            }
            person = *stored;
        } else {
            const auto parsed = parseIsoDate(date->toStdString());
            if (!parsed) {
                tell(err, Cli::tr("%1 takes a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not %2.")
                              .arg(dateOption, echoed(*date)));
                return std::nullopt;
            }
            person = {name.value_or(QString()).toStdString(), *parsed};
        }
        person.born = born.value_or(person.born);
        const NameRule rule = file || line.save || line.pdf ? NameRule::Required : NameRule::Optional;
        auto checked = checkedReading(person, line.count, rule, line.dayStart);
        if (const auto* refusal = std::get_if<Refusal>(&checked)) {
            tell(err, refusal->message);
            return std::nullopt;
        }
        return std::get<Reading>(std::move(checked));
    };
    // Today's reading and the returns asked for count from today's date; a
    // reading alone is printed without its returns when there is none.
    const std::optional<CivilDate> today = civilDateOf(services.clock.today());
    if ((line.today || line.returns || line.ics) && !today)
        return refuse(Cli::tr("Today's date could not be read from the system."));
    const std::optional<Reading> first =
        line.today ? readingOf({std::string(), *today}, line.count, line.dayStart)
                   : load(line.read, line.date, line.name, QStringLiteral("--date"), line.born);
    if (!first)
        return kExitRefused;
    const Reading& reading = *first;
    std::optional<Reading> second;
    if (line.withDate || line.with) {
        second = load(line.with, line.withDate, line.withName, QStringLiteral("--with-date"), std::nullopt);
        if (!second)
            return kExitRefused;
    }

    if (line.save) {
        // As the report window's Save writes it; only the window's years are taken.
        const auto encoded = encodeReadingFile(reading.person);
        if (const auto* refusal = std::get_if<QString>(&encoded))
            return refuse(*refusal);
        const QString failure = writeReadingFile(*line.save, std::get<QByteArray>(encoded));
        if (failure.isEmpty())
            return kExitDone;
        tell(err, failure, {QDir::toNativeSeparators(withReadingExtension(*line.save))});
        return kExitNotWritten;
    }
    if (line.pdf) {
        // The report window's own document, or the comparison window's, written as Print writes a PDF.
        AppContext context(services);
        context.count = line.count;
        const QString failure = second ? services.printer.printToPdf(*comparisonDocument(reading, *second), *line.pdf)
                                       : frmSave(context, reading).rtb()->printToPdf(services.printer, *line.pdf);
        if (failure.isEmpty())
            return kExitDone;
        tell(err, Cli::tr("The report could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(*line.pdf), failure),
             {QDir::toNativeSeparators(*line.pdf)});
        return kExitNotWritten;
    }
    if (second)
        return written(line.json ? QJsonDocument(inEnglish([&] { return comparisonJson(reading, *second); })).toJson()
                                 : comparisonPlainText(reading, *second).toUtf8());
    if (line.ics) {
        const std::vector<CivilDate> dates = kinReturns(reading, *today, line.returns.value_or(kReturnsExported));
        if (dates.empty())
            return refuse(Cli::tr("No return of kin %1 is left in the calendar.").arg(reading.kin));
        const QString failure = writeKinReturnsCalendar(*line.ics, kinReturnsCalendar(reading, dates, *today));
        if (failure.isEmpty())
            return kExitDone;
        tell(err, failure, {QDir::toNativeSeparators(*line.ics)});
        return kExitNotWritten;
    }
    std::optional<ReturnsSection> returns;
    if (today)
        returns = ReturnsSection{*today, line.returns.value_or(kReturnsShown)};
    if (line.json) {
        QJsonObject json = readingJson(reading); // no translated text in it
        // A daytime birth said so is not one whose time is unknown.
        if (line.born == BirthTime::Unknown)
            json[QStringLiteral("born")] = QStringLiteral("day");
        if (line.returns && returns) {
            QJsonArray dates;
            for (const CivilDate& date : kinReturns(reading, returns->today, returns->count))
                dates.append(QString::fromStdString(isoDate(date)));
            json.insert(QStringLiteral("returns"), dates);
        }
        return written(QJsonDocument(json).toJson());
    }
    return written(reportPlainText(reading, reportClosingLine(), returns).toUtf8());
}

int runCommandLine(CommandLine line, const QStringList& arguments, const QStringList& undecodable, Services& services,
                   QIODevice& out, QIODevice& err)
{
    installLanguage(line.language);
    // A refusal is worded as the arguments are read: read them again in the language.
    if (!line.error.isEmpty())
        line = parseCommandLine(arguments, undecodable);
    return runCommandLine(line, services, out, err);
}

int runCommandLine(const QStringList& arguments, const QStringList& undecodable, Services& services, QIODevice& out,
                   QIODevice& err)
{
    return runCommandLine(parseCommandLine(arguments, undecodable), arguments, undecodable, services, out, err);
}

} // namespace kinwheel
