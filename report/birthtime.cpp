#include "report/birthtime.h"

#include <array>
#include <cstddef>

namespace kinwheel {
namespace {

// In the order of kBirthTimes and kDayStarts.
constexpr std::array<const char*, 3> kBirthTimeKeys = {"day", "evening", "night"};
constexpr std::array<const char*, 3> kDayStartKeys = {"midnight", "sunset", "sunrise"};

template <typename T>
std::optional<T> parsed(const QString& key, const std::array<T, 3>& values, const std::array<const char*, 3>& keys)
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (key == QLatin1String(keys[i]))
            return values[i];
    return std::nullopt;
}

} // namespace

QString birthTimeKey(BirthTime born)
{
    return QString::fromLatin1(kBirthTimeKeys[static_cast<std::size_t>(born)]);
}

std::optional<BirthTime> parseBirthTime(const QString& key)
{
    return parsed(key, kBirthTimes, kBirthTimeKeys);
}

QString dayStartKey(DayStart start)
{
    return QString::fromLatin1(kDayStartKeys[static_cast<std::size_t>(start)]);
}

std::optional<DayStart> parseDayStart(const QString& key)
{
    return parsed(key, kDayStarts, kDayStartKeys);
}

} // namespace kinwheel
