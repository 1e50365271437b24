#include "skyview/starcatalogue.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <memory>
#include <system_error>

namespace vantor {
namespace {

constexpr int kFieldsPerRecord = 7;

// The fields of one line, unquoted and trimmed; only the first seven are kept.
struct LineFields {
    std::array<std::string, kFieldsPerRecord> field;
    int count{};   // fields seen, at most kFieldsPerRecord + 1 (enough to know it is too many)
    bool broken{}; // an unclosed quote or text after a closing quote
};

[[nodiscard]] bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

[[nodiscard]] std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Counts saturate so that no input, however long, overflows them.
void bump(int& counter) {
    if (counter < INT_MAX) {
        ++counter;
    }
}

// Splits one line (without its line end) into fields. Each byte is looked at a bounded number of
// times, and scanning stops once the line is known to hold too many fields.
[[nodiscard]] LineFields splitLine(std::string_view line) {
    LineFields out;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    while (true) {
        while (pos < n && isBlank(line[pos])) {
            ++pos;
        }
        std::string value;
        if (pos < n && line[pos] == '"') {
            ++pos;
            while (true) {
                const std::size_t quote = line.find('"', pos);
                if (quote == std::string_view::npos) {
                    value.append(line.substr(pos));
                    pos = n;
                    out.broken = true;
                    break;
                }
                value.append(line.substr(pos, quote - pos));
                pos = quote + 1;
                if (pos < n && line[pos] == '"') {
                    value.push_back('"');
                    ++pos;
                } else {
                    break;
                }
            }
            while (pos < n && isBlank(line[pos])) {
                ++pos;
            }
            if (pos < n && line[pos] != ',') {
                out.broken = true;
                pos = std::min(line.find(',', pos), n);
            }
        } else {
            const std::size_t comma = std::min(line.find(',', pos), n);
            value.assign(trim(line.substr(pos, comma - pos)));
            pos = comma;
        }
        if (out.count < kFieldsPerRecord) {
            out.field[static_cast<std::size_t>(out.count)] = std::move(value);
        }
        ++out.count;
        if (pos >= n || out.count > kFieldsPerRecord) {
            break;
        }
        ++pos; // past the comma; a comma at the end of the line opens one more, empty field
    }
    return out;
}

// Whether the text is a plain decimal number: an optional sign, digits with an optional point
// (at least one digit), and an optional exponent with digits. No hexadecimal, "inf" or "nan".
[[nodiscard]] bool isDecimalNumber(std::string_view text) {
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
        }
        return pos - start;
    };
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t mantissa = digits();
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return pos == text.size();
}

// A finite decimal number as a 32-bit float, rounded to nearest; the whole text must be the
// number. Read in the "C" locale whatever the user's, so a point is always the decimal point,
// and with the C library's strtof rather than from_chars, which not every standard library
// offers for floating point; both round correctly, so every build reads the same floats. A
// nonzero number too small for a float (it would read as 0) is refused as out of range.
[[nodiscard]] bool parseNumber(std::string_view text, float& value) {
    if (!isDecimalNumber(text)) {
        return false;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const float parsed = strtof_l(terminated.c_str(), &end, cLocale);
    if (end != terminated.c_str() + terminated.size() || !std::isfinite(parsed) ||
        (parsed == 0.0F && errno == ERANGE)) {
        return false;
    }
    value = parsed;
    return true;
}

// Fills a record from the fields in file order. A data record fails on any bad number; the header
// takes 0 for each.
[[nodiscard]] bool makeStar(LineFields& fields, bool isHeader, Star& star) {
    std::array<float, 5> numbers{}; // ra, dec, eclLon, eclLat, mag
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (!parseNumber(fields.field[i + 1], numbers[i]) && !isHeader) {
            return false;
        }
    }
    star.name = std::move(fields.field[0]);
    star.ra = numbers[0];
    star.dec = numbers[1];
    star.eclLon = numbers[2];
    star.eclLat = numbers[3];
    star.mag = numbers[4];
    star.note = std::move(fields.field[6]);
    return true;
}

[[nodiscard]] std::string recordsWere(int count) {
    return count == 1 ? "1 record was" : std::to_string(count) + " records were";
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

[[nodiscard]] std::string errnoText(int error) {
    return std::generic_category().message(error);
}

} // namespace

std::string describe(const CatalogueReport& report, std::string_view fileName) {
    const std::string name(fileName);
    std::string overflow;
    if (report.leftOutOverflow > 0) {
        overflow =
            name + " holds more than " + std::to_string(report.stored) + " records; the first " +
            std::to_string(report.stored) + " were loaded and " +
            (report.leftOutOverflow == 1 ? std::string("1 was")
                                         : std::to_string(report.leftOutOverflow) + " were") +
            " left out.";
    }
    if (report.leftOutMalformed <= 0) {
        return overflow;
    }
    const std::string why = report.leftOutMalformed == 1
                                ? " left out because it was incomplete or not a number."
                                : " left out because they were incomplete or not numbers.";
    if (overflow.empty()) {
        return name + ": " + recordsWere(report.leftOutMalformed) + why;
    }
    const std::string more = report.leftOutMalformed == 1
                                 ? "1 more record was"
                                 : std::to_string(report.leftOutMalformed) + " more records were";
    return overflow + " " + more + why;
}

CatalogueReport readStarCatalogue(std::string_view text, std::vector<Star>& stars) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) {
        text.remove_prefix(byteOrderMark.size());
    }
    const std::size_t capacity = std::min(stars.size(), static_cast<std::size_t>(kStarTableSize));
    CatalogueReport report;
    bool headerSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = text.substr(pos, lineEnd - pos);
        pos = lineEnd;
        if (pos < text.size()) {
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        }
        if (trim(line).empty()) {
            continue;
        }
        LineFields fields = splitLine(line);
        const bool isHeader = !headerSeen;
        headerSeen = true;
        if (!isHeader && (fields.broken || fields.count != kFieldsPerRecord)) {
            bump(report.leftOutMalformed);
            continue;
        }
        if (static_cast<std::size_t>(report.stored) >= capacity) {
            // Still checked above, so that a record is counted once, for the right reason.
            Star unused;
            if (makeStar(fields, isHeader, unused)) {
                bump(report.leftOutOverflow);
            } else {
                bump(report.leftOutMalformed);
            }
            continue;
        }
        Star star;
        if (!makeStar(fields, isHeader, star)) {
            bump(report.leftOutMalformed);
            continue;
        }
        stars[static_cast<std::size_t>(report.stored)] = std::move(star);
        ++report.stored; // stays within capacity, at most kStarTableSize
    }
    report.starCount = static_cast<std::int16_t>(report.stored - 1);
    return report;
}

std::variant<CatalogueReport, CatalogueError> loadStarFile(const std::filesystem::path& path,
                                                           std::vector<Star>& stars) {
    const std::string name = path.string();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return CatalogueError{"Cannot open " + name + ": " + errnoText(EISDIR)};
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return CatalogueError{"Cannot open " + name + ": " + errnoText(errno)};
    }
    // Read in pieces up to the limit, so that a device or a growing file cannot exhaust memory.
    std::string text;
    std::array<char, 65536> buffer{};
    while (true) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (got > kMaxCatalogueBytes - text.size()) {
            return CatalogueError{"Cannot load " + name + ": the file is larger than " +
                                  std::to_string(kMaxCatalogueBytes / (1024 * 1024)) + " MiB."};
        }
        text.append(buffer.data(), got);
        if (got < buffer.size()) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        const int error = errno != 0 ? errno : EIO;
        return CatalogueError{"Cannot read " + name + ": " + errnoText(error)};
    }
    // Parse into a copy so that the table is changed whole or not at all.
    std::vector<Star> fresh = stars;
    const CatalogueReport report = readStarCatalogue(text, fresh);
    stars.swap(fresh);
    return report;
}

} // namespace vantor
