#include "planviewfixture.hpp"

#include <random>

namespace vantor {
namespace {

// The end lies on the rim circle, on the ray from the observer through the target and beyond
// the target.
void expectEndOnRayAtRim(RimPoint end, double ox, double oy, double tx, double ty, double r) {
    EXPECT_NEAR(std::hypot(end.x, end.y), r, 1e-4 * r);
    const double dx = tx - ox;
    const double dy = ty - oy;
    const double ex = end.x - ox;
    const double ey = end.y - oy;
    const double len = std::hypot(dx, dy);
    EXPECT_NEAR((dx * ey - dy * ex) / len, 0.0, 1e-4 * r) << "off the line";
    EXPECT_GT((dx * ex + dy * ey) / len, len) << "not beyond the target";
}

TEST(SightEnd, VerticalLineEndsOnTheTargetsSideOfTheRim) {
    for (const float r : {3.0F, 7.5F}) {
        for (const SightSign sign : {SightSign::ByDirection, SightSign::NearerTheLine}) {
            const RimPoint down = sightEnd(0.6F, -0.8F, 0.6F, 0.4F, r, sign);
            EXPECT_FLOAT_EQ(down.x, 0.6F);
            EXPECT_FLOAT_EQ(down.y, std::sqrt(r * r - 0.36F));
            const RimPoint up = sightEnd(0.6F, -0.8F, 0.6F, -1.4F, r, sign);
            EXPECT_FLOAT_EQ(up.x, 0.6F);
            EXPECT_FLOAT_EQ(up.y, -std::sqrt(r * r - 0.36F));
        }
    }
}

TEST(SightEnd, PlanetLinesPickTheRimPointOnTheirRayFromAnyObserverInside) {
    std::mt19937 rng(20240522);
    std::uniform_real_distribution<float> unit(-1.0F, 1.0F);
    for (int i = 0; i < 2000; ++i) {
        const float r = i % 2 == 0 ? 3.0F : 7.5F;
        const float ox = unit(rng);
        const float oy = unit(rng);
        const float tx = ox + 2.0F * unit(rng);
        const float ty = oy + 2.0F * unit(rng);
        // Targets, like every body, lie inside the rim.
        if (tx == ox || std::hypot(tx - ox, ty - oy) < 0.05F || std::hypot(tx, ty) > 0.95F * r) {
            continue;
        }
        expectEndOnRayAtRim(sightEnd(ox, oy, tx, ty, r, SightSign::NearerTheLine), ox, oy, tx, ty,
                            r);
    }
}

// A planet almost straight above or below the Earth on the screen: slopes in the millions.
TEST(SightEnd, NearlyVerticalPlanetLinesEndOnTheTargetsSide) {
    for (const float step : {1e-6F, 1e-5F, 1e-4F, -1e-6F, -1e-4F}) {
        for (const float ty : {0.9F, -0.9F}) {
            const RimPoint end =
                sightEnd(0.3F, 0.1F, 0.3F + step, ty, 3.0F, SightSign::NearerTheLine);
            EXPECT_EQ(end.y > 0, ty > 0.1F) << "step " << step << " ty " << ty;
            EXPECT_NEAR(end.x, 0.3F, 1e-3F);
        }
    }
}

class SightTest : public PlanFormTest, public testing::WithParamInterface<WorldModel> {};

TEST_P(SightTest, LinesEndOnTheRimBeyondTheirTargetsAtEveryStepAndZoom) {
    showPlanets();
    setBox(Box::EarthSight, 1);
    setBox(Box::InterSight, 1);
    setBox(Box::SuperSight, 1);
    chooseModel(GetParam());
    const double r = state.planHeight / 2.0;
    for (int step = 0; step < 120; ++step) {
        state.simTime += 7.0;
        form.redrawAll();
        const std::array<std::pair<BodyId, const Body*>, 3> lines{{{BodyId::Sun, &state.sun},
                                                                   {BodyId::Inter, &state.inter},
                                                                   {BodyId::Super, &state.super}}};
        for (const auto& [target, body] : lines) {
            const SightLine& line = view.sight(target);
            ASSERT_EQ(line.drawn, 1);
            EXPECT_EQ(line.eyeX, state.earth.x);
            EXPECT_EQ(line.eyeY, state.earth.y);
            expectEndOnRayAtRim({line.rimX, line.rimY}, line.eyeX, line.eyeY, body->x, body->y, r);
        }
        if (GetParam() == WorldModel::Helio) {
            // The Earth's line passes the Sun at the origin to the opposite point of the rim.
            const double e = std::hypot(state.earth.x, state.earth.y);
            EXPECT_NEAR(view.sight(BodyId::Sun).rimX, -r * state.earth.x / e, 1e-5);
            EXPECT_NEAR(view.sight(BodyId::Sun).rimY, -r * state.earth.y / e, 1e-5);
        }
    }
    view.drawEarthSight(false);
    view.drawInterSight(false);
    view.drawSuperSight(false);
    view.drawEarthPlan(false);
    view.drawSunPlan(false);
    view.drawInterPlan(false);
    view.drawSuperPlan(false);
    EXPECT_TRUE(showsBackground());
    view.drawSuperSight(false);
    EXPECT_TRUE(showsBackground()) << "show false on an erased line draws nothing";
}

INSTANTIATE_TEST_SUITE_P(Models, SightTest, testing::ValuesIn(kWorldModels));

TEST_F(PlanViewTest, SightLineStartsItsDotsAtTheRimEnd) {
    state.interOn = true;
    calcPositions(state);
    view.drawInterSight(true);
    const SightLine& line = view.sight(BodyId::Inter);
    const Spot rim = pixelOf(line.rimX, line.rimY);
    ASSERT_TRUE(rim.x() >= 0 && rim.x() < surface.width() && rim.y() >= 0 &&
                rim.y() < surface.height());
    EXPECT_EQ(xorAt(rim), 0xFFFFFFu);
    view.drawInterSight(false);
    EXPECT_TRUE(showsBackground());
}

} // namespace
} // namespace vantor
