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
    splitCsvLine(line, maxFields, out);
    return out;
}

void splitCsvLine(std::string_view line, std::size_t maxFields, CsvLine& out) {
    out.count = 0;
    out.broken = false;
    std::size_t kept = 0;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    while (true) {
        std::string* value = nullptr;
        if (out.count < maxFields) {
            if (kept == out.fields.size()) {
                out.fields.emplace_back();
            }
            value = &out.fields[kept++];
            value->clear();
        }
        while (pos < n && isBlank(line[pos])) {
            ++pos;
        }
        if (pos < n && line[pos] == '"') {
            ++pos;
            while (true) {
                const std::size_t quote = line.find('"', pos);
                const std::size_t stop = quote == std::string_view::npos ? n : quote;
                if (value != nullptr) {
                    value->append(line.substr(pos, stop - pos));
                }
                if (quote == std::string_view::npos) {
                    pos = n;
                    out.broken = true;
                    break;
                }
                pos = quote + 1;
                if (pos < n && line[pos] == '"') {
                    if (value != nullptr) {
                        value->push_back('"');
                    }
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
            if (value != nullptr) {
                value->assign(trimmed(line.substr(pos, comma - pos)));
            }
            pos = comma;
        }
        ++out.count;
        if (pos >= n) {
            out.fields.resize(kept);
            return;
        }
        ++pos; // past the comma
    }
}

} // namespace vantor
