#include "skyfixture.hpp"

#include <ostream>
#include <random>
#include <string>

namespace vantor::test {
namespace {

TEST_F(SkyTest, GridIsAYellowDottedCrossThatASecondDrawingRemoves) {
    const int gridColumn = column(90.0);
    const int centreRow = row(0.0);
    int onColumn = 0;
    int onRow = 0;
    int topmost = background.height();
    int bottommost = -1;
    for (int j = 0; j < base.height(); ++j) {
        for (int i = 0; i < base.width(); ++i) {
            const Pixel flipped = (base.pixel(i, j) ^ background.pixel(i, j)) & 0xFFFFFF;
            if (flipped == 0) {
                continue;
            }
            ASSERT_TRUE(i == gridColumn || j == centreRow) << i << "," << j;
            if (i == gridColumn && j == centreRow) {
                continue; // both lines may cross here
            }
            EXPECT_EQ(flipped, kFlipYellow) << i << "," << j;
            if (i == gridColumn) {
                ++onColumn;
                topmost = std::min(topmost, j);
                bottommost = std::max(bottommost, j);
            } else {
                ++onRow;
            }
        }
    }
    // Dotted: about every other pixel, over the whole height and the whole width.
    EXPECT_GT(onColumn, background.height() / 3);
    EXPECT_LT(onColumn, background.height() - 10);
    EXPECT_LE(topmost, 1);
    EXPECT_GE(bottommost, background.height() - 2);
    EXPECT_GT(onRow, background.width() / 3);
    EXPECT_LT(onRow, background.width() - 10);

    view.drawSkyGrid();
    EXPECT_EQ(surface.Image(), background);
}

TEST_F(SkyTest, DiskScaleIsFixedFromThePlanWidthAtSetUp) {
    EXPECT_FLOAT_EQ(state.skyDiskScale, 30.0F);
    EXPECT_FLOAT_EQ(state.skyWidth, 360.0F);
    EXPECT_FLOAT_EQ(state.skyHeight, 50.0F);

    // The plan view zooms out 2.5 times: the Sun's sky disk keeps its size.
    state.planWidth = 15.0F;
    calcPositions(state);
    boxes.set(Box::SunDisk, 1);
    view.drawSunSky(true);
    EXPECT_FLOAT_EQ(view.marker(BodyId::Sun).markR, 7.2F);

    state.planWidth = 8.0F;
    view.setSkyScale();
    EXPECT_FLOAT_EQ(state.skyDiskScale, 22.5F);
}

TEST_F(SkyTest, HelioSunAtStartSitsOnTheGridCross) {
    calcPositions(state); // Earth at plan (1, 0), the Sun at the origin
    for (const int disk : {0, 1}) {
        boxes.set(Box::SunDisk, disk);
        const double radius = disk != 0 ? 7.2 : 2.0;
        view.drawSunSky(true);
        const SkyMarker& mark = view.marker(BodyId::Sun);
        EXPECT_NEAR(mark.markX, 90.0, 1e-4);
        EXPECT_EQ(mark.markY, 0.0F);
        EXPECT_FLOAT_EQ(mark.markR, static_cast<float>(radius));

        const PixelBox disc = changed(base);
        EXPECT_EQ(disc.center(), Spot(column(90.0), row(0.0)));
        const double radiusPixels = radius / 360.0 * background.width();
        EXPECT_NEAR(disc.width() / 2.0, radiusPixels, 1.5);
        EXPECT_NEAR(disc.height() / 2.0, radiusPixels, 1.5); // round on screen
        const Spot centre = disc.center();
        EXPECT_EQ(
            (surface.Image().pixel(centre.x(), centre.y()) ^ base.pixel(centre.x(), centre.y())) &
                0xFFFFFF,
            kFlipWhite);

        view.drawSunSky(false);
        EXPECT_EQ(surface.Image(), base);
    }
}

struct RadiusCase {
    const char* name;
    BodyId body;
    WorldModel model;
    bool disk;
    double r;
    float lit;
    float expected;
};

void PrintTo(const RadiusCase& c, std::ostream* out) {
    *out << c.name;
}

class SkyRadius : public SkyTest, public ::testing::WithParamInterface<RadiusCase> {};

// Worked by hand: disk scale 30, sizes Sun 0.24, inferior 0.1, superior 0.08.
INSTANTIATE_TEST_SUITE_P(
    ByBodyModelAndDiskBox, SkyRadius,
    ::testing::Values(
        RadiusCase{"inter_helio_half_lit", BodyId::Inter, WorldModel::Helio, false, 1.0, 0.5F,
                   1.5F},
        RadiusCase{"inter_geo", BodyId::Inter, WorldModel::Geo, false, 1.0, 0.5F, 2.0F},
        RadiusCase{"inter_helio_far_full", BodyId::Inter, WorldModel::Helio, false, 2.0, 1.0F,
                   0.625F},
        RadiusCase{"inter_tycho_far", BodyId::Inter, WorldModel::Tycho, false, 2.0, 1.0F, 1.5F},
        RadiusCase{"inter_disk_far", BodyId::Inter, WorldModel::Helio, true, 2.0, 0.5F, 1.5F},
        RadiusCase{"super_disk_far", BodyId::Super, WorldModel::Geo, true, 2.0, 0.0F, 3.6F},
        RadiusCase{"super_helio_near", BodyId::Super, WorldModel::Helio, false, 0.5, 0.0F, 3.0F},
        RadiusCase{"sun_disk", BodyId::Sun, WorldModel::Geo, true, 3.0, 0.0F, 7.2F},
        RadiusCase{"sun_no_disk_far", BodyId::Sun, WorldModel::Helio, false, 3.0, 0.0F, 2.0F}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_P(SkyRadius, MarkerRadiusAndPlace) {
    const RadiusCase& c = GetParam();
    state.worldModel = c.model;
    Body& body = c.body == BodyId::Sun     ? state.sun
                 : c.body == BodyId::Inter ? state.inter
                                           : state.super;
    body.lit = c.lit;
    place(body, 200.0, c.r);
    boxes.set(Box::SunDisk, c.disk ? 1 : 0);
    boxes.set(Box::InterDisk, c.disk ? 1 : 0);
    boxes.set(Box::SuperDisk, c.disk ? 1 : 0);
    view.drawSunSky(true);
    view.drawInterSky(true);
    view.drawSuperSky(true);
    const SkyMarker& mark = view.marker(c.body);
    EXPECT_NEAR(mark.markR, c.expected, 1e-5);
    EXPECT_NEAR(mark.markX, 110.0, 1e-3); // direction 200 degrees, less a quarter turn
    EXPECT_NEAR(mark.markY, 0.0, 1e-5);
}

TEST_F(SkyTest, HeightAboveTheEclipticDrawsBelowTheCentreLine) {
    state.worldModel = WorldModel::Geo;
    place(state.super, 0.0, 1.0, std::tan(10.0 * std::numbers::pi / 180.0));
    view.drawSuperSky(true);
    EXPECT_NEAR(view.marker(BodyId::Super).markX, 270.0, 1e-3);
    EXPECT_NEAR(view.marker(BodyId::Super).markY, 10.0, 1e-4);
    EXPECT_GT(changed(base).top(), row(0.0));

    // The Sun is always on the centre line, whatever its height.
    place(state.sun, 0.0, 1.0, 0.5);
    view.drawSunSky(true);
    EXPECT_EQ(view.marker(BodyId::Sun).markY, 0.0F);
}

TEST_F(SkyTest, DirectionsEitherSideOfAQuarterTurnLandAtOppositeEdgesClipped) {
    const int lastColumn = background.width() - 1;
    // Geocentric superior planet at half the Earth's orbit: radius 3 degrees.
    state.worldModel = WorldModel::Geo;

    place(state.super, 90.5, 0.5);
    view.drawSuperSky(true);
    EXPECT_NEAR(view.marker(BodyId::Super).markX, 0.5, 1e-3);
    PixelBox disc = changed(base);
    EXPECT_EQ(disc.left(), 0);
    EXPECT_LT(disc.right(), 20);

    place(state.super, 89.5, 0.5);
    view.drawSuperSky(true);
    EXPECT_NEAR(view.marker(BodyId::Super).markX, 359.5, 1e-3);
    disc = changed(base);
    EXPECT_EQ(disc.right(), lastColumn);
    EXPECT_GT(disc.left(), lastColumn - 20);
}

struct SkyBody {
    BodyId id;
    Box trail;
    Pixel flip;
    void (SkyView::*draw)(bool);
};

const SkyBody kSkyBodies[] = {
    {BodyId::Sun, Box::SunTrail, kFlipWhite, &SkyView::drawSunSky},
    {BodyId::Inter, Box::InterTrail, kFlipMagenta, &SkyView::drawInterSky},
    {BodyId::Super, Box::SuperTrail, kFlipRed, &SkyView::drawSuperSky},
};

TEST_F(SkyTest, TrailLeavesADotAtEveryEarlierCentre) {
    state.worldModel = WorldModel::Helio;
    for (const SkyBody& b : kSkyBodies) {
        boxes.set(b.trail, 1);
        Raster expected = surface.Image();
        constexpr int kCalls = 6;
        for (int k = 0; k < kCalls; ++k) {
            state.simTime = 25.0 * k;
            calcPositions(state);
            const SkyMarker before = view.marker(b.id);
            (view.*b.draw)(true);
            if (k > 0) {
                flipDot(expected, before.markX, before.markY, 2, b.flip);
            }
        }
        EXPECT_NE(surface.Image(), expected); // the current disk is still there
        boxes.set(b.trail, 0);
        (view.*b.draw)(false);
        EXPECT_EQ(surface.Image(), expected);
    }
}

TEST_F(SkyTest, HidingABodyWithItsTrailOnLeavesOneDot) {
    state.simTime = 40.0;
    calcPositions(state);
    for (const SkyBody& b : kSkyBodies) {
        boxes.set(b.trail, 1);
        Raster expected = surface.Image();
        (view.*b.draw)(true);
        const SkyMarker last = view.marker(b.id);
        (view.*b.draw)(false);
        flipDot(expected, last.markX, last.markY, 2, b.flip);
        EXPECT_EQ(surface.Image(), expected);
        EXPECT_EQ(view.marker(b.id).drawn, 0);
    }
}

TEST_F(SkyTest, HidingWhatIsNotDrawnChangesNothing) {
    calcPositions(state);
    for (const SkyBody& b : kSkyBodies) {
        boxes.set(b.trail, 1);
        const auto changes = surface.changeCount();
        (view.*b.draw)(false);
        EXPECT_EQ(surface.changeCount(), changes);
    }
    EXPECT_EQ(surface.Image(), base);
}

TEST_F(SkyTest, ClearingForgetsTheMarkersAndRestoresTheBackground) {
    for (const SkyBody& b : kSkyBodies) {
        boxes.set(b.trail, 1);
    }
    for (const double t : {0.0, 30.0}) {
        state.simTime = t;
        calcPositions(state);
        for (const SkyBody& b : kSkyBodies) {
            (view.*b.draw)(true);
        }
    }
    view.clearSkyView();
    EXPECT_EQ(surface.Image(), background);

    // The next drawing starts afresh: one disk, which hiding with the trail off removes.
    for (const SkyBody& b : kSkyBodies) {
        EXPECT_EQ(view.marker(b.id).drawn, 0);
        boxes.set(b.trail, 0);
        (view.*b.draw)(true);
        (view.*b.draw)(false);
    }
    EXPECT_EQ(surface.Image(), background);
}

TEST_F(SkyTest, RandomRunWithoutTrailsErasesBackToTheBackground) {
    std::mt19937 random(52022);
    const Box disks[] = {Box::SunDisk, Box::InterDisk, Box::SuperDisk};
    std::uniform_int_distribution<int> pick(0, 5);
    std::uniform_int_distribution<int> three(0, 2);
    std::uniform_real_distribution<double> days(-60.0, 60.0);
    bool gridOn = true;
    for (int step = 0; step < 400; ++step) {
        switch (pick(random)) {
        case 0:
            state.simTime += days(random);
            calcPositions(state);
            break;
        case 1:
            state.worldModel = kWorldModels.at(static_cast<std::size_t>(three(random)));
            calcPositions(state);
            break;
        case 2: {
            const Box disk = disks[three(random)];
            boxes.set(disk, 1 - boxes.value(disk));
            break;
        }
        case 3:
            view.drawSkyGrid();
            gridOn = !gridOn;
            break;
        case 4:
            (view.*kSkyBodies[three(random)].draw)(three(random) != 0);
            break;
        default:
            for (const SkyBody& b : kSkyBodies) {
                (view.*b.draw)(true);
            }
        }
    }
    view.drawInterSky(false);
    view.drawSuperSky(false);
    view.drawSunSky(false);
    EXPECT_EQ(surface.Image(), gridOn ? base : background);
}

} // namespace
} // namespace vantor::test
