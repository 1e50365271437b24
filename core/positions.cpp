#include "core/positions.hpp"

#include "core/angles.hpp"

#include <cmath>

// Positions are stored as 32-bit floats while every expression is worked in double precision;
// each static_cast<float> below is a point where the result is stored, and moving one changes
// the figures in the last places.

namespace vantor {

namespace {

[[nodiscard]] double elapsed(const SimState& s) noexcept {
    return s.simTime - static_cast<double>(s.t0);
}

// The Earth on its circle around the fixed Sun.
void placeHelioEarth(SimState& s, double t) noexcept {
    Body& e = s.earth;
    e.lon = static_cast<float>(t * e.rate);
    const double angle = static_cast<float>(e.lon * kDegToRad);
    e.x = static_cast<float>(e.orbitR * std::cos(angle));
    e.y = static_cast<float>(-std::sin(angle) * e.orbitR);
    e.z = 0.0F;
}

// The Sun around the fixed Earth, opposite to where the heliocentric Earth would stand.
void placeSunAroundEarth(SimState& s, double t) noexcept {
    Body& sun = s.sun;
    sun.lon = static_cast<float>(t * s.earth.rate);
    const double angle = static_cast<float>(sun.lon * kDegToRad);
    s.earth.lon = 0.0F;
    s.earth.x = 0.0F;
    s.earth.y = 0.0F;
    s.earth.z = 0.0F;
    sun.x = static_cast<float>(-s.earth.orbitR * std::cos(angle));
    sun.y = static_cast<float>(s.earth.orbitR * std::sin(angle));
    sun.z = 0.0F;
}

void zeroSun(Body& sun) noexcept {
    sun.lon = 0.0F;
    sun.x = 0.0F;
    sun.y = 0.0F;
    sun.z = 0.0F;
}

// A planet's longitude, latitude, plan position and height. In the heliocentric model the Sun
// is zeroed between the longitude and the rest, which is where the original sequence does it.
void placePlanet(SimState& s, Body& p, WorldModel model, bool inferior, double t) noexcept {
    p.lon = static_cast<float>(t * p.rate + p.lon0);
    if (model == WorldModel::Helio && inferior) {
        zeroSun(s.sun);
    }
    p.lat = static_cast<float>(
        p.incl * std::sin((static_cast<double>(norm360(p.lon)) - p.lon0) * kDegToRad));
    const double angle = static_cast<float>(p.lon * kDegToRad);
    const double c = std::cos(angle);
    const double sn = std::sin(angle);
    const double r = p.orbitR;
    // The geocentric planets are their Tychonic places scaled along the line from the Earth, the
    // height with them, so that the latitude seen from the Earth is the same in every model.
    double scale = 1.0;

    switch (model) {
    case WorldModel::Helio:
        p.x = static_cast<float>(r * c);
        p.y = static_cast<float>(-sn * r);
        break;
    case WorldModel::Tycho:
        p.x = static_cast<float>(r * c + s.sun.x);
        p.y = static_cast<float>(-sn * r + s.sun.y);
        break;
    case WorldModel::Geo:
        if (inferior) {
            // Toward the Earth: an epicycle around a centre on the Earth-Sun line.
            const double f = static_cast<double>(s.earth.orbitR) - r;
            p.x = static_cast<float>(f * r / s.earth.orbitR * c + f * s.sun.x);
            p.y = static_cast<float>(f * r / s.earth.orbitR * -sn + f * s.sun.y);
            scale = f;
        } else {
            const double g = s.planZoom * kGeoSuperStretch;
            p.x = static_cast<float>(g * r * c + g * s.sun.x);
            p.y = static_cast<float>(g * r * -sn + g * s.sun.y);
            scale = g;
        }
        break;
    }
    p.z = static_cast<float>(scale * (r * std::sin(p.lat * kDegToRad)));
}

// The inferior planet's phase from the angle at the Sun between the Earth and the planet:
// 0 at inferior conjunction, 1 at superior conjunction.
void setInterPhase(SimState& s) noexcept {
    const Body& e = s.earth;
    Body& i = s.inter;
    const auto dy = static_cast<double>(i.y) - e.y;
    const auto dx = static_cast<double>(i.x) - e.x;
    const auto d = static_cast<float>(std::sqrt(dy * dy + dx * dx));
    const auto rE = static_cast<float>(
        std::sqrt(static_cast<double>(e.y) * e.y + static_cast<double>(e.x) * e.x));
    const auto rI = static_cast<float>(
        std::sqrt(static_cast<double>(i.y) * i.y + static_cast<double>(i.x) * i.x));
    const double dd = d;
    const double re = rE;
    const double ri = rI;
    const auto cosAtSun = static_cast<float>(((ri * ri + re * re) - dd * dd) / (2.0 * re * ri));
    const double theta = static_cast<float>(arcCos(cosAtSun));
    i.lit = static_cast<float>(std::sin(theta / 2.0));
}

void computePositions(SimState& s, WorldModel model) noexcept {
    const double t = elapsed(s);
    if (model == WorldModel::Helio) {
        placeHelioEarth(s, t);
    } else {
        // Both planets are placed relative to the Sun, so it goes first.
        placeSunAroundEarth(s, t);
    }
    placePlanet(s, s.inter, model, true, t);
    if (model == WorldModel::Helio) {
        setInterPhase(s);
    } else {
        s.inter.lit = 1.0F;
    }
    placePlanet(s, s.super, model, false, t);
}

} // namespace

void calcPositions(SimState& state) noexcept {
    computePositions(state, state.worldModel);
}

void helioPositions(SimState& state) noexcept {
    computePositions(state, WorldModel::Helio);
}

void geoPositions(SimState& state) noexcept {
    computePositions(state, WorldModel::Geo);
}

void tychoPositions(SimState& state) noexcept {
    computePositions(state, WorldModel::Tycho);
}

} // namespace vantor
