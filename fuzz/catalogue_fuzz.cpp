// libFuzzer target for the star catalogue reader: any bytes must load without crashing, stay inside
// the table, and account for every record once.
#include "skyview/starcatalogue.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Marks a record, to check afterwards that the records above the new count were not touched.
void mark(vantor::Star& star) {
    star = vantor::Star{};
    star.mag = 1000.0F;
    star.note = "untouched";
}

// One table for the whole run, marked once and re-marked where an input stored records.
std::vector<vantor::Star>& markedTable() {
    static std::vector<vantor::Star> table = [] {
        std::vector<vantor::Star> fresh(vantor::kStarTableSize);
        for (vantor::Star& star : fresh) {
            mark(star);
        }
        return fresh;
    }();
    return table;
}

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<vantor::Star>& table = markedTable();
    const vantor::CatalogueReport report = vantor::readStarCatalogue(text, table);

    check(table.size() == static_cast<std::size_t>(vantor::kStarTableSize));
    check(report.starCount >= -1 && report.starCount <= vantor::kStarTableSize - 1);
    check(report.stored == report.starCount + 1);
    check(report.leftOutMalformed >= 0 && report.leftOutOverflow >= 0);
    check(report.leftOutOverflow == 0 || report.stored == vantor::kStarTableSize);

    // Each record takes at least one line, so there are never more records than lines.
    std::size_t lines = 1;
    for (const char c : text) {
        lines += (c == '\n' || c == '\r') ? 1 : 0;
    }
    const auto records = static_cast<std::size_t>(report.stored) +
                         static_cast<std::size_t>(report.leftOutMalformed) +
                         static_cast<std::size_t>(report.leftOutOverflow);
    check(records <= lines);

    for (std::size_t i = static_cast<std::size_t>(report.stored); i < table.size(); ++i) {
        check(table[i].note == "untouched" && table[i].mag == 1000.0F);
    }
    // Stored data records hold finite numbers only.
    for (int i = 1; i < report.stored; ++i) {
        const vantor::Star& star = table[static_cast<std::size_t>(i)];
        for (const float value : {star.ra, star.dec, star.eclLon, star.eclLat, star.mag}) {
            check(value - value == 0.0F);
        }
    }
    const bool leftOut = report.leftOutMalformed + report.leftOutOverflow > 0;
    check(vantor::describe(report, "vantor.csv").empty() != leftOut);

    for (int i = 0; i < report.stored; ++i) {
        mark(table[static_cast<std::size_t>(i)]);
    }
    return 0;
}
