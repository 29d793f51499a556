// The relations between two kins, for every pair under each count, against
// the rules written out here from the day signs' numbers 1..20, and the
// combined kin round the edges of the count.

#include "engine/relations.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <tuple>

using namespace kinwheel;

namespace {

using Rule = RelationRule;
using Side = RelationSide;

struct Kin {
    int number, tone, sign; // sign 1..20, Imix = 1
    explicit Kin(int kin) : number(kin), tone((kin - 1) % 13 + 1), sign((kin - 1) % 20 + 1) {}
};

// The sign 1..20 in each slot of a kin's cross: Ally and the central sign add
// up to 19 or 39, Occult and the central sign to 21, the Challenge stands ten
// signs away, the Guide as many on as the tone says (0, 12, 4, 16, 8 for
// tones 1..5, again from 6 and from 11).
bool inSlot(Rule slot, const Kin& own, int sign)
{
    switch (slot) {
    case Rule::Ally:
        return own.sign + sign == 19 || own.sign + sign == 39;
    case Rule::Occult:
        return own.sign + sign == 21;
    case Rule::Challenge:
        return std::abs(own.sign - sign) == 10;
    case Rule::Guide: {
        static constexpr int kSteps[5] = {0, 12, 4, 16, 8};
        return (own.sign - 1 + kSteps[(own.tone - 1) % 5]) % 20 + 1 == sign;
    }
    default:
        return false;
    }
}

std::vector<Relation> expected(const Kin& a, const Kin& b, Count count)
{
    std::vector<Relation> list;
    const auto add = [&list](bool holds, Rule rule, Side side = Side::Both) {
        if (holds)
            list.push_back({rule, side});
    };
    add(a.number == b.number, Rule::SameKin);
    add(a.sign == b.sign, Rule::SameDaySign);
    add(a.tone == b.tone, Rule::SameTone);
    for (const auto& [own, other, side] : {std::tuple{a, b, Side::First}, std::tuple{b, a, Side::Second}})
        for (Rule slot : {Rule::Ally, Rule::Occult, Rule::Challenge, Rule::Guide})
            add(inSlot(slot, own, other.sign), slot, side);
    const int colourA = (a.sign - 1) % 4, colourB = (b.sign - 1) % 4;
    add(colourA == colourB, Rule::SameColour);
    add(a.sign % 5 == b.sign % 5, Rule::SameEarthFamily);
    add((a.number + 12) / 13 == (b.number + 12) / 13, Rule::SameTrecena);
    add(count == Count::Dreamspell && (a.number + 51) / 52 == (b.number + 51) / 52, Rule::SameCastle);
    return list;
}

Side swapped(Side side)
{
    return side == Side::First ? Side::Second : side == Side::Second ? Side::First : Side::Both;
}

} // namespace

class TestRelations : public QObject {
    Q_OBJECT
private slots:
    void everyPair_data();
    void everyPair();
    void combinedKin_data();
    void combinedKin();
    void outOfRange();
};

void TestRelations::everyPair_data()
{
    QTest::addColumn<Count>("count");
    QTest::newRow("584283") << Count::Gmt584283;
    QTest::newRow("584285") << Count::Corr584285;
    QTest::newRow("dreamspell") << Count::Dreamspell;
}

void TestRelations::everyPair()
{
    QFETCH(Count, count);
    std::set<Rule> seen;
    for (int a = 1; a <= 260; ++a) {
        for (int b = 1; b <= 260; ++b) {
            const std::vector<Relation> found = relationsBetween(a, b, count);
            if (found != expected(Kin(a), Kin(b), count))
                QFAIL(qPrintable(QStringLiteral("kins %1 and %2").arg(a).arg(b)));
            // Seen from the other side: shared traits alike, each direction turned round.
            std::vector<Relation> back = relationsBetween(b, a, count);
            for (Relation& relation : back)
                relation.from = swapped(relation.from);
            const auto order = [](const Relation& x, const Relation& y) {
                return std::pair(x.rule, x.from) < std::pair(y.rule, y.from);
            };
            std::vector<Relation> sorted = found;
            std::sort(sorted.begin(), sorted.end(), order);
            std::sort(back.begin(), back.end(), order);
            if (sorted != back)
                QFAIL(qPrintable(QStringLiteral("kins %1 and %2 differ turned round").arg(a).arg(b)));
            for (const Relation& relation : found)
                seen.insert(relation.rule);
        }
    }
    // Every rule is met somewhere (the castle under Dreamspell only).
    QCOMPARE(seen.size(), std::size_t(count == Count::Dreamspell ? 11 : 10));
}

void TestRelations::combinedKin_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("combined");
    QTest::newRow("1 + 1") << 1 << 1 << 2;
    QTest::newRow("sum 259") << 130 << 129 << 259;
    QTest::newRow("sum 260") << 1 << 259 << 260;
    QTest::newRow("sum 260, halves") << 130 << 130 << 260;
    QTest::newRow("sum 261") << 1 << 260 << 1;
    QTest::newRow("sum 261, turned") << 260 << 1 << 1;
    QTest::newRow("sum 262") << 131 << 131 << 2;
    QTest::newRow("sum 519") << 260 << 259 << 259;
    QTest::newRow("sum 520") << 260 << 260 << 260;
}

void TestRelations::combinedKin()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, combined);
    QCOMPARE(kinwheel::combinedKin(first, second), combined);
    QCOMPARE(kinwheel::combinedKin(second, first), combined);
}

void TestRelations::outOfRange()
{
    for (const auto& [a, b] : {std::pair{0, 1}, {1, 0}, {261, 5}, {5, 261}, {-3, 4}})
        QVERIFY(relationsBetween(a, b, Count::Dreamspell).empty());
}

QTEST_MAIN(TestRelations)
#include "test_relations.moc"
