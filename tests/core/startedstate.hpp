#pragma once

#include "core/simstate.hpp"
#include "core/startup.hpp"

namespace vantor {

// The state as the program leaves it after start-up, before the views are set up.
[[nodiscard]] inline SimState startedState() {
    SimState s;
    initVersion(s);
    initFlags(s);
    initClock(s);
    initBodies(s);
    return s;
}

} // namespace vantor
