#include "bitmap.hpp"

#include <cstddef>

namespace vantor {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
// 96 dots per inch.
constexpr std::uint32_t kDotsPerMetre = 3780;

// Writes a little-endian value of `bytes` bytes at `at` and returns the position after it.
std::uint8_t* put(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        *at++ = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
    }
    return at;
}

} // namespace

std::vector<std::uint8_t> encodeBitmap(const Raster& raster) {
    if (raster.empty()) {
        return {};
    }
    const auto width = static_cast<std::size_t>(raster.width());
    const auto height = static_cast<std::size_t>(raster.height());
    const std::size_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::size_t pixelBytes = rowBytes * height;
    const std::size_t offset = kFileHeader + kInfoHeader;

    // Filled in place; the zeros left are the rows' padding.
    std::vector<std::uint8_t> out(offset + pixelBytes);
    std::uint8_t* at = out.data();
    *at++ = 'B';
    *at++ = 'M';
    at = put(at, static_cast<std::uint32_t>(offset + pixelBytes), 4);
    at = put(at, 0, 4);
    at = put(at, static_cast<std::uint32_t>(offset), 4);

    at = put(at, kInfoHeader, 4);
    at = put(at, static_cast<std::uint32_t>(width), 4);
    at = put(at, static_cast<std::uint32_t>(height), 4); // positive: bottom row first
    at = put(at, 1, 2);                                  // planes
    at = put(at, 24, 2);                                 // bits per pixel
    at = put(at, 0, 4);                                  // no compression
    at = put(at, static_cast<std::uint32_t>(pixelBytes), 4);
    at = put(at, kDotsPerMetre, 4);
    at = put(at, kDotsPerMetre, 4);
    at = put(at, 0, 4); // colours used
    at = put(at, 0, 4); // important colours

    for (std::size_t y = height; y-- > 0;) {
        const Pixel* row = raster.row(static_cast<int>(y));
        std::uint8_t* pixel = at;
        for (std::size_t x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = static_cast<std::uint8_t>(row[x] & 0xFFu);
            pixel[1] = static_cast<std::uint8_t>((row[x] >> 8) & 0xFFu);
            pixel[2] = static_cast<std::uint8_t>((row[x] >> 16) & 0xFFu);
        }
        at += rowBytes;
    }
    return out;
}

} // namespace vantor
