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
        m_raster.clear();
        m_raster.addCircle(centre, pixelRadius, m_drawWidth, dotted, filled);
        applyFigure(color);
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
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const bool copy = m_drawMode == DrawMode::Copy;
    const std::int64_t lastColumn = width() - 1;
    const std::int64_t rows = height();
    bool changed = false;
    for (const PixelSpan& span : spans) {
        const std::int64_t y = span.y + dy;
        std::int64_t x0 = span.x0 + dx;
        std::int64_t x1 = span.x1 + dx;
        if (clip) {
            if (y < 0 || y >= rows) {
                continue;
            }
            x0 = std::max<std::int64_t>(x0, 0);
            x1 = std::min(x1, lastColumn);
            if (x0 > x1) {
                continue;
            }
        }
        changed = true;
        // Locals, so that the compiler knows the pixel writes cannot change them.
        QRgb* const from = reinterpret_cast<QRgb*>(bits + y * stride) + x0;
        QRgb* const to = from + (x1 - x0 + 1);
        const QRgb colour = span.ink == Ink::Pen ? pen : fill;
        if (copy) {
            std::fill(from, to, colour);
        } else {
            // Only the colour bits are combined: the pixel stays opaque.
            const QRgb bitsToFlip = colour & 0x00FFFFFFu;
            for (QRgb* pixel = from; pixel != to; ++pixel) {
                *pixel ^= bitsToFlip;
            }
        }
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
