#pragma once
// What the windows of one run share: the platform services, the count and
// day start readings follow and the outcome of the offer-label draw. A
// reading is not kept here: each window is handed the one it shows.

#include "engine/reading.h"
#include "platform/services.h"

namespace kinwheel {

struct AppContext {
    explicit AppContext(Services& s) : services(s) {}

    Services& services;
    // The Count and Day Begins At menus' choices, which Generate and Open
    // follow; read from the settings store when the first main window of a
    // run loads.
    Count count = Count::Gmt584283;
    DayStart dayStart = DayStart::Midnight;
    bool countRead = false;
    int coBrandRandomNumber = 0; // 1..6 once drawn; 0 before the draw
};

// Whether the draw puts the co-brand offer in front: 1, 3 and 5 do.
constexpr bool coBrandInFront(int coBrandRandomNumber)
{
    return coBrandRandomNumber % 2 == 1;
}

} // namespace kinwheel
