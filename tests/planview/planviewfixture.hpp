#pragma once

#include "core/displayboxes.hpp"
#include "core/positions.hpp"
#include "core/worldmodel.hpp"
#include "planview/planview.hpp"
#include "surface/surface.hpp"
#include "tests/core/startedstate.hpp"
#include "tests/surface/patterned.hpp"
#include "window/controlboxes.hpp"
#include "window/retroform.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>

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

// The plan view's background: 223 x 224, patterned.
[[nodiscard]] inline Raster patternBackground() {
    return test::patternedRaster(223, 224);
}

// What the tests read off a plan surface: pixel positions of plan points and the figures'
// colours over the background.
class PlanPixels {
protected:
    // Called by the fixture once its state and surface exist.
    void watch(const SimState& state, const Surface& surface) {
        m_state = &state;
        m_surface = &surface;
    }

    // The pixel in which a plan point falls: the top-left corner of pixel (0, 0) is the scale's
    // left and top.
    [[nodiscard]] Spot pixelOf(double x, double y) const {
        const double left = -m_state->planWidth / 2.0;
        const double top = -m_state->planHeight / 2.0;
        return {
            static_cast<int>(std::floor((x - left) / m_state->planWidth * m_surface->width())),
            static_cast<int>(std::floor((y - top) / m_state->planHeight * m_surface->height()))};
    }

    [[nodiscard]] double pixelsPerUnit() const { return m_surface->width() / m_state->planWidth; }

    // What the figures on a pixel add to the background, in the program's colour layout.
    [[nodiscard]] Color xorAt(Spot p) const {
        const Pixel v =
            (m_surface->Image().pixel(p.x(), p.y()) ^ m_surface->Picture().pixel(p.x(), p.y())) &
            0xFFFFFFu;
        return ((v >> 16) & 0xFFu) | (v & 0xFF00u) | ((v & 0xFFu) << 16);
    }

    [[nodiscard]] bool showsBackground() const {
        return m_surface->Image() == m_surface->Picture();
    }

    using Routine = void (PlanView::*)(bool);
    // In BodyId order: Sun, Earth, Inter, Super.
    static constexpr std::array<Routine, 4> kPlanRoutines{
        &PlanView::drawSunPlan, &PlanView::drawEarthPlan, &PlanView::drawInterPlan,
        &PlanView::drawSuperPlan};

private:
    const SimState* m_state = nullptr;
    const Surface* m_surface = nullptr;
};

// A plan view alone over a started state on the patterned background, with the scale set and
// the boxes as a plain table.
class PlanViewTest : public testing::Test, protected PlanPixels {
protected:
    PlanViewTest() {
        watch(state, surface);
        view.setPlanScale();
    }

    void drawPlan(BodyId body, bool show) {
        (view.*kPlanRoutines[static_cast<std::size_t>(body)])(show);
    }
    void setBox(Box b, int value) { boxes[b] = value; }

    SimState state = startedState();
    TestBoxes boxes;
    Surface surface{patternBackground()};
    PlanView view{state, boxes, surface};
};

// The window's plan view, on the patterned background, driven through the window's own controls
// and routines: started as the program starts, then with the plan grid turned off.
class PlanFormTest : public testing::Test, protected PlanPixels {
protected:
    PlanFormTest() {
        watch(state, surface);
        form.startUp();
        c.topGridChk.setValue(0);
    }

    [[nodiscard]] CheckBox& box(Box b) { return c.*boxControl(b); }
    // A write to the box from code, which runs its action.
    void setBox(Box b, int value) { box(b).setValue(value); }

    // Shows both planets through their boxes, as a user does.
    void showPlanets() {
        c.interChk.setValue(1);
        c.superChk.setValue(1);
    }

    // Clicks the model's option button.
    void chooseModel(WorldModel model) {
        const auto* option = std::find(kWorldModels.begin(), kWorldModels.end(), model);
        c.modelOpt.click(static_cast<int>(option - kWorldModels.begin()));
    }

    void drawPlan(BodyId body, bool show) {
        (view.*kPlanRoutines[static_cast<std::size_t>(body)])(show);
    }

    RetroForm form{Platform{}, patternBackground(), Raster(471, 159)};
    Controls& c = form.controls();
    SimState& state = form.state();
    Surface& surface = form.planSurface();
    PlanView& view = form.planViewRoom();
};

} // namespace vantor
