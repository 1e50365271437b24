#include "assets/pictures.hpp"

#include <QSize>
#include <QString>
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

QIcon appIcon() {
    constexpr std::array<int, 5> sizes{32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/pictures/icon%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace vantor
