// The projector zoom, on a screen as large as the test's platform gives it: Ctrl+Plus and
// Ctrl+Minus grow and shrink the whole window by whole factors as far as the screen has room,
// Ctrl+0 gives the normal size back.
#include "assets/pictures.hpp"
#include "tests/qt/windowfixture.hpp"
#include "window/layout.hpp"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <map>

namespace vantor {
namespace {

class ZoomTest : public WindowTest {
protected:
    void press(Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); }

    // Whether the window at that zoom, its frame included, fits the screen's free area.
    [[nodiscard]] bool fits(int zoom, QSize normal) const {
        const QSize frame = window.frameGeometry().size() - window.size();
        const QSize room = window.screen()->availableGeometry().size();
        return normal.width() * zoom + frame.width() <= room.width() &&
               normal.height() * zoom + frame.height() <= room.height();
    }
};

TEST_F(ZoomTest, KeysGrowEveryControlTogetherAsFarAsTheScreenHasRoom) {
    std::map<std::string_view, QRect> normal;
    for (const ControlPlace& place : controlPlaces()) {
        if (QWidget* shown = window.controlWidget(place.name)) {
            normal[place.name] = shown->geometry();
        }
    }
    const QSize normalWindow = window.size();
    const QSize normalClient = window.centralWidget()->size();
    const int normalBar = window.menuBar()->height();
    // A menu's size, and the height its separator line takes, once it has opened.
    const auto opened = [](QMenu* menu) {
        menu->popup(QPoint());
        int separator = 0;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                separator = menu->actionGeometry(action).height();
            }
        }
        menu->hide();
        return std::pair(menu->sizeHint(), separator);
    };
    std::map<QMenu*, std::pair<QSize, int>> normalMenus;
    for (QAction* title : window.menuBar()->actions()) {
        if (QMenu* menu = title->menu(); menu != nullptr && !menu->actions().isEmpty()) {
            normalMenus[menu] = opened(menu);
        }
    }

    for (int presses = 0; presses < 4; ++presses) {
        press(Qt::Key_Plus);
    }
    const int zoom = window.zoom();
    EXPECT_TRUE(fits(zoom, normalWindow));
    EXPECT_TRUE(zoom == 4 || !fits(zoom + 1, normalWindow)) << "stopped at " << zoom;
    EXPECT_EQ(window.centralWidget()->size(), normalClient * zoom);
    for (const auto& [name, rect] : normal) {
        EXPECT_EQ(window.controlWidget(name)->geometry(),
                  QRect(rect.topLeft() * zoom, rect.size() * zoom))
            << name;
    }
    if (zoom > 1) {
        EXPECT_GT(window.menuBar()->height(), normalBar) << "the menus' text grows too";
        for (const auto& [menu, normalMenu] : normalMenus) {
            const auto [size, separator] = opened(menu);
            EXPECT_GT(size.height(), normalMenu.first.height()) << menu->objectName().toStdString();
            EXPECT_TRUE(separator == 0 || separator > normalMenu.second)
                << "the separator line in " << menu->objectName().toStdString();
        }
    }

    press(Qt::Key_Minus);
    EXPECT_EQ(window.zoom(), std::max(1, zoom - 1));
    press(Qt::Key_0);
    EXPECT_EQ(window.size(), normalWindow);
    for (const auto& [menu, normalMenu] : normalMenus) {
        EXPECT_EQ(opened(menu), normalMenu) << menu->objectName().toStdString();
    }
    EXPECT_EQ(window.controlWidget("FstepBut")->geometry(), normal["FstepBut"]);
}

// Runs where the screen has room for twice the window at least.
TEST_F(ZoomTest, ViewsGrowWithoutSmoothingClicksLandAndBitmapsKeepTheirSize) {
    press(Qt::Key_Plus);
    const int zoom = window.zoom();
    ASSERT_GE(zoom, 2) << "the screen has no room for a zoom";

    controls().topChk.setValue(1);
    QTest::mouseClick(widget("superChk"), Qt::LeftButton, {}, QPoint(6, 6) * zoom);
    EXPECT_EQ(controls().superChk.value(), 1);
    QTest::mouseClick(widget("FstepBut"), Qt::LeftButton, {}, widget("FstepBut")->rect().center());
    EXPECT_EQ(window.form().state().simTime, 3.0);

    // Each view pixel is a block of zoom x zoom screen pixels of its own colour.
    const auto shown = [zoom](QWidget* view, const Raster& raster, int border) {
        const QImage surface = imageOf(raster);
        return view->grab()
                   .toImage()
                   .convertToFormat(QImage::Format_RGB32)
                   .copy(QRect(QPoint(border, border) * zoom, surface.size() * zoom)) ==
               surface.convertToFormat(QImage::Format_RGB32)
                   .scaled(surface.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    };
    EXPECT_TRUE(shown(widget("mercator"), window.form().skySurface().Image(), 1));
    EXPECT_TRUE(shown(widget("planView"), window.form().planSurface().Image(), 0));
    expectSavesKeepTheSurfacesSizes();
}

TEST_F(ZoomTest, MessagesGrowWithTheWindow) {
    const auto aboutHeight = [this] {
        window.findChild<QAction*>("HaboutMen")->trigger();
        auto* box = window.findChild<QMessageBox*>();
        const int height = box->sizeHint().height();
        box->button(QMessageBox::Ok)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return height;
    };
    const int normal = aboutHeight();
    press(Qt::Key_Plus);
    ASSERT_GE(window.zoom(), 2) << "the screen has no room for a zoom";
    EXPECT_GT(aboutHeight(), normal * 3 / 2);
    press(Qt::Key_0);
    EXPECT_EQ(aboutHeight(), normal);
}

} // namespace
} // namespace vantor
