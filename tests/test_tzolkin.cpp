// The dates of a kin against the engine's own day-by-day reading over
// 1900-2100 under the three counts, kin returns, the kins of a destiny
// cross and the activation portals.

#include "engine/tzolkin.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace kinwheel;

namespace {

const CivilDate kFirst{1900, 1, 1};
const CivilDate kLast{2100, 12, 31};

// Every date of 1900-2100 that has a kin of its own, by kin, in order, as
// computeReading() gives it day by day.
std::array<std::vector<CivilDate>, 260> datesByKin(Count count)
{
    std::array<std::vector<CivilDate>, 260> byKin;
    for (CivilDate d = kFirst; d <= kLast; d = addDays(d, 1)) {
        const Reading reading = *computeReading(d, count);
        if (!reading.maya.dreamspellLeapDay)
            byKin[std::size_t(reading.kin - 1)].push_back(d);
    }
    return byKin;
}

QString text(const std::vector<CivilDate>& dates)
{
    QStringList list;
    for (const CivilDate& d : dates)
        list << QString::fromStdString(isoDate(d));
    return list.join(u' ');
}

} // namespace

class TzolkinTest : public QObject {
    Q_OBJECT
private slots:
    void datesOfAKinFollowTheDayByDayCount_data();
    void datesOfAKinFollowTheDayByDayCount();
    void datesStopAtTheEndsOfTheCalendar();
    void returnsComeAfterTheReadingAndFromToday_data();
    void returnsComeAfterTheReadingAndFromToday();
    void crossKins();
    void portals();
};

void TzolkinTest::datesOfAKinFollowTheDayByDayCount_data()
{
    QTest::addColumn<Count>("count");
    for (const Count count : kCounts)
        QTest::newRow(countKey(count).data()) << count;
}

// From every 28 and 29 February and 1 March, and from every 17th day between,
// the next and the previous five dates of five kins each.
void TzolkinTest::datesOfAKinFollowTheDayByDayCount()
{
    QFETCH(Count, count);
    const auto byKin = datesByKin(count);
    int checked = 0;
    int step = 0;
    // Far enough from the ends that five dates either way stay inside 1900-2100.
    for (CivilDate from{1904, 1, 1}; from <= CivilDate{2096, 12, 31}; from = addDays(from, 1), ++step) {
        const bool leapEdge = (from.month == 2 && from.day >= 28) || (from.month == 3 && from.day == 1);
        if (!leapEdge && step % 17 != 0)
            continue;
        const int own = computeReading(from, count)->kin;
        for (const int kin : {1, 260, own, own % 260 + 1, (step * 37) % 260 + 1}) {
            const auto& all = byKin[std::size_t(kin - 1)];
            const auto at = std::lower_bound(all.begin(), all.end(), from);
            const std::vector<CivilDate> next(at, at + 5);
            std::vector<CivilDate> previous(at - 5, at);
            std::reverse(previous.begin(), previous.end());
            const std::vector<CivilDate> after = nextDatesOfKin(kin, from, count, 5);
            const std::vector<CivilDate> before = previousDatesOfKin(kin, from, count, 5);
            if (after != next || before != previous)
                QFAIL(qPrintable(QStringLiteral("%1 kin %2: next %3 not %4, previous %5 not %6")
                                     .arg(QString::fromStdString(isoDate(from)))
                                     .arg(kin)
                                     .arg(text(after), text(next), text(before), text(previous))));
            ++checked;
        }
    }
    QVERIFY(checked > 20000);
}

void TzolkinTest::datesStopAtTheEndsOfTheCalendar()
{
    // 9999-12-31 is kin 161 under 584283, 0001-01-01 kin 63.
    QCOMPARE(text(nextDatesOfKin(161, {9999, 12, 1}, Count::Gmt584283, 3)), QStringLiteral("9999-12-31"));
    QCOMPARE(text(previousDatesOfKin(63, {1, 1, 2}, Count::Gmt584283, 3)), QStringLiteral("0001-01-01"));
    QVERIFY(previousDatesOfKin(63, {1, 1, 1}, Count::Gmt584283, 3).empty());
    QVERIFY(nextDatesOfKin(162, {9999, 12, 31}, Count::Gmt584283, 3).empty());
    // Refused input gives nothing rather than a wrong date.
    QVERIFY(nextDatesOfKin(0, {2000, 1, 1}, Count::Gmt584283, 3).empty());
    QVERIFY(nextDatesOfKin(261, {2000, 1, 1}, Count::Gmt584283, 3).empty());
    QVERIFY(nextDatesOfKin(1, {2001, 2, 29}, Count::Gmt584283, 3).empty());
    QVERIFY(nextDatesOfKin(1, {2000, 1, 1}, Count::Gmt584283, 0).empty());
    // A thousand returns, the most the command line asks for, every 260 days.
    const auto many = nextDatesOfKin(34, {2000, 1, 1}, Count::Corr584285, 1000);
    QCOMPARE(many.size(), std::size_t(1000));
    QCOMPARE(daysSinceEpoch(many.back()) - daysSinceEpoch(many.front()), 999 * 260);
}

void TzolkinTest::returnsComeAfterTheReadingAndFromToday_data()
{
    QTest::addColumn<CivilDate>("date");
    QTest::addColumn<Count>("count");
    QTest::addColumn<CivilDate>("today");
    QTest::addColumn<QString>("returns");

    // Kin 34 (26 July 1987, Dreamspell): 2028 is a leap year, so the step
    // over its 29 February is 261 days.
    QTest::newRow("dreamspell over a leap day")
        << CivilDate{1987, 7, 26} << Count::Dreamspell << CivilDate{2027, 6, 1} << "2027-06-16 2028-03-03 2028-11-18";
    // Today is a return: it is the first.
    QTest::newRow("today is one") << CivilDate{1987, 7, 26} << Count::Dreamspell << CivilDate{2028, 3, 3}
                                  << "2028-03-03 2028-11-18 2029-08-05";
    // The reading's own day is never a return of itself.
    QTest::newRow("reading of today") << CivilDate{2026, 12, 7} << Count::Gmt584283 << CivilDate{2026, 12, 7}
                                      << "2027-08-24 2028-05-10 2029-01-25";
    QTest::newRow("reading in the future") << CivilDate{2030, 1, 1} << Count::Corr584285 << CivilDate{2026, 12, 7}
                                           << "2030-09-18 2031-06-05 2032-02-20";
    QTest::newRow("dreamspell leap day: the kin of 28 February")
        << CivilDate{2024, 2, 29} << Count::Dreamspell << CivilDate{2024, 3, 1} << "2024-11-15 2025-08-02 2026-04-19";
}

void TzolkinTest::returnsComeAfterTheReadingAndFromToday()
{
    QFETCH(CivilDate, date);
    QFETCH(Count, count);
    QFETCH(CivilDate, today);
    QFETCH(QString, returns);
    const Reading reading = *computeReading(date, count);
    QCOMPARE(text(kinReturns(reading, today, 3)), returns);
    for (const CivilDate& d : kinReturns(reading, today, 3))
        QCOMPARE(computeReading(d, reading.count)->kin, reading.kin);
}

void TzolkinTest::crossKins()
{
    // Kin 34, White Galactic Wizard: ally Red Galactic Serpent, occult Blue
    // Rhythmic Hand, challenge Yellow Galactic Seed, guide White Galactic Mirror.
    QCOMPARE(kinwheel::crossKins(34), (std::array<int, 5>{34, 125, 227, 164, 138}));
    for (int kin = 1; kin <= 260; ++kin) {
        const auto kins = kinwheel::crossKins(kin);
        const DestinyCross cross = crossOf(glyphOfKin(kin), toneOfKin(kin));
        for (int slot = 0; slot < 5; ++slot)
            QCOMPARE(glyphOfKin(kins[std::size_t(slot)]), int(cross[slot]));
        QCOMPARE(toneOfKin(kins[DestinyCross::Occult]), 14 - toneOfKin(kin));
        QCOMPARE(kinOf(glyphOfKin(kin), toneOfKin(kin)), kin);
    }
    QCOMPARE(kinOf(20, 1), 0);
    QCOMPARE(kinOf(0, 14), 0);
}

void TzolkinTest::portals()
{
    int portals = 0;
    for (int kin = 1; kin <= 260; ++kin) {
        portals += isActivationPortal(kin);
        QCOMPARE(isActivationPortal(kin), isActivationPortal(261 - kin));
    }
    QCOMPARE(portals, 52);
    for (int kin : {1, 20, 22, 106, 115, 146, 155, 241, 260})
        QVERIFY(isActivationPortal(kin));
    for (int kin : {0, 2, 21, 105, 116, 130, 145, 156, 259, 261})
        QVERIFY(!isActivationPortal(kin));
}

QTEST_APPLESS_MAIN(TzolkinTest)
#include "test_tzolkin.moc"
