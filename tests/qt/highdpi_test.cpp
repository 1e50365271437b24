// Run under several QT_SCALE_FACTOR values: the window keeps its logical size and shows the
// surfaces' pixels as whole blocks, and the saved bitmaps keep the surfaces' own sizes.
#include "tests/qt/windowfixture.hpp"

#include <cmath>
#include <set>

namespace vantor {
namespace {

double expectedRatio() {
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// The surface's pixels as the widget shows them: at a whole ratio n each pixel is an n x n block
// of its own colour; at any other ratio the view shows only the surface's own colours and its
// border's, never a blend.
void expectCrisp(QWidget* view, const Raster& raster, int border) {
    const QImage surface = imageOf(raster);
    const double ratio = view->devicePixelRatioF();
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(),
              (QSizeF(surface.size() + QSize(2 * border, 2 * border)) * ratio).toSize());
    const int whole = static_cast<int>(std::lround(ratio));
    if (whole == ratio) {
        int wrong = 0;
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                const QRgb source = surface.pixel(x, y);
                for (int dy = 0; dy < whole; ++dy) {
                    for (int dx = 0; dx < whole; ++dx) {
                        wrong += shown.pixel((x + border) * whole + dx,
                                             (y + border) * whole + dy) != source;
                    }
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "device pixels off their surface pixel at ratio " << ratio;
        return;
    }
    std::set<QRgb> colours{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            colours.insert(surface.pixel(x, y));
        }
    }
    int blended = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            blended += colours.count(shown.pixel(x, y)) == 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(blended, 0) << "blended colours at ratio " << ratio;
}

TEST_F(WindowTest, SurfacesStayCrispAndTheWindowItsSizeAtThisScreensRatio) {
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), expectedRatio());
    EXPECT_EQ(window.centralWidget()->size(), QSize(501, 456));

    // Trails, orbits and discs give the views many colours and edges.
    for (CheckBox* box : {&controls().topChk, &controls().interChk, &controls().ItrailChk,
                          &controls().IoChk, &controls().superChk, &controls().SdiskChk}) {
        box->setValue(1);
    }
    for (int step = 0; step < 5; ++step) {
        controls().FstepBut.click();
    }
    expectCrisp(widget("mercator"), window.form().skySurface().Image(), 1);
    expectCrisp(widget("planView"), window.form().planSurface().Image(), 0);
}

TEST_F(WindowTest, SavedBitmapsKeepTheSurfacesSizes) {
    expectSavesKeepTheSurfacesSizes();
}

} // namespace
} // namespace vantor
