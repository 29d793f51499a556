// Prints the reading of every date from 1900 to 2016, one line a date:
// YYYY-MM-DD,dayNumber,daySignLabel,shortName,toneName,central,ally,occult,challenge,guide

#include "engine/kin.h"
#include "engine/tables.h"

#include <cstdio>
#include <string>

int main()
{
    using namespace kinwheel;
    std::string out;
    out.reserve(1 << 22);
    char line[160];
    for (int year = 1900; year <= 2016; ++year) {
        for (int m = 0; m < 12; ++m) {
            const std::string_view month = MonthNames[static_cast<std::size_t>(m)];
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                const BirthDetails details{{}, static_cast<std::int16_t>(year), std::string(month),
                                           static_cast<std::int16_t>(day)};
                BirthChart chart;
                if (!calculateKin(details, chart))
                    return 1;
                const std::string_view label = SignLabelTable[static_cast<std::size_t>(*kinNumber(year, month, day) - 1)];
                const auto& c = chart.cross;
                const int n = std::snprintf(line, sizeof line, "%04d-%02d-%02d,%d,%.*s,%.*s,%.*s,%d,%d,%d,%d,%d\n",
                                            year, m + 1, day, chart.dayNumber, int(label.size()), label.data(),
                                            int(chart.daySign.size()), chart.daySign.data(),
                                            int(chart.toneName.size()), chart.toneName.data(), c[0], c[1], c[2],
                                            c[3], c[4]);
                out.append(line, static_cast<std::size_t>(n));
            }
        }
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
