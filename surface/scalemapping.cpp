#include "scalemapping.hpp"

#include <algorithm>
#include <cmath>

namespace vantor {

ScaleMapping::ScaleMapping(int pixelWidth, int pixelHeight)
    : m_pixelWidth(std::max(pixelWidth, 0)), m_pixelHeight(std::max(pixelHeight, 0)),
      m_width(static_cast<float>(std::max(m_pixelWidth, 1))),
      m_height(static_cast<float>(std::max(m_pixelHeight, 1))) {}

void ScaleMapping::setScaleLeft(float left) {
    if (std::isfinite(left)) {
        m_left = left;
    }
}

void ScaleMapping::setScaleTop(float top) {
    if (std::isfinite(top)) {
        m_top = top;
    }
}

void ScaleMapping::setScaleWidth(float width) {
    if (std::isfinite(width) && width != 0.0F) {
        m_width = width;
    }
}

void ScaleMapping::setScaleHeight(float height) {
    if (std::isfinite(height) && height != 0.0F) {
        m_height = height;
    }
}

PixelPoint ScaleMapping::toPixel(double x, double y) const {
    return {(x - m_left) * m_pixelWidth / m_width, (y - m_top) * m_pixelHeight / m_height};
}

UserPoint ScaleMapping::toUser(double px, double py) const {
    const double ux = m_pixelWidth > 0 ? m_left + px * m_width / m_pixelWidth : m_left;
    const double uy = m_pixelHeight > 0 ? m_top + py * m_height / m_pixelHeight : m_top;
    return {ux, uy};
}

double ScaleMapping::toPixelLengthX(double userLength) const {
    return userLength * m_pixelWidth / std::abs(static_cast<double>(m_width));
}

} // namespace vantor
