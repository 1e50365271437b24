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

} // namespace

Surface::Surface(const QImage& background)
    : m_image(toSurfaceFormat(background)), m_picture(m_image),
      m_mapping(m_image.width(), m_image.height()), m_raster(m_image.width(), m_image.height()) {}

Surface::Surface(int width, int height)
    : m_image(whiteImage(width, height)), m_picture(m_image),
      m_mapping(m_image.width(), m_image.height()), m_raster(m_image.width(), m_image.height()) {}

void Surface::setDrawWidth(int width) {
    m_drawWidth = std::clamp(width, 1, 4);
}

void Surface::Circle(double x, double y, double radius, Color color) {
    m_raster.clear();
    m_raster.addCircle(m_mapping.toPixel(x, y), m_mapping.toPixelLengthX(radius), m_drawWidth,
                       m_drawStyle == DrawStyle::Dotted, m_fillStyle == FillStyle::Solid);
    applyFigure(color);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    m_raster.clear();
    m_raster.addLine(m_mapping.toPixel(x1, y1), m_mapping.toPixel(x2, y2), m_drawWidth,
                     m_drawStyle == DrawStyle::Dotted);
    applyFigure(color);
}

void Surface::PSet(double x, double y, Color color) {
    m_raster.clear();
    m_raster.addDot(m_mapping.toPixel(x, y), m_drawWidth);
    applyFigure(color);
}

void Surface::applyFigure(Color penColor) {
    const auto& spans = m_raster.spans();
    if (spans.empty()) {
        return;
    }
    const QRgb pen = toQRgb(penColor);
    const QRgb fill = toQRgb(m_fillColor);
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const bool copy = m_drawMode == DrawMode::Copy;
    for (const PixelSpan& span : spans) {
        // Locals, so that the compiler knows the pixel writes cannot change them.
        QRgb* const from = reinterpret_cast<QRgb*>(bits + span.y * stride) + span.x0;
        QRgb* const to = from + (span.x1 - span.x0 + 1);
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
    ++m_changeCount;
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
