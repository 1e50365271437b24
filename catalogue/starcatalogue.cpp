#include "catalogue/starcatalogue.hpp"

#include "catalogue/csvline.hpp"
#include "catalogue/decimalnumber.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>
#include <system_error>

namespace vantor {
namespace {

constexpr std::size_t kFieldsPerRecord = 7;

// Counts saturate so that no input, however long, overflows them.
void bump(int& counter) {
    if (counter < INT_MAX) {
        ++counter;
    }
}

// Fills a record from the fields in file order. A data record fails on any bad number; the header
// takes 0 for each.
[[nodiscard]] bool makeStar(CsvLine& line, bool isHeader, Star& star) {
    line.fields.resize(kFieldsPerRecord); // the header may be short
    std::array<float, 5> numbers{};       // ra, dec, eclLon, eclLat, mag
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (!parseDecimal(line.fields[i + 1], numbers[i]) && !isHeader) {
            return false;
        }
    }
    star.name = std::move(line.fields[0]);
    star.ra = numbers[0];
    star.dec = numbers[1];
    star.eclLon = numbers[2];
    star.eclLat = numbers[3];
    star.mag = numbers[4];
    star.note = std::move(line.fields[6]);
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
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        CsvLine fields = splitCsvLine(line, kFieldsPerRecord);
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
