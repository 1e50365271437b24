#include "randomfigures.hpp"
#include "surface/surface.hpp"

#include <gtest/gtest.h>
#include <random>

namespace vantor {
namespace {

TEST(SurfacePicture, TakesItsSizeAndPixelsFromTheBackground) {
    Surface surface(Raster(30, 20, test::rgb(10, 20, 30)));
    EXPECT_EQ(surface.width(), 30);
    EXPECT_EQ(surface.height(), 20);
    EXPECT_EQ(surface.Image().pixel(29, 19), test::rgb(10, 20, 30));
    EXPECT_EQ(surface.mapping().scaleWidth(), 30.0F);
}

TEST(SurfacePicture, ClsReturnsToTheBackgroundOrTheKeptDrawing) {
    std::mt19937 random(3);
    Surface surface(test::noisyImage(40, 30, random));
    const Raster background = surface.Image();
    surface.Line(0, 0, 39, 29, 0x0000FF);
    surface.Cls();
    EXPECT_EQ(surface.Image(), background);

    surface.Line(0, 0, 39, 29, 0x0000FF);
    const Raster drawing = surface.Image();
    surface.keepImageAsPicture();
    surface.setDrawMode(DrawMode::Xor);
    surface.Circle(20, 15, 6, 0xFFFFFF);
    EXPECT_NE(surface.Image(), drawing);
    surface.Cls();
    EXPECT_EQ(surface.Image(), drawing);
    EXPECT_EQ(surface.Picture(), drawing);
}

// The desktop shows the pixels where they lie: no drawing, clearing or new background may move
// them.
TEST(SurfacePicture, ThePixelsStayWhereTheyAre) {
    std::mt19937 random(8);
    Surface surface(test::noisyImage(40, 30, random));
    const Pixel* const pixels = surface.Image().data();
    surface.setDrawMode(DrawMode::Xor);
    surface.Circle(20, 15, 6, 0xFFFFFF);
    surface.keepImageAsPicture();
    surface.Cls();
    surface.setPicture(Raster(5, 5, 0));
    surface.setPicture(Raster(80, 80, 0));
    surface.Line(0, 0, 39, 29, 0x00FF00);
    EXPECT_EQ(surface.Image().data(), pixels);
}

TEST(SurfacePicture, ANewPictureIsCutToTheSurfaceAndShown) {
    Surface surface(20, 10);
    surface.setPicture(Raster(40, 40, test::rgb(1, 2, 3)));
    EXPECT_EQ(surface.Picture().width(), 20);
    EXPECT_EQ(surface.Picture().height(), 10);
    EXPECT_EQ(surface.Image().pixel(19, 9), test::rgb(1, 2, 3));

    surface.setPicture(Raster(5, 5, test::rgb(1, 2, 3)));
    EXPECT_EQ(surface.Picture().width(), 20);
    EXPECT_EQ(surface.Picture().height(), 10);
    EXPECT_EQ(surface.Image().pixel(4, 4), test::rgb(1, 2, 3));
    EXPECT_EQ(surface.Image().pixel(5, 4), test::rgb(255, 255, 255));
}

} // namespace
} // namespace vantor
