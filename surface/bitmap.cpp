#include "bitmap.hpp"

#include <cstddef>

namespace vantor {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
// 96 dots per inch.
constexpr std::uint32_t kDotsPerMetre = 3780;

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFFu);
    put16(out, value >> 16);
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

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(offset));

    put32(out, kInfoHeader);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: bottom row first
    put16(out, 1);                                  // planes
    put16(out, 24);                                 // bits per pixel
    put32(out, 0);                                  // no compression
    put32(out, static_cast<std::uint32_t>(pixelBytes));
    put32(out, kDotsPerMetre);
    put32(out, kDotsPerMetre);
    put32(out, 0); // colours used
    put32(out, 0); // important colours

    for (std::size_t y = height; y-- > 0;) {
        const Pixel* row = raster.row(static_cast<int>(y));
        for (std::size_t x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x] & 0xFFu));
            out.push_back(static_cast<std::uint8_t>((row[x] >> 8) & 0xFFu));
            out.push_back(static_cast<std::uint8_t>((row[x] >> 16) & 0xFFu));
        }
        out.resize(out.size() + rowBytes - width * 3, 0);
    }
    return out;
}

} // namespace vantor
