#pragma once

namespace vantor {

// The time after one step of the clock: the step's length in days, taken in the direction the
// clock runs (+1 forward, -1 backward).
[[nodiscard]] constexpr double steppedTime(double simTime, double stepDays,
                                           double runDir) noexcept {
    return stepDays * runDir + simTime;
}

} // namespace vantor
