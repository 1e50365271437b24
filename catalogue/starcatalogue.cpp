#include "catalogue/starcatalogue.hpp"

#include "catalogue/csvline.hpp"
#include "catalogue/decimalnumber.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vantor {
namespace {

constexpr std::size_t kFieldsPerRecord = 7;

// Counts saturate so that no input, however long, overflows them.
void bump(int& counter) {
    if (counter < INT_MAX) {
        ++counter;
    }
}

[[nodiscard]] std::string recordsWere(int count) {
    return count == 1 ? "1 record was" : std::to_string(count) + " records were";
}

// Closes a file descriptor when it goes out of scope.
struct DescriptorCloser {
    explicit DescriptorCloser(int descriptor) : fd(descriptor) {}
    DescriptorCloser(const DescriptorCloser&) = delete;
    DescriptorCloser& operator=(const DescriptorCloser&) = delete;
    ~DescriptorCloser() { ::close(fd); }
    int fd;
};

[[nodiscard]] std::string errnoText(int error) {
    return std::generic_category().message(error);
}

// The reason a data record was left out, for the user: the line and what is wrong with it.
[[nodiscard]] std::string fieldCountProblem(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " field" : " fields") + ", a record has " +
           std::to_string(kFieldsPerRecord);
}

[[nodiscard]] std::string numberProblem(std::string_view field) {
    if (field.empty()) {
        return "a number is missing";
    }
    constexpr std::size_t kShown = 24;
    const std::string shown =
        field.size() > kShown ? std::string(field.substr(0, kShown)) + "..." : std::string(field);
    return "'" + shown + "' is not a number";
}

// The five numbers of a record in file order: ra, dec, eclLon, eclLat, mag.
using RecordNumbers = std::array<float, 5>;

// Reads the numbers of a record. A data record fails on any bad number and returns the index of
// its field; the header takes 0 for each, and for any field it lacks.
[[nodiscard]] std::optional<std::size_t> readNumbers(const CsvLine& line, bool isHeader,
                                                     RecordNumbers& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t field = i + 1;
        const std::string_view text =
            field < line.fields.size() ? std::string_view(line.fields[field]) : std::string_view();
        if (!parseDecimal(text, numbers[i]) && !isHeader) {
            return field;
        }
    }
    return std::nullopt;
}

// Fills a record from the fields of a line that has passed readNumbers, reusing the memory of the
// record's texts.
void storeStar(const CsvLine& line, const RecordNumbers& numbers, Star& star) {
    const auto text = [&line](std::size_t field) {
        return field < line.fields.size() ? std::string_view(line.fields[field])
                                          : std::string_view();
    };
    star.name.assign(text(0));
    star.ra = numbers[0];
    star.dec = numbers[1];
    star.eclLon = numbers[2];
    star.eclLat = numbers[3];
    star.mag = numbers[4];
    star.note.assign(text(kFieldsPerRecord - 1));
}

// Turns UTF-16 text with its byte order mark into UTF-8; a lone surrogate becomes U+FFFD and an
// odd last byte is dropped.
[[nodiscard]] std::string utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>((hi << 8U) | lo);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10U) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6U)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12U)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18U)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6U) & 0x3FU)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
        }
    }
    return out;
}

[[nodiscard]] std::string leftOutSentence(const CatalogueReport& report, const std::string& name) {
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

} // namespace

std::string describe(const CatalogueReport& report, std::string_view fileName) {
    const std::string name(fileName);
    std::string text = leftOutSentence(report, name);
    if (report.stored <= 1) {
        text = name + " holds no stars." + (text.empty() ? "" : " " + text);
    }
    for (const std::string& problem : report.firstLeftOut) {
        text += "\r\n" + problem;
    }
    if (static_cast<std::size_t>(report.leftOutMalformed) > report.firstLeftOut.size() &&
        !report.firstLeftOut.empty()) {
        text += "\r\n...";
    }
    return text;
}

CatalogueReport readStarCatalogue(std::string_view text, std::vector<Star>& stars) {
    std::string decoded;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        decoded = utf8FromUtf16(text, text.starts_with("\xFE"));
        text = decoded;
    }
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(byteOrderMark)) {
        text.remove_prefix(byteOrderMark.size());
    }
    const std::size_t capacity = std::min(stars.size(), static_cast<std::size_t>(kStarTableSize));
    CatalogueReport report;
    // The reason is put into words only for the few records the report names.
    const auto leaveOut = [&report](std::size_t lineNumber, const auto& problem) {
        bump(report.leftOutMalformed);
        if (report.firstLeftOut.size() < kLeftOutNamed) {
            report.firstLeftOut.push_back("line " + std::to_string(lineNumber) + ": " + problem());
        }
    };
    bool headerSeen = false;
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    CsvLine fields;
    while (pos < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = text.substr(pos, lineEnd - pos);
        ++lineNumber;
        pos = lineEnd;
        if (pos < text.size()) {
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        splitCsvLine(line, kFieldsPerRecord, fields);
        const bool isHeader = !headerSeen;
        headerSeen = true;
        if (!isHeader && fields.broken) {
            leaveOut(lineNumber, [] {
                return std::string("a quote is not closed, or text follows a closing quote");
            });
            continue;
        }
        if (!isHeader && fields.count != kFieldsPerRecord) {
            leaveOut(lineNumber, [&fields] { return fieldCountProblem(fields.count); });
            continue;
        }
        RecordNumbers numbers{};
        // Checked even when the table is full, so that a record is counted once, for the right
        // reason.
        if (const auto bad = readNumbers(fields, isHeader, numbers)) {
            leaveOut(lineNumber, [&fields, &bad] { return numberProblem(fields.fields[*bad]); });
        } else if (static_cast<std::size_t>(report.stored) >= capacity) {
            bump(report.leftOutOverflow);
        } else {
            storeStar(fields, numbers, stars[static_cast<std::size_t>(report.stored)]);
            ++report.stored; // stays within capacity, at most kStarTableSize
        }
    }
    report.starCount = static_cast<std::int16_t>(report.stored - 1);
    return report;
}

std::variant<CatalogueReport, CatalogueError> loadStarFile(const std::filesystem::path& path,
                                                           std::vector<Star>& stars) {
    const std::string name = path.string();
    // Opened without blocking, so that a named pipe with no writer cannot hold the program;
    // only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return CatalogueError{"Cannot open " + name + ": " + errnoText(errno)};
    }
    const DescriptorCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return CatalogueError{"Cannot open " + name + ": " + errnoText(errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return CatalogueError{"Cannot open " + name + ": " + errnoText(EISDIR)};
    }
    if (!S_ISREG(info.st_mode)) {
        return CatalogueError{"Cannot load " + name +
                              ": it is not a plain file (a named pipe, a device or a socket)."};
    }
    // Read in pieces up to the limit, so that a growing file cannot exhaust memory.
    std::string text;
    std::array<char, 65536> buffer{};
    while (true) {
        const ::ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return CatalogueError{"Cannot read " + name + ": " + errnoText(errno)};
        }
        if (got == 0) {
            break;
        }
        if (static_cast<std::uintmax_t>(got) > kMaxCatalogueBytes - text.size()) {
            return CatalogueError{"Cannot load " + name + ": the file is larger than " +
                                  std::to_string(kMaxCatalogueBytes / (1024 * 1024)) + " MiB."};
        }
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    // Parse into a copy so that the table is changed whole or not at all.
    std::vector<Star> fresh = stars;
    CatalogueReport report = readStarCatalogue(text, fresh);
    stars.swap(fresh);
    return report;
}

std::variant<CatalogueReport, CatalogueError> KeptCatalogue::load(std::vector<Star>& stars) {
    const std::size_t capacity = std::min(stars.size(), static_cast<std::size_t>(kStarTableSize));
    if (m_report && capacity == m_capacity) {
        std::copy(m_records.begin(), m_records.end(), stars.begin());
        return *m_report;
    }
    auto loaded = loadStarFile(m_path, stars);
    if (const auto* report = std::get_if<CatalogueReport>(&loaded)) {
        m_records.assign(stars.begin(), stars.begin() + report->stored);
        m_report = *report;
        m_capacity = capacity;
    }
    return loaded;
}

} // namespace vantor
