#include "core/positions.hpp"
#include "startedstate.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <ostream>
#include <string>
#include <tuple>

namespace vantor {
namespace {

// Figures given to six decimals hold within half a unit of the sixth decimal plus float rounding.
constexpr double kSix = 6e-7;

[[nodiscard]] SimState computed(const char* model, double time, float zoom = 1.0F) {
    SimState s = startedState();
    // Compute another model first, so that fields this model must clear are dirty.
    s.worldModel = std::string(model) == "helio" ? "tycho" : "helio";
    s.simTime = 37.0;
    calcPositions(s);
    s.worldModel = model;
    s.simTime = time;
    s.planZoom = zoom;
    calcPositions(s);
    return s;
}

struct PlanCase {
    const char* model;
    float zoom;
    double time;
    float sunX, sunY, earthX, earthY, interX, interY, lit, superX, superY;
};
std::ostream& operator<<(std::ostream& os, const PlanCase& c) {
    return os << c.model << "_zoom" << c.zoom << "_day" << c.time;
}

class PlanPositionsTest : public testing::TestWithParam<PlanCase> {};
TEST_P(PlanPositionsTest, MatchesTheWorkedFigures) {
    const PlanCase& c = GetParam();
    const SimState s = computed(c.model, c.time, c.zoom);
    const float actual[] = {s.sun.x,   s.sun.y,     s.earth.x, s.earth.y, s.inter.x,
                            s.inter.y, s.inter.lit, s.super.x, s.super.y};
    const float expected[] = {c.sunX,   c.sunY, c.earthX, c.earthY, c.interX,
                              c.interY, c.lit,  c.superX, c.superY};
    for (std::size_t i = 0; i < std::size(actual); ++i) {
        EXPECT_NEAR(actual[i], expected[i], kSix) << "figure " << i;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Figures, PlanPositionsTest,
    testing::Values(
        PlanCase{"helio", 1, 0, 0, 0, 1, 0, 0.375877, 0.136808, 0.173648, 1.299038, -0.75},
        PlanCase{"helio", 2.5, 0, 0, 0, 1, 0, 0.375877, 0.136808, 0.173648, 1.299038, -0.75},
        PlanCase{"tycho", 1, 0, -1, 0, 0, 0, -0.624123, 0.136808, 1, 0.299038, -0.75},
        PlanCase{"tycho", 2.5, 0, -1, 0, 0, 0, -0.624123, 0.136808, 1, 0.299038, -0.75},
        PlanCase{"geo", 1, 0, -1, 0, 0, 0, -0.374474, 0.082085, 1, 0.352865, -0.885},
        PlanCase{"geo", 2.5, 0, -1, 0, 0, 0, -0.374474, 0.082085, 1, 0.882163, -2.2125},
        PlanCase{"helio", 1, 100, 0, 0, -0.148859, -0.988858, 0.394403, -0.066678, 0.700692,
                 0.16591, -1.490796},
        PlanCase{"tycho", 1, 100, 0.148859, 0.988858, 0, 0, 0.543262, 0.92218, 1, 0.314769,
                 -0.501938},
        PlanCase{"geo", 1, 100, 0.148859, 0.988858, 0, 0, 0.325957, 0.553308, 1, 0.371427,
                 -0.592287}));

TEST(HelioPositions, LongitudesLatitudesAndHeightsAtDay100) {
    const SimState s = computed("helio", 100);
    EXPECT_NEAR(s.earth.lon, 98.5608, 5e-5);
    EXPECT_NEAR(s.inter.lon, 369.5958, 5e-5); // not reduced to one turn
    EXPECT_NEAR(s.super.lon, 83.6497, 5e-5);
    EXPECT_NEAR(s.inter.lat, 0.987755, kSix);
    EXPECT_NEAR(s.super.lat, 0.805408, kSix);
    EXPECT_NEAR(s.inter.z, 0.006895, kSix);
    EXPECT_NEAR(s.super.z, 0.021085, kSix);
    const SimState start = computed("helio", 0);
    EXPECT_NEAR(start.inter.lat, 0.0, 1e-6);
    EXPECT_NEAR(start.inter.z, 0.0, 1e-6);
}

TEST(CalcPositions, UnknownModelChangesNothing) {
    const auto fields = [](const Body& b) {
        return std::tie(b.orbitR, b.incl, b.lon0, b.rate, b.lon, b.lat, b.x, b.y, b.z, b.size,
                        b.color, b.lit);
    };
    for (const char* model : {"Helio", "", "geo ", "tycho2", "heliocentric"}) {
        SimState s = computed("tycho", 100);
        const SimState before = s;
        s.worldModel = model;
        s.simTime = 250.0;
        calcPositions(s);
        for (Body SimState::*b :
             {&SimState::sun, &SimState::earth, &SimState::inter, &SimState::super}) {
            EXPECT_TRUE(fields(s.*b) == fields(before.*b)) << model;
        }
    }
}

// Seen from the Earth every body lies in the same direction in every model; the geocentric
// planets are only moved along that line (inferior by 0.6, superior by 1.18 times the zoom).
class SameSkyTest : public testing::TestWithParam<double> {};
TEST_P(SameSkyTest, DirectionFromTheEarthAgrees) {
    const double t = GetParam();
    const SimState helio = computed("helio", t);
    const SimState tycho = computed("tycho", t);
    const SimState geo = computed("geo", t);
    const SimState geoZoomed = computed("geo", t, 2.5F);
    const struct {
        Body SimState::*body;
        double geoScale;
    } bodies[] = {{&SimState::sun, 1.0}, {&SimState::inter, 0.6}, {&SimState::super, 1.18}};
    for (const auto& [body, scale] : bodies) {
        const double dx = (helio.*body).x - helio.earth.x;
        const double dy = (helio.*body).y - helio.earth.y;
        EXPECT_NEAR((tycho.*body).x, dx, 2e-6);
        EXPECT_NEAR((tycho.*body).y, dy, 2e-6);
        EXPECT_NEAR((geo.*body).x, dx * scale, 3e-6);
        EXPECT_NEAR((geo.*body).y, dy * scale, 3e-6);
        const double zoomScale = body == &SimState::super ? scale * 2.5 : scale;
        EXPECT_NEAR((geoZoomed.*body).x, dx * zoomScale, 6e-6);
        EXPECT_NEAR((geoZoomed.*body).y, dy * zoomScale, 6e-6);
        EXPECT_EQ((geo.*body).z, (helio.*body).z);
        // The latitude follows the longitude reduced to one turn, so it stays true after many.
        const Body& p = helio.*body;
        const double turn = std::fmod(std::fmod(p.lon, 360.0) + 360.0, 360.0);
        EXPECT_NEAR(p.lat, p.incl * std::sin((turn - p.lon0) * std::numbers::pi / 180.0), 2e-6);
    }
}
INSTANTIATE_TEST_SUITE_P(Times, SameSkyTest,
                         testing::Values(-100000.0, -36525.0, -1000.0, -100.0, -3.0, 0.0, 1.0, 45.7,
                                         100.0, 445.25, 1000.0, 36525.0, 100000.0));

} // namespace
} // namespace vantor
