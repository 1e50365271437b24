#include "randomfigures.hpp"
#include "surface/surface.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace vantor {
namespace {

constexpr Pixel kWhite = 0xFFFFFFFFu;

int changedPixels(const Raster& image, const Raster& reference) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

bool columnUntouched(const Raster& image, int x) {
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) != kWhite) {
            return false;
        }
    }
    return true;
}

bool rowUntouched(const Raster& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != kWhite) {
            return false;
        }
    }
    return true;
}

Surface skySurface() {
    Surface sky(471, 159);
    sky.setScaleHeight(50.0F);
    sky.setScaleTop(-25.0F);
    sky.setScaleWidth(360.0F);
    sky.setScaleLeft(0.0F);
    return sky;
}

TEST(SurfaceColour, ProgramColoursReachTheScreenWithRedInTheLowByte) {
    EXPECT_EQ(toPixel(0x0000FF), test::rgb(255, 0, 0));
    EXPECT_EQ(toPixel(0x00FFFF), test::rgb(255, 255, 0));
    EXPECT_EQ(toPixel(0xFF0000), test::rgb(0, 0, 255));
    EXPECT_EQ(toPixel(0x123456), test::rgb(0x56, 0x34, 0x12));

    Surface surface(8, 8);
    surface.setDrawMode(DrawMode::Copy);
    surface.PSet(3, 4, 0x0000FF);
    EXPECT_EQ(surface.Image().pixel(3, 4), test::rgb(255, 0, 0));
}

TEST(SurfaceColour, ExclusiveOrFlipsTheColourBitsAndKeepsThePixelOpaque) {
    Surface surface(4, 4);
    surface.setDrawMode(DrawMode::Xor);
    surface.PSet(1, 1, 0x00FFFF);
    EXPECT_EQ(surface.Image().pixel(1, 1), test::rgb(0, 0, 255));
    surface.setDrawMode(DrawMode::Copy);
    surface.PSet(1, 1, 0x00FF00);
    surface.PSet(1, 1, 0x00FF00);
    EXPECT_EQ(surface.Image().pixel(1, 1), test::rgb(0, 255, 0));
}

TEST(SurfaceDot, IsASquareDrawWidthPixelsAcross) {
    for (int width = 1; width <= 4; ++width) {
        Surface surface(20, 20);
        surface.setDrawWidth(width);
        surface.PSet(10.7, 10.2, 0x000000);
        EXPECT_EQ(changedPixels(surface.Image(), Surface(20, 20).Image()), width * width)
            << "width " << width;
        EXPECT_NE(surface.Image().pixel(10, 10), kWhite) << "width " << width;
    }
    Surface surface(20, 20);
    surface.setDrawWidth(9);
    EXPECT_EQ(surface.drawWidth(), 4);
    surface.setDrawWidth(0);
    EXPECT_EQ(surface.drawWidth(), 1);
}

TEST(SurfaceDot, OnTheRightOrBottomEdgeShowsInTheLastColumnOrRow) {
    Surface sky = skySurface();
    const Raster blank = sky.Image();
    sky.setDrawMode(DrawMode::Copy);
    sky.PSet(360, 0, 0x000000);
    sky.PSet(100, 25, 0x000000);
    sky.PSet(360, 25, 0x000000);
    // Just past the edges nothing shows.
    sky.PSet(360.01, 0, 0x000000);
    sky.PSet(100, 25.01, 0x000000);
    EXPECT_EQ(changedPixels(sky.Image(), blank), 3);
    EXPECT_NE(sky.Image().pixel(470, 79), kWhite);
    EXPECT_NE(sky.Image().pixel(130, 158), kWhite);
    EXPECT_NE(sky.Image().pixel(470, 158), kWhite);
}

TEST(SurfaceClipping, FiguresAreCutAtEveryEdgeAndNeverWrap) {
    Surface sky = skySurface();
    sky.setFillStyle(FillStyle::Solid);
    sky.setFillColor(0xFF0000);
    sky.Circle(359, 0, 3, 0x0000FF);
    EXPECT_FALSE(columnUntouched(sky.Image(), 470));
    for (int x = 0; x < 20; ++x) {
        ASSERT_TRUE(columnUntouched(sky.Image(), x)) << "column " << x;
    }

    // A thick line across each edge in turn reaches that edge and leaves the opposite one alone.
    struct Case {
        double x1, y1, x2, y2;
        int touched;
        int untouched;
        bool columns;
    };
    const Case cases[] = {{-50, 20, 10, 20, 0, 39, true},
                          {30, 20, 90, 20, 39, 0, true},
                          {20, -50, 20, 10, 0, 29, false},
                          {20, 20, 20, 90, 29, 0, false}};
    for (const Case& c : cases) {
        Surface surface(40, 30);
        surface.setDrawWidth(4);
        surface.Line(c.x1, c.y1, c.x2, c.y2, 0x000000);
        if (c.columns) {
            EXPECT_FALSE(columnUntouched(surface.Image(), c.touched));
            EXPECT_TRUE(columnUntouched(surface.Image(), c.untouched));
        } else {
            EXPECT_FALSE(rowUntouched(surface.Image(), c.touched));
            EXPECT_TRUE(rowUntouched(surface.Image(), c.untouched));
        }
    }
}

// Cutting a figure at the edges must not move any of its pixels: a small surface shows exactly
// the matching part of the same figure drawn on a larger one.
TEST(SurfaceClipping, TheVisiblePartOfAFigureIsTheSameOnALargerSurface) {
    std::mt19937 random(99);
    for (int i = 0; i < 300; ++i) {
        test::RandomFigure f = test::randomFigure(random, 0, 0, 60, 40);
        Surface small(60, 40);
        f.draw(small, DrawMode::Copy);
        Surface large(260, 240);
        f.x1 += 100;
        f.y1 += 100;
        f.x2 += 100;
        f.y2 += 100;
        f.draw(large, DrawMode::Copy);
        ASSERT_EQ(small.Image(), large.Image().copy(100, 100, 60, 40))
            << "figure " << i << " kind " << f.kind;
    }
}

TEST(SurfaceClipping, HugeAndUndefinedFiguresFinishAndStayInside) {
    Surface surface(223, 224);
    surface.setScaleHeight(6.0F);
    surface.setScaleTop(-3.0F);
    surface.setScaleWidth(6.0F);
    surface.setScaleLeft(-3.0F);
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(0x000000);
    surface.Circle(0, 0, 1e9, 0x0000FF);
    EXPECT_EQ(changedPixels(surface.Image(), Surface(223, 224).Image()), 223 * 224);

    Surface plain(50, 50);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    plain.Circle(nan, 3, 2, 0);
    plain.Circle(3, 3, inf, 0);
    plain.Line(0, 0, inf, 5, 0);
    plain.Line(nan, 0, 5, 5, 0);
    plain.PSet(-inf, 0, 0);
    plain.Circle(1e300, -1e300, 1e300, 0);
    EXPECT_EQ(plain.Image(), Surface(50, 50).Image());

    // A segment from far away still crosses the surface where it should.
    plain.Line(-1e12, 25.5, 1e12, 25.5, 0);
    EXPECT_TRUE(rowUntouched(plain.Image(), 24));
    EXPECT_FALSE(rowUntouched(plain.Image(), 25));
    for (int x = 0; x < 50; ++x) {
        ASSERT_EQ(plain.Image().pixel(x, 25), test::rgb(0, 0, 0)) << x;
    }
}

TEST(SurfaceCircle, IsRoundOnScreenWhenTheAxesDiffer) {
    for (double radius : {0.5, 2.0, 7.2, 20.0, 60.0}) {
        Surface sky = skySurface();
        sky.Circle(180, 0, radius, 0x000000);
        int left = 471, right = -1, top = 159, bottom = -1;
        for (int y = 0; y < 159; ++y) {
            for (int x = 0; x < 471; ++x) {
                if (sky.Image().pixel(x, y) != kWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        const double expected = 2.0 * radius * 471.0 / 360.0;
        EXPECT_NEAR(right - left, bottom - top, 1) << "radius " << radius;
        EXPECT_NEAR(right - left, expected, 2.0) << "radius " << radius;
    }
}

TEST(SurfaceCircle, OutlineTakesThePenColourAndTheInsideTheFillColour) {
    Surface surface(40, 40);
    surface.setFillColor(0x00FF00);
    surface.setFillStyle(FillStyle::Solid);
    surface.Circle(20, 20, 8, 0x0000FF);
    EXPECT_EQ(surface.Image().pixel(20, 20), test::rgb(0, 255, 0));
    EXPECT_EQ(surface.Image().pixel(28, 20), test::rgb(255, 0, 0));
    EXPECT_EQ(surface.Image().pixel(20, 12), test::rgb(255, 0, 0));
    EXPECT_EQ(surface.Image().pixel(29, 20), kWhite);

    surface.Cls();
    surface.setFillStyle(FillStyle::Transparent);
    surface.Circle(20, 20, 8, 0x0000FF);
    EXPECT_EQ(surface.Image().pixel(20, 20), kWhite);
    EXPECT_EQ(surface.Image().pixel(12, 20), test::rgb(255, 0, 0));
}

TEST(SurfaceDotted, LinesAlternateFromTheirFirstPoint) {
    Surface forward(40, 10);
    forward.setDrawStyle(DrawStyle::Dotted);
    forward.Line(10, 5, 19, 5, 0x000000);
    Surface backward(40, 10);
    backward.setDrawStyle(DrawStyle::Dotted);
    backward.Line(19, 5, 10, 5, 0x000000);
    for (int x = 10; x <= 19; ++x) {
        EXPECT_EQ(forward.Image().pixel(x, 5) != kWhite, (x - 10) % 2 == 0) << x;
        EXPECT_EQ(backward.Image().pixel(x, 5) != kWhite, (19 - x) % 2 == 0) << x;
    }

    // Wider pens make dashes as long as the pen is wide.
    Surface wide(40, 10);
    wide.setDrawStyle(DrawStyle::Dotted);
    wide.setDrawWidth(2);
    wide.Line(10, 5, 30, 5, 0x000000);
    EXPECT_NE(wide.Image().pixel(11, 5), kWhite);
    EXPECT_EQ(wide.Image().pixel(12, 5), kWhite);
    EXPECT_NE(wide.Image().pixel(14, 6), kWhite);
}

TEST(SurfaceDotted, CirclesHaveGapsAndTheSamePatternEveryTime) {
    Surface first(120, 120);
    Surface second(120, 120);
    Surface solid(120, 120);
    for (Surface* surface : {&first, &second}) {
        surface->setDrawStyle(DrawStyle::Dotted);
        surface->Circle(60.5, 60.5, 40, 0x000000);
    }
    solid.Circle(60.5, 60.5, 40, 0x000000);
    EXPECT_EQ(first.Image(), second.Image());
    const int dotted = changedPixels(first.Image(), Surface(120, 120).Image());
    const int full = changedPixels(solid.Image(), Surface(120, 120).Image());
    EXPECT_GT(dotted, full / 3);
    EXPECT_LT(dotted, 2 * full / 3);
    // The pattern starts with a dot straight right of the centre.
    EXPECT_NE(first.Image().pixel(100, 60), kWhite);
}

TEST(SurfaceChanges, CountGrowsWithEveryDrawing) {
    Surface surface(10, 10);
    std::uint64_t last = surface.changeCount();
    auto grew = [&] {
        const bool result = surface.changeCount() > last;
        last = surface.changeCount();
        return result;
    };
    surface.PSet(2, 2, 0);
    EXPECT_TRUE(grew());
    surface.Line(0, 0, 9, 9, 0);
    EXPECT_TRUE(grew());
    surface.Circle(5, 5, 3, 0);
    EXPECT_TRUE(grew());
    surface.Cls();
    EXPECT_TRUE(grew());
    surface.setPicture(Raster(10, 10, 0));
    EXPECT_TRUE(grew());
}

} // namespace
} // namespace vantor
