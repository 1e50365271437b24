#include "planviewfixture.hpp"

namespace vantor {
namespace {

// Orbit checks over the view alone or over the window's view.
template <class Fixture> class OrbitChecks : public Fixture {
protected:
    void checkOrbits() {
        for (const Box box : {Box::EarthOrbit, Box::SunOrbit, Box::InterOrbit, Box::SuperOrbit}) {
            this->setBox(box, 1);
        }
    }

    // A dotted circle has a dot at its rightmost point.
    [[nodiscard]] bool whiteNearRightmostPoint(double cx, double cy, double r) const {
        const Spot p = this->pixelOf(cx + r, cy);
        for (int dx = -1; dx <= 1; ++dx) {
            if (this->xorAt(p + Spot(dx, 0)) == 0xFFFFFFu) {
                return true;
            }
        }
        return false;
    }

    [[nodiscard]] static double distance(double x1, double y1, double x2, double y2) {
        return std::hypot(x2 - x1, y2 - y1);
    }
};
using OrbitTest = OrbitChecks<PlanViewTest>;
using OrbitFormTest = OrbitChecks<PlanFormTest>;

TEST_F(OrbitTest, HeliocentricCirclesAreDrawnOnceAndStayWhileTimeRuns) {
    state.interOn = true;
    state.superOn = true;
    checkOrbits();
    view.drawEarthOrbit(true);
    view.drawInterOrbit(true);
    view.drawSuperOrbit(true);
    EXPECT_TRUE(whiteNearRightmostPoint(0.0, 0.0, 1.0));
    EXPECT_TRUE(whiteNearRightmostPoint(0.0, 0.0, 0.4));
    EXPECT_TRUE(whiteNearRightmostPoint(0.0, 0.0, 1.5));
    const Raster circles = surface.Image();

    for (int step = 0; step < 20; ++step) {
        state.simTime += 17.0;
        view.drawEarthOrbit(true);
        view.drawInterOrbit(true);
        view.drawSuperOrbit(true);
    }
    EXPECT_EQ(surface.Image(), circles);

    view.drawEarthOrbit(false);
    view.drawInterOrbit(false);
    view.drawSuperOrbit(false);
    EXPECT_TRUE(showsBackground());
}

TEST_F(OrbitFormTest, GeocentricPlanetsKeepOneDeferentAndOneEpicycleThatCarriesThePlanet) {
    showPlanets();
    checkOrbits();
    chooseModel(WorldModel::Geo);
    ASSERT_FLOAT_EQ(state.planZoom, 2.5F);
    for (int step = 0; step < 60; ++step) {
        state.simTime += 13.0;
        form.redrawAll();
    }

    // The epicycles pass through their planets; the inferior's centre lies on the Earth-Sun
    // line at 0.6 of the Sun's distance, and the radii are those the model places them with.
    const OrbitFigure& inter = view.orbit(BodyId::Inter);
    EXPECT_NEAR(distance(inter.circX, inter.circY, state.inter.x, state.inter.y), 0.24, 1e-5);
    EXPECT_NEAR(inter.circR, 0.24, 1e-6);
    EXPECT_NEAR(inter.circX, 0.6 * state.sun.x, 1e-6);
    EXPECT_NEAR(inter.circY, 0.6 * state.sun.y, 1e-6);
    const OrbitFigure& super = view.orbit(BodyId::Super);
    EXPECT_NEAR(super.circR, 2.95, 1e-5);
    EXPECT_NEAR(distance(super.circX, super.circY, state.super.x, state.super.y), 2.95, 1e-4);
    EXPECT_NEAR(distance(0, 0, super.circX, super.circY), 4.425, 1e-4);

    // After all those steps the view shows what one redraw on a fresh view shows.
    Surface fresh{patternBackground()};
    const ControlBoxes boxes{c};
    PlanView once{state, boxes, fresh};
    once.setPlanScale();
    once.drawEarthPlan(true);
    once.drawSunPlan(true);
    once.drawInterPlan(true);
    once.drawSuperPlan(true);
    once.drawSunOrbit(true);
    once.drawInterOrbit(true);
    once.drawSuperOrbit(true);
    EXPECT_EQ(surface.Image(), fresh.Image());

    form.eraseAllFigures();
    EXPECT_TRUE(showsBackground());
}

TEST_F(OrbitFormTest, TychonicPlanetCirclesFollowTheSunWhoseOwnCircleStays) {
    showPlanets();
    setBox(Box::SunOrbit, 1);
    setBox(Box::InterOrbit, 1);
    setBox(Box::SuperOrbit, 1);
    chooseModel(WorldModel::Tycho);
    view.drawEarthPlan(false);
    view.drawSunPlan(false);
    view.drawInterPlan(false);
    view.drawSuperPlan(false);
    view.drawInterOrbit(false);
    view.drawSuperOrbit(false);
    const Raster sunCircle = surface.Image();
    EXPECT_TRUE(whiteNearRightmostPoint(0.0, 0.0, 1.0));

    for (int step = 0; step < 25; ++step) {
        state.simTime += 11.0;
        calcPositions(state);
        view.drawSunOrbit(true);
        view.drawInterOrbit(true);
        view.drawSuperOrbit(true);
        EXPECT_EQ(view.orbit(BodyId::Inter).circX, state.sun.x);
        EXPECT_EQ(view.orbit(BodyId::Super).circY, state.sun.y);
        EXPECT_TRUE(whiteNearRightmostPoint(state.sun.x, state.sun.y, 1.5));
    }
    view.drawInterOrbit(false);
    view.drawSuperOrbit(false);
    EXPECT_EQ(surface.Image(), sunCircle);
    view.drawSunOrbit(false);
    EXPECT_TRUE(showsBackground());
}

// The Earth's orbit exists only in "helio", the Sun's only in the other two; under a model
// without its circle the routine still counts it as drawn but never touches the surface.
TEST_F(OrbitTest, OrbitWithoutAFigureInTheModelIsRememberedButNeverDrawn) {
    for (const WorldModel model : {WorldModel::Geo, WorldModel::Tycho, WorldModel::Helio}) {
        state.worldModel = model;
        calcPositions(state);
        const bool helio = model == WorldModel::Helio;
        if (helio) {
            view.drawSunOrbit(true);
            EXPECT_EQ(view.orbit(BodyId::Sun).drawn, 1);
            view.drawSunOrbit(false);
            EXPECT_EQ(view.orbit(BodyId::Sun).drawn, 0);
        } else {
            view.drawEarthOrbit(true);
            EXPECT_EQ(view.orbit(BodyId::Earth).drawn, 1);
            view.drawEarthOrbit(false);
            EXPECT_EQ(view.orbit(BodyId::Earth).drawn, 0);
        }
        EXPECT_TRUE(showsBackground()) << worldModelName(model);
    }
}

TEST_F(OrbitTest, UncheckingAnOrbitNeverDrawnChangesNothing) {
    for (const WorldModel model : kWorldModels) {
        state.worldModel = model;
        calcPositions(state);
        view.drawEarthOrbit(false);
        view.drawSunOrbit(false);
        view.drawInterOrbit(false);
        view.drawSuperOrbit(false);
        EXPECT_TRUE(showsBackground()) << worldModelName(model);
    }
}

} // namespace
} // namespace vantor
