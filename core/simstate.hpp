#pragma once

#include "core/body.hpp"
#include "core/bodyid.hpp"
#include "core/star.hpp"
#include "core/worldmodel.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// Every simulation variable of one run. The defaults are the values before start-up
// (zero, false, empty); the init functions of startup.hpp set the start-up values.
struct SimState {
    std::string verStr;
    std::string verDate;

    float t0{};                         // reset time, days
    double simTime{};                   // current time in days; day 0 is March 21, the start
    double stepDays{};                  // length of one clock step, days
    double runDir{};                    // +1 forward, -1 backward
    std::array<double, 11> stepTable{}; // step length by index of the step option group

    bool stopped{};
    bool sunOn{};
    bool earthOn{};
    bool interOn{};
    bool superOn{};

    WorldModel worldModel{};

    float planZoom{};
    float planWidth{};
    float planHeight{};
    float skyWidth{};
    float skyHeight{};
    float skyDiskScale{}; // plan units to sky degrees for disk sizes

    std::vector<Star> stars = std::vector<Star>(kStarTableSize);
    std::int16_t starCount{};

    Body sun;
    Body earth;
    Body super; // the superior planet
    Body inter; // the inferior planet
};

// The body record a BodyId names.
[[nodiscard]] inline Body& bodyOf(SimState& state, BodyId id) {
    constexpr std::array<Body SimState::*, 4> kBodies{&SimState::sun, &SimState::earth,
                                                      &SimState::inter, &SimState::super};
    return state.*kBodies.at(static_cast<std::size_t>(id));
}

} // namespace vantor
