#pragma once

#include "core/simstate.hpp"

namespace vantor {

// Recomputes every body for simTime under worldModel.
void calcPositions(SimState& state) noexcept;

// The Sun fixed at the origin; the Earth and both planets circle it.
void helioPositions(SimState& state) noexcept;
// The Earth fixed; the Sun circles it, the inferior planet rides an epicycle between the
// Earth and the Sun and the superior planet is pushed out along its line of sight.
void geoPositions(SimState& state) noexcept;
// The Earth fixed; the Sun circles it and both planets circle the moving Sun.
void tychoPositions(SimState& state) noexcept;

} // namespace vantor
