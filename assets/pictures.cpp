#include "assets/pictures.hpp"

#include <QPixmap>
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <mutex>
#include <utility>

namespace vantor {
namespace {

constexpr std::array<int, 5> iconSizes{32, 48, 64, 128, 256};

[[nodiscard]] QImage load(const QString& name) {
    const QImage image(QStringLiteral(":/pictures/") + name);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Every picture, decoded from its PNG once for the whole run: the first call decodes them all,
// and a call from another thread meanwhile waits for it.
struct Pictures {
    QImage monthDial = load(QStringLiteral("monthdial.png"));
    QImage plainDisc = load(QStringLiteral("plaindisc.png"));
    QImage starField = load(QStringLiteral("starfield.png"));
    std::array<QImage, 8> faces{
        load(QStringLiteral("reset.png")),        load(QStringLiteral("stepback.png")),
        load(QStringLiteral("runback.png")),      load(QStringLiteral("stop.png")),
        load(QStringLiteral("runforward.png")),   load(QStringLiteral("stepforward.png")),
        load(QStringLiteral("runback_grey.png")), load(QStringLiteral("runforward_grey.png"))};
    // The views' backgrounds, until the first window takes them.
    std::mutex rastersLock;
    Raster monthDialRaster = rasterOf(monthDial);
    Raster starFieldRaster = rasterOf(starField);
};

// The icon's pictures, apart: the window needs them only once its first frame is shown.
struct Icons {
    std::array<QImage, iconSizes.size()> images = [] {
        std::array<QImage, iconSizes.size()> loaded;
        for (std::size_t index = 0; index < iconSizes.size(); ++index) {
            loaded.at(index) =
                QImage(QStringLiteral(":/pictures/icon%1.png").arg(iconSizes.at(index)));
        }
        return loaded;
    }();
};

Pictures& pictures() {
    static Pictures all;
    return all;
}

// The raster made with the pictures, taken out of them, or a new one when it is gone.
[[nodiscard]] Raster takeRaster(Raster Pictures::*prepared, const QImage& image) {
    Pictures& all = pictures();
    const std::lock_guard<std::mutex> lock(all.rastersLock);
    Raster& raster = all.*prepared;
    return raster.empty() ? rasterOf(image) : std::exchange(raster, Raster());
}

const Icons& icons() {
    static const Icons all;
    return all;
}

// Where each face lies in Pictures::faces.
[[nodiscard]] int faceIndex(Face face) {
    switch (face) {
    case Face::Reset:
        return 0;
    case Face::StepBack:
        return 1;
    case Face::RunBack:
        return 2;
    case Face::Stop:
        return 3;
    case Face::RunForward:
        return 4;
    case Face::StepForward:
        return 5;
    case Face::RunBackGrey:
        return 6;
    case Face::RunForwardGrey:
        return 7;
    case Face::None:
        break;
    }
    return -1;
}

} // namespace

void decodePictures() {
    static_cast<void>(pictures());
}

QImage monthDial() {
    return pictures().monthDial;
}

QImage plainDisc() {
    return pictures().plainDisc;
}

QImage starField() {
    return pictures().starField;
}

QImage buttonFace(Face face) {
    const int index = faceIndex(face);
    return index < 0 ? QImage() : pictures().faces.at(static_cast<std::size_t>(index));
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

Raster monthDialRaster() {
    return takeRaster(&Pictures::monthDialRaster, monthDial());
}

Raster starFieldRaster() {
    return takeRaster(&Pictures::starFieldRaster, starField());
}

QIcon appIcon() {
    QIcon icon;
    for (const QImage& image : icons().images) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace vantor
