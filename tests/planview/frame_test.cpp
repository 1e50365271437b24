#include "planviewfixture.hpp"

namespace vantor {
namespace {

using FrameTest = PlanViewTest;

TEST_F(FrameTest, ScaleSpansSixUnitsTimesTheZoomAndResetsThePen) {
    for (const float zoom : {1.0F, 2.5F}) {
        surface.setDrawMode(DrawMode::Xor);
        surface.setDrawStyle(DrawStyle::Dotted);
        surface.setFillStyle(FillStyle::Transparent);
        surface.setFillColor(0x123456);
        state.planZoom = zoom;
        view.setPlanScale();

        const float half = 3.0F * zoom;
        EXPECT_FLOAT_EQ(state.planHeight, 2.0F * half);
        EXPECT_FLOAT_EQ(state.planWidth, 2.0F * half);
        EXPECT_FLOAT_EQ(surface.mapping().scaleLeft(), -half);
        EXPECT_FLOAT_EQ(surface.mapping().scaleTop(), -half);
        EXPECT_FLOAT_EQ(surface.mapping().scaleWidth(), 2.0F * half);
        EXPECT_FLOAT_EQ(surface.mapping().scaleHeight(), 2.0F * half);
        EXPECT_EQ(surface.drawMode(), DrawMode::Copy);
        EXPECT_EQ(surface.drawStyle(), DrawStyle::Solid);
        EXPECT_EQ(surface.fillStyle(), FillStyle::Solid);
        EXPECT_EQ(surface.fillColor(), 0u);
        EXPECT_TRUE(showsBackground());
    }
}

TEST_F(FrameTest, GridIsTwoYellowAxesDrawnForAnyNonZeroGridBox) {
    boxes[Box::TopGrid] = 2;
    view.setPlanScale();
    // Both axes are dotted and start with a dot at their first point, the top and left edges.
    EXPECT_EQ(xorAt(pixelOf(0.0, -2.999)), 0x00FFFFu);
    EXPECT_EQ(xorAt(pixelOf(-2.999, 0.0)), 0x00FFFFu);
    EXPECT_EQ(xorAt(pixelOf(1.0, 1.0)), 0u);

    view.drawPlanGrid();
    EXPECT_TRUE(showsBackground()) << "a second grid removes the first";
}

TEST_F(FrameTest, ClearingForgetsEveryFigureButErasesOnlyThoseWhoseBoxIsCheckedWithOne) {
    for (const Box box : {Box::EarthSight, Box::InterSight, Box::SuperSight, Box::EarthOrbit,
                          Box::InterOrbit, Box::SuperOrbit}) {
        boxes[box] = 1;
    }
    for (const Routine figure :
         {&PlanView::drawSunPlan, &PlanView::drawEarthPlan, &PlanView::drawInterPlan,
          &PlanView::drawSuperPlan, &PlanView::drawEarthSight, &PlanView::drawInterSight,
          &PlanView::drawSuperSight, &PlanView::drawEarthOrbit, &PlanView::drawInterOrbit,
          &PlanView::drawSuperOrbit}) {
        (view.*figure)(true);
    }
    // A box whose value is not 1 does not count as checked: that routine keeps its figure.
    boxes[Box::InterSight] = 2;
    boxes[Box::SuperOrbit] = 0;

    view.clearPlanView();

    EXPECT_TRUE(showsBackground());
    for (const BodyId body : {BodyId::Sun, BodyId::Earth, BodyId::Inter, BodyId::Super}) {
        EXPECT_EQ(view.marker(body).drawn, 0);
    }
    EXPECT_EQ(view.sight(BodyId::Sun).drawn, 0);
    EXPECT_EQ(view.sight(BodyId::Super).drawn, 0);
    EXPECT_EQ(view.orbit(BodyId::Earth).drawn, 0);
    EXPECT_EQ(view.orbit(BodyId::Inter).drawn, 0);
    EXPECT_EQ(view.sight(BodyId::Inter).drawn, 1);
    EXPECT_EQ(view.orbit(BodyId::Super).drawn, 1);
}

TEST_F(PlanFormTest, RedrawingWithoutATimeChangeLeavesTheViewAsItWas) {
    showPlanets();
    for (int b = 0; b < static_cast<int>(Box::TopGrid); ++b) {
        setBox(static_cast<Box>(b), 1);
    }
    for (const WorldModel model : kWorldModels) {
        chooseModel(model);
        state.simTime += 40.0;
        form.redrawAll();
        const Raster once = surface.Image();
        form.redrawAll();
        EXPECT_EQ(surface.Image(), once) << worldModelName(model);
        EXPECT_FALSE(showsBackground()) << worldModelName(model);
    }
}

} // namespace
} // namespace vantor
