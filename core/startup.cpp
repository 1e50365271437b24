#include "core/startup.hpp"

#include <cmath>

namespace vantor {

namespace {

// The Earth's mean motion, degrees per day.
constexpr double kEarthRate = 0.985608;

// Body colours in the program's layout, red in the low byte.
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kRed = 0x0000FF;
constexpr Color kMagenta = 0xFF00FF;

struct BodyConstants {
    float orbitR{};
    float incl{};
    float lon0{};
    float size{};
    Color color{};
};

void setConstants(Body& body, const BodyConstants& c) {
    body.orbitR = c.orbitR;
    body.incl = c.incl;
    body.lon0 = c.lon0;
    body.rate = orbitRate(c.orbitR);
    body.size = c.size;
    body.color = c.color;
}

} // namespace

float orbitRate(float orbitR) noexcept {
    return static_cast<float>(kEarthRate / std::pow(static_cast<double>(orbitR), 1.5));
}

void initVersion(SimState& state) {
    state.verStr = "2.00";
    state.verDate = "00.05.22";
}

void initFlags(SimState& state) {
    state.stopped = true;
    state.sunOn = true;
    state.earthOn = true;
    state.interOn = false;
    state.superOn = false;
    state.worldModel = WorldModel::Helio;
    state.planZoom = 1.0F;
}

void initClock(SimState& state) {
    // Indexes 0 to 3 are the step choices offered; the rest are never selected.
    state.stepTable = {1.0, 3.0, 10.0, 365.25 / 12.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.0, 0.0};
    state.t0 = 0.0F;
    state.simTime = 0.0;
    state.stepDays = state.stepTable[1];
    state.runDir = 1.0;
}

void initBodies(SimState& state) {
    // The Sun's orbital fields stay zero: its motion is derived from the Earth's.
    state.sun.size = 0.24F;
    state.sun.color = kWhite;
    setConstants(state.earth, {1.0F, 0.0F, 0.0F, 0.12F, kBlue});
    setConstants(state.super, {1.5F, 1.0F, 30.0F, 0.08F, kRed});
    setConstants(state.inter, {0.4F, 2.0F, -20.0F, 0.1F, kMagenta});
    state.inter.lit = 1.0F;
}

} // namespace vantor
