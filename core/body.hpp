#pragma once

#include <cstdint>

namespace vantor {

// A colour in the program's own layout: 0x00BBGGRR, red in the low byte (0x0000FF is red).
using Color = std::uint32_t;

// One body: its constants, set once at start-up, and its current position, rewritten by the
// position model on every recomputation. Angles in degrees, distances in plan units
// (the Earth's orbit radius is 1, y grows downward).
struct Body {
    float orbitR{}; // orbit radius
    float incl{};   // inclination to the ecliptic
    float lon0{};   // longitude at t0, which is also the ascending node
    float rate{};   // mean motion, degrees per day
    float lon{};    // current longitude, not reduced to one turn
    float lat{};    // current latitude above the orbit plane
    float x{};
    float y{};
    float z{};    // height above the ecliptic
    float size{}; // radius of the body's disk
    Color color{};
    float lit{}; // illumination 0..1; only the inferior planet's is read
};

} // namespace vantor
