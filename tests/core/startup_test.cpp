#include "core/startup.hpp"
#include "startedstate.hpp"

#include <gtest/gtest.h>
#include <ostream>

namespace vantor {
namespace {

TEST(StartUp, SetsTheStartValuesOverAnEmptyState) {
    const SimState before;
    EXPECT_FALSE(before.stopped || before.sunOn || before.earthOn);
    EXPECT_TRUE(before.verStr.empty());
    EXPECT_EQ(before.stars.size(), static_cast<std::size_t>(kStarTableSize));

    const SimState s = startedState();
    EXPECT_TRUE(s.stopped && s.sunOn && s.earthOn);
    EXPECT_FALSE(s.interOn || s.superOn);
    EXPECT_EQ(s.worldModel, WorldModel::Helio);
    EXPECT_EQ(s.planZoom, 1.0F);
    EXPECT_EQ(s.simTime, 0.0);
    EXPECT_EQ(s.stepDays, 3.0);
    EXPECT_EQ(s.runDir, 1.0);
    EXPECT_EQ(s.verStr + " " + s.verDate, "2.00 00.05.22");
    const std::array<double, 11> steps{1, 3, 10, 30.4375, 1, 1, 1, 1, 1, 0, 0};
    EXPECT_EQ(s.stepTable, steps);
    EXPECT_EQ(s.inter.lit, 1.0F);
}

struct BodyCase {
    const char* name;
    Body SimState::*body;
    float orbitR;
    double rate;
    double periodDays;
    Color color;
};
std::ostream& operator<<(std::ostream& os, const BodyCase& c) {
    return os << c.name;
}

class BodyConstantsTest : public testing::TestWithParam<BodyCase> {};
TEST_P(BodyConstantsTest, RateFollowsFromOrbitRadius) {
    const BodyCase& c = GetParam();
    const SimState s = startedState();
    const Body& b = s.*c.body;
    EXPECT_EQ(b.orbitR, c.orbitR);
    EXPECT_NEAR(b.rate, c.rate, 5e-7);
    EXPECT_NEAR(360.0 / b.rate, c.periodDays, 1e-3);
    EXPECT_EQ(b.color, c.color);
}
INSTANTIATE_TEST_SUITE_P(
    Bodies, BodyConstantsTest,
    testing::Values(BodyCase{"earth", &SimState::earth, 1.0F, 0.985608, 365.2568, 0xFF0000},
                    BodyCase{"super", &SimState::super, 1.5F, 0.536497, 671.02, 0x0000FF},
                    BodyCase{"inter", &SimState::inter, 0.4F, 3.895958, 92.403, 0xFF00FF}));

} // namespace
} // namespace vantor
