#include "core/datelabel.hpp"

#include <array>
#include <chrono>
#include <cmath>
#include <string_view>

namespace vantor {

namespace {

using namespace std::chrono;

constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};

// The Gregorian calendar repeats exactly every 400 years, which are 146097 days. Reducing the
// day number by whole cycles keeps month and day exact for any day number the clock can reach
// (it runs without limit) while the year handed to the calendar stays near the present.
constexpr double kCycleDays = 146097.0;

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace

MonthDay monthDayOf(double dayNumber) noexcept {
    if (!std::isfinite(dayNumber)) {
        dayNumber = 0.0;
    }
    // Both steps are exact in double precision, so the reduction never moves the day.
    const double inCycle = std::fmod(std::trunc(dayNumber), kCycleDays);
    const sys_days date = kDayZero + days{static_cast<int>(inCycle)};
    const year_month_day ymd{date};
    return {static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day())};
}

std::string_view englishMonthName(unsigned month) noexcept {
    return month >= 1 && month <= 12 ? kMonthNames[month - 1] : std::string_view{};
}

std::string englishDateLabel(double dayNumber) {
    const MonthDay md = monthDayOf(dayNumber);
    std::string label{englishMonthName(md.month)};
    label += ' ';
    label += static_cast<char>('0' + md.day / 10);
    label += static_cast<char>('0' + md.day % 10);
    return label;
}

} // namespace vantor
