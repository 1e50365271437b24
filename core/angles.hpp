#pragma once

namespace vantor {

// Degrees to radians. This exact decimal, not pi/180, is what every figure of the program
// (and every worksheet made from it) was computed with.
inline constexpr double kDegToRad = 0.017453292;

// Arc cosine in radians, 0 to 3.141592654. Arguments at or beyond +-1 are clamped, which
// absorbs callers' rounding and keeps the square root away from zero.
[[nodiscard]] double arcCos(double x) noexcept;

// Arc tangent of a / b in radians, between -pi/2 and 3*pi/2: a negative b adds half a turn.
// A zero b gives +-pi/2 by the sign of a, and 0 when a is zero too.
[[nodiscard]] float quadAtan(float a, float b) noexcept;

// An angle in degrees reduced to one turn. Positive angles land in 0..360; negative ones are
// reflected to the equivalent positive angle, so a negative whole turn gives 360, not 0.
// Non-finite angles come back unchanged.
[[nodiscard]] float norm360(float a) noexcept;

} // namespace vantor
