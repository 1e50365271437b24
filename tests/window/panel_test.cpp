// The display panel's cascades, the sky and plan commands, the menus and the hint line.
#include "formfixture.hpp"

#include <QFile>
#include <QImage>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace vantor {
namespace {

// Records the order in which check boxes change.
class Watch {
public:
    explicit Watch(Controls& c) {
        for (CheckBox* box : c.checkBoxes()) {
            box->onChanged(
                [this, box] { log.push_back(box->name() + "=" + std::to_string(box->value())); });
        }
    }
    std::vector<std::string> log;
};

TEST(BodyBoxes, TurningABodyOffTurnsItsBoxesOffInOrder) {
    FormFixture f;
    for (CheckBox* box :
         {&f.c().superChk, &f.c().SprojChk, &f.c().SoChk, &f.c().StrailChk, &f.c().SdiskChk}) {
        box->click();
    }
    Watch watch(f.c());
    f.c().superChk.click();
    EXPECT_EQ(watch.log,
              (std::vector<std::string>{"superChk=0", "SprojChk=0", "SoChk=0", "StrailChk=0"}));
    EXPECT_FALSE(f.s().superOn);
    EXPECT_EQ(f.c().SdiskChk.value(), 1) << "a body never turns its disk box off";
}

TEST(BodyBoxes, TheEarthToSunLineFollowsBothBodies) {
    for (CheckBox Controls::*body : {&Controls::sunChk, &Controls::earthChk}) {
        FormFixture f;
        f.c().EprojChk.click();
        (f.c().*body).click();
        EXPECT_EQ(f.c().EprojChk.value(), 0) << (f.c().*body).name();
        EXPECT_EQ(f.form.planViewRoom().sight(BodyId::Sun).drawn, 0);
    }
}

TEST(BodyBoxes, HidingABodyErasesOnlyThatBody) {
    FormFixture f;
    const Raster before = f.plan();
    const Raster skyBefore = f.sky();
    f.c().interChk.click();
    f.c().interChk.click();
    EXPECT_EQ(f.plan(), before);
    EXPECT_EQ(f.sky(), skyBefore);
    EXPECT_FALSE(f.s().interOn);
}

TEST(BodyBoxes, SuperiorZoomsTheGeocentricPlanOutAndBack) {
    FormFixture f;
    f.c().geoOpt().click();
    EXPECT_EQ(f.s().planWidth, 6.0F);
    f.c().superChk.click();
    EXPECT_EQ(f.s().planWidth, 15.0F);
    EXPECT_NE(f.form.planViewRoom().marker(BodyId::Super).drawn, 0);
    f.c().superChk.click();
    EXPECT_EQ(f.s().planWidth, 6.0F);
    // No redraw follows: the plan shows only its background and grid until the next step.
    for (BodyId body : {BodyId::Earth, BodyId::Sun, BodyId::Super}) {
        EXPECT_EQ(f.form.planViewRoom().marker(body).drawn, 0);
    }
    f.c().FstepBut.click();
    EXPECT_NE(f.form.planViewRoom().marker(BodyId::Earth).drawn, 0);
}

TEST(BodyBoxes, SuperiorLeavesOtherModelsUnzoomed) {
    FormFixture f;
    f.c().tychoOpt().click();
    f.c().superChk.click();
    EXPECT_EQ(f.s().planZoom, 1.0F);
}

TEST(FigureBoxes, OffErasesTheFigureAndOnRedrawsIt) {
    FormFixture f;
    f.c().interChk.click();
    const Raster plain = f.plan();
    for (CheckBox* box : {&f.c().IoChk, &f.c().IprojChk, &f.c().EprojChk, &f.c().EoChk}) {
        box->click();
        EXPECT_NE(f.plan(), plain) << box->name();
        box->click();
        EXPECT_EQ(f.plan(), plain) << box->name();
    }
}

TEST(FigureBoxes, BoxesOfAHiddenBodyDrawNothing) {
    FormFixture f;
    const Raster plain = f.plan();
    f.c().SoChk.click();
    f.c().SprojChk.click();
    EXPECT_EQ(f.plan(), plain);
    f.c().SoChk.click();
    EXPECT_EQ(f.plan(), plain);
}

TEST(DiskBoxes, RedrawTheMarkerAtOnceAtTheNewSize) {
    FormFixture f;
    const Raster dots = f.plan();
    f.c().EdiskChk.click();
    EXPECT_NE(f.plan(), dots);
    EXPECT_FLOAT_EQ(f.form.planViewRoom().marker(BodyId::Earth).markR, 0.12F);
    f.c().EdiskChk.click();
    EXPECT_EQ(f.plan(), dots);
}

TEST(TrailBoxes, OnWaitsForTheNextStepOffWipesEveryTrail) {
    FormFixture f;
    const Raster sky = f.sky();
    f.c().SUNtrailChk.click();
    EXPECT_EQ(f.sky(), sky);
    for (int i = 0; i < 4; ++i) {
        f.c().FstepBut.click();
    }
    f.c().SUNtrailChk.click();
    // Both views show only their background and grid until the next redraw.
    FormFixture bare;
    bare.form.eraseAllFigures();
    EXPECT_EQ(f.sky(), bare.sky());
    EXPECT_EQ(f.plan(), bare.plan());
}

TEST(TopView, SwapsThePlanAndTheDiscAndDoubleClicksToggleIt) {
    FormFixture f;
    const Raster plan = f.plan();
    f.c().topChk.click();
    EXPECT_TRUE(f.c().planView.visible());
    EXPECT_FALSE(f.c().planBlock.visible());
    EXPECT_EQ(f.plan(), plan) << "showing the plan draws nothing";
    f.c().planView.doubleClick();
    EXPECT_EQ(f.c().topChk.value(), 0);
    EXPECT_TRUE(f.c().planBlock.visible());
    f.c().planBlock.doubleClick();
    EXPECT_EQ(f.c().topChk.value(), 1);
    f.c().planFrm.doubleClick();
    EXPECT_EQ(f.c().topChk.value(), 0);
    // The hidden plan view takes no double-click.
    f.c().planView.doubleClick();
    EXPECT_EQ(f.c().topChk.value(), 0);
}

TEST(Grids, TopGridRedrawsTheWholePlanWithoutAxes) {
    FormFixture f;
    const Raster withGrid = f.plan();
    f.c().topGridChk.click();
    EXPECT_NE(f.plan(), withGrid);
    f.c().topGridChk.click();
    EXPECT_EQ(f.plan(), withGrid);
}

TEST(Grids, SkyGridTogglesByDrawingAgain) {
    FormFixture f;
    const Raster withGrid = f.sky();
    f.c().skyGridChk.click();
    EXPECT_EQ(f.c().skyGridChk.value(), 0);
    EXPECT_NE(f.sky(), withGrid);
    f.c().skyGridChk.click();
    EXPECT_EQ(f.sky(), withGrid);
}

TEST(SkyView, DoubleClicksHideAndShowTheMap) {
    FormFixture f;
    f.c().mercator.doubleClick();
    EXPECT_FALSE(f.c().mercator.visible());
    EXPECT_EQ(f.c().skyChk.value(), 0);
    f.c().mercator.doubleClick(); // hidden: takes no mouse
    EXPECT_FALSE(f.c().mercator.visible());
    f.c().Frame2.doubleClick();
    EXPECT_TRUE(f.c().mercator.visible());
    EXPECT_EQ(f.c().skyChk.value(), 1);
}

// Clearing a view forgets its figures, so the next redraw leaves no stray copy behind.
TEST(ClearCommands, LeaveNoGhostAtTheNextRedraw) {
    FormFixture f;
    for (CheckBox* box : {&f.c().interChk, &f.c().IprojChk, &f.c().IoChk, &f.c().EprojChk}) {
        box->click();
    }
    f.c().FstepBut.click();
    f.c().TclrPlanMen.click();
    f.c().TclrMercMen.click();
    EXPECT_EQ(f.plan(), f.form.planSurface().Picture()) << "the grid is not redrawn";
    EXPECT_EQ(f.sky(), f.form.skySurface().Picture());
    f.c().FstepBut.click();
    f.form.eraseAllFigures();
    EXPECT_EQ(f.plan(), f.form.planSurface().Picture());
    EXPECT_EQ(f.sky(), f.form.skySurface().Picture());
}

TEST(Saves, WriteTheViewAndMakeItTheBackground) {
    TempCurrentDir dir;
    FormFixture f;
    f.c().interChk.click();
    f.c().FstepBut.click();
    const Raster sky = f.sky();
    const Raster plan = f.plan();
    f.c().TsaveMerc.click();
    f.c().TsaveP.click();
    ASSERT_TRUE(f.messages.empty());
    EXPECT_EQ(rasterOf(QImage("mersave.bmp")), sky);
    EXPECT_EQ(rasterOf(QImage("plansave.bmp")), plan);
    f.c().TclrMercMen.click();
    EXPECT_EQ(f.sky(), sky) << "a clear returns to the saved picture";
    // Saving again writes the same picture.
    f.c().TsaveMerc.click();
    EXPECT_EQ(rasterOf(QImage("mersave.bmp")), sky);
}

TEST(Saves, AFailedSaveShowsAMessageAndChangesNothing) {
    TempCurrentDir dir;
    FormFixture f;
    std::filesystem::create_directory("mersave.bmp"); // a folder where the file should go
    f.c().FstepBut.click();
    const Raster background = f.form.skySurface().Picture();
    f.c().TsaveMerc.click();
    ASSERT_EQ(f.messages.size(), 1U);
    EXPECT_EQ(f.messages[0].icon, Platform::Icon::Warning);
    EXPECT_NE(f.messages[0].text.find("mersave.bmp"), std::string::npos);
    EXPECT_EQ(f.form.skySurface().Picture(), background);
    f.c().FstepBut.click(); // still running
    EXPECT_EQ(f.s().simTime, 6.0);
}

void writeCatalogue(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

TEST(Stars, LoadingTwiceRemovesThemAgain) {
    TempCurrentDir dir;
    writeCatalogue("vantor.csv", "name,ra,dec,lon,lat,mag,note\n"
                                 "A,0.6,3,10,0,0.5,x\n"
                                 "B,13,-20,200,-25,2.5,y\n");
    FormFixture f;
    const Raster sky = f.sky();
    f.c().TloadEcMen.click();
    EXPECT_EQ(f.s().starCount, 2);
    EXPECT_NE(f.sky(), sky);
    f.c().TloadEcMen.click();
    EXPECT_EQ(f.sky(), sky);
    f.c().TloadEqMen.click();
    EXPECT_NE(f.sky(), sky);
    EXPECT_TRUE(f.messages.empty());
}

TEST(Stars, AMissingCatalogueShowsAMessageAndLeavesTheMap) {
    TempCurrentDir dir;
    FormFixture f;
    const Raster sky = f.sky();
    f.c().TloadEcMen.click();
    ASSERT_EQ(f.messages.size(), 1U);
    EXPECT_NE(f.messages[0].text.find("vantor.csv"), std::string::npos);
    EXPECT_EQ(f.sky(), sky);
}

TEST(Stars, TheShippedCatalogueStandsInForAMissingOne) {
    TempCurrentDir dir;
    std::filesystem::create_directory("share");
    writeCatalogue("share/vantor.csv", "h,0,0,0,0,0,\nS,1,1,30,1,1.5,\n");
    FormFixture f;
    f.form.setShippedCatalogue(dir.path() / "share" / "vantor.csv");
    f.c().TloadEcMen.click();
    EXPECT_TRUE(f.messages.empty());
    EXPECT_EQ(f.s().starCount, 1);
    // The current folder's file comes first.
    writeCatalogue("vantor.csv", "h,0,0,0,0,0,\nS,1,1,30,1,1.5,\nT,1,1,40,1,1.5,\n");
    f.c().TloadEcMen.click();
    EXPECT_EQ(f.s().starCount, 2);
}

// A "vantor.csv" that is there but cannot be opened is reported, not replaced by the shipped one.
TEST(Stars, ALinkThatLeadsNowhereIsReportedNotReplaced) {
    TempCurrentDir dir;
    std::filesystem::create_directory("share");
    writeCatalogue("share/vantor.csv", "h,0,0,0,0,0,\nS,1,1,30,1,1.5,\n");
    const std::pair<const char*, const char*> links[] = {
        {"missing.csv", "No such file or directory"},
        {"vantor.csv", "Too many levels of symbolic links"}};
    for (const auto& [target, reason] : links) {
        std::filesystem::remove("vantor.csv");
        std::filesystem::create_symlink(target, "vantor.csv");
        FormFixture f;
        f.form.setShippedCatalogue(dir.path() / "share" / "vantor.csv");
        const auto before = f.s().starCount;
        f.c().TloadEcMen.click();
        EXPECT_EQ(f.s().starCount, before) << target;
        ASSERT_EQ(f.messages.size(), 1U);
        EXPECT_EQ(f.messages[0].text, std::string("Cannot open vantor.csv: ") + reason);
    }
}

TEST(Stars, DamagedLinesAreReportedAndTheRestPlotted) {
    TempCurrentDir dir;
    writeCatalogue("vantor.csv", "h,0,0,0,0,0,\nS,1,1,30,1,1.5,\nbroken,line\n");
    FormFixture f;
    f.c().TloadEcMen.click();
    EXPECT_EQ(f.s().starCount, 1);
    ASSERT_EQ(f.messages.size(), 1U);
    EXPECT_EQ(f.messages[0].icon, Platform::Icon::Warning);
}

TEST(Menus, AboutShowsTheVersionAndExitQuits) {
    FormFixture f;
    f.c().HaboutMen.click();
    ASSERT_EQ(f.messages.size(), 1U);
    EXPECT_EQ(f.messages[0].icon, Platform::Icon::Information);
    EXPECT_EQ(f.messages[0].title, "Vantor");
    const std::string& text = f.messages[0].text;
    EXPECT_EQ(text.rfind("Version 2.00\r\n00.05.22\r\n", 0), 0U) << text;
    EXPECT_NE(text.find("the Vantor authors"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_EQ(f.quits, 0);
    f.c().fxM.click();
    EXPECT_EQ(f.quits, 1);
    EXPECT_FALSE(f.c().optMen.enabled());
}

TEST(Hints, FollowThePointer) {
    FormFixture f;
    Controls& c = f.c();
    Label& tip = c.tooltipsLab;
    c.FrunBut.mouseMove();
    EXPECT_EQ(tip.caption(), " Run Time Forward");
    EXPECT_EQ(tip.borderStyle(), 1);
    c.earthChk.mouseMove();
    c.EdiskChk.mouseMove(); // keeps the hint
    EXPECT_EQ(tip.caption(), " Hide/Display object");
    c.Frame3.mouseMove(); // empties the text, keeps the border
    EXPECT_EQ(tip.caption(), "");
    EXPECT_EQ(tip.borderStyle(), 1);
    c.retroF.mouseMove();
    EXPECT_EQ(tip.borderStyle(), 0);
    c.Label3.mouseMove();
    EXPECT_EQ(tip.caption(), " Leave trail");
    c.dtOpt.button(2).mouseMove();
    EXPECT_EQ(tip.caption(), "");
    EXPECT_EQ(tip.borderStyle(), 0);
    c.planBlock.mouseMove();
    EXPECT_EQ(tip.caption(), " dbl Click to hide/display");
    c.topChk.click();
    c.planView.mouseMove();
    EXPECT_EQ(tip.caption(), "");
    c.geoOpt().mouseMove();
    EXPECT_EQ(tip.caption(), " Select Geocentric Model");
    c.t0But.mouseMove();
    EXPECT_EQ(tip.caption(), " Reset Time to T0");
}

// A long random run of steps, model changes and box switches with no trail: erasing every
// figure through its own routine must give back exactly the background of both views. Any
// figure drawn once too often or erased in the wrong place shows up here.
TEST(Invariant, ErasingEveryFigureRestoresBothBackgrounds) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        FormFixture f;
        Controls& c = f.c();
        std::mt19937 random(seed);
        std::vector<CheckBox*> boxes{
            &c.sunChk,   &c.interChk, &c.earthChk, &c.superChk,   &c.SUNoChk,    &c.IoChk,
            &c.EoChk,    &c.SoChk,    &c.IprojChk, &c.EprojChk,   &c.SprojChk,   &c.SUNdiskChk,
            &c.IdiskChk, &c.EdiskChk, &c.SdiskChk, &c.topGridChk, &c.skyGridChk, &c.topChk};
        for (int action = 0; action < 150; ++action) {
            const unsigned pick = random() % 10;
            if (pick < 4) {
                c.dtOpt.click(static_cast<int>(random() % 4));
                (random() % 3 == 0 ? c.BstepBut : c.FstepBut).click();
            } else if (pick < 5) {
                c.modelOpt.click(static_cast<int>(random() % 3));
            } else {
                boxes[random() % boxes.size()]->click();
            }
        }
        f.eraseEverything();
        ASSERT_EQ(f.plan(), f.form.planSurface().Picture()) << "seed " << seed;
        ASSERT_EQ(f.sky(), f.form.skySurface().Picture()) << "seed " << seed;
    }
}

} // namespace
} // namespace vantor
