// Prints the reading of every date from --from to --to (default 1900-01-01 to
// 2016-12-31) under --count (default 584283), or with --kin N only the dates
// of kin N (never Dreamspell's 29 February, which has no kin of its own),
// one line a date:
// YYYY-MM-DD,dayNumber,daySignLabel,shortName,toneName,central,ally,occult,challenge,guide,
//   kin,longCount,haabDay,haabMonth,lord
// Under the Dreamspell count the last four columns are empty.
// Bad arguments (an option given twice among them): one line on stderr, exit
// status 2; a failed write: exit status 1.

#include "engine/reading.h"
#include "engine/tables.h"
#include "engine/tzolkin.h"
#include "report/inputtext.h"

#include <QString>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace kinwheel;

constexpr std::string_view kUsage =
    "usage: kinwheel-table [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--count 584283|584285|dreamspell] [--kin 1-260]";

int badArguments(std::string_view what, const char* value = nullptr)
{
    std::string line = "kinwheel-table: " + std::string(what);
    if (value)
        line += ' ' + echoed(QString::fromLocal8Bit(value)).toStdString();
    line += " (" + std::string(kUsage) + ")\n";
    std::fputs(line.c_str(), stderr);
    return 2;
}

// A date YYYY-MM-DD that the engine reads, or nothing.
std::optional<CivilDate> parseDate(std::string_view text)
{
    const std::optional<CivilDate> date = parseIsoDate(text);
    if (!date || !isValidDate(*date))
        return std::nullopt;
    return date;
}

// The table's line of a date.
void appendLine(std::string& out, const CivilDate& date, Count count)
{
    const Reading reading = *computeReading(date, count);
    const DaySign& sign = daySignOfGlyph(reading.sign);
    const std::string_view tone = toneNameOf(reading.tone);
    const auto& c = reading.cross;
    const MayaDate& maya = reading.maya;
    const std::string longCount = longCountText(maya);
    const std::string lord = lordText(maya);
    const std::string haabDay = maya.hasTraditionalFields ? std::to_string(maya.haabDay) : std::string();
    const std::string haabMonth = maya.hasTraditionalFields ? std::to_string(maya.haabMonth) : std::string();
    char line[256];
    const int n = std::snprintf(
        line, sizeof line, "%s,%d,%.*s,%.*s,%.*s,%d,%d,%d,%d,%d,%d,%s,%s,%s,%s\n", isoDate(date).c_str(),
        reading.tone, int(sign.label.size()), sign.label.data(), int(sign.shortName.size()), sign.shortName.data(),
        int(tone.size()), tone.data(), c[0], c[1], c[2], c[3], c[4], reading.kin, longCount.c_str(),
        haabDay.c_str(), haabMonth.c_str(), lord.c_str());
    out.append(line, static_cast<std::size_t>(n));
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
    CivilDate from{1900, 1, 1};
    CivilDate to{2016, 12, 31};
    Count count = Count::Gmt584283;
    int kin = 0; // every date
    std::string given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option != "--from" && option != "--to" && option != "--count" && option != "--kin")
            return badArguments("unknown argument", argv[i]);
        if (given.find(std::string(option) + ' ') != std::string::npos)
            return badArguments("given more than once:", argv[i]);
        given += std::string(option) + ' ';
        if (i + 1 == argc)
            return badArguments("missing value after", argv[i]);
        const char* const value = argv[++i];
        if (option == "--count") {
            const auto parsed = parseCount(value);
            if (!parsed)
                return badArguments("unknown count", value);
            count = *parsed;
            continue;
        }
        if (option == "--kin") {
            const std::optional<int> parsed = plainNumber(QString::fromLocal8Bit(value), 1, 260);
            if (!parsed)
                return badArguments("not a kin from 1 to 260:", value);
            kin = *parsed;
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
    bool written = true;
    const auto add = [&](const CivilDate& date) {
        appendLine(out, date, count);
        if (out.size() >= kChunk && !flush(out))
            written = false;
        return written;
    };
    if (kin) {
        // The engine's dates of the kin, a thousand at a time.
        for (CivilDate next = from; written;) {
            const std::vector<CivilDate> dates = nextDatesOfKin(kin, next, count, 1000);
            for (const CivilDate& date : dates)
                if (date > to || !add(date))
                    break;
            if (dates.size() < 1000 || dates.back() >= to)
                break;
            next = addDays(dates.back(), 1);
        }
    } else {
        const int last = daysSinceEpoch(to);
        for (int day = daysSinceEpoch(from); day <= last && add(dateOfEpochDay(day)); ++day) {
        }
    }
    if (!written || !flush(out) || std::fflush(stdout) != 0) {
        std::fputs("kinwheel-table: cannot write the table\n", stderr);
        return 1;
    }
    return 0;
}
