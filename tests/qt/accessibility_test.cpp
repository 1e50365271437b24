#include "tests/qt/windowfixture.hpp"
#include "window/layout.hpp"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <set>

namespace vantor {
namespace {

class AccessibilityTest : public WindowTest {
protected:
    [[nodiscard]] QAccessibleInterface* accessible(const std::string& name) const {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

// The faces the run buttons copy are never shown: they have no widget.
bool namedByTheUser(std::string_view control) {
    return control != "Frun" && control != "Brun" && control != "Brun_g" && control != "Frun_g";
}

TEST_F(AccessibilityTest, EveryShownControlHasANameADescriptionAndItsRole) {
    std::set<QString> boxNames;
    for (const ControlPlace& place : controlPlaces()) {
        const std::string name(place.name);
        if (!namedByTheUser(name)) {
            continue;
        }
        QAccessibleInterface* control = accessible(name);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->text(QAccessible::Name).isEmpty()) << name;
        EXPECT_FALSE(control->text(QAccessible::Description).isEmpty()) << name;
        if (name.ends_with("Chk")) {
            EXPECT_EQ(control->role(), QAccessible::CheckBox) << name;
            boxNames.insert(control->text(QAccessible::Name));
        } else if (name.ends_with("Opt") || name.starts_with("dtOpt")) {
            EXPECT_EQ(control->role(), QAccessible::RadioButton) << name;
        } else if (name.ends_with("But")) {
            EXPECT_EQ(control->role(), QAccessible::Button) << name;
        }
    }
    // The caption-less boxes and the two "Grid" boxes are told apart.
    EXPECT_EQ(boxNames.size(), controls().checkBoxes().size());

    EXPECT_EQ(accessible("mercator")->role(), QAccessible::Graphic);
    EXPECT_EQ(accessible("Frame3")->role(), QAccessible::Grouping);
    EXPECT_EQ(accessible("FstepBut")->text(QAccessible::Accelerator), "Ctrl+Right");
}

TEST_F(AccessibilityTest, SaveCommandsSayThatClearingReturnsToTheSavedPicture) {
    for (const char* name : {"TsaveP", "TsaveMerc"}) {
        auto* action = window.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(action->parent());
        QAccessibleInterface* item = menu->child(
            static_cast<int>(qobject_cast<QMenu*>(action->parent())->actions().indexOf(action)));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->role(), QAccessible::MenuItem) << name;
        EXPECT_EQ(item->text(QAccessible::Name), action->text()) << name;
        EXPECT_TRUE(item->text(QAccessible::Description).contains("clearing")) << name;
        EXPECT_NE(item->actionInterface(), nullptr) << name;
    }
}

TEST_F(AccessibilityTest, ActionsReachTheModelAndStatesFollowIt) {
    QAccessibleInterface* step = accessible("FstepBut");
    ASSERT_NE(step->actionInterface(), nullptr);
    step->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.form().state().simTime, 3.0);
    EXPECT_EQ(accessible("tLab")->text(QAccessible::Name), labelText("tLab"));

    QAccessibleInterface* superior = accessible("superChk");
    EXPECT_FALSE(superior->state().checked);
    superior->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(controls().superChk.value(), 1);
    EXPECT_TRUE(superior->state().checked);

    // A box the model turns off reads unchecked.
    controls().SoChk.setValue(1);
    ASSERT_TRUE(accessible("SoChk")->state().checked);
    controls().superChk.setValue(0);
    EXPECT_FALSE(accessible("SoChk")->state().checked);

    // The plan frame is named by its caption, which follows the world model.
    accessible("geoOpt")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.form().state().worldModel, WorldModel::Geo);
    EXPECT_EQ(accessible("planFrm")->text(QAccessible::Name),
              QString::fromStdString(controls().planFrm.caption()));
    EXPECT_NE(accessible("planFrm")->text(QAccessible::Name), "Heliocentric View");
}

} // namespace
} // namespace vantor
