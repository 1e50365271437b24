#pragma once
// Decimal numbers as the catalogue files write them, read the same way in every edition and
// whatever the user's locale: an optional sign, digits with an optional point, an optional
// exponent ("-16.71611", "+5", ".5", "1e2"). The whole text must be the number; no spaces, no
// "inf", "nan" or hexadecimal. The value is the nearest one of its type (ties to even).

#include <string_view>

namespace vantor {

// Whether text is a decimal number whose value is finite in float and, unless every digit is
// zero, not rounded away to zero. Only then is value set.
[[nodiscard]] bool parseDecimal(std::string_view text, float& value);

// The same for double.
[[nodiscard]] bool parseDecimal(std::string_view text, double& value);

} // namespace vantor
