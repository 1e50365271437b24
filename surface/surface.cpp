#include "surface.hpp"

#include <algorithm>
#include <utility>

namespace vantor {

namespace {

// Circles up to this radius in pixels are kept as shapes and moved to where they are drawn; with
// the widest pen (4) such a circle reaches less than kShapeRadius + 3 pixels from its centre
// pixel, so its shape fits unclipped in a raster kShapeHalf pixels either side of the centre.
constexpr double kShapeRadius = 100.0;
constexpr int kShapeHalf = 104;
constexpr int kShapeSize = 2 * kShapeHalf + 1;

struct Target {
    Pixel* pixels;
    std::int64_t width;
    std::int64_t height;
};

// Writes (copy) or flips (exclusive-or) the pixels of the spans, moved by (dx, dy); with clip,
// the parts outside the target are left out. Returns whether any pixel was combined.
template <bool kClip, bool kCopy>
bool combine(const PixelSpan* span, const PixelSpan* last, const Target& target, std::int64_t dx,
             std::int64_t dy, Pixel pen, Pixel fill) {
    bool any = false;
    for (; span != last; ++span) {
        const std::int64_t y = span->y + dy;
        std::int64_t x0 = span->x0 + dx;
        std::int64_t x1 = span->x1 + dx;
        if constexpr (kClip) {
            if (y < 0 || y >= target.height) {
                continue;
            }
            x0 = std::max<std::int64_t>(x0, 0);
            x1 = std::min(x1, target.width - 1);
            if (x0 > x1) {
                continue;
            }
        }
        any = true;
        Pixel* const from = target.pixels + y * target.width + x0;
        const std::int64_t count = x1 - x0 + 1;
        const Pixel colour = span->ink == Ink::Pen ? pen : fill;
        if constexpr (kCopy) {
            std::fill_n(from, count, colour);
        } else if (count == 1) {
            // Dotted figures are mostly single pixels.
            *from ^= colour;
        } else {
            for (std::int64_t i = 0; i < count; ++i) {
                from[i] ^= colour;
            }
        }
    }
    return any;
}

} // namespace

Surface::Surface(Raster background)
    : m_image(std::move(background)), m_picture(m_image),
      m_mapping(m_image.width(), m_image.height()), m_raster(m_image.width(), m_image.height()),
      m_shapeRaster(kShapeSize, kShapeSize) {}

Surface::Surface(int width, int height)
    : m_image(width, height), m_picture(m_image), m_mapping(m_image.width(), m_image.height()),
      m_raster(m_image.width(), m_image.height()), m_shapeRaster(kShapeSize, kShapeSize) {}

void Surface::setDrawWidth(int width) {
    m_drawWidth = std::clamp(width, 1, 4);
}

void Surface::Circle(double x, double y, double radius, Color color) {
    const PixelPoint centre = m_mapping.toPixel(x, y);
    const double pixelRadius = std::abs(m_mapping.toPixelLengthX(radius));
    const bool dotted = m_drawStyle == DrawStyle::Dotted;
    const bool filled = m_fillStyle == FillStyle::Solid;
    if (!FigureRaster::isDrawableCircle(centre, pixelRadius)) {
        return;
    }
    if (!(pixelRadius <= kShapeRadius)) {
        // A large circle is kept where it lies, cut to the surface.
        const FigureKey key{FigureKind::Circle,
                            m_drawWidth,
                            dotted,
                            filled,
                            {centre.x, centre.y, pixelRadius, 0.0}};
        const CachedFigure* circle = m_cache.find(key);
        if (circle == nullptr) {
            m_raster.clear();
            m_raster.addCircle(centre, pixelRadius, m_drawWidth, dotted, filled);
            circle = &m_cache.insert(key, m_raster);
        }
        applyFigure(*circle, 0, 0, false, color);
        return;
    }
    // The shape is the same about any centre pixel: rasterised about the shape raster's centre
    // and moved from there.
    const FigureKey key{
        FigureKind::CircleShape, m_drawWidth, dotted, filled, {pixelRadius, 0.0, 0.0, 0.0}};
    const CachedFigure* shape = m_cache.find(key);
    if (shape == nullptr) {
        constexpr double kMiddle = kShapeHalf + 0.5;
        m_shapeRaster.clear();
        m_shapeRaster.addCircle({kMiddle, kMiddle}, pixelRadius, m_drawWidth, dotted, filled);
        shape = &m_cache.insert(key, m_shapeRaster);
    }
    const auto dx = static_cast<std::int64_t>(ScaleMapping::pixelIndex(centre.x)) - kShapeHalf;
    const auto dy = static_cast<std::int64_t>(ScaleMapping::pixelIndex(centre.y)) - kShapeHalf;
    const bool inside = shape->left + dx >= 0 && shape->right + dx < width() &&
                        shape->top + dy >= 0 && shape->bottom + dy < height();
    applyFigure(*shape, dx, dy, !inside, color);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    const PixelPoint first = m_mapping.toPixel(x1, y1);
    const PixelPoint last = m_mapping.toPixel(x2, y2);
    const bool dotted = m_drawStyle == DrawStyle::Dotted;
    const FigureKey key{
        FigureKind::Line, m_drawWidth, dotted, false, {first.x, first.y, last.x, last.y}};
    const CachedFigure* line = m_cache.find(key);
    if (line == nullptr) {
        m_raster.clear();
        m_raster.addLine(first, last, m_drawWidth, dotted);
        line = &m_cache.insert(key, m_raster);
    }
    applyFigure(*line, 0, 0, false, color);
}

void Surface::PSet(double x, double y, Color color) {
    m_raster.clear();
    m_raster.addDot(m_mapping.toPixel(x, y), m_drawWidth);
    applyFigure(color);
}

void Surface::applyFigure(const CachedFigure& figure, std::int64_t dx, std::int64_t dy, bool clip,
                          Color penColor) {
    // Where pen and fill are one colour, the inks need not be told apart.
    if (!figure.joined.empty() && toPixel(penColor) == toPixel(m_fillColor)) {
        applySpans(figure.joined, dx, dy, clip, toPixel(penColor), toPixel(penColor));
    } else {
        applySpans(figure.spans, dx, dy, clip, toPixel(penColor), toPixel(m_fillColor));
    }
}

void Surface::applySpans(const std::vector<PixelSpan>& spans, std::int64_t dx, std::int64_t dy,
                         bool clip, Pixel pen, Pixel fill) {
    if (spans.empty()) {
        return;
    }
    const Target target{m_image.row(0), width(), height()};
    const PixelSpan* const first = spans.data();
    const PixelSpan* const last = first + spans.size();
    bool changed = false;
    if (m_drawMode == DrawMode::Copy) {
        changed = clip ? combine<true, true>(first, last, target, dx, dy, pen, fill)
                       : combine<false, true>(first, last, target, dx, dy, pen, fill);
    } else {
        // Only the colour bits are combined: the pixel stays opaque.
        const Pixel penBits = pen & 0x00FFFFFFu;
        const Pixel fillBits = fill & 0x00FFFFFFu;
        changed = clip ? combine<true, false>(first, last, target, dx, dy, penBits, fillBits)
                       : combine<false, false>(first, last, target, dx, dy, penBits, fillBits);
    }
    if (changed) {
        ++m_changeCount;
        int top = height();
        int bottom = -1;
        int left = width();
        int right = -1;
        for (const PixelSpan* span = first; span != last; ++span) {
            top = std::min(top, span->y);
            bottom = std::max(bottom, span->y);
            left = std::min(left, span->x0);
            right = std::max(right, span->x1);
        }
        // The spans are moved by (dx, dy) and, when clipped, cut to the surface.
        const auto cut = [](std::int64_t value, int size) {
            return static_cast<int>(std::clamp<std::int64_t>(value, 0, size - 1));
        };
        noteChanged(cut(left + dx, width()), cut(top + dy, height()), cut(right + dx, width()),
                    cut(bottom + dy, height()));
    }
}

void Surface::noteChanged(int left, int top, int right, int bottom) {
    // A rectangle that touches or overlaps one already noted is merged into it, and so on until
    // none does; past a handful the whole lot becomes their bounding rectangle.
    constexpr std::size_t kMostRects = 8;
    PixelRect added{left, top, right - left + 1, bottom - top + 1};
    const auto touches = [](const PixelRect& a, const PixelRect& b) {
        return a.left <= b.left + b.width && b.left <= a.left + a.width &&
               a.top <= b.top + b.height && b.top <= a.top + a.height;
    };
    const auto merged = [](const PixelRect& a, const PixelRect& b) {
        const int l = std::min(a.left, b.left);
        const int t = std::min(a.top, b.top);
        const int r = std::max(a.left + a.width, b.left + b.width);
        const int btm = std::max(a.top + a.height, b.top + b.height);
        return PixelRect{l, t, r - l, btm - t};
    };
    for (bool again = true; again;) {
        again = false;
        for (auto it = m_changed.begin(); it != m_changed.end(); ++it) {
            if (touches(*it, added)) {
                added = merged(*it, added);
                m_changed.erase(it);
                again = true;
                break;
            }
        }
    }
    m_changed.push_back(added);
    if (m_changed.size() > kMostRects) {
        PixelRect all = m_changed.front();
        for (const PixelRect& rect : m_changed) {
            all = merged(all, rect);
        }
        m_changed.assign(1, all);
    }
}

std::vector<PixelRect> Surface::takeChangedRects() {
    std::vector<PixelRect> taken;
    taken.swap(m_changed);
    return taken;
}

void Surface::Cls() {
    m_image.assign(m_picture);
    ++m_changeCount;
    noteChanged(0, 0, width() - 1, height() - 1);
}

void Surface::setPicture(const Raster& picture) {
    m_picture = picture.width() == width() && picture.height() == height()
                    ? picture
                    : picture.copy(0, 0, width(), height());
    m_image.assign(m_picture);
    ++m_changeCount;
    noteChanged(0, 0, width() - 1, height() - 1);
}

void Surface::keepImageAsPicture() {
    m_picture.assign(m_image);
}

} // namespace vantor
