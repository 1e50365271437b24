#include "catalogue/starcatalogue.hpp"
#include "tools/makecatalogue/makecatalogue.hpp"

#include <cmath>
#include <gtest/gtest.h>

namespace vantor {
namespace {

struct DirectionCase {
    const char* label;
    double raHours;
    double decDegrees;
    double lon;
    double lat;
};

void PrintTo(const DirectionCase& c, std::ostream* os) {
    *os << c.label;
}

// Points a reader can check on a globe: the equinoxes and solstices lie on the ecliptic at
// 0, 90, 180 and 270 degrees, the poles of the ecliptic sit 23.44 degrees from the celestial
// poles at RA 18 h and 6 h; and three stars whose J2000 ecliptic places are in every almanac.
class EclipticConversion : public testing::TestWithParam<DirectionCase> {};

TEST_P(EclipticConversion, MatchesHandCheckedPlaces) {
    const DirectionCase& c = GetParam();
    const EclipticPosition p = equatorialToEcliptic(c.raHours, c.decDegrees);
    const double tolerance = 0.01;
    EXPECT_NEAR(p.lat, c.lat, tolerance);
    if (std::abs(c.lat) < 89.99) {
        // Longitude is compared round the circle, so 359.999 matches 0.
        EXPECT_NEAR(std::remainder(p.lon - c.lon, 360.0), 0.0, tolerance);
        EXPECT_GE(p.lon, 0.0);
        EXPECT_LT(p.lon, 360.0);
    }
}

constexpr double kEps = kObliquityJ2000;

INSTANTIATE_TEST_SUITE_P(
    MakeCatalogue, EclipticConversion,
    testing::Values(DirectionCase{"vernal_equinox", 0.0, 0.0, 0.0, 0.0},
                    DirectionCase{"summer_solstice", 6.0, kEps, 90.0, 0.0},
                    DirectionCase{"autumn_equinox", 12.0, 0.0, 180.0, 0.0},
                    DirectionCase{"winter_solstice", 18.0, -kEps, 270.0, 0.0},
                    DirectionCase{"north_ecliptic_pole", 18.0, 90.0 - kEps, 0.0, 90.0},
                    DirectionCase{"south_ecliptic_pole", 6.0, -90.0 + kEps, 0.0, -90.0},
                    DirectionCase{"celestial_north_pole", 0.0, 90.0, 90.0, 90.0 - kEps},
                    DirectionCase{"just_below_equinox", 23.99999, 0.0, 359.99986, 0.00006},
                    DirectionCase{"regulus", 10.139528, 11.96722, 149.829, 0.465},
                    DirectionCase{"spica", 13.419889, -11.16139, 203.841, -2.055},
                    DirectionCase{"sirius", 6.752472, -16.71611, 104.082, -39.605}),
    [](const testing::TestParamInfo<DirectionCase>& param) {
        return std::string(param.param.label);
    });

TEST(MakeCatalogue, WritesTheCatalogueLayoutTheReaderLoads) {
    const std::string input = "name,ra_hours,dec_deg,vmag,designation\n"
                              "Sirius,6.752472,-16.71611,-1.46,HR 2491\n"
                              "\"Odd, \"\"named\"\"\",0,0,5,HR 9\n"
                              "Near360,23.999999,0.00003,4.5,HR 10\n";
    const auto result = convertBrightStars(input, 10);
    ASSERT_TRUE(std::holds_alternative<std::string>(result))
        << std::get<ConversionError>(result).message;
    const std::string& text = std::get<std::string>(result);
    EXPECT_EQ(text, "name,ra_hours,dec_deg,ecl_lon_deg,ecl_lat_deg,vmag,designation\n"
                    "Sirius,6.752472,-16.71611,104.08157,-39.60525,-1.46,HR 2491\n"
                    "\"Odd, \"\"named\"\"\",0.000000,0.00000,0.00000,0.00000,5.00,HR 9\n"
                    "Near360,23.999999,0.00003,0.00000,0.00003,4.50,HR 10\n");

    std::vector<Star> table(kStarTableSize);
    const CatalogueReport report = readStarCatalogue(text, table);
    EXPECT_EQ(report.starCount, 3);
    EXPECT_EQ(report.leftOutMalformed, 0);
    EXPECT_EQ(table[2].name, "Odd, \"named\"");
}

TEST(MakeCatalogue, KeepsAtMostTheGivenNumberOfStars) {
    const std::string input = "name,ra_hours,dec_deg,vmag,designation\n"
                              "A,1,1,1,HR 1\nB,2,2,2,HR 2\nC,3,3,3,HR 3\n";
    const auto result = convertBrightStars(input, 2);
    ASSERT_TRUE(std::holds_alternative<std::string>(result));
    std::vector<Star> table(kStarTableSize);
    EXPECT_EQ(readStarCatalogue(std::get<std::string>(result), table).starCount, 2);
    EXPECT_EQ(table[2].name, "B");
}

TEST(MakeCatalogue, RefusesInputItCannotTrust) {
    const std::string header = "name,ra_hours,dec_deg,vmag,designation\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "the input is empty"},
        {"name,ra,dec\nA,1,1,1,HR 1\n", "line 1: expected the header"},
        {header + "A,1,1,HR 1\n", "line 2: expected 5 fields, found 4"},
        {header + "A,1,1,1,HR 1\nB,x,1,1,HR 2\n", "line 3: right ascension, declination"},
        {header + "A,24,1,1,HR 1\n", "line 2: position out of range"},
        {header + "A,1,-91,1,HR 1\n", "line 2: position out of range"},
    };
    for (const auto& [input, message] : cases) {
        const auto result = convertBrightStars(input, 10);
        ASSERT_TRUE(std::holds_alternative<ConversionError>(result)) << input;
        EXPECT_EQ(std::get<ConversionError>(result).message.rfind(message, 0), 0U)
            << std::get<ConversionError>(result).message;
    }
}

} // namespace
} // namespace vantor
