#include "window/optiongroup.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantor {
namespace {

using Log = std::vector<std::string>;

OptionGroup::Member step(const char* caption) {
    return {"dtOpt", caption};
}

class StepGroup : public ::testing::Test {
protected:
    StepGroup() {
        group.setClickAction(
            [this](int index) { log.push_back("click " + std::to_string(index)); });
        group.onChanged([this] { log.push_back("group " + std::to_string(group.selected())); });
    }

    [[nodiscard]] std::vector<bool> states() const {
        std::vector<bool> result;
        for (int i = 0; i < group.size(); ++i) {
            result.push_back(group.button(i).selected());
        }
        return result;
    }

    OptionGroup group{{step("1day"), step("3day"), step("10days"), step("1 month")}, 1};
    Log log;
};

TEST_F(StepGroup, StartsWithTheLaidOutMemberSelected) {
    EXPECT_EQ(group.selected(), 1);
    EXPECT_EQ(states(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(group.button(3).caption(), "1 month");
    EXPECT_EQ(group.button(3).index(), 3);
}

TEST_F(StepGroup, ClickSelectsExclusivelyAndPassesTheIndex) {
    group.click(3);
    EXPECT_EQ(group.selected(), 3);
    EXPECT_EQ(states(), (std::vector<bool>{false, false, false, true}));

    group.button(0).click();
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, false}));

    EXPECT_EQ(log, (Log{"group 3", "click 3", "group 0", "click 0"}));
}

TEST_F(StepGroup, ClickOnSelectedMemberRunsActionAgainWithoutChange) {
    group.click(1);
    EXPECT_EQ(states(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(log, (Log{"click 1"}));
}

TEST_F(StepGroup, CodeSelectRunsActionOnlyOnChange) {
    group.select(1);
    EXPECT_TRUE(log.empty());

    group.button(2).select();
    EXPECT_EQ(group.selected(), 2);
    EXPECT_EQ(log, (Log{"group 2", "click 2"}));
}

TEST_F(StepGroup, IndexesOutsideTheGroupAreIgnored) {
    group.click(4);
    group.click(-1);
    group.select(7);
    EXPECT_EQ(group.selected(), 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(StepGroup, EachChangedMemberTellsOnceAfterBothStatesAreSettled) {
    for (int i = 0; i < group.size(); ++i) {
        group.button(i).onChanged([this, i] {
            log.push_back("member " + std::to_string(i) + " sees " +
                          std::to_string(group.selected()) +
                          (group.button(1).selected() ? " old still on" : ""));
        });
    }

    group.click(2);

    EXPECT_EQ(log, (Log{"member 1 sees 2", "member 2 sees 2", "group 2", "click 2"}));
}

TEST(OptionGroup, ModelGroupKeepsMemberNamesAndMayStartEmpty) {
    OptionGroup models({{"helioOpt", "Helio"}, {"geoOpt", "Geo"}, {"tychoOpt", "Tycho"}});
    EXPECT_EQ(models.selected(), OptionGroup::noSelection);
    EXPECT_EQ(models.button(1).name(), "geoOpt");

    int clicks = 0;
    models.setClickAction([&](int index) {
        ++clicks;
        // An action that selects another member from code nests a second change and action.
        if (index == 2) {
            models.select(0);
        }
    });
    models.click(2);

    EXPECT_EQ(models.selected(), 0);
    EXPECT_TRUE(models.button(0).selected());
    EXPECT_FALSE(models.button(2).selected());
    EXPECT_EQ(clicks, 2);
}

} // namespace
} // namespace vantor
