#include "core/datelabel.hpp"

#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>

namespace vantor {
namespace {

struct LabelCase {
    double day;
    const char* label;
};
std::ostream& operator<<(std::ostream& os, const LabelCase& c) {
    return os << std::setprecision(17) << c.day;
}

class DateLabelTest : public testing::TestWithParam<LabelCase> {};
TEST_P(DateLabelTest, NamesMonthAndTwoDigitDay) {
    EXPECT_EQ(englishDateLabel(GetParam().day), GetParam().label);
}
constexpr double kInf = std::numeric_limits<double>::infinity();
INSTANTIATE_TEST_SUITE_P(
    Cases, DateLabelTest,
    testing::Values(LabelCase{81, "March 21"}, LabelCase{83, "March 23"}, LabelCase{77, "March 17"},
                    LabelCase{80, "March 20"}, LabelCase{445.25, "March 20"},
                    LabelCase{0, "December 30"},
                    LabelCase{-0.5, "December 30"}, // truncated toward zero, not down
                    LabelCase{-1.5, "December 29"}, LabelCase{96, "April 05"},
                    LabelCase{60, "February 28"}, LabelCase{61, "March 01"}, // 1900: no leap day
                    LabelCase{36585, "February 29"},                         // 2000: leap day
                    LabelCase{-657434, "January 01"},                        // year 100
                    LabelCase{2958465, "December 31"},                       // year 9999
                    LabelCase{-693593, "January 01"},                        // year 1
                    LabelCase{2958465 + 146097.0 * 1e9, "December 31"},
                    LabelCase{-657434 - 146097.0 * 1e6, "January 01"},
                    LabelCase{std::numeric_limits<double>::quiet_NaN(), "December 30"},
                    LabelCase{kInf, "December 30"}, LabelCase{-kInf, "December 30"}));

[[nodiscard]] unsigned longestMonth(unsigned month) {
    constexpr unsigned lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths[month - 1];
}

// Walks one whole 400-year cycle day by day from starts near and far, backward and forward:
// every day follows the one before, and the cycle holds exactly 97 leap days.
class CalendarCycleTest : public testing::TestWithParam<double> {};
TEST_P(CalendarCycleTest, DaysFollowOneAnother) {
    MonthDay prev = monthDayOf(GetParam());
    int leapDays = 0;
    for (int i = 1; i <= 146097; ++i) {
        const MonthDay next = monthDayOf(GetParam() + i);
        leapDays += next.month == 2 && next.day == 29 ? 1 : 0;
        const bool sameMonth = next.month == prev.month && next.day == prev.day + 1 &&
                               next.day <= longestMonth(next.month);
        const bool monthEnd =
            prev.day == longestMonth(prev.month) || (prev.month == 2 && prev.day == 28);
        const bool newMonth = next.day == 1 && next.month == prev.month % 12 + 1 && monthEnd;
        ASSERT_TRUE(sameMonth || newMonth) << GetParam() + i;
        prev = next;
    }
    EXPECT_EQ(leapDays, 97);
}
INSTANTIATE_TEST_SUITE_P(Starts, CalendarCycleTest,
                         testing::Values(-1.0e15, -1.2e7, -700000.0, 0.0, 2958000.0, 1.2e7,
                                         1.0e15));

TEST(DateLabel, HugeDayNumbersStillGiveADate) {
    for (double day : {1e300, -1e300, std::numeric_limits<double>::max(),
                       std::numeric_limits<double>::lowest()}) {
        const MonthDay md = monthDayOf(day);
        EXPECT_TRUE(md.month >= 1 && md.month <= 12 && md.day >= 1 && md.day <= 31) << day;
    }
}

} // namespace
} // namespace vantor
