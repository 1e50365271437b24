#include "assets/pictures.hpp"

#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace vantor {
namespace {

const QColor black{0, 0, 0};
const QColor white{255, 255, 255};
const QColor darkBlue{0, 0, 128};
const QColor grey{128, 128, 128};

[[nodiscard]] bool isBright(const QColor& c) {
    return c.lightness() > 160;
}

// Whether any pixel in the square of half-side 'half' around (x, y) is bright.
[[nodiscard]] bool brightNear(const QImage& image, int x, int y, int half) {
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            if (isBright(image.pixelColor(x + dx, y + dy))) {
                return true;
            }
        }
    }
    return false;
}

// Pixel of the dial at 'degrees' counter-clockwise from rightward, 'radius' from its centre.
[[nodiscard]] QPoint dialPoint(double degrees, double radius) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(110.5 + radius * std::cos(a))),
            static_cast<int>(std::lround(111.5 - radius * std::sin(a)))};
}

TEST(Pictures, BackgroundsHaveTheirPixelSizes) {
    EXPECT_EQ(monthDial().size(), QSize(223, 224));
    EXPECT_EQ(plainDisc().size(), QSize(217, 217));
    EXPECT_EQ(starField().size(), QSize(471, 159));
}

TEST(Pictures, ImagesComeBackAsRgb32) {
    EXPECT_EQ(monthDial().format(), QImage::Format_RGB32);
    EXPECT_EQ(starField().format(), QImage::Format_RGB32);
    EXPECT_EQ(buttonFace(Face::Stop).format(), QImage::Format_RGB32);
}

TEST(Pictures, MonthDialIsBlackDiscOnWhite) {
    const QImage dial = monthDial();
    EXPECT_EQ(dial.pixelColor(110, 111), black);
    EXPECT_EQ(dial.pixelColor(0, 0), white);
    EXPECT_EQ(dial.pixelColor(222, 223), white);
    // Diameter 216 around pixel (110.5, 111.5): columns 3..218 and rows 4..219.
    EXPECT_EQ(dial.pixelColor(2, 111), white);
    EXPECT_EQ(dial.pixelColor(3, 111), black);
    EXPECT_EQ(dial.pixelColor(218, 111), black);
    EXPECT_EQ(dial.pixelColor(219, 111), white);
    EXPECT_EQ(dial.pixelColor(110, 3), white);
    EXPECT_EQ(dial.pixelColor(110, 4), black);
    EXPECT_EQ(dial.pixelColor(110, 219), black);
    EXPECT_EQ(dial.pixelColor(110, 220), white);
}

TEST(Pictures, MonthNamesSitAtTheirAnglesInsideTheRim) {
    const QImage dial = monthDial();
    const double monthAngles[] = {101, 131, 161, 193, 221, 251, 281, 311, 341, 11, 41, 71};
    for (const double angle : monthAngles) {
        const QPoint at = dialPoint(angle, 99.0);
        EXPECT_TRUE(brightNear(dial, at.x(), at.y(), 3)) << "no name at " << angle << " degrees";
        // Halfway to the next name the rim is dark.
        const QPoint gap = dialPoint(angle + 15.0, 99.0);
        EXPECT_FALSE(brightNear(dial, gap.x(), gap.y(), 2)) << "text at " << angle + 15.0;
    }
    // Nothing is written across the middle of the disc.
    EXPECT_FALSE(brightNear(dial, 110, 111, 60));
}

TEST(Pictures, PlainDiscFillsItsSquare) {
    const QImage disc = plainDisc();
    EXPECT_EQ(disc.pixelColor(108, 108), black);
    EXPECT_EQ(disc.pixelColor(0, 108), black);
    EXPECT_EQ(disc.pixelColor(216, 108), black);
    EXPECT_EQ(disc.pixelColor(108, 0), black);
    EXPECT_EQ(disc.pixelColor(108, 216), black);
    EXPECT_EQ(disc.pixelColor(0, 0), white);
    EXPECT_EQ(disc.pixelColor(216, 0), white);
    EXPECT_EQ(disc.pixelColor(0, 216), white);
    EXPECT_EQ(disc.pixelColor(216, 216), white);
}

TEST(Pictures, StarFieldHasDottedDarkBlueLineAtX118) {
    const QImage field = starField();
    int blueOnLine = 0;
    for (int y = 0; y < field.height(); ++y) {
        if (field.pixelColor(118, y) == darkBlue) {
            ++blueOnLine;
        }
    }
    // Dotted: roughly every other pixel of the 159.
    EXPECT_GT(blueOnLine, 60);
    EXPECT_LT(blueOnLine, 100);
    EXPECT_NE(field.pixelColor(118, 0), field.pixelColor(118, 1));

    int blueElsewhere = 0;
    int whitePixels = 0;
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            const QColor c = field.pixelColor(x, y);
            blueElsewhere += (x != 118 && c == darkBlue) ? 1 : 0;
            whitePixels += (c == white) ? 1 : 0;
        }
    }
    EXPECT_EQ(blueElsewhere, 0);
    // About 570 dots of 1 to 20 pixels each, on black.
    EXPECT_GT(whitePixels, 570);
    EXPECT_LT(whitePixels, 570 * 20);
    // The ground is black: the dots cover well under a tenth of the field.
    EXPECT_LT(whitePixels, field.width() * field.height() / 10);
}

struct FaceCase {
    const char* name;
    Face face;
    int width;
    int height;
};

class FaceSizes : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceSizes, LoadsWithItsPixelSize) {
    const FaceCase c = GetParam();
    const QImage image = buttonFace(c.face);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(
    AllFaces, FaceSizes,
    ::testing::Values(FaceCase{"Reset", Face::Reset, 38, 24},
                      FaceCase{"StepBack", Face::StepBack, 39, 24},
                      FaceCase{"RunBack", Face::RunBack, 40, 23},
                      FaceCase{"Stop", Face::Stop, 41, 24},
                      FaceCase{"RunForward", Face::RunForward, 39, 23},
                      FaceCase{"StepForward", Face::StepForward, 39, 24},
                      FaceCase{"RunBackGrey", Face::RunBackGrey, 40, 23},
                      FaceCase{"RunForwardGrey", Face::RunForwardGrey, 39, 23}),
    [](const ::testing::TestParamInfo<FaceCase>& param) { return std::string(param.param.name); });

// Counts the pixels of 'colour' in each column of the face's interior (inside the bevel).
[[nodiscard]] std::vector<int> columnCounts(const QImage& image, const QColor& colour) {
    std::vector<int> counts;
    for (int x = 2; x < image.width() - 2; ++x) {
        int n = 0;
        for (int y = 2; y < image.height() - 2; ++y) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
        counts.push_back(n);
    }
    return counts;
}

// +1 when the glyph's first inked column is its narrowest (points left), -1 when its last is.
[[nodiscard]] int pointing(const std::vector<int>& counts) {
    std::size_t first = 0;
    while (first < counts.size() && counts[first] == 0) {
        ++first;
    }
    std::size_t last = counts.size();
    while (last > 0 && counts[last - 1] == 0) {
        --last;
    }
    if (first >= last) {
        return 0;
    }
    const int left = counts[first];
    const int right = counts[last - 1];
    return left < right ? 1 : (left > right ? -1 : 0);
}

TEST(Pictures, TrianglesPointTheRightWay) {
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::StepBack), black)), 1);
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::RunBack), black)), 1);
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::StepForward), black)), -1);
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::RunForward), black)), -1);
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::RunBackGrey), grey)), 1);
    EXPECT_EQ(pointing(columnCounts(buttonFace(Face::RunForwardGrey), grey)), -1);
}

TEST(Pictures, GreyRunFacesHaveNoBlackGlyph) {
    for (const Face face : {Face::RunBackGrey, Face::RunForwardGrey}) {
        for (const int n : columnCounts(buttonFace(face), black)) {
            EXPECT_EQ(n, 0);
        }
    }
}

TEST(Pictures, StopIsASolidSquare) {
    const QImage stop = buttonFace(Face::Stop);
    EXPECT_EQ(stop.pixelColor(stop.width() / 2, stop.height() / 2), black);
    int inked = 0;
    int widest = 0;
    for (const int n : columnCounts(stop, black)) {
        inked += n > 0 ? 1 : 0;
        widest = std::max(widest, n);
    }
    EXPECT_EQ(inked, widest);
}

TEST(Pictures, AppIconCarriesEverySize) {
    int argc = 1;
    char name[] = "vantor_assets_test";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);

    const QIcon icon = appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int s : {32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    }
    // The red disc sits in the middle of the 32-pixel picture, on a black ground.
    const QImage small = icon.pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(small.size(), QSize(32, 32));
    EXPECT_EQ(small.pixelColor(16, 16), QColor(255, 0, 0));
}

} // namespace
} // namespace vantor
