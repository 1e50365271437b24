#pragma once

#include "figureraster.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

enum class FigureKind : std::uint8_t { Line, Circle, CircleShape };

// Everything that decides the pixels of one figure on a surface of a given size. A line or a
// circle is kept where it lies (both ends, or the centre and the radius, in continuous pixels
// after the scale); a circle shape is kept about the centre pixel (radius in pixels), which gives
// the same pixels wherever the centre falls.
struct FigureKey {
    FigureKind kind{FigureKind::Line};
    int penWidth{1};
    bool dotted{false};
    bool filled{false};
    std::array<double, 4> geometry{};

    // Bit for bit: two values that differ in any bit are different figures.
    [[nodiscard]] bool operator==(const FigureKey& other) const;
    [[nodiscard]] std::uint64_t hash() const;
};

// The pixels of one figure as the rasteriser made them, and the box (inclusive) they lie in.
struct CachedFigure {
    std::vector<PixelSpan> spans;
    // For a filled figure: the same pixels with the touching spans of each row joined whatever
    // their ink, for a pen and fill of one colour (as the body markers are drawn).
    std::vector<PixelSpan> joined;
    int top{0};
    int bottom{-1};
    int left{0};
    int right{-1};
};

// The last few figures a surface rasterised. Erasing a figure draws it again, so most figures of
// a timer tick were rasterised one tick earlier and only need their spans replayed. The number of
// figures kept is fixed and each keeps its buffer, so memory stays flat however long it runs.
class FigureCache {
public:
    static constexpr std::size_t kCapacity = 32;

    // The figure kept under key, marked as just used; null if it is not kept.
    [[nodiscard]] const CachedFigure* find(const FigureKey& key);
    // Keeps the raster's spans under key in place of the least recently used figure, whose
    // storage the raster takes for its next figure.
    const CachedFigure& insert(const FigureKey& key, FigureRaster& raster);

    [[nodiscard]] std::size_t size() const { return m_size; }

private:
    std::array<std::uint64_t, kCapacity> m_hashes{};
    std::array<std::uint64_t, kCapacity> m_lastUse{};
    std::array<FigureKey, kCapacity> m_keys{};
    std::array<CachedFigure, kCapacity> m_figures{};
    std::size_t m_size{0};
    std::uint64_t m_clock{0};
};

} // namespace vantor
