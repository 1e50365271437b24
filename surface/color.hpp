#pragma once

#include <QRgb>
#include <cstdint>

namespace vantor {

// A colour in the program's own layout: 0x00BBGGRR, red in the low byte (0x0000FF is red).
using Color = std::uint32_t;

// Qt's opaque 0xAARRGGBB for a program colour; the top byte of the program colour is ignored.
[[nodiscard]] constexpr QRgb toQRgb(Color color) {
    return 0xFF000000u | ((color & 0x0000FFu) << 16) | (color & 0x00FF00u) |
           ((color >> 16) & 0x0000FFu);
}

} // namespace vantor
