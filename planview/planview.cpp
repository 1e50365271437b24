#include "planview/planview.hpp"

#include "core/angles.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

// Figures are worked out in double precision from the 32-bit body fields; what a routine
// remembers is stored as 32-bit floats and every erase redraws from those stored values, so a
// figure is always erased with exactly the geometry it was drawn with.

namespace vantor {

namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kYellow = 0x00FFFF;

[[nodiscard]] constexpr std::size_t indexOf(BodyId body) {
    return static_cast<std::size_t>(body);
}

struct CircleFigure {
    double x{};
    double y{};
    double r{};
};

// An orbit routine's figure under one model: a circle that stays until erased (a heliocentric
// orbit, the Sun's orbit, a deferent) and one that moves with time (an epicycle, a Tychonic
// circle about the Sun). Either may be absent.
struct OrbitCircles {
    std::optional<CircleFigure> fixed;
    std::optional<CircleFigure> moving;
};

[[nodiscard]] OrbitCircles earthOrbitCircles(const SimState& s, WorldModel model) {
    if (model == WorldModel::Helio) {
        return {CircleFigure{0.0, 0.0, s.earth.orbitR}, std::nullopt};
    }
    return {};
}

[[nodiscard]] OrbitCircles sunOrbitCircles(const SimState& s, WorldModel model) {
    if (model == WorldModel::Geo || model == WorldModel::Tycho) {
        return {CircleFigure{0.0, 0.0, s.earth.orbitR}, std::nullopt};
    }
    return {};
}

[[nodiscard]] OrbitCircles interOrbitCircles(const SimState& s, WorldModel model) {
    const Body& p = s.inter;
    switch (model) {
    case WorldModel::Helio:
        return {CircleFigure{0.0, 0.0, p.orbitR}, std::nullopt};
    case WorldModel::Geo: {
        const double d = static_cast<double>(s.earth.orbitR) - p.orbitR;
        return {CircleFigure{s.earth.x, s.earth.y, d},
                CircleFigure{d * s.sun.x, d * s.sun.y, d * p.orbitR / s.earth.orbitR}};
    }
    case WorldModel::Tycho:
        return {std::nullopt, CircleFigure{s.sun.x, s.sun.y, p.orbitR}};
    }
    return {};
}

[[nodiscard]] OrbitCircles superOrbitCircles(const SimState& s, WorldModel model) {
    const Body& p = s.super;
    switch (model) {
    case WorldModel::Helio:
        return {CircleFigure{0.0, 0.0, p.orbitR}, std::nullopt};
    case WorldModel::Geo: {
        const double k = kGeoSuperStretch * s.planZoom;
        const double lambda = p.lon * kDegToRad;
        const double kr = k * p.orbitR;
        return {CircleFigure{s.earth.x, s.earth.y, kr},
                CircleFigure{kr * std::cos(lambda), -kr * std::sin(lambda), k * s.earth.orbitR}};
    }
    case WorldModel::Tycho:
        return {std::nullopt, CircleFigure{s.sun.x, s.sun.y, p.orbitR}};
    }
    return {};
}

// The Earth's and the Sun's routines count their circle as drawn even under a model that gives
// them nothing to draw.
using OrbitRule = OrbitCircles (*)(const SimState&, WorldModel);

// How the figures of one body differ.
struct PlanBodyRow {
    Box diskBox;
    double dotScale; // dot radius in hundredths of planHeight
    OrbitRule orbit;
    Box orbitBox;
    // The box of the line of sight kept in this body's slot. Every line is seen from the Earth;
    // the Earth's own line points at the Sun and is kept in the Sun's slot, so the Earth's slot
    // has none.
    std::optional<Box> sightBox;
};

// In BodyId order: Sun, Earth, Inter, Super.
constexpr std::array<PlanBodyRow, 4> kBodies{{
    {Box::SunDisk, 1.0, &sunOrbitCircles, Box::SunOrbit, Box::EarthSight},
    {Box::EarthDisk, 1.0, &earthOrbitCircles, Box::EarthOrbit, std::nullopt},
    {Box::InterDisk, 1.0, &interOrbitCircles, Box::InterOrbit, Box::InterSight},
    {Box::SuperDisk, 1.5, &superOrbitCircles, Box::SuperOrbit, Box::SuperSight},
}};

// The line to the Sun runs through the origin, so its end lies on the side it runs to; a
// planet's end is the rim point on its line.
[[nodiscard]] constexpr SightSign signOf(BodyId target) {
    return target == BodyId::Sun ? SightSign::ByDirection : SightSign::NearerTheLine;
}

} // namespace

RimPoint sightEnd(float ox, float oy, float tx, float ty, float r, SightSign sign) {
    const double x0 = ox;
    const double y0 = oy;
    const double rr = static_cast<double>(r) * r;
    const double dx = static_cast<double>(tx) - x0;
    const double dy = static_cast<double>(ty) - y0;

    if (dx == 0.0) {
        // Straight up or down the screen from the observer. The observer lies inside the rim, so
        // the root is real; the guard only keeps an impossible call finite.
        double y = std::sqrt(std::max(rr - x0 * x0, 0.0));
        if (ty < oy) {
            y = -y;
        }
        return {ox, static_cast<float>(y)};
    }

    const double m = dy / dx;
    const double b = y0 - m * x0;
    const double a2 = m * m + 1.0;
    const double a1 = 2.0 * m * b;
    const double a0 = b * b - rr;
    const double rootD = std::sqrt(std::max(a1 * a1 - 4.0 * a2 * a0, 0.0));
    // The root on the side towards which the ray runs.
    const double x = tx > ox ? (-a1 + rootD) / (2.0 * a2) : (-a1 - rootD) / (2.0 * a2);
    double y = (x < -r || x > r) ? 0.0 : std::sqrt(rr - x * x);

    if (sign == SightSign::ByDirection) {
        // The line runs through the origin, so it leaves the circle on the side of dy.
        if (ty < oy) {
            y = -y;
        }
    } else {
        // The circle has two points at this x; keep the one on the line. Comparing how far each
        // lies from the line, rather than comparing slopes against a fixed tolerance, keeps the
        // choice right for lines that run almost straight up or down the screen, where slopes
        // are huge and a fixed tolerance flips the end to the wrong side of the rim.
        const auto offLine = [&](double yy) { return std::abs((x - x0) * dy - (yy - y0) * dx); };
        if (offLine(-y) < offLine(y)) {
            y = -y;
        }
    }
    return {static_cast<float>(x), static_cast<float>(y)};
}

PlanView::PlanView(SimState& state, const DisplayBoxes& boxes, Surface& surface)
    : m_state(state), m_boxes(boxes), m_surface(surface) {}

void PlanView::setPlanScale() {
    m_state.planHeight = static_cast<float>(6.0 * m_state.planZoom);
    m_state.planWidth = m_state.planHeight;

    m_surface.setScaleHeight(m_state.planHeight);
    m_surface.setScaleTop(-m_state.planHeight / 2.0F);
    m_surface.setScaleWidth(m_state.planWidth);
    m_surface.setScaleLeft(-m_state.planWidth / 2.0F);

    m_surface.setDrawMode(DrawMode::Copy);
    m_surface.setDrawStyle(DrawStyle::Solid);
    m_surface.setFillColor(0);
    m_surface.setFillStyle(FillStyle::Solid);

    if (m_boxes.value(Box::TopGrid) != 0) {
        drawPlanGrid();
    }
}

void PlanView::drawPlanGrid() {
    m_surface.setDrawMode(DrawMode::Xor);
    m_surface.setDrawStyle(DrawStyle::Dotted);
    m_surface.setDrawWidth(1);
    const double halfWidth = m_state.planWidth / 2.0;
    const double halfHeight = m_state.planHeight / 2.0;
    m_surface.Line(0.0, -halfWidth, 0.0, halfWidth, kYellow);
    m_surface.Line(-halfHeight, 0.0, halfHeight, 0.0, kYellow);
}

// Every figure is forgotten and the surface cleared after, so the order of the erases does not
// show.
void PlanView::clearPlanView() {
    for (std::size_t index = 0; index < kBodies.size(); ++index) {
        const auto id = static_cast<BodyId>(index);
        const PlanBodyRow& row = kBodies[index];
        drawPlan(id, false);
        if (row.sightBox && m_boxes.value(*row.sightBox) == 1) {
            drawSight(id, false);
        }
        if (m_boxes.value(row.orbitBox) == 1) {
            drawOrbit(id, false);
        }
    }
    m_surface.Cls();
}

void PlanView::drawEarthPlan(bool show) {
    drawPlan(BodyId::Earth, show);
}
void PlanView::drawInterPlan(bool show) {
    drawPlan(BodyId::Inter, show);
}
void PlanView::drawSuperPlan(bool show) {
    drawPlan(BodyId::Super, show);
}
void PlanView::drawSunPlan(bool show) {
    drawPlan(BodyId::Sun, show);
}

void PlanView::drawEarthOrbit(bool show) {
    drawOrbit(BodyId::Earth, show);
}
void PlanView::drawSunOrbit(bool show) {
    drawOrbit(BodyId::Sun, show);
}
void PlanView::drawInterOrbit(bool show) {
    drawOrbit(BodyId::Inter, show);
}
void PlanView::drawSuperOrbit(bool show) {
    drawOrbit(BodyId::Super, show);
}

void PlanView::drawEarthSight(bool show) {
    drawSight(BodyId::Sun, show);
}
void PlanView::drawInterSight(bool show) {
    drawSight(BodyId::Inter, show);
}
void PlanView::drawSuperSight(bool show) {
    drawSight(BodyId::Super, show);
}

const PlanMarker& PlanView::marker(BodyId body) const {
    return m_markers[indexOf(body)];
}

const OrbitFigure& PlanView::orbit(BodyId body) const {
    return m_orbits[indexOf(body)];
}

const SightLine& PlanView::sight(BodyId target) const {
    return m_sights[indexOf(target)];
}

void PlanView::drawPlan(BodyId id, bool show) {
    const PlanBodyRow& row = kBodies[indexOf(id)];
    const Body& body = bodyOf(m_state, id);
    PlanMarker& mark = m_markers[indexOf(id)];

    m_surface.setFillColor(body.color);
    m_surface.setFillStyle(FillStyle::Solid);
    m_surface.setDrawStyle(DrawStyle::Solid);
    m_surface.setDrawMode(DrawMode::Xor);

    if (mark.drawn == 1) {
        m_surface.Circle(mark.markX, mark.markY, mark.markR, body.color);
    }
    if (!show) {
        mark.drawn = 0;
        return;
    }
    mark.drawn = 1;
    mark.markX = body.x;
    mark.markY = body.y;
    const double radius = m_boxes.value(row.diskBox) == 1
                              ? (static_cast<double>(m_state.planZoom) + 1.0) * body.size / 2.0
                              : m_state.planHeight * row.dotScale / 100.0;
    mark.markR = static_cast<float>(radius);
    m_surface.Circle(mark.markX, mark.markY, mark.markR, body.color);
}

void PlanView::drawOrbit(BodyId id, bool show) {
    OrbitFigure& orbit = m_orbits[indexOf(id)];
    const OrbitCircles circles = kBodies[indexOf(id)].orbit(m_state, m_state.worldModel);

    m_surface.setDrawMode(DrawMode::Xor);
    m_surface.setDrawStyle(DrawStyle::Dotted);
    m_surface.setFillStyle(FillStyle::Transparent);
    m_surface.setDrawWidth(1);

    auto drawFixed = [&] {
        const CircleFigure& c = *circles.fixed;
        m_surface.Circle(c.x, c.y, c.r, kWhite);
    };

    if (orbit.drawn != 0 && circles.moving) {
        m_surface.Circle(orbit.circX, orbit.circY, orbit.circR, kWhite);
    }

    if (show) {
        if (orbit.drawn == 0) {
            orbit.drawn = 1;
            if (circles.fixed) {
                drawFixed();
            }
        }
        if (circles.moving) {
            orbit.circX = static_cast<float>(circles.moving->x);
            orbit.circY = static_cast<float>(circles.moving->y);
            orbit.circR = static_cast<float>(circles.moving->r);
            m_surface.Circle(orbit.circX, orbit.circY, orbit.circR, kWhite);
        }
        return;
    }

    if (orbit.drawn != 0 && circles.fixed) {
        drawFixed();
    }
    orbit.drawn = 0;
}

void PlanView::drawSight(BodyId target, bool show) {
    SightLine& line = m_sights[indexOf(target)];

    m_surface.setDrawStyle(DrawStyle::Dotted);
    m_surface.setDrawMode(DrawMode::Xor);
    m_surface.setDrawWidth(1);

    // Always from the rim end to the observer: the dot pattern starts at the first point.
    if (line.drawn == 1) {
        m_surface.Line(line.rimX, line.rimY, line.eyeX, line.eyeY, kWhite);
    }
    if (!show) {
        line.drawn = 0;
        return;
    }
    line.drawn = 1;
    const Body& eye = m_state.earth;
    const Body& body = bodyOf(m_state, target);
    const RimPoint end =
        sightEnd(eye.x, eye.y, body.x, body.y, m_state.planHeight / 2.0F, signOf(target));
    line.rimX = end.x;
    line.rimY = end.y;
    line.eyeX = eye.x;
    line.eyeY = eye.y;
    m_surface.Line(line.rimX, line.rimY, line.eyeX, line.eyeY, kWhite);
}

} // namespace vantor
