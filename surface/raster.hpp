#pragma once

#include "color.hpp"

#include <cstddef>
#include <vector>

namespace vantor {

// A block of pixels, width x height, stored row by row from the top without gaps. Its memory
// stays where it is while the size stays the same, so a binding may show it in place.
class Raster {
public:
    Raster() = default;
    // Negative sizes give an empty raster.
    Raster(int width, int height, Pixel fill = kWhitePixel);

    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }
    [[nodiscard]] bool empty() const { return m_pixels.empty(); }

    // (x, y) must lie inside the raster.
    [[nodiscard]] Pixel pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    void setPixel(int x, int y, Pixel pixel) { m_pixels[index(x, y)] = pixel; }

    [[nodiscard]] Pixel* row(int y) { return m_pixels.data() + index(0, y); }
    [[nodiscard]] const Pixel* row(int y) const { return m_pixels.data() + index(0, y); }
    [[nodiscard]] const Pixel* data() const { return m_pixels.data(); }

    // The part at (x, y) of the given size; whatever of it lies outside this raster is white.
    [[nodiscard]] Raster copy(int x, int y, int width, int height) const;

    // Copies the pixels of another raster of the same size into this one's memory.
    void assign(const Raster& other);

    friend bool operator==(const Raster&, const Raster&) = default;

private:
    [[nodiscard]] std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width{0};
    int m_height{0};
    std::vector<Pixel> m_pixels;
};

} // namespace vantor
