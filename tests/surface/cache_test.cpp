// The surface replays the pixels of figures it rasterised before. These tests check that a replay
// is never told apart from rasterising anew: every input that decides the pixels is part of the
// key, shapes moved to another centre clip like fresh ones, and the cache stays bounded.
#include "randomfigures.hpp"
#include "surface/figurecache.hpp"
#include "surface/figureraster.hpp"
#include "surface/scalemapping.hpp"
#include "surface/surface.hpp"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vantor {
namespace {

// A raster holding a filled disc of radius 3 about pixel (5, y): pen and fill spans on 7 rows.
FigureRaster discAt(int y) {
    FigureRaster raster(12, 1200);
    raster.addCircle({5.5, y + 0.5}, 3.0, 1, false, true);
    return raster;
}

int pixelCount(const std::vector<PixelSpan>& spans) {
    int count = 0;
    for (const PixelSpan& span : spans) {
        count += span.x1 - span.x0 + 1;
    }
    return count;
}

FigureKey lineKey(double x) {
    return FigureKey{FigureKind::Line, 1, true, false, {x, 2.0, 3.0, 4.0}};
}

TEST(SurfaceFigureCache, KeepsTheRasterisedSpansWithTheirBoxAndJoinedRows) {
    const FigureKey disc{FigureKind::CircleShape, 1, false, true, {3.0, 0.0, 0.0, 0.0}};
    FigureCache cache;
    EXPECT_EQ(cache.find(disc), nullptr);
    FigureRaster raster = discAt(7);
    const std::vector<PixelSpan> drawn = raster.spans();
    cache.insert(disc, raster);
    EXPECT_TRUE(raster.spans().empty());
    const CachedFigure* figure = cache.find(disc);
    ASSERT_NE(figure, nullptr);
    ASSERT_EQ(figure->spans.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(figure->spans[i].y, drawn[i].y);
        EXPECT_EQ(figure->spans[i].x0, drawn[i].x0);
        EXPECT_EQ(figure->spans[i].x1, drawn[i].x1);
        EXPECT_EQ(figure->spans[i].ink, drawn[i].ink);
    }
    EXPECT_EQ(figure->top, 4);
    EXPECT_EQ(figure->bottom, 10);
    EXPECT_EQ(figure->left, 2);
    EXPECT_EQ(figure->right, 8);
    // Each row of a filled disc is one run once the inks are not told apart.
    EXPECT_EQ(figure->joined.size(), 7U);
    EXPECT_EQ(pixelCount(figure->joined), pixelCount(drawn));

    const FigureKey ring{FigureKind::CircleShape, 1, false, false, {3.0, 0.0, 0.0, 0.0}};
    FigureRaster outline(12, 12);
    outline.addCircle({5.5, 5.5}, 3.0, 1, false, false);
    cache.insert(ring, outline);
    EXPECT_TRUE(cache.find(ring)->joined.empty());
}

TEST(SurfaceFigureCache, AKeyDifferingInAnyOneInputIsAnotherFigure) {
    const FigureKey base{FigureKind::CircleShape, 2, true, true, {4.5, 1.0, 2.0, 3.0}};
    std::vector<std::function<void(FigureKey&)>> changes{
        [](FigureKey& k) { k.kind = FigureKind::Line; },
        [](FigureKey& k) { k.penWidth = 3; },
        [](FigureKey& k) { k.dotted = false; },
        [](FigureKey& k) { k.filled = false; },
        [](FigureKey& k) { k.geometry[0] = 4.5000000000000009; },
        [](FigureKey& k) { k.geometry[1] = -1.0; },
        [](FigureKey& k) { k.geometry[2] = 2.25; },
        [](FigureKey& k) { k.geometry[3] = -3.0; },
    };
    FigureCache cache;
    FigureRaster raster = discAt(0);
    cache.insert(base, raster);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        FigureKey other = base;
        changes[i](other);
        EXPECT_EQ(cache.find(other), nullptr) << "change " << i;
    }
    EXPECT_NE(cache.find(base), nullptr);
}

TEST(SurfaceFigureCache, KeepsTheRecentlyUsedAndNeverGrowsPastItsCapacity) {
    FigureCache cache;
    FigureRaster raster(12, 1200);
    for (std::size_t i = 0; i < FigureCache::kCapacity; ++i) {
        raster = discAt(static_cast<int>(i) + 3);
        cache.insert(lineKey(static_cast<double>(i)), raster);
    }
    // Figure 0 is used again, so figure 1 is now the least recently used.
    ASSERT_NE(cache.find(lineKey(0.0)), nullptr);
    raster = discAt(100);
    cache.insert(lineKey(100.0), raster);
    EXPECT_NE(cache.find(lineKey(0.0)), nullptr);
    EXPECT_EQ(cache.find(lineKey(1.0)), nullptr);
    EXPECT_NE(cache.find(lineKey(2.0)), nullptr);
    const CachedFigure* latest = cache.find(lineKey(100.0));
    ASSERT_NE(latest, nullptr);
    EXPECT_EQ(latest->top, 97);
    for (int i = 0; i < 1000; ++i) {
        raster = discAt(i + 3);
        cache.insert(lineKey(1000.0 + i), raster);
    }
    EXPECT_EQ(cache.size(), FigureCache::kCapacity);
}

// The same drawing made straight from the rasteriser, with nothing remembered between figures.
class DirectSurface {
public:
    explicit DirectSurface(const Raster& background)
        : m_image(background), m_mapping(background.width(), background.height()),
          m_raster(background.width(), background.height()) {}

    void setScale(float left, float top, float width, float height) {
        m_mapping.setScaleLeft(left);
        m_mapping.setScaleTop(top);
        m_mapping.setScaleWidth(width);
        m_mapping.setScaleHeight(height);
    }

    void draw(const test::RandomFigure& f, DrawMode mode) {
        const int width = std::clamp(f.width, 1, 4);
        const bool dotted = f.style == DrawStyle::Dotted;
        m_raster.clear();
        switch (f.kind) {
        case 0:
            m_raster.addCircle(m_mapping.toPixel(f.x1, f.y1), m_mapping.toPixelLengthX(f.radius),
                               width, dotted, f.fillStyle == FillStyle::Solid);
            break;
        case 1:
            m_raster.addLine(m_mapping.toPixel(f.x1, f.y1), m_mapping.toPixel(f.x2, f.y2), width,
                             dotted);
            break;
        default:
            m_raster.addDot(m_mapping.toPixel(f.x1, f.y1), width);
            break;
        }
        for (const PixelSpan& span : m_raster.spans()) {
            const Pixel colour = toPixel(span.ink == Ink::Pen ? f.color : f.fill);
            Pixel* row = m_image.row(span.y);
            for (int x = span.x0; x <= span.x1; ++x) {
                row[x] = mode == DrawMode::Copy ? colour : row[x] ^ (colour & 0xFFFFFFu);
            }
        }
    }

    [[nodiscard]] const Raster& image() const { return m_image; }

private:
    Raster m_image;
    ScaleMapping m_mapping;
    FigureRaster m_raster;
};

struct ReplayScale {
    const char* name;
    int pixelWidth;
    int pixelHeight;
    float left, top, width, height;
};

void PrintTo(const ReplayScale& scale, std::ostream* out) {
    *out << scale.name;
}

class SurfaceReplay : public ::testing::TestWithParam<ReplayScale> {};

// Figures are drawn, moved a little, erased and drawn again as the views do, mixed with figures
// that differ from earlier ones in a single input, with far more distinct figures than the cache
// keeps and many of them cut by an edge: every image equals the one drawn without a cache.
TEST_P(SurfaceReplay, EveryImageEqualsTheOneRasterisedAnew) {
    const ReplayScale& s = GetParam();
    std::mt19937 random(4242 + static_cast<unsigned>(s.pixelWidth));
    const Raster background = test::noisyImage(s.pixelWidth, s.pixelHeight, random);
    Surface surface(background);
    surface.setScaleLeft(s.left);
    surface.setScaleTop(s.top);
    surface.setScaleWidth(s.width);
    surface.setScaleHeight(s.height);
    DirectSurface direct(background);
    direct.setScale(s.left, s.top, s.width, s.height);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_real_distribution<double> nudge(-1.5, 1.5);
    const double pixel = s.width / s.pixelWidth;

    std::vector<test::RandomFigure> shown;
    for (int i = 0; i < 1500; ++i) {
        test::RandomFigure f;
        const int choice = pick(random);
        if (shown.empty() || choice < 30) {
            f = test::randomFigure(random, s.left, s.top, s.width, s.height);
            // Mostly figures of the size the views draw, where shapes are kept and moved.
            if (f.kind == 0 && pick(random) < 80) {
                f.radius = (1.0 + pick(random) * 0.4) * pixel;
            }
            // Markers are filled in their pen's colour.
            if (pick(random) < 40) {
                f.fill = f.color;
            }
        } else {
            f = shown[static_cast<std::size_t>(pick(random)) % shown.size()];
            if (choice < 55) {
                f.x1 += nudge(random) * pixel;
                f.y1 += nudge(random) * pixel;
            } else if (choice < 65) {
                f.width = f.width % 4 + 1;
            } else if (choice < 72) {
                f.style = f.style == DrawStyle::Solid ? DrawStyle::Dotted : DrawStyle::Solid;
            } else if (choice < 79) {
                f.fillStyle =
                    f.fillStyle == FillStyle::Solid ? FillStyle::Transparent : FillStyle::Solid;
            } else if (choice < 84) {
                f.radius *= 1.0 + 1e-12;
            }
            // Otherwise the very same figure, as an erase draws it.
        }
        const DrawMode mode = pick(random) < 15 ? DrawMode::Copy : DrawMode::Xor;
        f.draw(surface, mode);
        direct.draw(f, mode);
        ASSERT_EQ(surface.Image(), direct.image()) << "figure " << i << " kind " << f.kind;
        shown.push_back(f);
        if (shown.size() > 40) {
            shown.erase(shown.begin());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, SurfaceReplay,
                         ::testing::Values(ReplayScale{"pixels", 64, 48, 0, 0, 64, 48},
                                           ReplayScale{"plan", 223, 224, -3, -3, 6, 6},
                                           ReplayScale{"sky", 471, 159, 0, -25, 360, 50}),
                         [](const auto& param) { return std::string(param.param.name); });

// Two surfaces with the same background: one has just drawn and erased a first figure, so it
// remembers it; the other has drawn nothing. A second figure that differs from the first in one
// input must give both the same pixels, and pixels unlike the first figure's.
class SurfaceRemembered : public ::testing::Test {
protected:
    static Surface planSurface() {
        Surface plan(223, 224);
        plan.setScaleLeft(-3.0F);
        plan.setScaleTop(-3.0F);
        plan.setScaleWidth(6.0F);
        plan.setScaleHeight(6.0F);
        return plan;
    }

    static void expectOwnPixels(const std::function<void(Surface&)>& first,
                                const std::function<void(Surface&)>& second) {
        Surface remembering = planSurface();
        remembering.setDrawMode(DrawMode::Xor);
        first(remembering);
        const Raster firstImage = remembering.Image();
        first(remembering);
        second(remembering);

        Surface fresh = planSurface();
        fresh.setDrawMode(DrawMode::Xor);
        second(fresh);
        EXPECT_NE(fresh.Image(), firstImage) << "the two figures must differ for the test to bite";
        EXPECT_EQ(remembering.Image(), fresh.Image());
    }
};

TEST_F(SurfaceRemembered, CirclesDifferingInPenStyleFillOrScale) {
    auto circle = [](int width, DrawStyle style, FillStyle fill, float scaleWidth) {
        return [=](Surface& s) {
            s.setDrawWidth(width);
            s.setDrawStyle(style);
            s.setFillStyle(fill);
            s.setFillColor(0x00FF00);
            s.setScaleWidth(scaleWidth);
            s.Circle(0.4, -0.2, 0.5, 0xFFFFFF);
        };
    };
    const auto base = circle(1, DrawStyle::Dotted, FillStyle::Transparent, 6.0F);
    expectOwnPixels(base, circle(2, DrawStyle::Dotted, FillStyle::Transparent, 6.0F));
    expectOwnPixels(base, circle(1, DrawStyle::Solid, FillStyle::Transparent, 6.0F));
    expectOwnPixels(base, circle(1, DrawStyle::Dotted, FillStyle::Solid, 6.0F));
    expectOwnPixels(base, circle(1, DrawStyle::Dotted, FillStyle::Transparent, 5.0F));
}

TEST_F(SurfaceRemembered, CirclesMovedOrResizedByAFractionOfAPixel) {
    auto circle = [](double x, double y, double radius) {
        return [=](Surface& s) {
            s.setDrawStyle(DrawStyle::Dotted);
            s.Circle(x, y, radius, 0xFFFFFF);
        };
    };
    const double pixel = 6.0 / 223.0;
    // The same shape about the next pixel, and about a pixel on the edge, where it is cut.
    expectOwnPixels(circle(0.0, 0.0, 0.5), circle(0.6 * pixel, 0.0, 0.5));
    expectOwnPixels(circle(0.0, 0.0, 0.5), circle(0.0, -3.0, 0.5));
    // Large circles are kept where they lie.
    expectOwnPixels(circle(0.0, 0.0, 120.0 * pixel), circle(0.6 * pixel, 0.0, 120.0 * pixel));
    // 10.6 pixels reaches a row that 10.4 does not.
    expectOwnPixels(circle(0.0, 0.0, 10.4 * pixel), circle(0.0, 0.0, 10.6 * pixel));
}

TEST_F(SurfaceRemembered, LinesDifferingInAnEndPenOrStyle) {
    auto line = [](double x2, int width, DrawStyle style) {
        return [=](Surface& s) {
            s.setDrawWidth(width);
            s.setDrawStyle(style);
            s.Line(-2.0, -1.0, x2, 1.5, 0xFFFFFF);
        };
    };
    expectOwnPixels(line(2.0, 1, DrawStyle::Dotted), line(2.1, 1, DrawStyle::Dotted));
    expectOwnPixels(line(2.0, 1, DrawStyle::Dotted), line(2.0, 3, DrawStyle::Dotted));
    expectOwnPixels(line(2.0, 1, DrawStyle::Dotted), line(2.0, 1, DrawStyle::Solid));
}

} // namespace
} // namespace vantor
