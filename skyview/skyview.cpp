#include "skyview/skyview.hpp"

#include "core/angles.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace vantor {

namespace {

constexpr Color kYellow = 0x00FFFF;
constexpr Color kWhite = 0xFFFFFF;

// A marker's radius in sky degrees (horizontal units) from the body, the disk box and the body's
// distance r from the Earth in the plan.
using RadiusRule = double (*)(const SimState& state, const Body& body, bool disk, double r);

// The Sun's disk does not shrink with distance: every model keeps it at the same apparent size.
double sunRadius(const SimState& state, const Body& body, bool disk, double /*r*/) {
    return disk ? static_cast<double>(state.skyDiskScale) * body.size : 2.0;
}

// Without the disk the heliocentric marker grows as the planet nears and shows more of its lit
// side; the other models have no phase and only grow with nearness.
double interRadius(const SimState& state, const Body& body, bool disk, double r) {
    if (disk) {
        return static_cast<double>(state.skyDiskScale) * body.size / r;
    }
    if (state.worldModel == WorldModel::Helio) {
        return (2.0 * body.lit + 0.5) / (r * r);
    }
    return 1.0 / r + 1.0;
}

// On the sky the superior planet's disk is three times its plan size.
double superRadius(const SimState& state, const Body& body, bool disk, double r) {
    if (disk) {
        return static_cast<double>(body.size) * 3.0 * state.skyDiskScale / r;
    }
    return 1.0 / r + 1.0;
}

// How the three sky markers differ.
struct SkyBodyRule {
    Box diskBox;  // tested for any non-zero value
    Box trailBox; // tested for 1
    // The Sun is always on the ecliptic: no distance, no latitude.
    bool onEcliptic;
    RadiusRule radius;
};

// Indexed by BodyId; the Earth has no sky marker.
constexpr std::array<std::optional<SkyBodyRule>, 4> kSkyRules{{
    SkyBodyRule{Box::SunDisk, Box::SunTrail, true, &sunRadius},
    std::nullopt,
    SkyBodyRule{Box::InterDisk, Box::InterTrail, false, &interRadius},
    SkyBodyRule{Box::SuperDisk, Box::SuperTrail, false, &superRadius},
}};

[[nodiscard]] constexpr std::size_t indexOf(BodyId body) {
    return static_cast<std::size_t>(body);
}

// Degrees from radians by dividing by the program's constant, as every figure was made.
[[nodiscard]] double toDegrees(double radians) {
    return radians / kDegToRad;
}

// Right ascension hours to degrees.
constexpr float kDegreesPerHour = 15.0F;

} // namespace

SkyView::SkyView(SimState& state, const DisplayBoxes& boxes, Surface& surface)
    : m_state(state), m_boxes(boxes), m_surface(surface) {}

void SkyView::setSkyScale() {
    // Fixed once from the plan view's start-up width; a later zoom does not change it.
    m_state.skyDiskScale = static_cast<float>(360.0 / m_state.planWidth / 2.0);
    m_state.skyHeight = 50.0F;
    m_state.skyWidth = 360.0F;
    m_surface.setScaleHeight(m_state.skyHeight);
    m_surface.setScaleTop(-m_state.skyHeight / 2.0F);
    m_surface.setScaleWidth(m_state.skyWidth);
    m_surface.setScaleLeft(0.0F);
    drawSkyGrid();
}

void SkyView::drawSkyGrid() {
    m_surface.setDrawMode(DrawMode::Xor);
    m_surface.setDrawStyle(DrawStyle::Dotted);
    m_surface.setDrawWidth(1);
    // Twice the map's height, clipped at both edges.
    m_surface.Line(90.0, -m_state.skyHeight, 90.0, m_state.skyHeight, kYellow);
    m_surface.Line(0.0, 0.0, 360.0, 0.0, kYellow);
}

void SkyView::drawSunSky(bool show) {
    drawBodySky(BodyId::Sun, show);
}

void SkyView::drawInterSky(bool show) {
    drawBodySky(BodyId::Inter, show);
}

void SkyView::drawSuperSky(bool show) {
    drawBodySky(BodyId::Super, show);
}

void SkyView::drawBodySky(BodyId id, bool show) {
    const SkyBodyRule& rule = kSkyRules.at(indexOf(id)).value();
    const Body& body = bodyOf(m_state, id);
    SkyMarker& mark = m_markers.at(indexOf(id));

    m_surface.setFillColor(body.color);
    m_surface.setFillStyle(FillStyle::Solid);
    m_surface.setDrawStyle(DrawStyle::Solid);
    m_surface.setDrawWidth(2);
    m_surface.setDrawMode(DrawMode::Xor);

    // Erased, and the trail dot left, in the colour the marker was drawn in.
    if (mark.drawn == 1) {
        m_surface.Circle(mark.markX, mark.markY, mark.markR, mark.markColor);
        // The dot stays where the marker was: the trail is the body's apparent path.
        if (m_boxes.value(rule.trailBox) == 1) {
            m_surface.PSet(mark.markX, mark.markY, mark.markColor);
        }
    }
    if (!show) {
        mark.drawn = 0;
        return;
    }
    mark.drawn = 1;

    const Body& earth = m_state.earth;
    const float dx = body.x - earth.x;
    const float dy = body.y - earth.y;
    const float ang = quadAtan(dy, dx);

    // Distance from the Earth projected on the ecliptic plane, so the latitude stays in -90..90.
    float r = 0.0F;
    float lat = 0.0F;
    if (!rule.onEcliptic) {
        r = static_cast<float>(
            std::sqrt(static_cast<double>(dy) * dy + static_cast<double>(dx) * dx));
        lat = static_cast<float>(toDegrees(quadAtan(body.z, r)));
    }
    const bool disk = m_boxes.value(rule.diskBox) != 0;
    const auto radius = static_cast<float>(rule.radius(m_state, body, disk, r));

    // Longitude 0 at x = 90, increasing to the left. ang lies in -90..270 degrees, so one
    // correction brings it into 0..360.
    auto lon = static_cast<float>(toDegrees(ang) - 90.0);
    if (lon < 0.0F) {
        lon += 360.0F;
    }

    mark.markX = lon;
    // Not negated: a body above the ecliptic (positive z) is drawn below the centre line.
    mark.markY = lat;
    mark.markR = radius;
    mark.markColor = body.color;
    m_surface.Circle(mark.markX, mark.markY, mark.markR, mark.markColor);
}

void SkyView::clearSkyView() {
    drawInterSky(false);
    drawSuperSky(false);
    drawSunSky(false);
    m_surface.Cls();
}

void SkyView::plotStarsEcliptic() {
    plotStars(&Star::eclLon, 1.0F, &Star::eclLat);
}

void SkyView::plotStarsEquator() {
    plotStars(&Star::ra, kDegreesPerHour, &Star::dec);
}

void SkyView::plotStars(float Star::*lon, float lonFactor, float Star::*lat) {
    m_surface.setDrawStyle(DrawStyle::Solid);
    m_surface.setDrawMode(DrawMode::Xor);
    // Record 0 is the catalogue's header line and is never plotted.
    const auto last = std::min<std::ptrdiff_t>(
        m_state.starCount, static_cast<std::ptrdiff_t>(m_state.stars.size()) - 1);
    const float limit = m_state.skyHeight / 2.0F;
    for (std::ptrdiff_t i = 1; i <= last; ++i) {
        const Star& star = m_state.stars[static_cast<std::size_t>(i)];
        const float starLat = star.*lat;
        // A star exactly on the limit is plotted.
        if (std::fabs(starLat) > limit) {
            continue;
        }
        // Brighter stars (smaller magnitudes) get bigger dots.
        const float m = star.mag;
        int width = 1;
        if (m < 1.0F) {
            width = 4;
        } else if (m <= 2.0F) {
            width = 3;
        } else if (m <= 3.0F) {
            width = 2;
        }
        m_surface.setDrawWidth(width);

        auto x = static_cast<float>(static_cast<double>(m_state.skyWidth) -
                                    static_cast<double>(star.*lon) * lonFactor + 90.0);
        if (x > 360.0F) {
            x -= 360.0F;
        }
        if (x < 0.0F) {
            x += 360.0F;
        }
        // Stars of positive latitude are drawn above the centre line.
        const float y = -starLat;
        m_surface.PSet(x, y, kWhite);
    }
    m_surface.setDrawWidth(1);
}

const SkyMarker& SkyView::marker(BodyId body) const {
    return m_markers.at(indexOf(body));
}

} // namespace vantor
