#pragma once

#include "core/body.hpp"
#include "core/bodyid.hpp"
#include "core/displayboxes.hpp"
#include "core/simstate.hpp"
#include "surface/surface.hpp"

#include <array>
#include <cstdint>

namespace vantor {

// What a sky marker routine remembers of the disk it last drew (sky degrees).
struct SkyMarker {
    std::int16_t drawn{};
    float markX{};
    float markY{};
    float markR{};
    Color markColor{};
};

// The sky view: a linear longitude-latitude map of the band around the ecliptic, 0..360 wide
// and -25..+25 high. Bodies are drawn where the Earth sees them and leave trail dots; stars
// from the catalogue can be plotted behind them. Everything is drawn with the XOR pen.
class SkyView {
public:
    SkyView(SimState& state, const DisplayBoxes& boxes, Surface& surface);

    void setSkyScale();
    void drawSkyGrid();

    void drawSunSky(bool show);
    void drawInterSky(bool show);
    void drawSuperSky(bool show);
    void clearSkyView();

    // Plot catalogue records 1 to starCount of the state's star table.
    void plotStarsEcliptic();
    void plotStarsEquator();

    // The remembered records, for tests and for checking that erasing is complete. The Earth has
    // no sky marker: its record stays zero.
    [[nodiscard]] const SkyMarker& marker(BodyId body) const;

private:
    // The one sky-marker routine behind drawSunSky, drawInterSky and drawSuperSky.
    void drawBodySky(BodyId body, bool show);
    // Plots records 1 to starCount at (lon * lonFactor, lat) of each star.
    void plotStars(float Star::*lon, float lonFactor, float Star::*lat);

    SimState& m_state;
    const DisplayBoxes& m_boxes;
    Surface& m_surface;
    // Indexed by BodyId.
    std::array<SkyMarker, 4> m_markers{};
};

} // namespace vantor
