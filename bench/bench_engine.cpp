// Median time of one reading (calculation, destiny cross and Maya date) over
// every date of the year list, repeated, under each count.

#include "engine/kin.h"
#include "engine/reading.h"
#include "engine/tables.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    using namespace kinwheel;
    std::vector<BirthDetails> dates;
    std::vector<CivilDate> civil;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                dates.push_back({"", static_cast<std::int16_t>(year), std::string(MonthNames[std::size_t(month - 1)]),
                                 static_cast<std::int16_t>(day)});
                civil.push_back({year, month, day});
            }

    constexpr int kRounds = 41;
    long checksum = 0;
    std::printf("dates per round        %zu\n", dates.size());
    std::printf("rounds                 %d\n", kRounds);
    for (const Count count : kCounts) {
        std::vector<double> nsPerReading;
        for (int round = 0; round < kRounds; ++round) {
            BirthChart chart;
            const auto start = std::chrono::steady_clock::now();
            for (const BirthDetails& d : dates) {
                if (calculateKin(d, chart, count))
                    checksum += chart.cross[DestinyCross::Guide] + chart.dayNumber + chart.maya.longCount[4] +
                                chart.maya.haabDay + chart.maya.lord;
            }
            const auto stop = std::chrono::steady_clock::now();
            nsPerReading.push_back(std::chrono::duration<double, std::nano>(stop - start).count() /
                                   static_cast<double>(dates.size()));
        }
        std::sort(nsPerReading.begin(), nsPerReading.end());
        const auto key = countKey(count);
        std::printf("median ns per reading  %.1f  (count %.*s)\n", nsPerReading[nsPerReading.size() / 2],
                    int(key.size()), key.data());
        std::printf("fastest ns per reading %.1f  (count %.*s)\n", nsPerReading.front(), int(key.size()), key.data());

        // The value alone, as the windows, the report and the command line take it.
        std::vector<double> nsPerValue;
        for (int round = 0; round < kRounds; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (const CivilDate& d : civil) {
                if (const auto reading = computeReading(d, count))
                    checksum += reading->cross[DestinyCross::Guide] + reading->tone + reading->maya.lord;
            }
            const auto stop = std::chrono::steady_clock::now();
            nsPerValue.push_back(std::chrono::duration<double, std::nano>(stop - start).count() /
                                 static_cast<double>(civil.size()));
        }
        std::sort(nsPerValue.begin(), nsPerValue.end());
        std::printf("median ns per value    %.1f  (count %.*s, computeReading)\n", nsPerValue[nsPerValue.size() / 2],
                    int(key.size()), key.data());
    }
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
