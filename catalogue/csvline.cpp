#include "catalogue/csvline.hpp"

#include <algorithm>

namespace vantor {
namespace {

[[nodiscard]] bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

[[nodiscard]] std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

CsvLine splitCsvLine(std::string_view line, std::size_t maxFields) {
    CsvLine out;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    while (true) {
        const bool kept = out.count < maxFields;
        std::string value;
        while (pos < n && isBlank(line[pos])) {
            ++pos;
        }
        if (pos < n && line[pos] == '"') {
            ++pos;
            while (true) {
                const std::size_t quote = line.find('"', pos);
                const std::size_t stop = quote == std::string_view::npos ? n : quote;
                if (kept) {
                    value.append(line.substr(pos, stop - pos));
                }
                if (quote == std::string_view::npos) {
                    pos = n;
                    out.broken = true;
                    break;
                }
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
            if (kept) {
                value.assign(trimmed(line.substr(pos, comma - pos)));
            }
            pos = comma;
        }
        if (kept) {
            out.fields.push_back(std::move(value));
        }
        ++out.count;
        if (pos >= n) {
            return out;
        }
        ++pos; // past the comma
    }
}

} // namespace vantor
