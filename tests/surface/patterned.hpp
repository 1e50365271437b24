#pragma once

#include "surface/raster.hpp"

namespace vantor::test {

// A background of the given size every pixel of which differs from its neighbours, so that a
// figure erased at the wrong place or drawn twice shows.
[[nodiscard]] inline Raster patternedRaster(int width, int height) {
    Raster image(width, height);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto red = static_cast<Pixel>((x * 37) & 0xFF);
            const auto green = static_cast<Pixel>((y * 59) & 0xFF);
            const auto blue = static_cast<Pixel>(((x + y) * 13) & 0xFF);
            image.setPixel(x, y, 0xFF000000u | red << 16 | green << 8 | blue);
        }
    }
    return image;
}

} // namespace vantor::test
