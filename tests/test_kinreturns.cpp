// The kin returns: the section the texts end with, the calendar file (its
// folding and escaping, and a real iCalendar parser reading it back), and
// File > Export Kin Returns on the result window.

#include "support.h"

#include "engine/tzolkin.h"
#include "report/kinreturns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace kinwheel;
using namespace kinwheel::testing;

namespace {

// A name that takes every escape and folds inside letters of two and three bytes.
const QString kHostileName = QStringLiteral("Zoë Ana, O'Brien; Łódź \\ 東京の人, Ærøskøbing; Ñandú");

const QString kClosing = QStringLiteral("Closing line");

QByteArray escaped(const QString& text)
{
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\\\")).replace(u';', QStringLiteral("\\;")).replace(u',', QStringLiteral("\\,"));
    return out.toUtf8();
}

// The content lines of a calendar file, unfolded.
QList<QByteArray> unfolded(QByteArray file)
{
    file.replace("\r\n ", "");
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    lines.removeLast();
    return lines;
}

} // namespace

class TestKinReturns : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    void sectionEndsEveryText();
    void noSectionWithoutReturns();
    void calendarFileFoldsAndEscapes();
    void calendarFileReadBack_data();
    void calendarFileReadBack();
    void exportFromTheResultWindow();
};

// Under Dreamspell, from a today that is a return, five of them.
void TestKinReturns::sectionEndsEveryText()
{
    const Reading ana = *readingOf({"Ana", {1987, 7, 26}}, Count::Dreamspell);
    const ReturnsSection section{{2028, 3, 3}, 5};
    const QString lines = QStringLiteral(
        "Kin Returns\n"
        "Kin 34, White Galactic Wizard, comes round again under the Dreamspell count on:\n"
        "3 March 2028 (today)\n18 November 2028\n5 August 2029\n22 April 2030\n7 January 2031\n"
        "29 February has no kin of its own in this count and is never a return.\n");

    QVERIFY(reportPlainText(ana, kClosing, section).endsWith("\n\n" + lines + "\n" + kClosing + "\n"));
    const QString crlfLines = QString(lines).replace(u'\n', QStringLiteral("\r\n"));
    QVERIFY(runsText(composeReport(ana, kClosing, section)).endsWith(crlfLines + kClosing));
    QVERIFY(runsText(composeResultText(ana, section)).endsWith("\r\n\r\n" + crlfLines));
}

void TestKinReturns::noSectionWithoutReturns()
{
    const Reading last = *readingOf({"Ana", {9999, 12, 31}});
    QVERIFY(kinReturnsLines(last, {{2026, 12, 7}}).empty());
    QVERIFY(!reportPlainText(last, kClosing, ReturnsSection{{2026, 12, 7}}).contains(kinReturnsHeading()));
    QCOMPARE(reportPlainText(last, kClosing, std::nullopt), reportPlainText(last, kClosing));
}

void TestKinReturns::calendarFileFoldsAndEscapes()
{
    const Reading reading = *readingOf({kHostileName.toStdString(), {1987, 7, 26}}, Count::Corr584285);
    const std::vector<CivilDate> dates = kinReturns(reading, {2026, 12, 7}, 20);
    const QByteArray file = kinReturnsCalendar(reading, dates, {2026, 12, 7});

    QVERIFY(file.endsWith("END:VCALENDAR\r\n"));
    QCOMPARE(file.count("\r\n"), file.count('\n'));
    int folded = 0;
    for (const QByteArray& line : file.split('\n')) {
        QVERIFY2(line.size() <= 76, line); // 75 octets and the CR
        // A line may break between characters only.
        QVERIFY2(QString::fromUtf8(line).toUtf8() == line, line);
        folded += line.startsWith(' ');
    }
    QVERIFY(folded >= 40);

    const QList<QByteArray> lines = unfolded(file);
    QCOMPARE(lines.count("BEGIN:VEVENT"), 20);
    const QByteArray summary = "SUMMARY:" + escaped(QStringLiteral("Kin %1 · %2 – kin return (%3)")
                                                        .arg(reading.kin)
                                                        .arg(galacticName(reading.kin), kHostileName));
    QCOMPARE(lines.count(summary), 20);
    QStringList uids;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const QByteArray day = QByteArray::fromStdString(isoDate(dates[i])).replace('-', "");
        QVERIFY(lines.contains("DTSTART;VALUE=DATE:" + day));
        for (const QByteArray& line : lines)
            if (line.startsWith("UID:" + day))
                uids << QString::fromLatin1(line);
    }
    QCOMPARE(uids.size(), 20);
    QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 20);
    // The same person's file again holds the same UIDs; another person's, others.
    QCOMPARE(kinReturnsCalendar(reading, dates, {2026, 12, 9}).count(uids.first().toLatin1()), 1);
    Reading other = reading;
    other.person.name = "Ana";
    QCOMPARE(kinReturnsCalendar(other, dates, {2026, 12, 7}).count(uids.first().toLatin1()), 0);
}

void TestKinReturns::calendarFileReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Count>("count");
    QTest::newRow("Dreamspell, a hostile name") << kHostileName << Count::Dreamspell;
    QTest::newRow("584283, no name") << QString() << Count::Gmt584283;
    QTest::newRow("584285") << QStringLiteral("Ana") << Count::Corr584285;
}

// Written as File > Export Kin Returns writes it, then read by Debian's
// python3-icalendar, which works out the dates on its own.
void TestKinReturns::calendarFileReadBack()
{
    QFETCH(QString, name);
    QFETCH(Count, count);
#ifndef KINWHEEL_PYTHON
    QSKIP("python3 was not found when the build was configured");
#else
    const Reading reading = *readingOf({name.toStdString(), {1987, 7, 26}}, count);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("returns.ics"));
    const CivilDate today{2027, 6, 1};
    QCOMPARE(writeKinReturnsCalendar(path, kinReturnsCalendar(reading, kinReturns(reading, today, 20), today)), QString());

    const QString kin = QStringLiteral("Kin %1 · %2").arg(reading.kin).arg(galacticName(reading.kin));
    const QString description =
        name.isEmpty() ? QStringLiteral("Kin %1, %2, %3: the kin of 26 July 1987, under the %4.")
                             .arg(QString::number(reading.kin), QString::fromStdString(tzolkinDayName(reading.kin)),
                                  galacticName(reading.kin), countPhrase(reading.count))
                       : QStringLiteral("Kin %1, %2, %3: the kin of %4, born 26 July 1987, under the %5.")
                             .arg(QString::number(reading.kin), QString::fromStdString(tzolkinDayName(reading.kin)),
                                  galacticName(reading.kin), name, countPhrase(reading.count));
    const QJsonObject expected{
        {"kin", reading.kin},
        {"count", QString::fromUtf8(countKey(reading.count))},
        {"from", "2027-06-01"},
        {"n", 20},
        {"summary", name.isEmpty() ? kin + " – kin return" : kin + " – kin return (" + name + ")"},
        {"description", description},
    };
    QFile json(dir.filePath(QStringLiteral("expected.json")));
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(QJsonDocument(expected).toJson());
    json.close();

    QProcess python;
    python.start(QStringLiteral(KINWHEEL_PYTHON), {QStringLiteral(KINWHEEL_CHECK_ICS), path, json.fileName()});
    QVERIFY(python.waitForFinished(60000));
    const QByteArray said = python.readAllStandardOutput() + python.readAllStandardError();
    QVERIFY2(python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0, said.constData());
#endif
}

void TestKinReturns::exportFromTheResultWindow()
{
    Fixture f;
    f.fakes.clock.date = QDate(2027, 6, 1);
    const Reading ana = readingFor("Ana", {1987, 7, 26}, Count::Dreamspell);
    auto* result = new frmMayanBirthchartResult(f.context, ana);
    result->show();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ana.ics"));

    // Cancelled: nothing written.
    activate(*result, QStringLiteral("mnuExportReturns"));
    QCOMPARE(f.fakes.files.lastSave.defaultSuffix, QStringLiteral("ics"));
    QVERIFY(f.fakes.files.lastSave.confirmOverwrite);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);

    // An old file is replaced by the twenty returns from today.
    QVERIFY(place(path, "old"));
    f.fakes.files.saveAnswer = path;
    activate(*result, QStringLiteral("mnuExportReturns"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
    const CivilDate today{2027, 6, 1};
    QCOMPARE(contents(path), kinReturnsCalendar(ana, kinReturns(ana, today, 20), today));

    // A disk that fills up while writing, a folder or a pipe in the file's
    // place: the user is told, and what was there stays.
    verifySaveRefusals(f, *result, QStringLiteral("mnuExportReturns"), path,
                       QStringLiteral("The kin returns could not be saved to "));
}

QTEST_MAIN(TestKinReturns)
#include "test_kinreturns.moc"
