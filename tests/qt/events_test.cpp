#include "tests/qt/windowfixture.hpp"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vantor {
namespace {

QPoint centreOf(const QWidget* widget) {
    return widget->rect().center();
}

// What the window system delivers for a double-click: a whole click, then a second press that
// comes as a press and a double-click, then its release.
void doubleClick(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(widget, button, {}, pos);
    QTest::mouseRelease(widget, button, {}, pos);
    QTest::mousePress(widget, button, {}, pos);
    QTest::mouseDClick(widget, button, {}, pos);
    QTest::mouseRelease(widget, button, {}, pos);
}

TEST_F(WindowTest, PictureButtonClickReachesTheClock) {
    QTest::mouseClick(widget("FstepBut"), Qt::LeftButton, {}, centreOf(widget("FstepBut")));
    EXPECT_EQ(window.form().state().simTime, 3.0);
    EXPECT_EQ(labelText("tLab"),
              QLocale::system().standaloneMonthName(3, QLocale::LongFormat) + " 24");
}

TEST_F(WindowTest, PressReleasedOutsideTheButtonClicksNothing) {
    QWidget* step = widget("FstepBut");
    QTest::mousePress(step, Qt::LeftButton, {}, centreOf(step));
    QTest::mouseRelease(step, Qt::LeftButton, {}, QPoint(step->width() + 5, 2));
    EXPECT_EQ(window.form().state().simTime, 0.0);
}

TEST_F(WindowTest, RunButtonLetsTheTimerStepTheClock) {
    QTest::mouseClick(widget("FrunBut"), Qt::LeftButton, {}, centreOf(widget("FrunBut")));
    EXPECT_FALSE(window.form().state().stopped);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.form().state().simTime >= 6.0; }, 3000));

    // A stopped clock lets the program sleep: its timer goes quiet until the clock runs again.
    const auto* timer = window.findChild<QTimer*>("clockTimer");
    ASSERT_NE(timer, nullptr);
    QTest::mouseClick(widget("stopBut"), Qt::LeftButton, {}, centreOf(widget("stopBut")));
    EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 1000));
    QTest::keyClick(&window, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(WindowTest, ResetDoubleClickDeliversTheClickFirst) {
    QTest::mouseClick(widget("FstepBut"), Qt::LeftButton, {}, centreOf(widget("FstepBut")));
    ASSERT_EQ(window.form().state().simTime, 3.0);

    // Of the two, only the click writes the date label back to the start.
    doubleClick(widget("t0But"), centreOf(widget("t0But")));
    EXPECT_TRUE(window.form().state().stopped);
    EXPECT_EQ(window.form().state().simTime, 0.0);
    EXPECT_EQ(labelText("tLab"),
              QLocale::system().standaloneMonthName(3, QLocale::LongFormat) + " 21");
}

TEST_F(WindowTest, DoubleClicksOnTheFramesToggleTheirViews) {
    QWidget* planFrame = widget("planFrm");
    doubleClick(planFrame, QPoint(planFrame->width() - 3, planFrame->height() - 3));
    EXPECT_EQ(controls().topChk.value(), 1);
    EXPECT_TRUE(widget("planView")->isVisible());

    // The left button only, on the frames as on the map.
    doubleClick(widget("Frame2"), QPoint(3, 12), Qt::RightButton);
    doubleClick(widget("mercator"), QPoint(3, 3), Qt::MiddleButton);
    EXPECT_EQ(controls().skyChk.value(), 1);
    doubleClick(widget("Frame2"), QPoint(3, 12));
    EXPECT_EQ(controls().skyChk.value(), 0);
    EXPECT_FALSE(button("skyChk")->isChecked());
    EXPECT_FALSE(widget("mercator")->isVisible());
}

TEST_F(WindowTest, CheckBoxClickGoesToTheModelAndItsCascadeComesBack) {
    QTest::mouseClick(button("superChk"), Qt::LeftButton);
    QTest::mouseClick(button("SprojChk"), Qt::LeftButton);
    ASSERT_EQ(controls().SprojChk.value(), 1);
    EXPECT_TRUE(button("SprojChk")->isChecked());

    // Turning the body off turns its boxes off in the model; the widgets follow.
    QTest::mouseClick(button("superChk"), Qt::LeftButton);
    EXPECT_EQ(controls().superChk.value(), 0);
    EXPECT_EQ(controls().SprojChk.value(), 0);
    EXPECT_FALSE(button("superChk")->isChecked());
    EXPECT_FALSE(button("SprojChk")->isChecked());
}

TEST_F(WindowTest, TopViewBoxSwapsTheDiscForThePlanView) {
    QTest::mouseClick(button("topChk"), Qt::LeftButton);
    EXPECT_EQ(controls().topChk.value(), 1);
    EXPECT_TRUE(widget("planView")->isVisible());
    EXPECT_FALSE(widget("planBlock")->isVisible());

    // A double-click on the plan view toggles it off again, and the box shows it.
    doubleClick(widget("planView"), QPoint(5, 5));
    EXPECT_EQ(controls().topChk.value(), 0);
    EXPECT_FALSE(button("topChk")->isChecked());
    EXPECT_TRUE(widget("planBlock")->isVisible());
}

TEST_F(WindowTest, OptionClickSelectsThroughTheModel) {
    QTest::mouseClick(button("geoOpt"), Qt::LeftButton);
    EXPECT_EQ(controls().modelOpt.selected(), 1);
    EXPECT_EQ(window.form().state().worldModel, WorldModel::Geo);
    EXPECT_TRUE(button("geoOpt")->isChecked());
    EXPECT_FALSE(button("helioOpt")->isChecked());

    QTest::mouseClick(button("dtOpt(3)"), Qt::LeftButton);
    EXPECT_EQ(window.form().state().stepDays, 30.4375);
    EXPECT_FALSE(button("dtOpt(1)")->isChecked());
}

TEST_F(WindowTest, PointerMovesWriteAndClearTheHintLine) {
    QTest::mouseMove(widget("FrunBut"), centreOf(widget("FrunBut")));
    EXPECT_EQ(labelText("tooltipsLab"), " Run Time Forward");
    EXPECT_EQ(qobject_cast<QFrame*>(widget("tooltipsLab"))->frameShape(), QFrame::Box);

    // The "Display" frame's own area empties the text and keeps the border.
    QTest::mouseMove(widget("Frame3"), QPoint(widget("Frame3")->width() - 4, 40));
    EXPECT_EQ(labelText("tooltipsLab"), "");
    EXPECT_EQ(qobject_cast<QFrame*>(widget("tooltipsLab"))->frameShape(), QFrame::Box);

    QTest::mouseMove(widget("mercator"), QPoint(20, 20));
    EXPECT_EQ(labelText("tooltipsLab"), " dbl Click to hide/display");

    // The bare window background clears the line and its border.
    QTest::mouseMove(window.centralWidget(), QPoint(500, 455));
    EXPECT_EQ(labelText("tooltipsLab"), "");
    EXPECT_EQ(qobject_cast<QFrame*>(widget("tooltipsLab"))->frameShape(), QFrame::NoFrame);
}

TEST_F(WindowTest, AboutShowsAnInformationBoxWithTheLicenceOverTheWindow) {
    window.findChild<QAction*>("HaboutMen")->trigger();
    auto* box = window.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isModal());
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->windowTitle(), "Vantor");
    EXPECT_TRUE(box->text().startsWith("Version 2.00\n00.05.22\n")) << box->text().toStdString();
    // The licence stands apart, below the box's four lines.
    EXPECT_EQ(box->text().count('\n'), 3);
    EXPECT_TRUE(box->informativeText().contains("MIT licence"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(WindowTest, ExitClosesTheWindow) {
    window.findChild<QAction*>("fxM")->trigger();
    EXPECT_FALSE(window.isVisible());
}

// The widget shows its surface's pixels one to one inside its border.
void expectShowsSurface(QWidget* view, const Raster& raster, int border) {
    const QImage surface = imageOf(raster);
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), surface.size() + QSize(2 * border, 2 * border));
    EXPECT_EQ(shown.copy(border, border, surface.width(), surface.height()), surface);
    if (border > 0) {
        EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(Qt::black));
        EXPECT_EQ(QColor(shown.pixel(shown.width() - 1, shown.height() - 1)), QColor(Qt::black));
    }
}

TEST_F(WindowTest, SurfacesPaintTheirPixelsUnsmoothed) {
    ASSERT_EQ(window.devicePixelRatio(), 1.0);
    expectShowsSurface(widget("mercator"), window.form().skySurface().Image(), 1);
    QTest::mouseClick(button("topChk"), Qt::LeftButton);
    expectShowsSurface(widget("planView"), window.form().planSurface().Image(), 0);
}

TEST_F(WindowTest, ASteppedClockRepaintsTheSkyView) {
    QWidget* sky = widget("mercator");
    const auto shownSky = [this, sky] {
        const QRect area(sky->mapTo(&window, QPoint(1, 1)), QSize(471, 159));
        return window.screen()
            ->grabWindow(window.winId())
            .toImage()
            .copy(area)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = shownSky();
    ASSERT_EQ(before, imageOf(window.form().skySurface().Image()));

    QTest::mouseClick(widget("FstepBut"), Qt::LeftButton, {}, centreOf(widget("FstepBut")));
    ASSERT_NE(imageOf(window.form().skySurface().Image()), before);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return shownSky() == imageOf(window.form().skySurface().Image()); }, 1000));
}

} // namespace
} // namespace vantor
