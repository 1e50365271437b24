#pragma once
// Reading the star catalogue "vantor.csv" into the star table.
//
// File format: plain text, one record per line, seven comma-separated fields in the order
//   name, ra (hours), dec (degrees), eclLon (degrees), eclLat (degrees), mag, note
// The first line is a header record: it is stored at index 0 and never plotted.
//
// Lexical rules:
// - The text is UTF-8 (a byte order mark is ignored) or, when it starts with a UTF-16 byte order
//   mark, UTF-16 in that byte order, as some spreadsheets save "Unicode text".
// - Lines end with CR LF, LF or CR; a last line without a line end is read. Lines that are empty
//   or hold only spaces and tabs carry no record and are skipped.
// - One line is one record. A line with other than seven fields is left out and counted; it does
//   not spill into the next line. We chose this over reading the file as one stream of fields
//   because with a stream a single damaged line would shift every later record by a field and
//   spoil the rest of the file, while here it costs just that line. This also covers a file that
//   ends in the middle of a record.
// - Fields are split as CsvLine describes: spaces and tabs around a field are ignored, a field
//   may be quoted ("...", with "" for one quote) to hold commas; a quote cannot span lines. A line
//   with an unclosed quote, or with text after a closing quote, is left out and counted.
// - Number fields are decimal numbers as parseDecimal reads them ("-16.71611", "+5", ".5",
//   "1e2"), finite as a 32-bit float; anything else (empty, "abc", "1.5x", "inf", "nan", "1e99")
//   leaves the record out and is counted.
// - The header line is taken as it is: number fields that are not numbers become 0, missing
//   fields stay empty, extra fields are ignored. It is never plotted, so nothing is lost.
// - Records beyond the table's size are left out and counted.
// Any byte sequence is accepted (NUL bytes, invalid UTF-8): it is only text that is probably not
// numbers. Reading takes time linear in the size of the text.

#include "core/star.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantor {

// What one load stored and what it left out.
struct CatalogueReport {
    std::int16_t starCount{-1}; // index of the last record stored; -1 when none was
    int stored{};               // records stored from index 0
    int leftOutMalformed{};     // records left out because they were incomplete or not numbers
    int leftOutOverflow{};      // well-formed records left out because the table was full
    // The first few records left out as incomplete or not numbers, by line number and reason
    // ("line 3: 8 fields, a record has 7"), so that the user can mend the file.
    std::vector<std::string> firstLeftOut;
};

// How many left-out records a report names.
inline constexpr std::size_t kLeftOutNamed = 3;

// Why a catalogue file could not be read at all.
struct CatalogueError {
    std::string message;
};

// The largest catalogue file loadStarFile reads (64 MiB), far above any real catalogue.
inline constexpr std::uintmax_t kMaxCatalogueBytes = std::uintmax_t{64} * 1024 * 1024;

// A message for the user about the records left out (naming the first few on lines of their own)
// or about a file that holds no stars; empty when all is well.
[[nodiscard]] std::string describe(const CatalogueReport& report, std::string_view fileName);

// Parses the whole text and stores its records into stars from index 0, never past stars.size()
// nor past kStarTableSize records. Records above the new count keep what they held.
[[nodiscard]] CatalogueReport readStarCatalogue(std::string_view text, std::vector<Star>& stars);

// Reads the file and its records into stars. Only a regular file is read: a named pipe, a device
// or a folder gets a message at once, without waiting for a writer. A file that cannot be read
// returns a message naming it and the reason, and leaves stars unchanged.
[[nodiscard]] std::variant<CatalogueReport, CatalogueError>
loadStarFile(const std::filesystem::path& path, std::vector<Star>& stars);

// A catalogue file read on its first load and kept: each later load copies the kept records
// into the table instead of reading and parsing the file again, with the same report. Meant for
// the shipped catalogue, which is installed with the program and not edited while it runs. A
// read that fails is not kept, so the next load tries the file again.
class KeptCatalogue {
public:
    explicit KeptCatalogue(std::filesystem::path path) : m_path(std::move(path)) {}

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

    // What loadStarFile(path(), stars) gives, the file read only the first time.
    [[nodiscard]] std::variant<CatalogueReport, CatalogueError> load(std::vector<Star>& stars);

private:
    std::filesystem::path m_path;
    std::optional<CatalogueReport> m_report;
    std::vector<Star> m_records; // the records the report stored, from index 0
    std::size_t m_capacity{};    // how many records the table they were read into could hold
};

} // namespace vantor
