#include "randomfigures.hpp"
#include "surface/surface.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <vector>

namespace vantor {
namespace {

struct Scale {
    const char* name;
    int pixelWidth;
    int pixelHeight;
    float left, top, width, height;
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.name;
}

class XorProperty : public ::testing::TestWithParam<Scale> {
protected:
    Surface makeSurface(std::mt19937& random) const {
        const Scale& s = GetParam();
        Surface surface(test::noisyImage(s.pixelWidth, s.pixelHeight, random));
        surface.setScaleHeight(s.height);
        surface.setScaleTop(s.top);
        surface.setScaleWidth(s.width);
        surface.setScaleLeft(s.left);
        return surface;
    }
    test::RandomFigure figure(std::mt19937& random) const {
        const Scale& s = GetParam();
        return test::randomFigure(random, s.left, s.top, s.width, s.height);
    }
};

TEST_P(XorProperty, DrawingAFigureTwiceRestoresEveryPixel) {
    std::mt19937 random(20240611);
    Surface surface = makeSurface(random);
    const Raster before = surface.Image();
    for (int i = 0; i < 400; ++i) {
        const test::RandomFigure f = figure(random);
        f.draw(surface, DrawMode::Xor);
        f.draw(surface, DrawMode::Xor);
        ASSERT_EQ(surface.Image(), before) << "figure " << i << " kind " << f.kind;
    }
}

TEST_P(XorProperty, FiguresErasedInAnyOrderLeaveTheBackground) {
    std::mt19937 random(77);
    Surface surface = makeSurface(random);
    const Raster before = surface.Image();
    for (int round = 0; round < 10; ++round) {
        std::vector<test::RandomFigure> figures;
        for (int i = 0; i < 30; ++i) {
            figures.push_back(figure(random));
            figures.back().draw(surface, DrawMode::Xor);
        }
        // Something was drawn at all, or the property would hold trivially.
        EXPECT_NE(surface.Image(), before);
        std::shuffle(figures.begin(), figures.end(), random);
        for (const auto& f : figures) {
            f.draw(surface, DrawMode::Xor);
        }
        ASSERT_EQ(surface.Image(), before) << "round " << round;
    }
}

// Copy and exclusive-or must touch the same pixels: a pixel combined twice by one exclusive-or
// figure would come back unchanged and show up as a difference here.
TEST_P(XorProperty, EachPixelOfAFigureIsCombinedOnce) {
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        const Scale& s = GetParam();
        Surface copied(s.pixelWidth, s.pixelHeight);
        Surface xored(s.pixelWidth, s.pixelHeight);
        for (Surface* surface : {&copied, &xored}) {
            surface->setScaleHeight(s.height);
            surface->setScaleTop(s.top);
            surface->setScaleWidth(s.width);
            surface->setScaleLeft(s.left);
        }
        test::RandomFigure f = figure(random);
        f.color = 0x000000;
        f.fill = 0x000000;
        f.draw(copied, DrawMode::Copy);
        f.color = 0xFFFFFF;
        f.fill = 0xFFFFFF;
        f.draw(xored, DrawMode::Xor);
        ASSERT_EQ(copied.Image(), xored.Image()) << "figure " << i << " kind " << f.kind;
    }
}

// A view repaints only the rectangles the surface reports: every pixel that changed over a few
// figures lies in one of them, and they do not overlap.
TEST_P(XorProperty, ChangedRectanglesHoldEveryChangedPixel) {
    std::mt19937 random(31);
    Surface surface = makeSurface(random);
    static_cast<void>(surface.takeChangedRects());
    for (int round = 0; round < 200; ++round) {
        const Raster before = surface.Image();
        const int figures = 1 + round % 12;
        for (int i = 0; i < figures; ++i) {
            figure(random).draw(surface, round % 3 == 0 ? DrawMode::Copy : DrawMode::Xor);
        }
        const std::vector<PixelRect> rects = surface.takeChangedRects();
        const auto inside = [&rects](int x, int y) {
            return std::count_if(rects.begin(), rects.end(), [x, y](const PixelRect& r) {
                return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
            });
        };
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                ASSERT_LE(inside(x, y), 1) << "overlapping rectangles, round " << round;
                if (surface.Image().pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_EQ(inside(x, y), 1) << "pixel " << x << "," << y << " round " << round;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, XorProperty,
                         ::testing::Values(Scale{"pixels", 64, 48, 0, 0, 64, 48},
                                           Scale{"plan", 223, 224, -3, -3, 6, 6},
                                           Scale{"sky", 471, 159, 0, -25, 360, 50}),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace vantor
