#include "core/angles.hpp"

#include <cmath>

namespace vantor {

namespace {
// Ten-digit decimals, the same ones the rest of the figures were made with.
constexpr double kPi = 3.141592654;
constexpr double kHalfPi = 1.570796327;
} // namespace

double arcCos(double x) noexcept {
    if (x >= 1.0) {
        return 0.0;
    }
    if (x <= -1.0) {
        return kPi;
    }
    return std::atan(-x / std::sqrt(1.0 - x * x)) + kHalfPi;
}

float quadAtan(float a, float b) noexcept {
    if (b == 0.0F) {
        // A vertical direction: callers pass differences of x coordinates that can be zero.
        if (a > 0.0F) {
            return static_cast<float>(kHalfPi);
        }
        if (a < 0.0F) {
            return static_cast<float>(-kHalfPi);
        }
        return 0.0F;
    }
    const double q = static_cast<double>(a) / static_cast<double>(b);
    double r = std::atan(q);
    if (b < 0.0F) {
        r += kPi;
    }
    return static_cast<float>(r);
}

float norm360(float a) noexcept {
    if (!std::isfinite(a)) {
        return a;
    }
    // The remainder of a float by 360 is exact in double precision, so fmod gives the same
    // value as subtracting a count of whole turns, without the count overflowing for large a.
    const double m = std::fabs(static_cast<double>(a));
    double r = std::fmod(m, 360.0);
    if (a < 0.0F) {
        r = 360.0 - r;
    }
    return static_cast<float>(r);
}

} // namespace vantor
