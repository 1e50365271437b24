#include "surface/scalemapping.hpp"

#include <gtest/gtest.h>
#include <limits>

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
