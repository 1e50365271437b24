#include "tests/qt/windowfixture.hpp"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <set>

namespace vantor {
namespace {

class KeyboardTest : public WindowTest {
protected:
    KeyboardTest() {
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
    }

    // A key as the user presses it, to whatever has the focus.
    void press(QKeyCombination key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
};

TEST_F(KeyboardTest, EveryMenuCommandShowsItsOwnKey) {
    std::set<QString> keys;
    for (const char* name : {"fileM", "testMen", "helpMen"}) {
        for (const QAction* action : window.findChild<QMenu*>(name)->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
            EXPECT_TRUE(keys.insert(action->shortcut().toString()).second)
                << "two commands share " << action->shortcut().toString().toStdString();
        }
    }
    EXPECT_EQ(keys.size(), 8U);
}

TEST_F(KeyboardTest, ClockKeysReachTheModelPastAFocusedBox) {
    button("superChk")->setFocus();
    press(Qt::ControlModifier | Qt::Key_Right);
    EXPECT_EQ(window.form().state().simTime, 3.0);
    press(Qt::ControlModifier | Qt::Key_Left);
    press(Qt::ControlModifier | Qt::Key_Left);
    EXPECT_EQ(window.form().state().simTime, -3.0);
    EXPECT_EQ(controls().superChk.value(), 0) << "a clock key toggled the focused box";

    press(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Left);
    EXPECT_FALSE(window.form().state().stopped);
    EXPECT_EQ(window.form().state().runDir, -1.0);
    press(Qt::Key_Escape);
    EXPECT_TRUE(window.form().state().stopped);

    press(Qt::Key_Home);
    EXPECT_EQ(window.form().state().simTime, 0.0);
    EXPECT_EQ(labelText("tLab"),
              QLocale::system().standaloneMonthName(3, QLocale::LongFormat) + " 21");

    // Space stays the focused box's own key.
    press(Qt::Key_Space);
    EXPECT_EQ(controls().superChk.value(), 1);
}

TEST_F(KeyboardTest, HeldToggleKeysActOncePerPress) {
    // A key held past the repeat delay: one press, then the repeats the desktop sends.
    const auto hold = [this](QKeyCombination key) {
        for (const bool repeat : {false, true, true, true}) {
            QTest::simulateEvent(&window, true, key.key(), key.keyboardModifiers(), QString(),
                                 repeat);
        }
        QTest::simulateEvent(&window, false, key.key(), key.keyboardModifiers(), QString(), false);
    };
    hold(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Right);
    EXPECT_FALSE(window.form().state().stopped);
    hold(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Left);
    EXPECT_TRUE(window.form().state().stopped);

    window.form().setShippedCatalogue(VANTOR_DATA_DIR "/vantor.csv");
    const Raster sky = window.form().skySurface().Image();
    hold(Qt::ControlModifier | Qt::Key_E);
    EXPECT_NE(window.form().skySurface().Image(), sky) << "the stars went on and off again";

    // Stepping is no toggle: a held step key goes on stepping.
    hold(Qt::ControlModifier | Qt::Key_Right);
    EXPECT_EQ(window.form().state().simTime, 12.0);
}

TEST_F(KeyboardTest, TabGoesThroughThePanelsInReadingOrder) {
    const QStringList expected{
        "t0But",    "BstepBut",   "BrunBut",     "stopBut",    "FrunBut",    "FstepBut",
        "dtOpt(0)", "dtOpt(1)",   "dtOpt(2)",    "dtOpt(3)",   "skyChk",     "topChk",
        "helioOpt", "geoOpt",     "tychoOpt",    "skyGridChk", "topGridChk", "sunChk",
        "SUNoChk",  "SUNdiskChk", "SUNtrailChk", "interChk",   "IprojChk",   "IoChk",
        "IdiskChk", "ItrailChk",  "earthChk",    "EprojChk",   "EoChk",      "EdiskChk",
        "superChk", "SprojChk",   "SoChk",       "SdiskChk",   "StrailChk",  "t0But"};
    widget("StrailChk")->setFocus();
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        press(QKeyCombination(Qt::Key_Tab));
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(KeyboardTest, AFocusedClockButtonClicksOnSpaceAndEnter) {
    widget("FstepBut")->setFocus();
    ASSERT_TRUE(widget("FstepBut")->hasFocus());
    press(QKeyCombination(Qt::Key_Space));
    EXPECT_EQ(window.form().state().simTime, 3.0);
    press(QKeyCombination(Qt::Key_Return));
    EXPECT_EQ(window.form().state().simTime, 6.0);
    // A plain arrow is no clock key.
    press(QKeyCombination(Qt::Key_Right));
    EXPECT_EQ(window.form().state().simTime, 6.0);
}

TEST_F(KeyboardTest, StandardKeysOpenAboutAndEndTheProgram) {
    press(QKeyCombination(Qt::Key_F1));
    auto* box = window.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    box->close();

    static_cast<void>(QTest::qWaitForWindowActive(&window));
    press(Qt::ControlModifier | Qt::Key_Q);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vantor
