#pragma once

#include <string>
#include <string_view>

namespace vantor {

struct MonthDay {
    unsigned month{}; // 1..12
    unsigned day{};   // 1..31
};

// Month and day of a day number counted from 30 December 1899 (day 0) in the proleptic
// Gregorian calendar; the whole part, truncated toward zero, selects the day. Exact for every
// finite day number, however far from the present; NaN and infinities give day 0.
[[nodiscard]] MonthDay monthDayOf(double dayNumber) noexcept;

// The English name of month 1..12, empty for any other number.
[[nodiscard]] std::string_view englishMonthName(unsigned month) noexcept;

// The date label in English, used when no localised month names are at hand: "March 21",
// "April 05" (full month name, a blank, two-digit day).
[[nodiscard]] std::string englishDateLabel(double dayNumber);

} // namespace vantor
