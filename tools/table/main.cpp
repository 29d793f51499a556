// Prints the reading of every date from --from to --to (default 1900-01-01 to
// 2016-12-31) under --count (default 584283), one line a date:
// YYYY-MM-DD,dayNumber,daySignLabel,shortName,toneName,central,ally,occult,challenge,guide,
//   kin,longCount,haabDay,haabMonth,lord
// Under the Dreamspell count the last four columns are empty.
// Bad arguments: one line on stderr, exit status 2; a failed write: exit status 1.

#include "engine/kin.h"
#include "engine/tables.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace kinwheel;
namespace chrono = std::chrono;

constexpr std::string_view kUsage =
    "usage: kinwheel-table [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--count 584283|584285|dreamspell]";

int badArguments(std::string_view what, std::string_view value = {})
{
    // Echo at most a short piece of whatever was given.
    constexpr std::size_t kEcho = 40;
    std::string line = "kinwheel-table: " + std::string(what);
    if (!value.empty())
        line += " '" + std::string(value.substr(0, kEcho)) + (value.size() > kEcho ? "...'" : "'");
    line += " (" + std::string(kUsage) + ")\n";
    std::fputs(line.c_str(), stderr);
    return 2;
}

int digits(std::string_view text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A date YYYY-MM-DD that the engine reads, or nothing.
std::optional<chrono::sys_days> parseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const int year = digits(text.substr(0, 4));
    const int month = digits(text.substr(5, 2));
    const int day = digits(text.substr(8, 2));
    if (!mayaDate(year, month, day))
        return std::nullopt;
    return chrono::sys_days{chrono::year(year) / chrono::month(static_cast<unsigned>(month)) /
                            chrono::day(static_cast<unsigned>(day))};
}

bool flush(std::string& out)
{
    const bool written = std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    out.clear();
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    chrono::sys_days from = chrono::sys_days{chrono::year(1900) / 1 / 1};
    chrono::sys_days to = chrono::sys_days{chrono::year(2016) / 12 / 31};
    Count count = Count::Gmt584283;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option != "--from" && option != "--to" && option != "--count")
            return badArguments("unknown argument", option);
        if (i + 1 == argc)
            return badArguments("missing value after", option);
        const std::string_view value = argv[++i];
        if (option == "--count") {
            const auto parsed = parseCount(value);
            if (!parsed)
                return badArguments("unknown count", value);
            count = *parsed;
            continue;
        }
        const auto date = parseDate(value);
        if (!date)
            return badArguments("not a date from 0001-01-01 to 9999-12-31", value);
        (option == "--from" ? from : to) = *date;
    }
    if (from > to)
        return badArguments("--from is after --to");

    constexpr std::size_t kChunk = 1 << 20;
    std::string out;
    out.reserve(kChunk + 256);
    char line[256];
    bool written = true;
    for (chrono::sys_days d = from; d <= to; d += chrono::days(1)) {
        const chrono::year_month_day ymd(d);
        const int year = static_cast<int>(ymd.year());
        const auto month = static_cast<unsigned>(ymd.month());
        const auto day = static_cast<unsigned>(ymd.day());
        const BirthDetails details{{}, static_cast<std::int16_t>(year), std::string(MonthNames[month - 1]),
                                   static_cast<std::int16_t>(day)};
        BirthChart chart;
        if (!calculateKin(details, chart, count))
            return 1;
        const std::string_view label = SignLabelTable[static_cast<std::size_t>(positionOfKin(chart.kin) - 1)];
        const auto& c = chart.cross;
        const MayaDate& maya = chart.maya;
        const std::string longCount = longCountText(maya);
        const std::string lord = lordText(maya);
        const std::string haabDay = maya.hasTraditionalFields ? std::to_string(maya.haabDay) : std::string();
        const std::string haabMonth = maya.hasTraditionalFields ? std::to_string(maya.haabMonth) : std::string();
        const int n = std::snprintf(
            line, sizeof line, "%04d-%02u-%02u,%d,%.*s,%.*s,%.*s,%d,%d,%d,%d,%d,%d,%s,%s,%s,%s\n", year, month,
            day, chart.dayNumber, int(label.size()), label.data(), int(chart.daySign.size()), chart.daySign.data(),
            int(chart.toneName.size()), chart.toneName.data(), c[0], c[1], c[2], c[3], c[4], chart.kin,
            longCount.c_str(), haabDay.c_str(), haabMonth.c_str(), lord.c_str());
        out.append(line, static_cast<std::size_t>(n));
        if (out.size() >= kChunk && !flush(out)) {
            written = false;
            break;
        }
    }
    if (!written || !flush(out) || std::fflush(stdout) != 0) {
        std::fputs("kinwheel-table: cannot write the table\n", stderr);
        return 1;
    }
    return 0;
}
