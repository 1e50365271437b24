#pragma once
// Turns the bright-star list (name, RA, Dec, magnitude, designation) into the program's star
// catalogue, adding each star's ecliptic coordinates. No Qt: it runs at development time only.

#include <string>
#include <string_view>
#include <variant>

namespace vantor {

// Mean obliquity of the ecliptic at J2000, degrees: the tilt used for every conversion.
inline constexpr double kObliquityJ2000 = 23.4392911;

// A direction on the sky in ecliptic coordinates, degrees.
struct EclipticPosition {
    double lon{}; // 0 <= lon < 360
    double lat{}; // -90 ..= 90
};

// Rotates an equatorial direction (right ascension in hours, declination in degrees, both J2000)
// about the equinox direction into ecliptic coordinates.
[[nodiscard]] EclipticPosition equatorialToEcliptic(double raHours, double decDegrees);

// Why the input could not be converted, naming the line.
struct ConversionError {
    std::string message;
};

// Converts the whole bright-star list, in its order, keeping at most maxStars stars. The result
// starts with a header line and ends every line with LF.
[[nodiscard]] std::variant<std::string, ConversionError> convertBrightStars(std::string_view input,
                                                                            int maxStars);

} // namespace vantor
