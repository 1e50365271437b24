#include "figurecache.hpp"

#include <algorithm>
#include <cstring>

namespace vantor {

namespace {

[[nodiscard]] std::uint64_t mix(std::uint64_t hash, std::uint64_t value) {
    hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash;
}

// The bits of a double, so that keys compare and hash exactly (0.0 and -0.0 apart).
[[nodiscard]] std::uint64_t bitsOf(double value) {
    std::uint64_t bits{};
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

bool FigureKey::operator==(const FigureKey& other) const {
    if (kind != other.kind || penWidth != other.penWidth || dotted != other.dotted ||
        filled != other.filled) {
        return false;
    }
    for (std::size_t i = 0; i < geometry.size(); ++i) {
        if (bitsOf(geometry[i]) != bitsOf(other.geometry[i])) {
            return false;
        }
    }
    return true;
}

std::uint64_t FigureKey::hash() const {
    std::uint64_t hash = static_cast<std::uint64_t>(kind) |
                         static_cast<std::uint64_t>(static_cast<std::uint32_t>(penWidth)) << 8 |
                         static_cast<std::uint64_t>(dotted) << 40 |
                         static_cast<std::uint64_t>(filled) << 41;
    for (const double value : geometry) {
        hash = mix(hash, bitsOf(value));
    }
    return hash;
}

const CachedFigure* FigureCache::find(const FigureKey& key) {
    const std::uint64_t hash = key.hash();
    for (std::size_t i = 0; i < m_size; ++i) {
        if (m_hashes[i] == hash && m_keys[i] == key) {
            m_lastUse[i] = ++m_clock;
            return &m_figures[i];
        }
    }
    return nullptr;
}

const CachedFigure& FigureCache::insert(const FigureKey& key, FigureRaster& raster) {
    std::size_t slot = m_size;
    if (m_size < kCapacity) {
        ++m_size;
    } else {
        slot = static_cast<std::size_t>(std::min_element(m_lastUse.begin(), m_lastUse.end()) -
                                        m_lastUse.begin());
    }
    m_hashes[slot] = key.hash();
    m_lastUse[slot] = ++m_clock;
    m_keys[slot] = key;
    CachedFigure& figure = m_figures[slot];
    raster.exchangeSpans(figure.spans);
    raster.clear();
    const std::vector<PixelSpan>& spans = figure.spans;
    figure.joined.clear();
    figure.top = 0;
    figure.bottom = -1;
    figure.left = 0;
    figure.right = -1;
    if (spans.empty()) {
        return figure;
    }
    // One pass for the box and, for a filled figure, the joined rows (the spans of a row are
    // consecutive). Locals, so that the compiler knows the loop cannot change them.
    const bool join = key.filled;
    PixelSpan run = spans.front();
    run.ink = Ink::Pen;
    int top = run.y;
    int bottom = run.y;
    int left = run.x0;
    int right = run.x1;
    if (join) {
        figure.joined.reserve(spans.size());
    }
    for (const PixelSpan& span : spans) {
        top = std::min(top, span.y);
        bottom = std::max(bottom, span.y);
        left = std::min(left, span.x0);
        right = std::max(right, span.x1);
        if (join && &span != &spans.front()) {
            if (span.y == run.y && run.x1 + 1 == span.x0) {
                run.x1 = span.x1;
            } else {
                figure.joined.push_back(run);
                run = {span.y, span.x0, span.x1, Ink::Pen};
            }
        }
    }
    if (join) {
        figure.joined.push_back(run);
    }
    figure.top = top;
    figure.bottom = bottom;
    figure.left = left;
    figure.right = right;
    return figure;
}

} // namespace vantor
