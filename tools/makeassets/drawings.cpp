#include "drawings.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace vantor::makeassets {
namespace {

// Classic 8-bit palette entries the faces and the icon are drawn from.
const QColor black{0, 0, 0};
const QColor white{255, 255, 255};
const QColor faceGrey{192, 192, 192};
const QColor lightGrey{223, 223, 223};
const QColor darkGrey{128, 128, 128};
const QColor darkBlue{0, 0, 128};
const QColor red{255, 0, 0};
const QColor yellow{255, 255, 0};

// The random source of every scattered thing. Integers are derived by hand rather than by
// the standard distributions, whose results differ between standard libraries.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, n).
    [[nodiscard]] int below(int n) {
        return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n));
    }

    // Uniform in [0, 1).
    [[nodiscard]] double unit() { return static_cast<double>(m_engine()) / 4294967296.0; }

private:
    std::mt19937 m_engine;
};

[[nodiscard]] QImage blankImage(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void setPixelClipped(QImage& image, int x, int y, const QColor& colour) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) {
        image.setPixelColor(x, y, colour);
    }
}

// Paints every pixel whose centre lies within radius of (cx, cy), in pixel-index units
// (pixel i has its centre at i). Hard edges, as on an 8-bit bitmap.
void fillDisc(QImage& image, double cx, double cy, double radius, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            if (dx * dx + dy * dy <= radius * radius) {
                image.setPixelColor(x, y, colour);
            }
        }
    }
}

[[nodiscard]] QFont boldSans(double pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// --- clock button faces ---------------------------------------------------------------

enum class Glyph { Bar, TriangleLeft, TriangleRight, Square };

constexpr int triangleHeight = 11;
constexpr int squareSide = 9;

[[nodiscard]] int glyphHeight(Glyph glyph) {
    return glyph == Glyph::Square ? squareSide : triangleHeight;
}

[[nodiscard]] int glyphWidth(Glyph glyph) {
    switch (glyph) {
    case Glyph::Bar:
        return 2;
    case Glyph::TriangleLeft:
    case Glyph::TriangleRight:
        return (triangleHeight + 1) / 2;
    case Glyph::Square:
        return squareSide;
    }
    return 0;
}

// Whether the glyph covers column dx, row dy of its glyphWidth x glyphHeight box.
[[nodiscard]] bool glyphCovers(Glyph glyph, int dx, int dy) {
    const int half = glyphHeight(glyph) / 2;
    const int offCentre = std::abs(dy - half);
    switch (glyph) {
    case Glyph::Bar:
    case Glyph::Square:
        return true;
    case Glyph::TriangleLeft:
        return offCentre <= dx;
    case Glyph::TriangleRight:
        return offCentre <= glyphWidth(glyph) - 1 - dx;
    }
    return false;
}

struct FaceLayout {
    int width;
    int height;
    std::vector<Glyph> glyphs;
    int gap; // blank columns between neighbouring glyphs
    bool greyed;
};

[[nodiscard]] FaceLayout layoutOf(Face face) {
    using enum Glyph;
    switch (face) {
    case Face::None:
        return {0, 0, {}, 0, false};
    case Face::Reset:
        return {38, 24, {Bar, TriangleLeft}, 1, false};
    case Face::StepBack:
        return {39, 24, {TriangleLeft}, 0, false};
    case Face::RunBack:
        return {40, 23, {TriangleLeft, TriangleLeft}, 0, false};
    case Face::Stop:
        return {41, 24, {Square}, 0, false};
    case Face::RunForward:
        return {39, 23, {TriangleRight, TriangleRight}, 0, false};
    case Face::StepForward:
        return {39, 24, {TriangleRight}, 0, false};
    case Face::RunBackGrey:
        return {40, 23, {TriangleLeft, TriangleLeft}, 0, true};
    case Face::RunForwardGrey:
        return {39, 23, {TriangleRight, TriangleRight}, 0, true};
    }
    return {};
}

// Raised face: light outer top-left edge, black outer bottom-right edge, and a second,
// softer ring inside each.
void drawBevel(QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (int x = 0; x <= right; ++x) {
        image.setPixelColor(x, 0, white);
        image.setPixelColor(x, 1, lightGrey);
        image.setPixelColor(x, bottom - 1, darkGrey);
        image.setPixelColor(x, bottom, black);
    }
    for (int y = 0; y <= bottom; ++y) {
        if (y < bottom) {
            image.setPixelColor(0, y, white);
        }
        if (y >= 1 && y < bottom - 1) {
            image.setPixelColor(1, y, lightGrey);
        }
        if (y >= 1 && y < bottom) {
            image.setPixelColor(right - 1, y, darkGrey);
        }
        image.setPixelColor(right, y, black);
    }
    image.setPixelColor(right - 1, 0, white);
    image.setPixelColor(1, bottom - 1, lightGrey);
}

void drawGlyphs(QImage& image, const FaceLayout& layout, const QColor& colour) {
    int total = 0;
    for (const Glyph glyph : layout.glyphs) {
        total += glyphWidth(glyph);
    }
    total += layout.gap * (static_cast<int>(layout.glyphs.size()) - 1);
    int left = (layout.width - total) / 2;
    for (const Glyph glyph : layout.glyphs) {
        const int top = (layout.height - glyphHeight(glyph)) / 2;
        for (int dx = 0; dx < glyphWidth(glyph); ++dx) {
            for (int dy = 0; dy < glyphHeight(glyph); ++dy) {
                if (glyphCovers(glyph, dx, dy)) {
                    setPixelClipped(image, left + dx, top + dy, colour);
                }
            }
        }
        left += glyphWidth(glyph) + layout.gap;
    }
}

// --- icon ----------------------------------------------------------------------------

// The yellow path in icon units (0..32): a stretched prolate cycloid that enters at the left
// edge, loops once around the centre and leaves at the right edge.
[[nodiscard]] QPolygonF iconPath(double scale) {
    constexpr double advance = 2.0;
    constexpr double swing = 9.0;
    constexpr double stretch = 1.5;
    QPolygonF path;
    constexpr int steps = 400;
    constexpr double span = 4.6; // parameter range each side, enough to reach past the edges
    for (int i = 0; i <= steps; ++i) {
        const double t = -span + 2.0 * span * i / steps;
        const double x = 16.0 + stretch * (advance * t - swing * std::sin(t));
        const double y = 17.0 - swing * std::cos(t);
        path << QPointF(x * scale, y * scale);
    }
    return path;
}

} // namespace

QImage drawMonthDial() {
    QImage image = blankImage(223, 224, white);
    // Pixel-index centre (110.5, 111.5); diameter 216 covers columns 3..218, rows 4..219.
    constexpr double centreX = 110.5;
    constexpr double centreY = 111.5;
    constexpr double radius = 108.0;
    fillDisc(image, centreX, centreY, radius, black);

    // Degrees counter-clockwise from the rightward direction, January first.
    constexpr std::array<int, 12> angles{101, 131, 161, 193, 221, 251, 281, 311, 341, 11, 41, 71};
    constexpr std::array<const char*, 12> names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    constexpr double capTopRadius = 104.5; // where the tops of the capitals sit

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = boldSans(11.0);
    painter.setFont(font);
    painter.setPen(white);
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromLatin1(names[i]);
        painter.save();
        // Painter coordinates put pixel i's centre at i + 0.5.
        painter.translate(centreX + 0.5, centreY + 0.5);
        // A clockwise turn of 90 - angle brings the text's up direction onto the radius.
        painter.rotate(90.0 - angles[i]);
        const QRectF ink = metrics.tightBoundingRect(name);
        const double baseline = -capTopRadius + metrics.capHeight();
        painter.drawText(QPointF(-(ink.left() + ink.width() / 2.0), baseline), name);
        painter.restore();
    }
    return image;
}

QImage drawPlainDisc() {
    QImage image = blankImage(217, 217, white);
    fillDisc(image, 108.0, 108.0, 108.5, black);
    return image;
}

QImage drawStarField() {
    constexpr int width = 471;
    constexpr int height = 159;
    constexpr int starCount = 570;
    constexpr int lineX = 118;
    QImage image = blankImage(width, height, black);

    // Offsets ordered from the centre outward, so the first n of them make a round dot of
    // exactly n pixels.
    std::vector<QPoint> offsets;
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            offsets.emplace_back(dx, dy);
        }
    }
    std::stable_sort(offsets.begin(), offsets.end(), [](const QPoint& a, const QPoint& b) {
        return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
    });

    Scatter scatter(0x5a17f00du);
    for (int i = 0; i < starCount; ++i) {
        const int x = scatter.below(width);
        const int y = scatter.below(height);
        // Mostly faint single pixels, a few bright dots of up to 20 pixels.
        const double u = scatter.unit();
        const int area = 1 + static_cast<int>(19.999 * u * u * u * u);
        for (int k = 0; k < area; ++k) {
            setPixelClipped(image, x + offsets[static_cast<std::size_t>(k)].x(),
                            y + offsets[static_cast<std::size_t>(k)].y(), white);
        }
    }

    // Dotted: one pixel on, one off, starting at the top.
    for (int y = 0; y < height; y += 2) {
        image.setPixelColor(lineX, y, darkBlue);
    }
    return image;
}

QImage drawButtonFace(Face face) {
    const FaceLayout layout = layoutOf(face);
    if (layout.width == 0) {
        return {};
    }
    QImage image = blankImage(layout.width, layout.height, faceGrey);
    drawBevel(image);
    drawGlyphs(image, layout, layout.greyed ? darkGrey : black);
    return image;
}

QImage drawIcon(int size) {
    QImage image = blankImage(size, size, black);
    const double scale = size / 32.0;
    const bool smooth = size > 32;

    // Star dots in icon units; the few bright ones are larger.
    struct Star {
        double x;
        double y;
        bool bright;
    };
    Scatter scatter(0x1c0de5u);
    std::vector<Star> stars;
    constexpr std::size_t starCount = 22;
    while (stars.size() < starCount) {
        const double x = 32.0 * scatter.unit();
        const double y = 32.0 * scatter.unit();
        const bool bright = scatter.below(5) == 0;
        // Keep clear of the disc so no star sits on its rim.
        if (std::hypot(x - 16.0, y - 16.0) > 7.5) {
            stars.push_back({x, y, bright});
        }
    }
    if (!smooth) {
        for (const Star& star : stars) {
            const int px = static_cast<int>(star.x);
            const int py = static_cast<int>(star.y);
            setPixelClipped(image, px, py, white);
            if (star.bright) {
                setPixelClipped(image, px + 1, py, white);
                setPixelClipped(image, px - 1, py, white);
                setPixelClipped(image, px, py + 1, white);
                setPixelClipped(image, px, py - 1, white);
            }
        }
    }

    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        if (smooth) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(white);
            for (const Star& star : stars) {
                const double r = (star.bright ? 0.9 : 0.5) * scale;
                painter.drawEllipse(QPointF(star.x * scale, star.y * scale), r, r);
            }
        }

        QPen pathPen(yellow);
        pathPen.setWidthF(smooth ? 1.3 * scale : 1.0);
        pathPen.setJoinStyle(Qt::RoundJoin);
        pathPen.setCapStyle(Qt::RoundCap);
        painter.setPen(pathPen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(iconPath(scale));

        if (smooth) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(red);
            painter.drawEllipse(QPointF(16.0 * scale, 16.0 * scale), 5.0 * scale, 5.0 * scale);
        }
    }
    if (!smooth) {
        // Pixel-index centre 15.5 is painter coordinate 16, the middle of the icon.
        fillDisc(image, 15.5, 15.5, 5.0, red);
    }
    return image;
}

} // namespace vantor::makeassets
