#include "planviewfixture.hpp"

#include <random>

namespace vantor {
namespace {

// Drives the window the way a user does (clock steps both ways, model choices, body, disk,
// orbit, sight and grid boxes) in a long random sequence, then erases every figure through its
// own routine: the plan view must come back to its background exactly, so no figure was ever
// erased with other geometry than it was drawn with, or left behind.
class RandomRunTest : public PlanFormTest, public testing::WithParamInterface<unsigned> {};

TEST_P(RandomRunTest, ErasingEveryFigureRestoresTheBackground) {
    std::mt19937 rng(GetParam());
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::array<CheckBox*, 4> bodyBoxes{&c.earthChk, &c.sunChk, &c.interChk, &c.superChk};
    const std::array<Box, 7> figureBoxes{Box::EarthOrbit, Box::SunOrbit,   Box::InterOrbit,
                                         Box::SuperOrbit, Box::EarthSight, Box::InterSight,
                                         Box::SuperSight};
    const std::array<Box, 4> diskBoxes{Box::EarthDisk, Box::SunDisk, Box::InterDisk,
                                       Box::SuperDisk};

    for (int op = 0; op < 1500; ++op) {
        switch (pick(8)) {
        case 0:
        case 1:
        case 2:
            c.dtOpt.click(pick(4));
            (pick(3) == 0 ? c.BstepBut : c.FstepBut).click();
            break;
        case 3:
            chooseModel(kWorldModels.at(static_cast<std::size_t>(pick(3))));
            break;
        case 4:
            bodyBoxes[static_cast<std::size_t>(pick(4))]->click();
            break;
        case 5:
            box(figureBoxes[static_cast<std::size_t>(pick(7))]).click();
            break;
        case 6:
            box(diskBoxes[static_cast<std::size_t>(pick(4))]).click();
            break;
        default:
            c.topGridChk.click();
            break;
        }
    }

    form.eraseAllFigures();
    if (c.topGridChk.value() != 0) {
        view.drawPlanGrid();
    }
    EXPECT_TRUE(showsBackground());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRunTest, testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace vantor
