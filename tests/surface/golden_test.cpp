// Pins the exact pixels of the rasteriser: thousands of figures drawn in a fixed order. The image
// is hashed after every figure, so that a later figure covering a wrong pixel hides nothing, and
// the hashes are combined per batch. The expected values were produced once by this test itself,
// run against the rasteriser as of commit 580b4b5 (before its speed-up), and must never change: a
// figure that gains, loses or moves a single pixel, or a dot pattern that shifts its phase,
// changes them.
//
// Figures and backgrounds come from the raw output of std::mt19937, which the C++ standard fixes,
// and not from the distributions, whose results differ between standard libraries.
#include "surface/surface.hpp"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace vantor {
namespace {

constexpr int kBatches = 12;
constexpr int kFiguresPerBatch = 60;

struct GoldenScale {
    const char* name;
    int pixelWidth;
    int pixelHeight;
    float left, top, width, height;
    const std::array<std::uint64_t, kBatches>& expected;
};

void PrintTo(const GoldenScale& scale, std::ostream* out) {
    *out << scale.name;
}

constexpr std::array<std::uint64_t, kBatches> kPixelsHashes{
    3279917631233246228ull,  17546380680907597375ull, 3509967060740817805ull,
    7283718595528206314ull,  6379888646003716978ull,  4858033148914619941ull,
    12748022286283438798ull, 3936321516424854704ull,  8031076016382356705ull,
    16570664351683119082ull, 9008876595978149406ull,  1706979542887386202ull};
constexpr std::array<std::uint64_t, kBatches> kPlanHashes{
    979942151089159632ull,   10051108111409497209ull, 1603507916282269933ull,
    15686443607071118501ull, 1661351339891571137ull,  3530878701124919991ull,
    7741117931890227998ull,  14586480287288621665ull, 18068552544681236871ull,
    5438436171722796094ull,  10266763431588808337ull, 2372126841586645256ull};
constexpr std::array<std::uint64_t, kBatches> kSkyHashes{
    17565906887091637950ull, 7503961856698567251ull,  5763302950795421739ull,
    11678972030095636313ull, 6949223905864774978ull,  7727961260357239917ull,
    14073299787987135646ull, 12665072842612416605ull, 6620094611751314569ull,
    12613763149583889761ull, 17083769678192103996ull, 11444334418568182842ull};

class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_random(seed) {}

    [[nodiscard]] double unit() { return static_cast<double>(m_random()) / 4294967296.0; }
    [[nodiscard]] int below(std::uint32_t n) { return static_cast<int>(m_random() % n); }
    [[nodiscard]] std::uint32_t bits() { return m_random(); }

private:
    std::mt19937 m_random;
};

std::uint64_t hashImage(const Raster& image) {
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < image.height(); ++y) {
        const Pixel* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            hash = (hash ^ row[x]) * 1099511628211ull;
        }
    }
    return hash;
}

Raster noise(int width, int height, Draw& draw) {
    Raster image(width, height);
    for (int y = 0; y < height; ++y) {
        Pixel* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            row[x] = 0xFF000000u | (draw.bits() & 0xFFFFFFu);
        }
    }
    return image;
}

// One figure of the kinds a timer tick draws (small discs, orbits, lines of sight, trail dots)
// or, every other time, anything at all: any pen, partly or wholly off the surface, now and then
// huge.
void drawFigure(Surface& surface, const GoldenScale& s, Draw& draw) {
    const double pixel = s.width / s.pixelWidth;
    const double x = s.left + (draw.unit() * 1.6 - 0.3) * s.width;
    const double y = s.top + (draw.unit() * 1.6 - 0.3) * s.height;
    const double x2 = s.left + (draw.unit() * 1.6 - 0.3) * s.width;
    const double y2 = s.top + (draw.unit() * 1.6 - 0.3) * s.height;
    const Color color = draw.bits() & 0xFFFFFFu;
    surface.setDrawMode(draw.below(4) == 0 ? DrawMode::Copy : DrawMode::Xor);
    surface.setFillColor(draw.bits() & 0xFFFFFFu);
    surface.setDrawWidth(1 + draw.below(4));
    surface.setDrawStyle(draw.below(2) == 0 ? DrawStyle::Solid : DrawStyle::Dotted);
    surface.setFillStyle(draw.below(2) == 0 ? FillStyle::Solid : FillStyle::Transparent);
    const int kind = draw.below(8);
    switch (kind) {
    case 0: // a body marker
        surface.setFillStyle(FillStyle::Solid);
        surface.Circle(x, y, (2.0 + 18.0 * draw.unit()) * pixel, color);
        break;
    case 1: // an orbit
        surface.setDrawStyle(DrawStyle::Dotted);
        surface.setFillStyle(FillStyle::Transparent);
        surface.Circle(x, y, (20.0 + 100.0 * draw.unit()) * pixel, color);
        break;
    case 2: // a line of sight
        surface.setDrawStyle(DrawStyle::Dotted);
        surface.Line(x, y, x2, y2, color);
        break;
    case 3: // a trail dot
        surface.setDrawWidth(2);
        surface.PSet(x, y, color);
        break;
    case 4: // whole pixels and half pixels, where rounding ties lie
        surface.Circle(s.left + (draw.below(s.pixelWidth + 20) - 10) * pixel,
                       s.top + (draw.below(s.pixelHeight + 20) - 10) * s.height / s.pixelHeight,
                       draw.below(80) * 0.5 * pixel, color);
        break;
    case 5:
        surface.Circle(x, y, draw.below(20) == 0 ? 1e7 * s.width : draw.unit() * 0.6 * s.width,
                       color);
        break;
    case 6:
        surface.Line(x, y, draw.below(20) == 0 ? 1e9 : x2, y2, color);
        break;
    default:
        surface.PSet(x, y, color);
        break;
    }
}

class SurfaceGolden : public ::testing::TestWithParam<GoldenScale> {};

TEST_P(SurfaceGolden, EveryFigureKeepsItsPixels) {
    const GoldenScale& s = GetParam();
    Draw draw(0x5EED0000u + static_cast<std::uint32_t>(s.pixelWidth));
    Surface surface(noise(s.pixelWidth, s.pixelHeight, draw));
    surface.setScaleHeight(s.height);
    surface.setScaleTop(s.top);
    surface.setScaleWidth(s.width);
    surface.setScaleLeft(s.left);
    std::vector<std::uint64_t> actual;
    for (int batch = 0; batch < kBatches; ++batch) {
        std::uint64_t hash = 0;
        for (int i = 0; i < kFiguresPerBatch; ++i) {
            drawFigure(surface, s, draw);
            hash = hash * 31 + hashImage(surface.Image());
        }
        actual.push_back(hash);
    }
    for (int batch = 0; batch < kBatches; ++batch) {
        EXPECT_EQ(actual[static_cast<std::size_t>(batch)],
                  s.expected[static_cast<std::size_t>(batch)])
            << "first wrong after figure " << (batch + 1) * kFiguresPerBatch;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scales, SurfaceGolden,
    ::testing::Values(GoldenScale{"pixels", 64, 48, 0, 0, 64, 48, kPixelsHashes},
                      GoldenScale{"plan", 223, 224, -3, -3, 6, 6, kPlanHashes},
                      GoldenScale{"sky", 471, 159, 0, -25, 360, 50, kSkyHashes}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace vantor
