#pragma once
// One line of comma-separated text split into its fields, as the star catalogue and the
// bright-star list that it is made from are written.
//
// Spaces and tabs around a field are dropped. A field may be quoted ("...", with "" for one
// quote) to hold commas and keep spaces; a line with an unclosed quote, or with text after a
// closing quote, is broken. A comma at the end of the line opens one more, empty field.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct CsvLine {
    std::vector<std::string> fields; // the first fields of the line, at most the number asked for
    std::size_t count{};             // every field of the line, kept or not
    bool broken{};                   // an unclosed quote or text after a closing quote
};

// Splits one line, given without its line end, keeping at most maxFields fields. Takes time
// linear in the length of the line.
[[nodiscard]] CsvLine splitCsvLine(std::string_view line, std::size_t maxFields);

// The same into out, reusing its memory: a reader that splits line after line into one CsvLine
// allocates only when a field is longer than any before it.
void splitCsvLine(std::string_view line, std::size_t maxFields, CsvLine& out);

} // namespace vantor
