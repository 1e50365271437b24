#pragma once

#include <cmath>
#include <cstdint>

namespace vantor {

// A point in continuous pixel coordinates: (0, 0) is the top-left corner of the top-left pixel.
struct PixelPoint {
    double x{0.0};
    double y{0.0};
};

// A point in the user coordinates of a surface.
struct UserPoint {
    double x{0.0};
    double y{0.0};
};

// Maps the user coordinates of a surface to its pixels and back.
//
// The user point (x, y) lies the fraction (x - scaleLeft) / scaleWidth of the pixel width from the
// left edge and (y - scaleTop) / scaleHeight of the pixel height from the top edge. The scale
// values are 32-bit floats as the views set them; the arithmetic is done in double.
//
// Rounding rule: pixel (i, j) covers the continuous square [i, i + 1) x [j, j + 1), so a point
// falls in pixel (floor(px), floor(py)). The user point (scaleLeft, scaleTop) is thus the top-left
// corner of pixel (0, 0), and scaleLeft + scaleWidth lies just beyond the last column.
class ScaleMapping {
public:
    explicit ScaleMapping(int pixelWidth, int pixelHeight);

    // A zero or non-finite width or height, and a non-finite left or top, would make the mapping
    // meaningless; such a value is ignored and the previous one kept.
    void setScaleLeft(float left);
    void setScaleTop(float top);
    void setScaleWidth(float width);
    void setScaleHeight(float height);

    [[nodiscard]] float scaleLeft() const { return m_left; }
    [[nodiscard]] float scaleTop() const { return m_top; }
    [[nodiscard]] float scaleWidth() const { return m_width; }
    [[nodiscard]] float scaleHeight() const { return m_height; }
    [[nodiscard]] int pixelWidth() const { return m_pixelWidth; }
    [[nodiscard]] int pixelHeight() const { return m_pixelHeight; }

    [[nodiscard]] PixelPoint toPixel(double x, double y) const;
    [[nodiscard]] UserPoint toUser(double px, double py) const;
    // A horizontal user length in pixels; negative if userLength is.
    [[nodiscard]] double toPixelLengthX(double userLength) const;

    // The pixel column or row in which a continuous pixel coordinate falls (the rounding rule):
    // floor, written out so that it costs no library call on every figure.
    [[nodiscard]] static double pixelIndex(double continuous) {
        // From 2^52 on every double is whole; NaN falls through unchanged too.
        if (!(std::abs(continuous) < 4503599627370496.0)) {
            return continuous;
        }
        const auto truncated = static_cast<double>(static_cast<std::int64_t>(continuous));
        if (truncated == continuous) {
            return continuous;
        }
        return truncated > continuous ? truncated - 1.0 : truncated;
    }

private:
    int m_pixelWidth{0};
    int m_pixelHeight{0};
    float m_left{0.0F};
    float m_top{0.0F};
    float m_width{1.0F};
    float m_height{1.0F};
};

} // namespace vantor
