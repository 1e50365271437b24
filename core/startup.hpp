#pragma once

#include "core/simstate.hpp"

namespace vantor {

// Mean motion in degrees per day of a circular orbit of radius orbitR (Earth's orbit = 1),
// by Kepler's third law from the Earth's 0.985608 degrees per day.
[[nodiscard]] float orbitRate(float orbitR) noexcept;

// The version texts shown in the caption and the About box.
void initVersion(SimState& state);
// The run and display flags, the world model and the zoom. The window sets its check boxes.
void initFlags(SimState& state);
// The step table and the clock, stopped at t0 with the 3-day step. The window writes the label.
void initClock(SimState& state);
// The constant fields of the four bodies.
void initBodies(SimState& state);

} // namespace vantor
