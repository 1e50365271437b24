#pragma once

#include "scalemapping.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantor {

// Which colour a pixel of a figure takes: the pen's (lines, outlines, dots) or the fill colour.
enum class Ink { Pen, Fill };

// A run of pixels on one row, x0..x1 inclusive, inside the surface.
struct PixelSpan {
    int y{0};
    int x0{0};
    int x1{0};
    Ink ink{Ink::Pen};
};

// Builds the set of pixels of one figure as disjoint row spans clipped to the surface, so that a
// surface can combine every pixel of the figure exactly once (the exclusive-or pen relies on it).
// Rasterising is integer and deterministic: the same figure always gives the same pixels. Work is
// bounded by the surface size, however large or far away the figure is; figures with non-finite
// coordinates give no pixels. The span buffer is kept between figures to avoid allocations.
//
// Pen of width w: a square w pixels across, its top-left pixel (w - 1) / 2 pixels (rounded down)
// up and left of the pixel it is centred on. Dotted pen: w pixels on, w pixels off, the first
// dot starting at the figure's first point (a line puts its pen down every 2w steps).
class FigureRaster {
public:
    explicit FigureRaster(int width, int height);

    void clear() { m_spans.clear(); }
    [[nodiscard]] const std::vector<PixelSpan>& spans() const { return m_spans; }
    // Hands the spans over to buffer and takes buffer's storage for the next figure, so that a
    // figure can be kept without copying it.
    void exchangeSpans(std::vector<PixelSpan>& buffer) { m_spans.swap(buffer); }

    // One square dot penWidth pixels across on the pixel in which the point falls; a point
    // exactly on the right or bottom edge falls in the last column or row.
    void addDot(PixelPoint point, int penWidth);
    // The segment from first to last, stepping one pixel along its longer axis; the dotted
    // pattern counts those steps from the first point.
    void addLine(PixelPoint first, PixelPoint last, int penWidth, bool dotted);
    // A circle about the pixel in which the centre falls; radius in pixels (its sign is ignored).
    // The outline is the band penWidth pixels deep along the edge of the disc of pixels whose
    // offset (dx, dy) from the centre pixel has dx^2 + dy^2 <= r^2 + r, with
    // r = radius + (penWidth - 1) / 2, so the figure is symmetric and exactly round on screen.
    // The dotted pattern starts with a dot at the points right of, above, left of and below the
    // centre and alternates along each eighth of the outline, one step per row near the left
    // and right and one per column near the top and bottom, so it is symmetric and costs no
    // trigonometry.
    void addCircle(PixelPoint centre, double radius, int penWidth, bool dotted, bool filled);
    // False for a circle that gives no pixels on any surface: a coordinate or radius that is not
    // finite or lies beyond the range in which a double still resolves single pixels.
    [[nodiscard]] static bool isDrawableCircle(PixelPoint centre, double radius);

private:
    // A span clipped to the surface first.
    void addSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, Ink ink) {
        if (y < 0 || y >= m_height) {
            return;
        }
        x0 = std::max<std::int64_t>(x0, 0);
        x1 = std::min<std::int64_t>(x1, m_width - 1);
        if (x0 <= x1) {
            pushSpan(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), ink);
        }
    }
    // A span already inside the surface, joined to the previous one where the two touch.
    void pushSpan(int y, int x0, int x1, Ink ink) {
        if (!m_spans.empty()) {
            PixelSpan& last = m_spans.back();
            if (last.y == y && last.ink == ink && last.x1 + 1 == x0) {
                last.x1 = x1;
                return;
            }
        }
        m_spans.push_back({y, x0, x1, ink});
    }
    // Half widths of the disc dx^2 + dy^2 <= reach at distances nearest..farthest from its centre.
    void fillHalfWidths(double reach, std::int64_t nearest, std::int64_t farthest);
    void addDottedArc(std::int64_t y, std::int64_t x0, std::int64_t x1, std::int64_t cx,
                      std::int64_t cy, std::int64_t dash);

    int m_width{0};
    int m_height{0};
    std::vector<PixelSpan> m_spans;
    std::vector<std::int64_t> m_halfWidths; // half widths of the current disc by row distance
    std::vector<std::int64_t> m_lineMinors; // minor coordinate per step of the current solid line
};

} // namespace vantor
