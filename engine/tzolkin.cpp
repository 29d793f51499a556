#include "engine/tzolkin.h"

#include "engine/tables.h"

#include <algorithm>

namespace kinwheel {
namespace {

constexpr CivilDate kFirstDate{kMinYear, 1, 1};
constexpr CivilDate kLastDate{kMaxYear, 12, 31};

bool isLeapDay(const CivilDate& date) { return date.month == 2 && date.day == 29; }

// The count's own day number: a kin steps by one with each.
int countedDay(const CivilDate& date, Count count)
{
    return count == Count::Dreamspell ? dreamspellDay(date) : daysSinceEpoch(date);
}

// The first date of a counted day: never a 29 February.
CivilDate dateOfCountedDay(int counted, Count count)
{
    return count == Count::Dreamspell ? dateOfDreamspellDay(counted) : dateOfEpochDay(counted);
}

int kinOfDate(const CivilDate& date, Count count)
{
    return mayaDate(date.year, date.month, date.day, count)->kin;
}

int floorMod(int a, int m) { return (a % m + m) % m; }

} // namespace

bool hasOwnKin(const CivilDate& date, Count count)
{
    return isValidDate(date) && !(count == Count::Dreamspell && isLeapDay(date));
}

std::vector<CivilDate> nextDatesOfKin(int kin, const CivilDate& from, Count count, int n)
{
    std::vector<CivilDate> dates;
    if (kin < 1 || kin > kCycle || n <= 0 || !isValidDate(from))
        return dates;
    const CivilDate anchor = hasOwnKin(from, count) ? from : addDays(from, 1);
    const int last = countedDay(kLastDate, count);
    dates.reserve(static_cast<std::size_t>(std::min(n, 1000)));
    for (int c = countedDay(anchor, count) + floorMod(kin - kinOfDate(anchor, count), kCycle);
         c <= last && static_cast<int>(dates.size()) < n; c += kCycle)
        dates.push_back(dateOfCountedDay(c, count));
    return dates;
}

std::vector<CivilDate> previousDatesOfKin(int kin, const CivilDate& before, Count count, int n)
{
    std::vector<CivilDate> dates;
    if (kin < 1 || kin > kCycle || n <= 0 || !isValidDate(before) || before <= kFirstDate)
        return dates;
    CivilDate anchor = addDays(before, -1);
    if (!hasOwnKin(anchor, count))
        anchor = addDays(anchor, -1);
    const int first = countedDay(kFirstDate, count);
    dates.reserve(static_cast<std::size_t>(std::min(n, 1000)));
    for (int c = countedDay(anchor, count) - floorMod(kinOfDate(anchor, count) - kin, kCycle);
         c >= first && static_cast<int>(dates.size()) < n; c -= kCycle)
        dates.push_back(dateOfCountedDay(c, count));
    return dates;
}

std::vector<CivilDate> kinReturns(const Reading& reading, const CivilDate& today, int n)
{
    if (!isValidDate(reading.date))
        return {};
    return nextDatesOfKin(reading.kin, std::max(today, addDays(reading.date, 1)), reading.count, n);
}

int kinOf(int glyph, int tone)
{
    if (glyph < 0 || glyph > 19 || tone < 1 || tone > 13)
        return 0;
    // The one kin of the 260 with both: 13 and 20 share no factor.
    for (int kin = glyph + 1; kin <= kCycle; kin += 20)
        if (toneOfKin(kin) == tone)
            return kin;
    return 0;
}

std::array<int, 5> crossKins(int kin)
{
    if (kin < 1 || kin > kCycle)
        return {};
    const DestinyCross cross = crossOf(glyphOfKin(kin), toneOfKin(kin));
    const int tone = toneOfKin(kin);
    return {kin, kinOf(cross[DestinyCross::Ally], tone), kCycle + 1 - kin, kinOf(cross[DestinyCross::Challenge], tone),
            kinOf(cross[DestinyCross::Guide], tone)};
}

bool isActivationPortal(int kin)
{
    // The first half; kin k is a portal exactly when 261 - k is.
    static constexpr std::array<int, 26> kFirstHalf = {1,  20, 22, 39, 43, 50,  51,  58,  64,  69,  72,  77,  85,
                                                       88, 93, 96, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115};
    if (kin < 1 || kin > kCycle)
        return false;
    const int k = std::min(kin, kCycle + 1 - kin);
    return std::binary_search(kFirstHalf.begin(), kFirstHalf.end(), k);
}

} // namespace kinwheel
