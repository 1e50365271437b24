#include "window/checkbox.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantor {
namespace {

using Log = std::vector<std::string>;

// A box whose action and listener write into a shared log, with the value seen at that moment.
void watch(CheckBox& box, Log& log) {
    box.onChanged(
        [&box, &log] { log.push_back(box.name() + " changed " + std::to_string(box.value())); });
    box.setClickAction(
        [&box, &log] { log.push_back(box.name() + " click " + std::to_string(box.value())); });
}

TEST(CheckBox, UserClickFlipsThenTellsListenersThenRunsAction) {
    CheckBox box("sunChk", "Sun", 1);
    Log log;
    watch(box, log);

    box.click();
    box.click();

    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(log,
              (Log{"sunChk changed 0", "sunChk click 0", "sunChk changed 1", "sunChk click 1"}));
}

TEST(CheckBox, CodeWriteOfNewValueRunsActionNestedBeforeReturning) {
    CheckBox box("topChk", "Top View");
    Log log;
    watch(box, log);

    log.push_back("before write");
    box.setValue(1);
    log.push_back("after write");

    EXPECT_EQ(log, (Log{"before write", "topChk changed 1", "topChk click 1", "after write"}));
}

TEST(CheckBox, CodeWriteOfSameValueRunsAndTellsNothing) {
    CheckBox on("earthChk", "Earth", 1);
    CheckBox off("interChk", "Inferior", 0);
    Log log;
    watch(on, log);
    watch(off, log);

    on.setValue(1);
    off.setValue(0);

    EXPECT_TRUE(log.empty());
}

TEST(CheckBox, AnyIntegerIsStoredAndAUserClickTurnsEveryNonZeroValueOff) {
    CheckBox box("SoChk");
    int runs = 0;
    box.setClickAction([&runs] { ++runs; });

    box.setValue(2);
    EXPECT_EQ(box.value(), 2);
    box.click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(runs, 2);
}

TEST(CheckBox, CascadeRunsEachDependentActionInOrderWithinTheOuterAction) {
    CheckBox sun("sunChk", "Sun", 1);
    CheckBox proj("EprojChk", "", 1);
    CheckBox orbit("SUNoChk", "", 0);
    CheckBox trail("SUNtrailChk", "", 1);
    Log log;
    for (auto* box : {&proj, &orbit, &trail}) {
        box->setClickAction([box, &log] { log.push_back(box->name() + " off"); });
    }
    sun.setClickAction([&] {
        log.push_back("sunChk begins");
        for (auto* box : {&proj, &orbit, &trail}) {
            if (box->value() == 1) {
                box->setValue(0);
            }
        }
        log.push_back("sunChk ends");
    });

    sun.click();

    EXPECT_EQ(log, (Log{"sunChk begins", "EprojChk off", "SUNtrailChk off", "sunChk ends"}));
    EXPECT_EQ(proj.value(), 0);
    EXPECT_EQ(orbit.value(), 0);
    EXPECT_EQ(trail.value(), 0);
}

TEST(CheckBox, ListenerSeesEveryNestedChangeOnceAndReadsOtherBoxes) {
    CheckBox earth("earthChk", "Earth", 1);
    CheckBox orbit("EoChk", "", 1);
    earth.setClickAction([&orbit] { orbit.setValue(0); });
    Log log;
    earth.onChanged([&] {
        log.push_back("earth " + std::to_string(earth.value()) + std::to_string(orbit.value()));
    });
    orbit.onChanged([&] {
        log.push_back("orbit " + std::to_string(earth.value()) + std::to_string(orbit.value()));
    });

    earth.setValue(0);

    EXPECT_EQ(log, (Log{"earth 01", "orbit 00"}));
}

TEST(CheckBox, ActionMayWriteItsOwnBoxAndReplaceItselfWhileRunning) {
    CheckBox box("IdiskChk");
    Log log;
    box.setClickAction([&] {
        log.push_back("first " + std::to_string(box.value()));
        box.setClickAction([&] { log.push_back("second " + std::to_string(box.value())); });
        box.setValue(0);
        log.push_back("first ends");
    });

    box.click();
    box.click();

    EXPECT_EQ(log, (Log{"first 1", "second 0", "first ends", "second 1"}));
    EXPECT_EQ(box.value(), 1);
}

TEST(CheckBox, ListenerSubscribedDuringNotificationHearsOnlyLaterChanges) {
    CheckBox box("StrailChk");
    int late = 0;
    bool subscribed = false;
    box.onChanged([&] {
        if (!subscribed) {
            subscribed = true;
            box.onChanged([&late] { ++late; });
        }
    });

    box.click();
    EXPECT_EQ(late, 0);
    box.click();
    EXPECT_EQ(late, 1);
}

} // namespace
} // namespace vantor
