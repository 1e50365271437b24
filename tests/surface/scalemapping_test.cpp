#include "surface/scalemapping.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace vantor {
namespace {

TEST(ScaleMapping, DefaultsToThePixelGrid) {
    const ScaleMapping mapping(223, 224);
    const PixelPoint p = mapping.toPixel(10.25, 7.5);
    EXPECT_DOUBLE_EQ(p.x, 10.25);
    EXPECT_DOUBLE_EQ(p.y, 7.5);
    EXPECT_EQ(mapping.scaleWidth(), 223.0F);
    EXPECT_EQ(mapping.scaleHeight(), 224.0F);
}

TEST(ScaleMapping, SkyMapCornersCentreAndRadius) {
    ScaleMapping sky(471, 159);
    sky.setScaleHeight(50.0F);
    sky.setScaleTop(-25.0F);
    sky.setScaleWidth(360.0F);
    sky.setScaleLeft(0.0F);
    const PixelPoint topLeft = sky.toPixel(0, -25);
    EXPECT_DOUBLE_EQ(topLeft.x, 0.0);
    EXPECT_DOUBLE_EQ(topLeft.y, 0.0);
    const PixelPoint bottomRight = sky.toPixel(360, 25);
    EXPECT_DOUBLE_EQ(bottomRight.x, 471.0);
    EXPECT_DOUBLE_EQ(bottomRight.y, 159.0);
    const PixelPoint cross = sky.toPixel(90, 0);
    EXPECT_EQ(ScaleMapping::pixelIndex(cross.x), 117.0);
    EXPECT_EQ(ScaleMapping::pixelIndex(cross.y), 79.0);
    EXPECT_DOUBLE_EQ(sky.toPixelLengthX(3.0), 3.0 * 471.0 / 360.0);

    const UserPoint back = sky.toUser(cross.x, cross.y);
    EXPECT_NEAR(back.x, 90.0, 1e-9);
    EXPECT_NEAR(back.y, 0.0, 1e-9);
}

TEST(ScaleMapping, PlanViewAtBothZooms) {
    for (float extent : {6.0F, 15.0F}) {
        ScaleMapping plan(223, 224);
        plan.setScaleHeight(extent);
        plan.setScaleTop(-extent / 2);
        plan.setScaleWidth(extent);
        plan.setScaleLeft(-extent / 2);
        const PixelPoint origin = plan.toPixel(0, 0);
        EXPECT_DOUBLE_EQ(origin.x, 111.5);
        EXPECT_DOUBLE_EQ(origin.y, 112.0);
        EXPECT_NEAR(plan.toPixel(extent / 2, -extent / 2).x, 223.0, 1e-9);
    }
}

TEST(ScaleMapping, EachPixelHoldsItsLeftEdgeButNotItsRightOne) {
    EXPECT_EQ(ScaleMapping::pixelIndex(0.0), 0.0);
    EXPECT_EQ(ScaleMapping::pixelIndex(0.999), 0.0);
    EXPECT_EQ(ScaleMapping::pixelIndex(1.0), 1.0);
    EXPECT_EQ(ScaleMapping::pixelIndex(-0.25), -1.0);
}

// The rounding rule is floor, bit for bit, also at the edges of the double range where a
// truncating shortcut would go wrong.
TEST(ScaleMapping, PixelIndexIsFloorEverywhere) {
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {-0.0,
                                  0.0,
                                  -1.0,
                                  -1e-300,
                                  1e-300,
                                  0.5,
                                  -0.5,
                                  -1.5,
                                  2.5,
                                  4503599627370495.5,
                                  -4503599627370495.5,
                                  4503599627370496.0,
                                  -4503599627370497.0,
                                  9.3e18,
                                  -9.3e18,
                                  1e300,
                                  -1e300,
                                  inf,
                                  -inf};
    std::mt19937_64 random(12);
    for (int i = 0; i < 2000; ++i) {
        const int exponent = static_cast<int>(random() % 130) - 65;
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), exponent - 53) *
                         (random() % 2 == 0 ? 1.0 : -1.0));
    }
    for (const double value : values) {
        const double expected = std::floor(value);
        const double actual = ScaleMapping::pixelIndex(value);
        ASSERT_EQ(actual, expected) << value;
        ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << value;
    }
    EXPECT_TRUE(std::isnan(ScaleMapping::pixelIndex(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ScaleMapping, IgnoresScalesThatWouldBreakTheMapping) {
    ScaleMapping mapping(100, 100);
    mapping.setScaleWidth(0.0F);
    mapping.setScaleHeight(std::numeric_limits<float>::infinity());
    mapping.setScaleLeft(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(mapping.scaleWidth(), 100.0F);
    EXPECT_EQ(mapping.scaleHeight(), 100.0F);
    EXPECT_EQ(mapping.scaleLeft(), 0.0F);
    mapping.setScaleWidth(-50.0F);
    EXPECT_DOUBLE_EQ(mapping.toPixel(-10, 0).x, 20.0);
    EXPECT_DOUBLE_EQ(mapping.toPixelLengthX(10), 20.0);
}

} // namespace
} // namespace vantor
