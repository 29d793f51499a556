#pragma once
// Program-wide state shared by the windows: the platform services, the
// current birth details and reading, the count readings follow, and the
// outcome of the offer-label draw.

#include "engine/kin.h"
#include "platform/services.h"

namespace kinwheel {

struct AppContext {
    explicit AppContext(Services& s) : services(s) {}

    Services& services;
    BirthDetails details;     // written only by Generate
    BirthChart chart;         // the current reading
    // The Count menu's choice, which Generate and the result window follow;
    // read from the settings store when the first main window of a run loads.
    Count count = Count::Gmt584283;
    bool countRead = false;
    int coBrandRandomNumber = 0; // 1..6 once drawn; 0 before the draw
};

} // namespace kinwheel
