#include "window/frame.hpp"
#include "window/label.hpp"
#include "window/menuitem.hpp"
#include "window/picturecontrol.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantor {
namespace {

using Log = std::vector<std::string>;

TEST(Label, HintLineWritesTellListenersOnlyOnRealChanges) {
    Label tip("tooltipsLab");
    Log log;
    tip.onChanged(
        [&] { log.push_back(std::to_string(tip.borderStyle()) + "[" + tip.caption() + "]"); });

    tip.setBorderStyle(1);
    tip.setCaption(" Stop");
    tip.setBorderStyle(1);
    tip.setCaption(" Stop");
    tip.setCaption("");

    EXPECT_EQ(log, (Log{"1[]", "1[ Stop]", "1[]"}));
}

TEST(Frame, CaptionWritesAndDoubleClick) {
    Frame frame("planFrm", "Heliocentric View");
    int changes = 0;
    int doubleClicks = 0;
    frame.onChanged([&] { ++changes; });
    frame.setDoubleClickAction([&] { ++doubleClicks; });

    frame.setCaption("Geocentric View");
    frame.setCaption("Geocentric View");
    frame.doubleClick();

    EXPECT_EQ(frame.caption(), "Geocentric View");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(doubleClicks, 1);
}

class PictureButton : public ::testing::Test {
protected:
    PictureButton() {
        button.setClickAction([this] { log.push_back("click"); });
        button.setDoubleClickAction([this] { log.push_back("double"); });
        button.setMouseMoveAction([this] { log.push_back("move"); });
    }

    void useAllEvents() {
        button.click();
        button.doubleClick();
        button.mouseMove();
    }

    PictureControl button{"planBlock"};
    Log log;
};

TEST_F(PictureButton, VisibleControlRunsEveryMouseAction) {
    useAllEvents();
    EXPECT_EQ(log, (Log{"click", "double", "move"}));
}

TEST_F(PictureButton, HiddenControlIgnoresMouseUntilShownAgain) {
    button.setVisible(false);
    useAllEvents();
    EXPECT_TRUE(log.empty());

    button.setVisible(true);
    button.click();
    EXPECT_EQ(log, (Log{"click"}));
}

TEST(PictureControl, FaceSwapsCopyAnotherControlsFaceAndTellOnChange) {
    PictureControl runButton("FrunBut", Face::RunForward);
    const PictureControl greyFace("Frun_g", Face::RunForwardGrey, false);
    int changes = 0;
    runButton.onChanged([&] { ++changes; });

    runButton.setFace(greyFace.face());
    runButton.setFace(greyFace.face());

    EXPECT_EQ(runButton.face(), Face::RunForwardGrey);
    EXPECT_EQ(changes, 1);
}

TEST(MenuItem, DisabledItemRunsNothingAndChangesAreTold) {
    MenuItem item("optMen", "Options");
    int clicks = 0;
    int changes = 0;
    item.setClickAction([&] { ++clicks; });
    item.onChanged([&] { ++changes; });

    item.click();
    item.setEnabled(false);
    item.click();
    item.setEnabled(false);
    item.setCaption(std::string(1, '\b') + "Help");

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(item.caption(), "\bHelp");
    EXPECT_FALSE(MenuItem("fxM", "Exit").isSeparator());
    EXPECT_TRUE(MenuItem("fMdiv", "-").isSeparator());
}

} // namespace
} // namespace vantor
