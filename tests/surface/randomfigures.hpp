#pragma once

#include "surface/surface.hpp"

#include <random>

namespace vantor::test {

// An opaque pixel from its red, green and blue parts.
[[nodiscard]] constexpr Pixel rgb(Pixel red, Pixel green, Pixel blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// A noisy picture, so that an exclusive-or figure cannot hide behind a plain background.
inline Raster noisyImage(int width, int height, std::mt19937& random) {
    Raster image(width, height);
    std::uniform_int_distribution<unsigned> channel(0, 0xFFFFFF);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, 0xFF000000u | channel(random));
        }
    }
    return image;
}

// One figure with the pen it is drawn with, replayable exactly.
struct RandomFigure {
    int kind{0}; // 0 circle, 1 line, 2 dot
    double x1{0}, y1{0}, x2{0}, y2{0}, radius{0};
    Color color{0};
    Color fill{0};
    int width{1};
    DrawStyle style{DrawStyle::Solid};
    FillStyle fillStyle{FillStyle::Solid};

    void draw(Surface& surface, DrawMode mode) const {
        surface.setDrawMode(mode);
        surface.setDrawWidth(width);
        surface.setDrawStyle(style);
        surface.setFillStyle(fillStyle);
        surface.setFillColor(fill);
        switch (kind) {
        case 0:
            surface.Circle(x1, y1, radius, color);
            break;
        case 1:
            surface.Line(x1, y1, x2, y2, color);
            break;
        default:
            surface.PSet(x1, y1, color);
            break;
        }
    }
};

// Figures around a user area of the given extent, partly beyond its edges, now and then huge.
inline RandomFigure randomFigure(std::mt19937& random, double left, double top, double width,
                                 double height) {
    std::uniform_real_distribution<double> unit(-0.3, 1.3);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<unsigned> colour(1, 0xFFFFFF);
    RandomFigure f;
    f.kind = pick(random) % 3;
    f.x1 = left + unit(random) * width;
    f.y1 = top + unit(random) * height;
    f.x2 = left + unit(random) * width;
    f.y2 = top + unit(random) * height;
    f.radius = std::abs(unit(random)) * width * 0.4;
    if (pick(random) < 5) {
        f.x2 = 1e9;
        f.radius = 1e7 * width;
    }
    f.color = colour(random);
    f.fill = colour(random);
    f.width = 1 + pick(random) % 4;
    f.style = pick(random) % 2 == 0 ? DrawStyle::Solid : DrawStyle::Dotted;
    f.fillStyle = pick(random) % 2 == 0 ? FillStyle::Solid : FillStyle::Transparent;
    return f;
}

} // namespace vantor::test
