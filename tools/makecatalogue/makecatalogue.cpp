#include "tools/makecatalogue/makecatalogue.hpp"

#include "catalogue/csvline.hpp"
#include "catalogue/decimalnumber.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace vantor {
namespace {

constexpr std::string_view kInputHeader = "name,ra_hours,dec_deg,vmag,designation";
constexpr std::string_view kOutputHeader =
    "name,ra_hours,dec_deg,ecl_lon_deg,ecl_lat_deg,vmag,designation";
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Writes value with a fixed number of decimals, never as "-0.000".
void appendFixed(std::string& out, double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) {
        rounded = 0.0;
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

// Quotes a text field only when it must be: when it holds a comma, a quote or a line end.
void appendText(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (const char c : text) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace

EclipticPosition equatorialToEcliptic(double raHours, double decDegrees) {
    const double ra = raHours * 15.0 * kRadiansPerDegree;
    const double dec = decDegrees * kRadiansPerDegree;
    const double eps = kObliquityJ2000 * kRadiansPerDegree;
    const double sinLat =
        std::sin(dec) * std::cos(eps) - std::cos(dec) * std::sin(eps) * std::sin(ra);
    const double y = std::sin(ra) * std::cos(dec) * std::cos(eps) + std::sin(dec) * std::sin(eps);
    const double x = std::cos(ra) * std::cos(dec);
    double lon = std::atan2(y, x) / kRadiansPerDegree;
    if (lon < 0.0) {
        lon += 360.0;
    }
    if (lon >= 360.0) {
        lon -= 360.0;
    }
    return {lon, std::asin(std::clamp(sinLat, -1.0, 1.0)) / kRadiansPerDegree};
}

std::variant<std::string, ConversionError> convertBrightStars(std::string_view input,
                                                              int maxStars) {
    std::string out(kOutputHeader);
    out.push_back('\n');
    int lineNumber = 0;
    int written = 0;
    std::size_t pos = 0;
    while (pos < input.size() && written < maxStars) {
        std::size_t end = input.find('\n', pos);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        std::string_view line = input.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (lineNumber == 1) {
            if (line != kInputHeader) {
                return ConversionError{where + "expected the header \"" +
                                       std::string(kInputHeader) + "\""};
            }
            continue;
        }
        if (line.empty()) {
            continue;
        }
        const CsvLine split = splitCsvLine(line, 5);
        if (split.broken) {
            return ConversionError{where +
                                   "a quote is not closed, or text follows a closing quote"};
        }
        if (split.count != 5) {
            return ConversionError{where + "expected 5 fields, found " +
                                   std::to_string(split.count)};
        }
        const std::vector<std::string>& fields = split.fields;
        double ra{};
        double dec{};
        double mag{};
        if (!parseDecimal(fields[1], ra) || !parseDecimal(fields[2], dec) ||
            !parseDecimal(fields[3], mag)) {
            return ConversionError{where + "right ascension, declination or magnitude is not a "
                                           "number"};
        }
        if (ra < 0.0 || ra >= 24.0 || dec < -90.0 || dec > 90.0) {
            return ConversionError{where + "position out of range"};
        }
        EclipticPosition ecl = equatorialToEcliptic(ra, dec);
        // A longitude that rounds up to 360 is written as 0, keeping the column within 0..360.
        if (std::round(ecl.lon * 1e5) >= 360.0 * 1e5) {
            ecl.lon = 0.0;
        }
        appendText(out, fields[0]);
        out.push_back(',');
        appendFixed(out, ra, 6);
        out.push_back(',');
        appendFixed(out, dec, 5);
        out.push_back(',');
        appendFixed(out, ecl.lon, 5);
        out.push_back(',');
        appendFixed(out, ecl.lat, 5);
        out.push_back(',');
        appendFixed(out, mag, 2);
        out.push_back(',');
        appendText(out, fields[4]);
        out.push_back('\n');
        ++written;
    }
    if (lineNumber == 0) {
        return ConversionError{"the input is empty"};
    }
    return out;
}

} // namespace vantor
