#include "core/angles.hpp"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <ostream>

namespace vantor {
namespace {

struct AngleCase {
    double arg1;
    double arg2;
    double expected;
};
std::ostream& operator<<(std::ostream& os, const AngleCase& c) {
    return os << std::setprecision(9) << c.arg1 << "_" << c.arg2;
}

class ArcCosTest : public testing::TestWithParam<AngleCase> {};
TEST_P(ArcCosTest, MatchesTenDigitConstants) {
    EXPECT_NEAR(arcCos(GetParam().arg1), GetParam().expected, 1e-10);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ArcCosTest,
    testing::Values(AngleCase{1, 0, 0}, AngleCase{1.0000001, 0, 0}, AngleCase{-1, 0, 3.141592654},
                    AngleCase{-1.0000001, 0, 3.141592654}, AngleCase{0, 0, 1.570796327},
                    AngleCase{0.5, 0, 1.0471975514}, AngleCase{-0.5, 0, 2.0943951026}));

class QuadAtanTest : public testing::TestWithParam<AngleCase> {};
TEST_P(QuadAtanTest, TellsTheHalfPlanesApart) {
    const auto [a, b, expected] = GetParam();
    EXPECT_FLOAT_EQ(quadAtan(static_cast<float>(a), static_cast<float>(b)),
                    static_cast<float>(expected));
}
// The last four: a vertical direction (zero denominator) points by the numerator's sign.
INSTANTIATE_TEST_SUITE_P(Cases, QuadAtanTest,
                         testing::Values(AngleCase{1, 1, 0.7853982}, AngleCase{1, -1, 2.3561945},
                                         AngleCase{-1, -1, 3.9269907}, AngleCase{-1, 1, -0.7853982},
                                         AngleCase{0, 5, 0}, AngleCase{0, -5, 3.141592654},
                                         AngleCase{2, 0, 1.570796327},
                                         AngleCase{-2, -0.0, -1.570796327}, AngleCase{0, 0, 0},
                                         AngleCase{0, -0.0, 0}));

class Norm360Test : public testing::TestWithParam<AngleCase> {};
TEST_P(Norm360Test, ReducesToOneTurn) {
    EXPECT_FLOAT_EQ(norm360(static_cast<float>(GetParam().arg1)),
                    static_cast<float>(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Cases, Norm360Test,
                         testing::Values(AngleCase{725, 0, 5}, AngleCase{359.7, 0, 359.7},
                                         AngleCase{-0.5, 0, 359.5}, AngleCase{-360, 0, 360},
                                         AngleCase{0, 0, 0}, AngleCase{-20, 0, 340},
                                         AngleCase{-380, 0, 340}, AngleCase{720, 0, 0},
                                         AngleCase{0x1p42, 0, 64}, AngleCase{-0x1p42, 0, 296},
                                         AngleCase{0x1p100, 0, 16}));

// The reduction must agree bit for bit with counting whole turns, wherever the count fits.
TEST(Norm360, AgreesWithCountingWholeTurns) {
    for (int i = 0; i < 3900; ++i) {
        const float grown = std::pow(1.007F, static_cast<float>(i)) * 0.9F;
        for (float a : {grown, -grown, std::nextafter(360.0F * static_cast<float>(i), 0.0F)}) {
            const double m = std::fabs(static_cast<double>(a));
            const auto turns = static_cast<std::int64_t>(m / 360.0);
            double r = m - 360.0 * static_cast<double>(turns);
            r = a < 0 ? 360.0 - r : r;
            ASSERT_EQ(norm360(a), static_cast<float>(r)) << a;
        }
    }
}

TEST(Norm360, NonFiniteAnglesComeBackUnchanged) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(norm360(inf), inf);
    EXPECT_EQ(norm360(-inf), -inf);
    EXPECT_TRUE(std::isnan(norm360(std::numeric_limits<float>::quiet_NaN())));
}

} // namespace
} // namespace vantor
