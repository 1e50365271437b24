#include "catalogue/decimalnumber.hpp"

#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

namespace vantor {
namespace {

// Every finite float written in its shortest form and in a long scientific form reads back as
// the same bits, as the C++ library's own reader has it.
TEST(DecimalNumber, ReadsWhatTheLibraryWritesBitForBit) {
    std::mt19937 random(7U);
    int checked = 0;
    while (checked < 20000) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value) || value == 0.0F) {
            continue;
        }
        char shortest[64];
        char longForm[64];
        const auto a = std::to_chars(shortest, shortest + sizeof shortest, value);
        const auto b = std::to_chars(longForm, longForm + sizeof longForm,
                                     static_cast<double>(value), std::chars_format::scientific, 20);
        for (const std::string_view text :
             {std::string_view(shortest, a.ptr), std::string_view(longForm, b.ptr)}) {
            float ours{};
            float library{};
            std::from_chars(text.data(), text.data() + text.size(), library);
            ASSERT_TRUE(parseDecimal(text, ours)) << text;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(ours), std::bit_cast<std::uint32_t>(library))
                << text;
        }
        ++checked;
    }
}

TEST(DecimalNumber, RefusesOnlyWhatIsNotAFiniteNonVanishingNumber) {
    double value = 42.0;
    for (const char* text : {"", "+", "-", ".", "e5", "1e", "1e+", "1.2.3", " 1", "1 ", "1,5",
                             "0x1A", "inf", "nan", "1e999", "1e-999", "+-1", "1d"}) {
        EXPECT_FALSE(parseDecimal(text, value)) << '"' << text << '"';
    }
    EXPECT_EQ(value, 42.0) << "a refused text leaves the value as it was";
    EXPECT_TRUE(parseDecimal("-0e999", value) && value == 0.0 && std::signbit(value));
    float tiny{};
    EXPECT_TRUE(parseDecimal("1e-45", tiny) && tiny > 0.0F) << "the smallest float is kept";
}

// Under a locale that writes "2,5", the C library's own reader stops at the point; ours does not.
TEST(DecimalNumber, ReadsAPointWhateverTheLocale) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vantor-locale-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string make =
        "localedef -i de_DE -f UTF-8 " + (dir / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(make.c_str()), 0) << "localedef (package locales) is needed";
    ::setenv("LOCPATH", dir.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    const double libraryReading = std::strtod("2.5", nullptr);
    double ours{};
    const bool accepted = parseDecimal("2.5", ours);
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(dir);
    EXPECT_EQ(libraryReading, 2.0) << "the locale took effect";
    EXPECT_TRUE(accepted);
    EXPECT_EQ(ours, 2.5);
}

} // namespace
} // namespace vantor
