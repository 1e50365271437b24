// Fuzz target for the star catalogue reader, fed from memory. Beyond "no crash", every input must
// keep these properties: each record offered is stored or counted as left out, once; stored
// numbers are finite; records above the new count are untouched; the table written back out as a
// file reads back the same; and the number reader agrees with the C++ library's own.
#include "catalogue/decimalnumber.hpp"
#include "catalogue/starcatalogue.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A short table, so that short inputs reach the table-full path too.
constexpr std::size_t kTableSize = 6;

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

[[nodiscard]] std::vector<vantor::Star> markedTable() {
    std::vector<vantor::Star> table(kTableSize);
    for (vantor::Star& star : table) {
        star.mag = 1000.0F;
        star.note = "untouched";
    }
    return table;
}

// Lines that hold more than spaces and tabs, each of which is one record offered.
[[nodiscard]] std::size_t recordsOffered(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::size_t records = 0;
    bool filled = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            records += filled ? 1 : 0;
            filled = false;
        } else if (c != ' ' && c != '\t') {
            filled = true;
        }
    }
    return records + (filled ? 1 : 0);
}

void appendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (const char c : text) {
        out.append(c == '"' ? "\"\"" : std::string_view(&c, 1));
    }
    out.push_back('"');
}

void appendNumber(std::string& out, float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

// The stored records written as a catalogue file: every text quoted, every number shortest.
[[nodiscard]] std::string rewritten(const std::vector<vantor::Star>& table, int stored) {
    std::string out;
    for (int i = 0; i < stored; ++i) {
        const vantor::Star& star = table[static_cast<std::size_t>(i)];
        appendQuoted(out, star.name);
        for (const float value : {star.ra, star.dec, star.eclLon, star.eclLat, star.mag}) {
            out.push_back(',');
            appendNumber(out, value);
        }
        out.push_back(',');
        appendQuoted(out, star.note);
        out.append(i % 2 == 0 ? "\r\n" : "\n");
    }
    return out;
}

[[nodiscard]] bool sameRecord(const vantor::Star& a, const vantor::Star& b) {
    const auto bits = [](float v) { return std::bit_cast<std::uint32_t>(v); };
    return a.name == b.name && a.note == b.note && bits(a.ra) == bits(b.ra) &&
           bits(a.dec) == bits(b.dec) && bits(a.eclLon) == bits(b.eclLon) &&
           bits(a.eclLat) == bits(b.eclLat) && bits(a.mag) == bits(b.mag);
}

// The library's reading of the same text: no plus sign, and too small or too large is out of
// range there, where the reader refuses only what is too large or rounds a non-zero to zero.
template <typename T> void checkNumberAgainstLibrary(std::string_view text) {
    T ours{};
    const bool accepted = vantor::parseDecimal(text, ours);
    std::string_view unsigned_ = text;
    if (unsigned_.starts_with('+') && !unsigned_.substr(1).starts_with('-')) {
        unsigned_.remove_prefix(1);
    }
    T theirs{};
    const char* const last = unsigned_.data() + unsigned_.size();
    const auto [end, ec] = std::from_chars(unsigned_.data(), last, theirs);
    const bool whole = end == last && !unsigned_.empty();
    if (ec == std::errc{} && whole && std::isfinite(theirs)) {
        check(accepted && ours == theirs && std::signbit(ours) == std::signbit(theirs));
    }
    if (accepted) {
        check(std::isfinite(ours) && whole &&
              (ec == std::errc{} ? ours == theirs : ec == std::errc::result_out_of_range));
    }
}

} // namespace

// Freed memory waits in the sanitizer's quarantine before it is reused, so that a use after
// free is caught. Nothing outlives a run here, so 16 MB (many runs' worth) catches the same
// faults as the default 256 MB without the page faults of cycling through fresh memory.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<vantor::Star> table = markedTable();
    const vantor::CatalogueReport report = vantor::readStarCatalogue(text, table);

    check(table.size() == kTableSize);
    check(report.stored >= 0 && report.stored <= static_cast<int>(kTableSize));
    check(report.starCount == report.stored - 1);
    check(report.leftOutOverflow == 0 || report.stored == static_cast<int>(kTableSize));
    const auto accounted = static_cast<std::size_t>(report.stored) +
                           static_cast<std::size_t>(report.leftOutMalformed) +
                           static_cast<std::size_t>(report.leftOutOverflow);
    // Text in UTF-16 is counted by the reader after decoding; the unit tests cover it.
    if (!text.starts_with("\xFF\xFE") && !text.starts_with("\xFE\xFF")) {
        check(accounted == recordsOffered(text));
    }
    check(report.firstLeftOut.size() ==
          std::min<std::size_t>(static_cast<std::size_t>(report.leftOutMalformed),
                                vantor::kLeftOutNamed));
    check(vantor::describe(report, "vantor.csv").empty() ==
          (report.leftOutMalformed + report.leftOutOverflow == 0 && report.stored > 1));

    for (std::size_t i = static_cast<std::size_t>(report.stored); i < table.size(); ++i) {
        check(table[i].note == "untouched" && table[i].mag == 1000.0F);
    }
    for (const vantor::Star& star : table) {
        for (const float value : {star.ra, star.dec, star.eclLon, star.eclLat, star.mag}) {
            check(std::isfinite(value));
        }
    }

    // Re-written and read back whenever a star is stored: the header then goes with it, so a
    // table of the header alone would check nothing that the others do not.
    if (report.stored > 1) {
        std::vector<vantor::Star> again = markedTable();
        const vantor::CatalogueReport reread =
            vantor::readStarCatalogue(rewritten(table, report.stored), again);
        check(reread.stored == report.stored && reread.leftOutMalformed == 0);
        for (std::size_t i = 0; i < table.size(); ++i) {
            check(sameRecord(table[i], again[i]));
        }
    }

    if (size <= 64) {
        checkNumberAgainstLibrary<float>(text);
        checkNumberAgainstLibrary<double>(text);
    }
    return 0;
}
