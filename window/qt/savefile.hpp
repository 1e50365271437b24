#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vantor {

// Writes the bytes as the named file through a QSaveFile, so that a failed write never leaves a
// broken file: returns nothing on success, otherwise a message saying what failed.
[[nodiscard]] std::optional<std::string> saveFile(const std::string& fileName,
                                                  std::span<const std::uint8_t> bytes);

} // namespace vantor
