#include "catalogue/decimalnumber.hpp"

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <system_error>

namespace vantor {
namespace {

[[nodiscard]] bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the grammar; nonZero tells whether a digit before the exponent is not zero.
[[nodiscard]] bool isDecimal(std::string_view text, bool& nonZero) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    nonZero = false;
    for (bool point = false; pos < n; ++pos) {
        if (isDigit(text[pos])) {
            ++digits;
            nonZero = nonZero || text[pos] != '0';
        } else if (text[pos] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (pos < n && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t exponentStart = pos;
        while (pos < n && isDigit(text[pos])) {
            ++pos;
        }
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == n;
}

// The C library's conversion is correctly rounded both in glibc and in the browser edition's C
// library, so the two editions read the same values; the "C" locale keeps the decimal point a
// point even when the desktop has set a locale that writes a comma.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

float convert(const char* text, char** end, float) {
    return strtof_l(text, end, cLocale());
}

double convert(const char* text, char** end, double) {
    return strtod_l(text, end, cLocale());
}

// The C++ library's conversion, where it has one for floating point: also correctly rounded, and
// several times faster. It settles only the plain cases, a finite value read in full; anything
// else (out of range, or a value that is subnormal there) goes to the C library below.
template <typename T> [[nodiscard]] bool quickParse(std::string_view text, T& value) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    T parsed{};
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, parsed);
    if (error != std::errc{} || end != last || !std::isnormal(parsed)) {
        return false;
    }
    value = parsed;
    return true;
#else
    (void)text;
    (void)value;
    return false;
#endif
}

template <typename T> [[nodiscard]] bool parse(std::string_view text, T& value) {
    bool nonZero = false;
    if (!isDecimal(text, nonZero)) {
        return false;
    }
    if (quickParse(text, value)) {
        return true;
    }
    // The conversion wants a terminated string: most numbers fit the buffer on the stack.
    std::array<char, 64> small{};
    std::string large;
    const char* start = small.data();
    if (text.size() < small.size()) {
        std::memcpy(small.data(), text.data(), text.size());
    } else {
        large.assign(text);
        start = large.c_str();
    }
    char* end = nullptr;
    const T parsed = convert(start, &end, T{});
    if (end != start + text.size() || !std::isfinite(parsed) || (parsed == T{} && nonZero)) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

bool parseDecimal(std::string_view text, float& value) {
    return parse(text, value);
}

bool parseDecimal(std::string_view text, double& value) {
    return parse(text, value);
}

} // namespace vantor
