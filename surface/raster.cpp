#include "raster.hpp"

#include <algorithm>

namespace vantor {

Raster::Raster(int width, int height, Pixel fill)
    : m_width(width > 0 && height > 0 ? width : 0), m_height(width > 0 && height > 0 ? height : 0),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

Raster Raster::copy(int x, int y, int width, int height) const {
    Raster part(width, height);
    const int left = std::max(x, 0);
    const int right = std::min(x + part.width(), m_width);
    for (int j = std::max(y, 0); j < std::min(y + part.height(), m_height); ++j) {
        if (left < right) {
            std::copy(row(j) + left, row(j) + right, part.row(j - y) + (left - x));
        }
    }
    return part;
}

void Raster::assign(const Raster& other) {
    if (other.m_width == m_width && other.m_height == m_height) {
        std::copy(other.m_pixels.begin(), other.m_pixels.end(), m_pixels.begin());
    } else {
        *this = other;
    }
}

} // namespace vantor
