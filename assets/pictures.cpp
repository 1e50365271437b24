#include "assets/pictures.hpp"

#include <QSize>
#include <QString>
#include <algorithm>
#include <array>

namespace vantor {
namespace {

[[nodiscard]] QImage load(const char* name) {
    const QImage image(QStringLiteral(":/pictures/") + QString::fromLatin1(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage monthDial() {
    return load("monthdial.png");
}

QImage plainDisc() {
    return load("plaindisc.png");
}

QImage starField() {
    return load("starfield.png");
}

QImage buttonFace(Face face) {
    switch (face) {
    case Face::Reset:
        return load("reset.png");
    case Face::StepBack:
        return load("stepback.png");
    case Face::RunBack:
        return load("runback.png");
    case Face::Stop:
        return load("stop.png");
    case Face::RunForward:
        return load("runforward.png");
    case Face::StepForward:
        return load("stepforward.png");
    case Face::RunBackGrey:
        return load("runback_grey.png");
    case Face::RunForwardGrey:
        return load("runforward_grey.png");
    case Face::None:
        break;
    }
    return {};
}

Raster rasterOf(const QImage& image) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    Raster raster(opaque.width(), opaque.height());
    for (int y = 0; y < raster.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        std::copy(line, line + raster.width(), raster.row(y));
    }
    return raster;
}

QImage imageOf(const Raster& raster) {
    QImage image(raster.width(), raster.height(), QImage::Format_RGB32);
    for (int y = 0; y < raster.height(); ++y) {
        std::copy(raster.row(y), raster.row(y) + raster.width(),
                  reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

QIcon appIcon() {
    constexpr std::array<int, 5> sizes{32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace vantor
