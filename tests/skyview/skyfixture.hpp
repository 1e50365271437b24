#pragma once
// A started state, a sky view on a patterned background of the window's sky view size, and the
// pixel arithmetic the tests
// check against, worked out here from the map's extent rather than taken from the surface.

#include "core/displayboxes.hpp"
#include "core/positions.hpp"
#include "skyview/skyview.hpp"
#include "surface/surface.hpp"
#include "tests/core/startedstate.hpp"
#include "tests/surface/patterned.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace vantor::test {

// The check boxes as a plain table, all off unless a test sets them.
struct PlainBoxes : DisplayBoxes {
    std::array<int, 16> values{};
    [[nodiscard]] int value(Box box) const override { return values.at(static_cast<int>(box)); }
    void set(Box box, int v) { values.at(static_cast<int>(box)) = v; }
};

// Colours as Qt stores them in the image (0xRRGGBB): the bits an XOR figure flips.
inline constexpr Pixel kFlipWhite = 0xFFFFFF;
inline constexpr Pixel kFlipRed = 0xFF0000;
inline constexpr Pixel kFlipMagenta = 0xFF00FF;
inline constexpr Pixel kFlipYellow = 0xFFFF00;

// A pixel position.
struct Spot {
    int px{0};
    int py{0};
    [[nodiscard]] int x() const { return px; }
    [[nodiscard]] int y() const { return py; }
    friend bool operator==(Spot, Spot) = default;
};

// The smallest rectangle of pixels holding every pixel added to it; its centre rounds down.
class PixelBox {
public:
    void add(int x, int y) {
        m_left = std::min(m_left, x);
        m_top = std::min(m_top, y);
        m_right = std::max(m_right, x);
        m_bottom = std::max(m_bottom, y);
    }
    [[nodiscard]] int left() const { return m_left; }
    [[nodiscard]] int top() const { return m_top; }
    [[nodiscard]] int right() const { return m_right; }
    [[nodiscard]] int width() const { return m_right - m_left + 1; }
    [[nodiscard]] int height() const { return m_bottom - m_top + 1; }
    [[nodiscard]] Spot center() const { return {(m_left + m_right) / 2, (m_top + m_bottom) / 2}; }

private:
    int m_left{1 << 30};
    int m_top{1 << 30};
    int m_right{-(1 << 30)};
    int m_bottom{-(1 << 30)};
};

class SkyTest : public ::testing::Test {
protected:
    // The plan view's start-up width, then the sky view's scale and grid as at start-up.
    SkyTest() {
        state.planWidth = 6.0F;
        view.setSkyScale();
        base = surface.Image();
    }

    // The map is 0..360 wide and -25..25 high; pixel (0, 0)'s top-left corner is (0, -25).
    [[nodiscard]] int column(double x) const {
        return static_cast<int>(std::floor(x / 360.0 * background.width()));
    }
    [[nodiscard]] int row(double y) const {
        return static_cast<int>(std::floor((y + 25.0) / 50.0 * background.height()));
    }

    // A square dot of the given width at (x, y), flipped into image; its top-left pixel lies
    // (width - 1) / 2 up and left of the pixel the point falls in.
    void flipDot(Raster& image, double x, double y, int width, Pixel flip) const {
        flipPixels(image, column(x) - (width - 1) / 2, row(y) - (width - 1) / 2, width, flip);
    }
    // The square of width pixels whose top-left pixel is (left, top), as far as it lies inside.
    static void flipPixels(Raster& image, int left, int top, int width, Pixel flip) {
        for (int j = top; j < top + width; ++j) {
            for (int i = left; i < left + width; ++i) {
                if (i >= 0 && i < image.width() && j >= 0 && j < image.height()) {
                    image.setPixel(i, j, image.pixel(i, j) ^ flip);
                }
            }
        }
    }

    // The smallest rectangle holding every pixel where the surface differs from reference.
    [[nodiscard]] PixelBox changed(const Raster& reference) const {
        PixelBox box;
        const Raster& now = surface.Image();
        for (int j = 0; j < now.height(); ++j) {
            for (int i = 0; i < now.width(); ++i) {
                if (now.pixel(i, j) != reference.pixel(i, j)) {
                    box.add(i, j);
                }
            }
        }
        return box;
    }

    // The Earth at plan (1, 0) and the body at distance r in direction ang (degrees, plan y down
    // so the direction is measured as the sky routine measures it), height z.
    void place(Body& body, double angDeg, double r, double z = 0.0) {
        state.earth.x = 1.0F;
        state.earth.y = 0.0F;
        body.x = static_cast<float>(1.0 + r * std::cos(angDeg * std::numbers::pi / 180.0));
        body.y = static_cast<float>(r * std::sin(angDeg * std::numbers::pi / 180.0));
        body.z = static_cast<float>(z);
    }

    SimState state = startedState();
    PlainBoxes boxes;
    // 471 x 159 like the window's star field.
    Raster background = patternedRaster(471, 159);
    Surface surface{background};
    SkyView view{state, boxes, surface};
    Raster base; // the background with the grid
};

} // namespace vantor::test
