#pragma once

#include "raster.hpp"

#include <cstdint>
#include <vector>

namespace vantor {

// The bytes of a 24-bit Windows bitmap file of the raster: a 54-byte header, then the rows from
// the bottom up, blue-green-red, each padded with zeros to a multiple of four bytes. Every
// edition writes these same bytes. An empty raster has no bitmap: the result is then empty.
[[nodiscard]] std::vector<std::uint8_t> encodeBitmap(const Raster& raster);

} // namespace vantor
