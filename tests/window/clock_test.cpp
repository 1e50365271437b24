// Start-up, the clock and its buttons, and the choice of world model, through the form.
#include "formfixture.hpp"

#include <QColor>
#include <cmath>
#include <gtest/gtest.h>

namespace vantor {
namespace {

constexpr double kRad = 0.017453292;

// The pixel of the 223 x 224 plan view holding the plan point (x, y) when the view is w wide.
QPoint planPixel(double w, double x, double y) {
    return {static_cast<int>(std::floor((x + w / 2) / w * 223)),
            static_cast<int>(std::floor((y + w / 2) / w * 224))};
}

Pixel rgb(const Raster& image, QPoint p) {
    return image.pixel(p.x(), p.y()) & 0xFFFFFFU;
}

TEST(StartUp, LeavesTheWindowAsLaidOutWithTheClockStopped) {
    FormFixture f;
    EXPECT_EQ(f.c().retroF.caption(), "Vantor 2.00");
    EXPECT_EQ(f.c().tLab.caption(), "March 21");
    EXPECT_TRUE(f.s().stopped);
    EXPECT_EQ(f.s().worldModel, WorldModel::Helio);
    EXPECT_EQ(f.s().stepDays, 3.0);
    EXPECT_EQ(f.c().dtOpt.selected(), 1);
    EXPECT_EQ(f.c().modelOpt.selected(), 0);
    EXPECT_TRUE(f.s().sunOn && f.s().earthOn);
    EXPECT_FALSE(f.s().interOn || f.s().superOn);
    EXPECT_TRUE(f.c().planBlock.visible());
    EXPECT_FALSE(f.c().planView.visible());
    EXPECT_TRUE(f.c().mercator.visible());
    EXPECT_EQ(f.c().planFrm.caption(), "Heliocentric View");
    EXPECT_EQ(f.s().planWidth, 6.0F);
    EXPECT_EQ(f.s().skyDiskScale, 30.0F);
    EXPECT_EQ(f.c().tooltipsLab.caption(), "");
    EXPECT_TRUE(f.messages.empty());
}

TEST(StartUp, DrawsTheSunAndTheEarthInBothViews) {
    FormFixture f;
    const Raster plan = f.plan();
    const Raster dial = f.form.planSurface().Picture();
    // The Earth starts at longitude 0, one unit right of the Sun; both lie on the black disc.
    // One pixel below the centre keeps clear of the dotted axes of the grid.
    const QPoint earth = planPixel(6, 1, 0) + QPoint(0, 1);
    const QPoint sun = planPixel(6, 0, 0) + QPoint(2, 1);
    EXPECT_EQ(rgb(dial, earth), 0U);
    EXPECT_EQ(rgb(plan, earth), qRgb(0, 0, 255) & 0xFFFFFFU);
    EXPECT_EQ(rgb(plan, sun), 0xFFFFFFU);

    // On the sky the Sun stands on the vertical grid line at longitude 90, radius 2 degrees.
    const Raster sky = f.sky();
    const Raster field = f.form.skySurface().Picture();
    const QPoint onSun(static_cast<int>(90.0 / 360 * 471) + 2, static_cast<int>(79.5) + 1);
    EXPECT_EQ(rgb(sky, onSun), rgb(field, onSun) ^ 0xFFFFFFU);
    const QPoint beside(static_cast<int>(90.0 / 360 * 471) + 6, 85);
    EXPECT_EQ(rgb(sky, beside), rgb(field, beside));
}

TEST(Redraw, TwiceWithoutATimeChangeLeavesBothViewsUnchanged) {
    FormFixture f;
    for (CheckBox* box : {&f.c().interChk, &f.c().superChk, &f.c().SoChk, &f.c().IprojChk,
                          &f.c().EprojChk, &f.c().SdiskChk}) {
        box->click();
    }
    f.c().geoOpt().click();
    const Raster plan = f.plan();
    const Raster sky = f.sky();
    f.form.redrawAll();
    f.form.redrawAll();
    EXPECT_EQ(f.plan(), plan);
    EXPECT_EQ(f.sky(), sky);
}

TEST(Redraw, TheEarthMovesOnItsOrbitWithEachStep) {
    FormFixture f;
    f.c().FstepBut.click();
    const double lon = 3 * 0.985608 * kRad;
    const QPoint earth = planPixel(6, std::cos(lon), -std::sin(lon)) + QPoint(0, 1);
    EXPECT_EQ(rgb(f.plan(), earth), qRgb(0, 0, 255) & 0xFFFFFFU);
    EXPECT_EQ(rgb(f.plan(), planPixel(6, 1, 0) + QPoint(0, 1)), 0U) << "the old marker was erased";
}

// The date label always names the date of simTime.
TEST(DateLabel, NamesTheDateOfTheSimulatedTime) {
    FormFixture f;
    f.c().FstepBut.click();
    EXPECT_EQ(f.c().tLab.caption(), "March 24");
    f.c().t0But.click();
    EXPECT_EQ(f.c().tLab.caption(), "March 21");
    f.c().dtOpt.click(0);
    f.c().FstepBut.click();
    EXPECT_EQ(f.c().tLab.caption(), "March 22");
    f.c().t0But.click();
    f.c().BstepBut.click();
    EXPECT_EQ(f.c().tLab.caption(), "March 20");
    f.c().t0But.click();
    f.c().dtOpt.click(3);
    for (int i = 0; i < 12; ++i) {
        f.c().FstepBut.click();
    }
    EXPECT_EQ(f.s().simTime, 365.25);
    // 1900 has no 29 February: a year of 365.25 days from March 21 ends on March 21.
    EXPECT_EQ(f.c().tLab.caption(), "March 21");
}

TEST(DateLabel, UsesTheMonthNamesItIsGiven) {
    Platform platform;
    platform.monthName = [](unsigned month) { return "M" + std::to_string(month); };
    RetroForm form(platform, rasterOf(monthDial()), rasterOf(starField()));
    form.startUp();
    EXPECT_EQ(form.controls().tLab.caption(), "M3 21");
    form.controls().dtOpt.click(2);
    form.controls().FstepBut.click();
    EXPECT_EQ(form.controls().tLab.caption(), "M3 31");
    form.controls().FstepBut.click();
    EXPECT_EQ(form.controls().tLab.caption(), "M4 10");
}

using Press = PictureControl Controls::*;

struct ClockRow {
    const char* name;
    std::vector<Press> presses;
    bool stopped;
    double runDir;
    Face forwardFace;
    Face backFace;
};

void PrintTo(const ClockRow& row, std::ostream* out) {
    *out << row.name;
}

class ClockStates : public ::testing::TestWithParam<ClockRow> {};

TEST_P(ClockStates, FollowTheRunButtons) {
    FormFixture f;
    const ClockRow& row = GetParam();
    for (const Press press : row.presses) {
        (f.c().*press).click();
    }
    EXPECT_EQ(f.s().stopped, row.stopped);
    EXPECT_EQ(f.s().runDir, row.runDir);
    EXPECT_EQ(f.c().FrunBut.face(), row.forwardFace);
    EXPECT_EQ(f.c().BrunBut.face(), row.backFace);
}

constexpr Press kFrun = &Controls::FrunBut;
constexpr Press kBrun = &Controls::BrunBut;
constexpr Press kStop = &Controls::stopBut;
constexpr Press kFstep = &Controls::FstepBut;
constexpr Press kBstep = &Controls::BstepBut;
constexpr Press kReset = &Controls::t0But;

INSTANTIATE_TEST_SUITE_P(
    Table, ClockStates,
    ::testing::Values(
        ClockRow{"RunForward", {kFrun}, false, 1, Face::RunForwardGrey, Face::RunBack},
        ClockRow{"RunBack", {kBrun}, false, -1, Face::RunForward, Face::RunBackGrey},
        ClockRow{"ForwardAgainStops", {kFrun, kFrun}, true, 1, Face::RunForward, Face::RunBack},
        ClockRow{
            "BackWhileForwardStops", {kFrun, kBrun}, true, -1, Face::RunForward, Face::RunBack},
        ClockRow{"BackAgainStops", {kBrun, kBrun}, true, -1, Face::RunForward, Face::RunBack},
        ClockRow{"ForwardWhileBackStops", {kBrun, kFrun}, true, 1, Face::RunForward, Face::RunBack},
        ClockRow{"StopThenForwardRuns",
                 {kBrun, kFrun, kFrun},
                 false,
                 1,
                 Face::RunForwardGrey,
                 Face::RunBack},
        ClockRow{"StopButton", {kFrun, kStop}, true, 1, Face::RunForward, Face::RunBack},
        ClockRow{"StopWhileStopped", {kStop}, true, 1, Face::RunForward, Face::RunBack},
        ClockRow{"StepWhileRunning", {kBrun, kFstep}, true, 1, Face::RunForward, Face::RunBack},
        ClockRow{
            "StepBackWhileRunning", {kFrun, kBstep}, true, -1, Face::RunForward, Face::RunBack},
        ClockRow{
            "ResetKeepsTheRun", {kFrun, kReset}, false, 1, Face::RunForwardGrey, Face::RunBack}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Clock, TicksStepOnlyWhileRunning) {
    FormFixture f;
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, 0.0);
    f.c().BrunBut.click();
    f.form.timerTick();
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, -6.0);
    // A step change while running takes effect from the next tick; the time stays.
    f.c().dtOpt.click(2);
    EXPECT_EQ(f.s().simTime, -6.0);
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, -16.0);
    EXPECT_EQ(f.c().tLab.caption(), "March 05");
}

TEST(Clock, StepWhileRunningStopsAndStepsOnce) {
    FormFixture f;
    f.c().BrunBut.click();
    f.form.timerTick();
    f.c().FstepBut.click();
    EXPECT_EQ(f.s().simTime, 0.0);
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, 0.0);
}

TEST(Clock, ResetWhileRunningJumpsBackAndRunsOn) {
    FormFixture f;
    f.c().FrunBut.click();
    f.form.timerTick();
    f.form.timerTick();
    f.c().t0But.click();
    EXPECT_EQ(f.s().simTime, 0.0);
    EXPECT_EQ(f.c().tLab.caption(), "March 21");
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, 3.0);
}

TEST(Clock, DoubleClickOnResetStopsAtT0AndDrawsTheStart) {
    FormFixture f;
    const Raster start = f.plan();
    f.c().FrunBut.click();
    for (int i = 0; i < 5; ++i) {
        f.form.timerTick();
    }
    // A double-click delivers the click first.
    f.c().t0But.click();
    f.c().t0But.doubleClick();
    EXPECT_TRUE(f.s().stopped);
    EXPECT_EQ(f.c().FrunBut.face(), Face::RunForward);
    EXPECT_EQ(f.s().simTime, 0.0);
    EXPECT_EQ(f.c().tLab.caption(), "March 21");
    EXPECT_EQ(f.plan(), start);
}

// ----- world models ----------------------------------------------------------------------------

struct ModelRow {
    const char* name;
    int option;
    bool superior;
    WorldModel model;
    float width;
    const char* caption;
};

void PrintTo(const ModelRow& row, std::ostream* out) {
    *out << row.name;
}

class Models : public ::testing::TestWithParam<ModelRow> {};

TEST_P(Models, FitThePlanViewAndNameIt) {
    FormFixture f;
    const ModelRow& row = GetParam();
    if (row.superior) {
        f.c().superChk.click();
    }
    f.c().modelOpt.click(row.option);
    EXPECT_EQ(f.s().worldModel, row.model);
    EXPECT_EQ(f.s().planWidth, row.width);
    EXPECT_EQ(f.s().planHeight, row.width);
    EXPECT_EQ(f.c().planFrm.caption(), row.caption);
    EXPECT_EQ(f.s().skyDiskScale, 30.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Models,
    ::testing::Values(ModelRow{"Helio", 0, true, WorldModel::Helio, 6, "Heliocentric View"},
                      ModelRow{"GeoAlone", 1, false, WorldModel::Geo, 6, "Geocentric View"},
                      ModelRow{"GeoWithSuperior", 1, true, WorldModel::Geo, 15, "Geocentric View"},
                      ModelRow{"Tycho", 2, true, WorldModel::Tycho, 6, "Tychonic View"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Models, BackToHelioAfterZoomedGeoFitsSixUnits) {
    FormFixture f;
    f.c().superChk.click();
    f.c().geoOpt().click();
    EXPECT_EQ(f.s().planWidth, 15.0F);
    f.c().helioOpt().click();
    EXPECT_EQ(f.s().planWidth, 6.0F);
    EXPECT_EQ(f.s().planZoom, 1.0F);
}

TEST(Models, ChangingWhileRunningKeepsTheRunTimeAndLabel) {
    FormFixture f;
    f.c().FrunBut.click();
    f.form.timerTick();
    const std::string label = f.c().tLab.caption();
    const Raster sky = f.sky();
    f.c().tychoOpt().click();
    EXPECT_FALSE(f.s().stopped);
    EXPECT_EQ(f.s().simTime, 3.0);
    EXPECT_EQ(f.c().tLab.caption(), label);
    // The sky view is not cleared, and the bodies stand where they stood on it.
    EXPECT_EQ(f.sky(), sky);
    f.form.timerTick();
    EXPECT_EQ(f.s().simTime, 6.0);
}

TEST(Models, InTheEarthCentredModelsTheEarthSitsAtTheCentre) {
    for (int option : {1, 2}) {
        FormFixture f;
        f.c().modelOpt.click(option);
        const QPoint centre = planPixel(6, 0, 0) + QPoint(2, 1);
        EXPECT_EQ(rgb(f.plan(), centre), qRgb(0, 0, 255) & 0xFFFFFFU) << option;
    }
}

} // namespace
} // namespace vantor
