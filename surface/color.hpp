#pragma once

#include <cstdint>

namespace vantor {

// A colour in the program's own layout: 0x00BBGGRR, red in the low byte (0x0000FF is red).
using Color = std::uint32_t;

// A pixel as the surfaces store it: opaque 0xFFRRGGBB, the layout the desktop shows directly.
using Pixel = std::uint32_t;

inline constexpr Pixel kWhitePixel = 0xFFFFFFFFu;

// The opaque pixel of a program colour; the top byte of the program colour is ignored.
[[nodiscard]] constexpr Pixel toPixel(Color color) {
    return 0xFF000000u | ((color & 0x0000FFu) << 16) | (color & 0x00FF00u) |
           ((color >> 16) & 0x0000FFu);
}

} // namespace vantor
