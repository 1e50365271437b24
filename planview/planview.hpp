#pragma once

#include "core/bodyid.hpp"
#include "core/displayboxes.hpp"
#include "core/simstate.hpp"
#include "surface/surface.hpp"

#include <array>
#include <cstdint>

namespace vantor {

// What a plan marker routine remembers of the disc it last drew (plan units).
struct PlanMarker {
    std::int16_t drawn{};
    float markX{};
    float markY{};
    float markR{};
};

// What an orbit routine remembers: whether its figure counts as drawn, and the moving circle.
struct OrbitFigure {
    std::int16_t drawn{};
    float circX{};
    float circY{};
    float circR{};
};

// What a line-of-sight routine remembers: the rim end and the observer when it was drawn.
struct SightLine {
    std::int16_t drawn{};
    float rimX{};
    float rimY{};
    float eyeX{};
    float eyeY{};
};

// How the end of a line of sight picks the sign of its y on the rim circle: from the direction
// the line runs (right for a line through the origin), or the one of the two rim points at its
// x that lies nearer the line.
enum class SightSign { ByDirection, NearerTheLine };

struct RimPoint {
    float x{};
    float y{};
};

// Where the ray from the observer (ox, oy) through the target (tx, ty) leaves the circle of
// radius r about the origin.
[[nodiscard]] RimPoint sightEnd(float ox, float oy, float tx, float ty, float r, SightSign sign);

// The plan view: the solar system from above on the month dial. Owns its scale, grid and the
// remembered record of every figure it draws; everything moving is drawn with the XOR pen.
class PlanView {
public:
    PlanView(SimState& state, const DisplayBoxes& boxes, Surface& surface);

    void setPlanScale();
    void drawPlanGrid();
    void clearPlanView();

    void drawEarthPlan(bool show);
    void drawInterPlan(bool show);
    void drawSuperPlan(bool show);
    void drawSunPlan(bool show);

    void drawEarthOrbit(bool show);
    void drawSunOrbit(bool show);
    void drawInterOrbit(bool show);
    void drawSuperOrbit(bool show);

    void drawEarthSight(bool show);
    void drawInterSight(bool show);
    void drawSuperSight(bool show);

    // The remembered records, for tests and for checking that erasing is complete.
    [[nodiscard]] const PlanMarker& marker(BodyId body) const;
    [[nodiscard]] const OrbitFigure& orbit(BodyId body) const;
    // By target: Sun (the Earth's line), Inter, Super.
    [[nodiscard]] const SightLine& sight(BodyId target) const;

private:
    // One routine per family; the named entry points above pass their body.
    void drawPlan(BodyId body, bool show);
    void drawOrbit(BodyId body, bool show);
    void drawSight(BodyId target, bool show);

    SimState& m_state;
    const DisplayBoxes& m_boxes;
    Surface& m_surface;

    // Indexed by BodyId. The Earth has no line of sight of its own, so its slot stays zero.
    std::array<PlanMarker, 4> m_markers{};
    std::array<OrbitFigure, 4> m_orbits{};
    std::array<SightLine, 4> m_sights{};
};

} // namespace vantor
