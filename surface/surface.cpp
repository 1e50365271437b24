#include "surface.hpp"

#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace vantor {

namespace {

[[nodiscard]] QImage toSurfaceFormat(const QImage& picture) {
    return picture.format() == QImage::Format_RGB32 ? picture
                                                    : picture.convertToFormat(QImage::Format_RGB32);
}

[[nodiscard]] QImage whiteImage(int width, int height) {
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Circles up to this radius in pixels are kept as shapes and moved to where they are drawn; with
// the widest pen (4) such a circle reaches less than kShapeRadius + 3 pixels from its centre
// pixel, so its shape fits unclipped in a raster kShapeHalf pixels either side of the centre.
constexpr double kShapeRadius = 100.0;
constexpr int kShapeHalf = 104;
constexpr int kShapeSize = 2 * kShapeHalf + 1;

struct Target {
    uchar* bits;
    qsizetype stride;
    std::int64_t width;
    std::int64_t height;
};

// Writes (copy) or flips (exclusive-or) the pixels of the spans, moved by (dx, dy); with clip,
// the parts outside the target are left out. Returns whether any pixel was combined.
template <bool kClip, bool kCopy>
bool combine(const PixelSpan* span, const PixelSpan* last, const Target& target, std::int64_t dx,
             std::int64_t dy, QRgb pen, QRgb fill) {
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
        QRgb* const from = reinterpret_cast<QRgb*>(target.bits + y * target.stride) + x0;
        const std::int64_t count = x1 - x0 + 1;
        const QRgb colour = span->ink == Ink::Pen ? pen : fill;
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

Surface::Surface(const QImage& background)
    : m_image(toSurfaceFormat(background)), m_picture(m_image),
      m_mapping(m_image.width(), m_image.height()), m_raster(m_image.width(), m_image.height()),
      m_shapeRaster(kShapeSize, kShapeSize) {}

Surface::Surface(int width, int height)
    : m_image(whiteImage(width, height)), m_picture(m_image),
      m_mapping(m_image.width(), m_image.height()), m_raster(m_image.width(), m_image.height()),
      m_shapeRaster(kShapeSize, kShapeSize) {}

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
    if (!figure.joined.empty() && toQRgb(penColor) == toQRgb(m_fillColor)) {
        applySpans(figure.joined, dx, dy, clip, toQRgb(penColor), toQRgb(penColor));
    } else {
        applySpans(figure.spans, dx, dy, clip, toQRgb(penColor), toQRgb(m_fillColor));
    }
}

void Surface::applySpans(const std::vector<PixelSpan>& spans, std::int64_t dx, std::int64_t dy,
                         bool clip, QRgb pen, QRgb fill) {
    if (spans.empty()) {
        return;
    }
    const Target target{m_image.bits(), m_image.bytesPerLine(), width(), height()};
    const PixelSpan* const first = spans.data();
    const PixelSpan* const last = first + spans.size();
    bool changed = false;
    if (m_drawMode == DrawMode::Copy) {
        changed = clip ? combine<true, true>(first, last, target, dx, dy, pen, fill)
                       : combine<false, true>(first, last, target, dx, dy, pen, fill);
    } else {
        // Only the colour bits are combined: the pixel stays opaque.
        const QRgb penBits = pen & 0x00FFFFFFu;
        const QRgb fillBits = fill & 0x00FFFFFFu;
        changed = clip ? combine<true, false>(first, last, target, dx, dy, penBits, fillBits)
                       : combine<false, false>(first, last, target, dx, dy, penBits, fillBits);
    }
    if (changed) {
        ++m_changeCount;
    }
}

void Surface::Cls() {
    if (m_image.isNull()) {
        return;
    }
    if (!m_image.isDetached()) {
        // Writing into a shared image would copy it first and then copy the picture over it:
        // sharing the picture instead leaves at most one copy, made by the next drawing.
        m_image = m_picture;
    } else {
        // Copying into the existing buffer avoids a new allocation.
        std::memcpy(m_image.bits(), m_picture.constBits(),
                    static_cast<std::size_t>(m_image.sizeInBytes()));
    }
    ++m_changeCount;
}

void Surface::setPicture(const QImage& picture) {
    const QImage converted = toSurfaceFormat(picture);
    if (converted.size() == m_image.size()) {
        m_picture = converted;
    } else {
        QImage fitted = whiteImage(width(), height());
        QPainter painter(&fitted);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, converted);
        painter.end();
        m_picture = fitted;
    }
    m_image = m_picture;
    ++m_changeCount;
}

void Surface::keepImageAsPicture() {
    m_picture = m_image;
}

std::optional<QString> Surface::savePicture(const QString& fileName) const {
    auto failure = [&fileName](const QString& reason) {
        return std::optional<QString>(
            QStringLiteral("Could not save %1: %2").arg(fileName, reason));
    };
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    if (!m_picture.save(&file, "BMP")) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("the bitmap could not be written");
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return std::nullopt;
}

} // namespace vantor
