#pragma once

#include "core/displayboxes.hpp"
#include "core/positions.hpp"
#include "planview/planview.hpp"
#include "surface/surface.hpp"
#include "tests/core/startedstate.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>

namespace vantor {

// A pixel position on the surface.
struct Spot {
    int px{0};
    int py{0};
    [[nodiscard]] int x() const { return px; }
    [[nodiscard]] int y() const { return py; }
    friend Spot operator+(Spot a, Spot b) { return {a.px + b.px, a.py + b.py}; }
};

// The check boxes as a plain table, all off unless a test sets them.
struct TestBoxes final : DisplayBoxes {
    std::array<int, 16> values{};
    [[nodiscard]] int value(Box box) const override {
        return values[static_cast<std::size_t>(box)];
    }
    int& operator[](Box box) { return values[static_cast<std::size_t>(box)]; }
};

// A background every pixel of which differs from its neighbours, so that a figure erased at the
// wrong place or drawn twice shows.
[[nodiscard]] inline Raster patternBackground() {
    Raster image(223, 224);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto red = static_cast<Pixel>((x * 37) & 0xFF);
            const auto green = static_cast<Pixel>((y * 59) & 0xFF);
            const auto blue = static_cast<Pixel>(((x + y) * 13) & 0xFF);
            image.setPixel(x, y, 0xFF000000u | red << 16 | green << 8 | blue);
        }
    }
    return image;
}

// A plan view over a started state on the patterned background, with the scale set, and the
// window's full redraw and model change as its callers run them.
class PlanViewTest : public testing::Test {
protected:
    PlanViewTest() { view.setPlanScale(); }

    [[nodiscard]] bool checked(Box box) const { return boxes.value(box) == 1; }

    void redrawAll() {
        calcPositions(state);
        if (state.earthOn) {
            view.drawEarthPlan(true);
            if (checked(Box::EarthSight)) {
                view.drawEarthSight(true);
            }
            if (checked(Box::EarthOrbit)) {
                view.drawEarthOrbit(true);
            }
        }
        if (state.sunOn) {
            view.drawSunPlan(true);
            if (checked(Box::SunOrbit)) {
                view.drawSunOrbit(true);
            }
        }
        if (state.interOn) {
            view.drawInterPlan(true);
            if (checked(Box::InterSight)) {
                view.drawInterSight(true);
            }
            if (checked(Box::InterOrbit)) {
                view.drawInterOrbit(true);
            }
        }
        if (state.superOn) {
            view.drawSuperPlan(true);
            if (checked(Box::SuperSight)) {
                view.drawSuperSight(true);
            }
            if (checked(Box::SuperOrbit)) {
                view.drawSuperOrbit(true);
            }
        }
    }

    void chooseModel(WorldModel model) {
        view.clearPlanView();
        state.planZoom = planZoomFor(model, state.superOn);
        view.setPlanScale();
        state.worldModel = model;
        redrawAll();
    }

    using Routine = void (PlanView::*)(bool);
    // In BodyId order: Sun, Earth, Inter, Super.
    static constexpr std::array<Routine, 4> kPlanRoutines{
        &PlanView::drawSunPlan, &PlanView::drawEarthPlan, &PlanView::drawInterPlan,
        &PlanView::drawSuperPlan};
    static constexpr std::array<Routine, 4> kOrbitRoutines{
        &PlanView::drawSunOrbit, &PlanView::drawEarthOrbit, &PlanView::drawInterOrbit,
        &PlanView::drawSuperOrbit};

    void drawPlan(BodyId body, bool show) {
        (view.*kPlanRoutines[static_cast<std::size_t>(body)])(show);
    }

    // Every figure routine with show false, whatever the boxes say.
    void eraseEveryFigure() {
        for (const Routine r : kPlanRoutines) {
            (view.*r)(false);
        }
        view.drawEarthSight(false);
        view.drawInterSight(false);
        view.drawSuperSight(false);
        for (const Routine r : kOrbitRoutines) {
            (view.*r)(false);
        }
    }

    // The pixel in which a plan point falls: the top-left corner of pixel (0, 0) is the scale's
    // left and top.
    [[nodiscard]] Spot pixelOf(double x, double y) const {
        const double left = -state.planWidth / 2.0;
        const double top = -state.planHeight / 2.0;
        return {static_cast<int>(std::floor((x - left) / state.planWidth * surface.width())),
                static_cast<int>(std::floor((y - top) / state.planHeight * surface.height()))};
    }

    [[nodiscard]] double pixelsPerUnit() const { return surface.width() / state.planWidth; }

    // What the figures on a pixel add to the background, in the program's colour layout.
    [[nodiscard]] Color xorAt(Spot p) const {
        const Pixel v =
            (surface.Image().pixel(p.x(), p.y()) ^ surface.Picture().pixel(p.x(), p.y())) &
            0xFFFFFFu;
        return ((v >> 16) & 0xFFu) | (v & 0xFF00u) | ((v & 0xFFu) << 16);
    }

    [[nodiscard]] bool showsBackground() const { return surface.Image() == surface.Picture(); }

    SimState state = startedState();
    TestBoxes boxes;
    Surface surface{patternBackground()};
    PlanView view{state, boxes, surface};
};

} // namespace vantor
