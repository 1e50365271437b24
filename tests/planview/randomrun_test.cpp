#include "planviewfixture.hpp"

#include <random>

namespace vantor {
namespace {

// Drives the view the way the window does (clock steps, model choices, body, disk, orbit, sight
// and grid boxes) in a long random sequence, then erases every figure through its own routine:
// the view must come back to its background exactly, so no figure was ever erased with other
// geometry than it was drawn with, or left behind.
class RandomRunTest : public PlanViewTest, public testing::WithParamInterface<unsigned> {
protected:
    struct BodyBoxes {
        BodyId body;
        bool* on;
        Box orbit;
        Box sight; // the sight box that goes off with the body
        Box disk;
    };

    // Hiding a body erases its marker and unchecks its orbit and sight boxes.
    void hideBody(const BodyBoxes& b) {
        *b.on = false;
        drawPlan(b.body, false);
        uncheck(b.orbit);
        uncheck(b.sight);
    }

    void uncheck(Box box) {
        if (boxes[box] != 1) {
            return;
        }
        boxes[box] = 0;
        const std::array<std::pair<Box, Routine>, 7> routines{{
            {Box::SunOrbit, &PlanView::drawSunOrbit},
            {Box::EarthOrbit, &PlanView::drawEarthOrbit},
            {Box::InterOrbit, &PlanView::drawInterOrbit},
            {Box::SuperOrbit, &PlanView::drawSuperOrbit},
            {Box::EarthSight, &PlanView::drawEarthSight},
            {Box::InterSight, &PlanView::drawInterSight},
            {Box::SuperSight, &PlanView::drawSuperSight},
        }};
        for (const auto& [b, routine] : routines) {
            if (b == box) {
                (view.*routine)(false);
            }
        }
    }

    void setZoomForSuper() {
        view.clearPlanView();
        state.planZoom = planZoomFor(state.worldModel, state.superOn);
        view.setPlanScale();
    }
};

TEST_P(RandomRunTest, ErasingEveryFigureRestoresTheBackground) {
    std::mt19937 rng(GetParam());
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::array<BodyBoxes, 4> bodies{{
        {BodyId::Earth, &state.earthOn, Box::EarthOrbit, Box::EarthSight, Box::EarthDisk},
        {BodyId::Sun, &state.sunOn, Box::SunOrbit, Box::EarthSight, Box::SunDisk},
        {BodyId::Inter, &state.interOn, Box::InterOrbit, Box::InterSight, Box::InterDisk},
        {BodyId::Super, &state.superOn, Box::SuperOrbit, Box::SuperSight, Box::SuperDisk},
    }};
    const std::array<Box, 7> figureBoxes{Box::EarthOrbit, Box::SunOrbit,   Box::InterOrbit,
                                         Box::SuperOrbit, Box::EarthSight, Box::InterSight,
                                         Box::SuperSight};
    redrawAll();

    for (int op = 0; op < 1500; ++op) {
        switch (pick(8)) {
        case 0:
        case 1:
        case 2:
            state.simTime += std::array<double, 4>{1.0, 3.0, 10.0, 365.25 / 12.0}[pick(4)] *
                             (pick(3) == 0 ? -1.0 : 1.0);
            redrawAll();
            break;
        case 3:
            chooseModel(kWorldModels.at(static_cast<std::size_t>(pick(3))));
            break;
        case 4: {
            const BodyBoxes& b = bodies[static_cast<std::size_t>(pick(4))];
            if (*b.on) {
                hideBody(b);
            } else {
                *b.on = true;
                if (b.on == &state.superOn && state.worldModel == WorldModel::Geo) {
                    setZoomForSuper();
                }
                redrawAll();
            }
            if (b.on == &state.superOn && !state.superOn && state.worldModel == WorldModel::Geo) {
                setZoomForSuper();
            }
            break;
        }
        case 5: {
            const Box box = figureBoxes[static_cast<std::size_t>(pick(7))];
            if (boxes[box] == 1) {
                uncheck(box);
            } else {
                boxes[box] = 1;
                redrawAll();
            }
            break;
        }
        case 6:
            boxes[bodies[static_cast<std::size_t>(pick(4))].disk] ^= 1;
            redrawAll();
            break;
        default:
            boxes[Box::TopGrid] ^= 1;
            view.clearPlanView();
            view.setPlanScale();
            redrawAll();
            break;
        }
    }

    eraseEveryFigure();
    if (boxes[Box::TopGrid] != 0) {
        view.drawPlanGrid();
    }
    EXPECT_TRUE(showsBackground());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRunTest, testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace vantor
