#include "figureraster.hpp"

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

using i64 = std::int64_t;

// Segments are cut to this box (in pixels) before they are digitised, so that the integer
// arithmetic below cannot overflow; the surface lies far inside it.
constexpr double kLineBox = 134217728.0; // 2^27
// Beyond this many pixels a double no longer resolves single pixels; such circles are not drawn.
constexpr double kCircleLimit = 1125899906842624.0; // 2^50

[[nodiscard]] i64 floorDiv(i64 numerator, i64 positiveDenominator) {
    i64 quotient = numerator / positiveDenominator;
    if (numerator % positiveDenominator != 0 && numerator < 0) {
        --quotient;
    }
    return quotient;
}

[[nodiscard]] bool isFinite(PixelPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Cuts the segment to the square [-kLineBox, kLineBox]^2; false if nothing of it lies inside.
[[nodiscard]] bool clipToBox(PixelPoint& first, PixelPoint& last) {
    const double dx = last.x - first.x;
    const double dy = last.y - first.y;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return false;
    }
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {first.x + kLineBox, kLineBox - first.x, first.y + kLineBox,
                         kLineBox - first.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1) {
                return false;
            }
            t0 = std::max(t0, r);
        } else {
            if (r < t0) {
                return false;
            }
            t1 = std::min(t1, r);
        }
    }
    const PixelPoint origin = first;
    if (t0 > 0.0) {
        first = {origin.x + t0 * dx, origin.y + t0 * dy};
    }
    if (t1 < 1.0) {
        last = {origin.x + t1 * dx, origin.y + t1 * dy};
    }
    return true;
}

[[nodiscard]] bool needsClip(PixelPoint p) {
    return std::abs(p.x) > kLineBox || std::abs(p.y) > kLineBox;
}

// n / divisor for n >= 0 and a pen width 1..4 as the divisor, without a division instruction.
[[nodiscard]] i64 divideSmall(i64 n, i64 divisor) {
    switch (divisor) {
    case 1:
        return n;
    case 2:
        return n >> 1;
    case 3:
        return n / 3;
    case 4:
        return n >> 2;
    default:
        return n / divisor;
    }
}

// floor(sqrt(room)) for room >= 0, as the double square root gives it. bound is that value for
// a room at least as large, or -1 if none is known.
[[nodiscard]] i64 exactHalfWidth(double room, i64 bound) {
    // Squares of numbers below this are exact in double, with ample room for the margin below.
    constexpr i64 kExactSquares = i64{1} << 24;
    if (bound >= 0 && bound < kExactSquares) {
        for (i64 h = bound; h >= 0 && bound - h < 4; --h) {
            const auto root = static_cast<double>(h);
            if (root * root <= room) {
                // The root is at least h; it is at most bound, and below h + 1 once h + 1 was
                // too large, unless room lies so close to (h + 1)^2 that the rounded root reaches
                // it.
                const double next = root + 1.0;
                if (h == bound || room < next * next - next * 0x1p-20) {
                    return h;
                }
                break;
            }
        }
    }
    return static_cast<i64>(std::sqrt(room));
}

} // namespace

FigureRaster::FigureRaster(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)) {}

void FigureRaster::addDot(PixelPoint point, int penWidth) {
    if (!isFinite(point)) {
        return;
    }
    // A dot centred exactly on the right or bottom edge belongs to the last column or row, as
    // one on the left or top edge belongs to the first: the map's edges are places of its own
    // (longitude 90 at x = 360, latitude -25 at y = 25). Every other point keeps its pixel.
    const double column = point.x == m_width ? m_width - 1.0 : ScaleMapping::pixelIndex(point.x);
    const double row = point.y == m_height ? m_height - 1.0 : ScaleMapping::pixelIndex(point.y);
    // Far-away dots are rejected before the conversion to integers.
    if (column < -8.0 || row < -8.0 || column > m_width + 8.0 || row > m_height + 8.0) {
        return;
    }
    const i64 offset = -(penWidth - 1) / 2;
    const i64 left = static_cast<i64>(column) + offset;
    const i64 top = static_cast<i64>(row) + offset;
    for (i64 y = top; y < top + penWidth; ++y) {
        addSpan(y, left, left + penWidth - 1, Ink::Pen);
    }
}

void FigureRaster::addLine(PixelPoint first, PixelPoint last, int penWidth, bool dotted) {
    if (!isFinite(first) || !isFinite(last)) {
        return;
    }
    if ((needsClip(first) || needsClip(last)) && !clipToBox(first, last)) {
        return;
    }
    const auto ax = static_cast<i64>(ScaleMapping::pixelIndex(first.x));
    const auto ay = static_cast<i64>(ScaleMapping::pixelIndex(first.y));
    const auto bx = static_cast<i64>(ScaleMapping::pixelIndex(last.x));
    const auto by = static_cast<i64>(ScaleMapping::pixelIndex(last.y));

    // Work along the major (longer) axis; ties count as horizontal.
    const bool xMajor = std::abs(bx - ax) >= std::abs(by - ay);
    const i64 major0 = xMajor ? ax : ay;
    const i64 minor0 = xMajor ? ay : ax;
    const i64 majorDelta = xMajor ? bx - ax : by - ay;
    const i64 minorDelta = xMajor ? by - ay : bx - ax;
    const i64 majorSize = xMajor ? m_width : m_height;
    const i64 minorSize = xMajor ? m_height : m_width;
    const i64 steps = std::abs(majorDelta);
    const i64 direction = majorDelta < 0 ? -1 : 1;
    const i64 w = penWidth;
    const i64 offset = -(w - 1) / 2;

    const i64 major1 = major0 + majorDelta;
    const i64 from = std::max<i64>(std::min(major0, major1) + offset, 0);
    const i64 to = std::min<i64>(std::max(major0, major1) + offset + w - 1, majorSize - 1);
    if (from > to) {
        return;
    }

    // Steps whose pen square can reach the surface. The minor coordinate of step s is the nearest
    // pixel to the ideal line, halves rounded up, i.e. minor0 + floor((2 s dn + n) / 2n); it is
    // kept as quotient and remainder so that each further step costs an addition.
    const i64 stepFrom =
        std::max<i64>(direction > 0 ? from - offset - w + 1 - major0 : major0 - (to - offset), 0);
    const i64 stepTo =
        std::min(direction > 0 ? to - offset - major0 : major0 - (from - offset - w + 1), steps);
    if (stepFrom > stepTo) {
        return;
    }
    const i64 divisor = std::max<i64>(2 * steps, 1);
    const i64 increment = 2 * minorDelta;

    if (dotted) {
        // The pen is down every 2w steps, and its squares are w pixels across, so the dots are
        // disjoint squares: each is added whole, row by row.
        const i64 period = 2 * w;
        // The minor coordinate stays between those of the two ends, so where the pen squares at
        // both ends lie wholly inside the surface, every dot does: then the steps run from 0,
        // whose minor offset is 0 with remainder steps, and no dot needs cutting.
        const i64 minor1 = minor0 + minorDelta;
        const bool inside = std::min(major0, major1) + offset >= 0 &&
                            std::max(major0, major1) + offset + w <= majorSize &&
                            std::min(minor0, minor1) + offset >= 0 &&
                            std::max(minor0, minor1) + offset + w <= minorSize;
        const i64 firstStep = inside ? 0 : (stepFrom + period - 1) / period * period;
        if (firstStep > stepTo) {
            return;
        }
        i64 quotient = inside ? 0 : floorDiv(2 * firstStep * minorDelta + steps, divisor);
        i64 remainder = 2 * firstStep * minorDelta + steps - quotient * divisor;
        const i64 quotientStep = floorDiv(period * increment, divisor);
        const i64 remainderStep = period * increment - quotientStep * divisor;
        auto advance = [&] {
            quotient += quotientStep;
            remainder += remainderStep;
            // Without a branch: the carry comes about every other dot on most slopes.
            const i64 carry = remainder >= divisor ? 1 : 0;
            quotient += carry;
            remainder -= carry * divisor;
        };
        if (inside) {
            // Dots never touch one another, so their spans are added without joining.
            const auto dots = static_cast<std::size_t>(steps / period + 1);
            const std::size_t start = m_spans.size();
            m_spans.resize(start + dots * static_cast<std::size_t>(penWidth));
            PixelSpan* out = m_spans.data() + start;
            auto majorLow = static_cast<int>(major0 + offset);
            const auto majorStep = static_cast<int>(direction * period);
            for (std::size_t dot = 0; dot < dots; ++dot) {
                const auto minorLow = static_cast<int>(minor0 + quotient + offset);
                for (int i = 0; i < penWidth; ++i) {
                    *out++ =
                        xMajor
                            ? PixelSpan{minorLow + i, majorLow, majorLow + penWidth - 1, Ink::Pen}
                            : PixelSpan{majorLow + i, minorLow, minorLow + penWidth - 1, Ink::Pen};
                }
                majorLow += majorStep;
                advance();
            }
            return;
        }
        for (i64 s = firstStep; s <= stepTo; s += period) {
            const i64 majorLow = major0 + direction * s + offset;
            const i64 minorLow = minor0 + quotient + offset;
            const i64 m0 = std::max<i64>(majorLow, 0);
            const i64 m1 = std::min<i64>(majorLow + w - 1, majorSize - 1);
            const i64 n0 = std::max<i64>(minorLow, 0);
            const i64 n1 = std::min<i64>(minorLow + w - 1, minorSize - 1);
            if (xMajor) {
                for (i64 y = n0; y <= n1 && m0 <= m1; ++y) {
                    pushSpan(static_cast<int>(y), static_cast<int>(m0), static_cast<int>(m1),
                             Ink::Pen);
                }
            } else {
                for (i64 y = m0; y <= m1 && n0 <= n1; ++y) {
                    pushSpan(static_cast<int>(y), static_cast<int>(n0), static_cast<int>(n1),
                             Ink::Pen);
                }
            }
            advance();
        }
        return;
    }

    m_lineMinors.resize(static_cast<std::size_t>(stepTo - stepFrom + 1));
    i64 quotient = floorDiv(2 * stepFrom * minorDelta + steps, divisor);
    i64 remainder = 2 * stepFrom * minorDelta + steps - quotient * divisor;
    for (std::size_t i = 0; i < m_lineMinors.size(); ++i) {
        m_lineMinors[i] = minor0 + quotient;
        remainder += increment;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++quotient;
        } else if (remainder < 0) {
            remainder += divisor;
            --quotient;
        }
    }
    auto minorAt = [&](i64 s) { return m_lineMinors[static_cast<std::size_t>(s - stepFrom)]; };

    for (i64 m = from; m <= to; ++m) {
        // The steps whose pen square covers major coordinate m form one window of at most w
        // steps; consecutive squares overlap, so the union along the minor axis is one interval
        // between the minor coordinates of the window's ends.
        const i64 s0 =
            std::max(direction > 0 ? m - offset - w + 1 - major0 : major0 - (m - offset), stepFrom);
        const i64 s1 =
            std::min(direction > 0 ? m - offset - major0 : major0 - (m - offset - w + 1), stepTo);
        if (s0 > s1) {
            continue;
        }
        const i64 n0 = minorAt(s0);
        const i64 n1 = minorAt(s1);
        const i64 lo = std::max<i64>(std::min(n0, n1) + offset, 0);
        const i64 hi = std::min<i64>(std::max(n0, n1) + offset + w - 1, minorSize - 1);
        if (xMajor) {
            for (i64 y = lo; y <= hi; ++y) {
                pushSpan(static_cast<int>(y), static_cast<int>(m), static_cast<int>(m), Ink::Pen);
            }
        } else if (lo <= hi) {
            pushSpan(static_cast<int>(m), static_cast<int>(lo), static_cast<int>(hi), Ink::Pen);
        }
    }
}

void FigureRaster::addDottedArc(i64 y, i64 x0, i64 x1, i64 cx, i64 cy, i64 dash) {
    // The outline steps along the shorter offset from the centre within each eighth: a pixel is
    // on where min(|x - cx|, |y - cy|) / dash is even. Left and right, where the horizontal
    // offset is at least the vertical one, that is the same for the whole stretch; in between,
    // the dashes are found from the horizontal offset, from left to right.
    x0 = std::max<i64>(x0, 0);
    x1 = std::min<i64>(x1, m_width - 1);
    if (x0 > x1) {
        return;
    }
    const auto row = static_cast<int>(y);
    auto add = [&](i64 from, i64 to) {
        pushSpan(row, static_cast<int>(from), static_cast<int>(to), Ink::Pen);
    };
    const i64 dy = std::abs(y - cy);
    const bool flatOn = (divideSmall(dy, dash) & 1) == 0;
    if (flatOn && x0 <= cx - dy) {
        add(x0, std::min(x1, cx - dy));
    }
    // Left of the centre: offsets from cx - a down to cx - b.
    const i64 a = std::max(x0, cx - dy + 1);
    const i64 b = std::min(x1, cx);
    if (a <= b) {
        const i64 farthest = cx - a;
        const i64 nearest = cx - b;
        for (i64 block = divideSmall(farthest, dash) & ~i64{1}; block * dash + dash > nearest;
             block -= 2) {
            add(cx - std::min(block * dash + dash - 1, farthest),
                cx - std::max(block * dash, nearest));
        }
    }
    // Right of the centre: offsets from c - cx up to d - cx.
    const i64 c = std::max(x0, cx + 1);
    const i64 d = std::min(x1, cx + dy - 1);
    if (c <= d) {
        const i64 nearest = c - cx;
        const i64 farthest = d - cx;
        for (i64 block = (divideSmall(nearest, dash) + 1) & ~i64{1}; block * dash <= farthest;
             block += 2) {
            add(cx + std::max(block * dash, nearest),
                cx + std::min(block * dash + dash - 1, farthest));
        }
    }
    // On the centre row the left stretch already holds the centre.
    const i64 rightFlat = std::max(cx + dy, cx + 1);
    if (flatOn && rightFlat <= x1) {
        add(std::max(x0, rightFlat), x1);
    }
}

void FigureRaster::addCircle(PixelPoint centre, double radius, int penWidth, bool dotted,
                             bool filled) {
    radius = std::abs(radius);
    if (!isDrawableCircle(centre, radius)) {
        return;
    }
    const auto cx = static_cast<i64>(ScaleMapping::pixelIndex(centre.x));
    const auto cy = static_cast<i64>(ScaleMapping::pixelIndex(centre.y));
    const i64 depth = penWidth;
    const double outer = radius + (penWidth - 1) / 2.0;
    const double reach = outer * outer + outer;
    const auto extent = static_cast<i64>(std::floor(std::sqrt(reach)));
    if (cx + extent < 0 || cx - extent >= m_width) {
        return;
    }
    const i64 rowFrom = std::max<i64>(cy - extent, 0);
    const i64 rowTo = std::min<i64>(cy + extent, m_height - 1);
    if (rowFrom > rowTo) {
        return;
    }

    // Half widths of the disc's rows, with depth extra rows either side for the erosion below.
    // Rows the same distance above and below the centre are alike, so the table is kept by
    // distance.
    const i64 firstRow = rowFrom - depth;
    const i64 lastRow = rowTo + depth;
    const i64 nearest = firstRow <= cy && cy <= lastRow
                            ? 0
                            : std::min(std::abs(firstRow - cy), std::abs(lastRow - cy));
    const i64 farthest = std::max(std::abs(firstRow - cy), std::abs(lastRow - cy));
    fillHalfWidths(reach, nearest, farthest);
    auto halfWidth = [&](i64 row) {
        return m_halfWidths[static_cast<std::size_t>(std::abs(row - cy) - nearest)];
    };

    auto outline = [&](i64 row, i64 x0, i64 x1) {
        if (x0 > x1) {
            return;
        }
        if (dotted) {
            addDottedArc(row, x0, x1, cx, cy, depth);
        } else {
            addSpan(row, x0, x1, Ink::Pen);
        }
    };

    auto addRow = [&](i64 row) {
        const i64 half = halfWidth(row);
        if (half < 0) {
            return;
        }
        // The inside is the disc eroded depth times by the four-neighbour cross, i.e. the pixels
        // whose diamond of radius depth lies in the disc; the outline is the rest.
        i64 inner = half - depth;
        for (i64 d = 1; d <= depth; ++d) {
            const i64 reachLeft = depth - d;
            inner =
                std::min({inner, halfWidth(row - d) - reachLeft, halfWidth(row + d) - reachLeft});
        }
        if (inner < 0) {
            outline(row, cx - half, cx + half);
            return;
        }
        outline(row, cx - half, cx - inner - 1);
        if (filled) {
            addSpan(row, cx - inner, cx + inner, Ink::Fill);
        }
        outline(row, cx + inner + 1, cx + half);
    };

    // The figure is the same on the rows the same distance above and below the centre: each such
    // pair is worked out once and its spans copied to the other row.
    const i64 nearestRow =
        rowFrom <= cy && cy <= rowTo ? 0 : std::min(std::abs(rowFrom - cy), std::abs(rowTo - cy));
    const i64 farthestRow = std::max(std::abs(rowFrom - cy), std::abs(rowTo - cy));
    for (i64 d = nearestRow; d <= farthestRow; ++d) {
        const bool below = cy + d <= rowTo;
        const bool above = d > 0 && cy - d >= rowFrom;
        if (!below && !above) {
            continue;
        }
        const std::size_t first = m_spans.size();
        addRow(below ? cy + d : cy - d);
        if (below && above) {
            const std::size_t last = m_spans.size();
            for (std::size_t i = first; i < last; ++i) {
                PixelSpan mirrored = m_spans[i];
                mirrored.y = static_cast<int>(cy - d);
                m_spans.push_back(mirrored);
            }
        }
    }
}

bool FigureRaster::isDrawableCircle(PixelPoint centre, double radius) {
    radius = std::abs(radius);
    return isFinite(centre) && std::isfinite(radius) && std::abs(centre.x) <= kCircleLimit &&
           std::abs(centre.y) <= kCircleLimit && radius <= kCircleLimit;
}

void FigureRaster::fillHalfWidths(double reach, i64 nearest, i64 farthest) {
    // The half width at distance dy is floor(sqrt(reach - dy^2)) in double arithmetic, or -1
    // outside the disc. It never grows with the distance, so most rows are settled by comparing
    // with the squares of the previous row's value, which are exact; the square root is taken
    // only where that cannot decide, so the result is the same to the last bit.
    m_halfWidths.resize(static_cast<std::size_t>(farthest - nearest + 1));
    i64 previous = -1;
    for (i64 d = nearest; d <= farthest; ++d) {
        const auto dy = static_cast<double>(d);
        const double room = reach - dy * dy;
        i64 half = -1;
        if (room >= 0.0) {
            half = exactHalfWidth(room, previous);
        }
        m_halfWidths[static_cast<std::size_t>(d - nearest)] = half;
        previous = half;
    }
}

} // namespace vantor
