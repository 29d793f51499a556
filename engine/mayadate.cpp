#include "engine/mayadate.h"

#include "engine/tables.h"

namespace kinwheel {
namespace {

// In the order of the enumeration.
constexpr std::array<std::string_view, 3> kCountKeys = {"584283", "584285", "dreamspell"};

bool validKin(int kin) { return kin >= 1 && kin <= kCycle; }

} // namespace

std::string_view countKey(Count count) { return kCountKeys[static_cast<std::size_t>(count)]; }

std::optional<Count> parseCount(std::string_view key)
{
    for (const Count count : kCounts)
        if (countKey(count) == key)
            return count;
    return std::nullopt;
}

std::string longCountText(const MayaDate& date)
{
    if (!date.hasTraditionalFields)
        return {};
    std::string text;
    for (const std::int16_t place : date.longCount) {
        if (!text.empty())
            text += '.';
        text += std::to_string(place);
    }
    return text;
}

std::string haabMonthName(int month)
{
    if (month < 1 || month > static_cast<int>(HaabMonthNames.size()))
        return {};
    return std::string(HaabMonthNames[static_cast<std::size_t>(month - 1)]);
}

std::string tzolkinDayName(int kin)
{
    if (!validKin(kin))
        return {};
    return std::to_string(toneOfKin(kin)) + ' ' +
           std::string(TzolkinDayNames[static_cast<std::size_t>(glyphOfKin(kin))]);
}

std::string haabDateText(const MayaDate& date)
{
    const std::string month = haabMonthName(date.haabMonth);
    if (!date.hasTraditionalFields || month.empty())
        return {};
    return std::to_string(date.haabDay) + ' ' + month;
}

std::string calendarRoundText(const MayaDate& date)
{
    const std::string tzolkin = tzolkinDayName(date.kin);
    const std::string haab = haabDateText(date);
    if (tzolkin.empty() || haab.empty())
        return {};
    return tzolkin + ' ' + haab;
}

std::string trecenaText(const MayaDate& date)
{
    return tzolkinDayName(date.trecenaKin);
}

std::string lordText(const MayaDate& date)
{
    if (!date.hasTraditionalFields || date.lord < 1 || date.lord > 9)
        return {};
    return 'G' + std::to_string(date.lord);
}

} // namespace kinwheel
