#include "catalogue/starcatalogue.hpp"
#include "skyfixture.hpp"

namespace vantor::test {
namespace {

// Lines of the catalogue: name, ra (hours), dec, ecliptic longitude, ecliptic latitude, mag, note.
TEST_F(SkyTest, EclipticPlotSkipsTheFirstRecordAndStarsOutsideTheBand) {
    const auto report = readStarCatalogue("first,0,0,10,0,0.5,a\n"
                                          "second,0,0,100,30,2,b\n"
                                          "third,0,0,200,-25,2.5,c\n"
                                          "fourth,0,0,300,25.01,1,d\n",
                                          state.stars);
    ASSERT_EQ(report.starCount, 3);
    state.starCount = report.starCount;

    view.plotStarsEcliptic();
    // Only the third: longitude 200 is x = 250, latitude -25 is the bottom edge, magnitude 2.5
    // is a dot 2 pixels across. Its top row is the last row; the other lies outside.
    Raster expected = base;
    flipPixels(expected, column(250.0), background.height() - 1, 2, kFlipWhite);
    EXPECT_EQ(surface.Image(), expected);
    EXPECT_EQ(surface.drawWidth(), 1);

    view.plotStarsEcliptic();
    EXPECT_EQ(surface.Image(), base);
}

TEST_F(SkyTest, BrighterStarsGetBiggerDots) {
    const struct {
        float mag;
        int width;
    } cases[] = {{-1.5F, 4}, {0.99F, 4}, {1.0F, 3},  {2.0F, 3},
                 {2.01F, 2}, {3.0F, 2},  {3.01F, 1}, {6.0F, 1}};
    state.starCount = 1;
    state.stars[1].eclLon = 30.0F;
    state.stars[1].eclLat = 10.0F;
    for (const auto& c : cases) {
        state.stars[1].mag = c.mag;
        view.plotStarsEcliptic();
        Raster expected = base;
        flipDot(expected, 60.0, -10.0, c.width, kFlipWhite);
        EXPECT_EQ(surface.Image(), expected) << "magnitude " << c.mag;
        view.plotStarsEcliptic();
    }
    EXPECT_EQ(surface.Image(), base);
}

TEST_F(SkyTest, EquatorPlotUsesHoursAndWrapsOnlyPastTheRightEdge) {
    // Ecliptic places at the grid cross, so plotting them by mistake would show.
    const auto report = readStarCatalogue("header,0,0,0,0,0,h\n"
                                          "a,5,20,0,0,4,a\n"
                                          "b,6,20,0,0,4,b\n"
                                          "c,23,-10,0,0,4,c\n"
                                          "d,1,26,0,0,4,d\n",
                                          state.stars);
    ASSERT_EQ(report.starCount, 4);
    state.starCount = report.starCount;

    view.plotStarsEquator();
    Raster expected = base;
    flipDot(expected, 15.0, -20.0, 1, kFlipWhite); // 450 - 75, less a turn
    flipDot(expected, 105.0, 10.0, 1, kFlipWhite); // 450 - 345
    // ra 6 lands at x = 360, the right edge: the last column, and nothing at the left edge.
    flipPixels(expected, background.width() - 1, row(-20.0), 1, kFlipWhite);
    EXPECT_EQ(surface.Image(), expected);
}

TEST_F(SkyTest, OnlyRecordsUpToTheCountArePlotted) {
    for (int i = 1; i <= 3; ++i) {
        state.stars[i].eclLon = 100.0F * static_cast<float>(i);
        state.stars[i].eclLat = 5.0F;
        state.stars[i].mag = 5.0F;
    }
    state.starCount = 2;
    view.plotStarsEcliptic();
    Raster expected = base;
    flipDot(expected, 350.0, -5.0, 1, kFlipWhite);
    flipDot(expected, 250.0, -5.0, 1, kFlipWhite);
    EXPECT_EQ(surface.Image(), expected);

    view.plotStarsEcliptic();
    state.starCount = -1; // an empty file
    view.plotStarsEcliptic();
    view.plotStarsEquator();
    EXPECT_EQ(surface.Image(), base);
}

} // namespace
} // namespace vantor::test
