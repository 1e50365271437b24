#include "catalogue/starcatalogue.hpp"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace vantor {
namespace {

constexpr std::string_view kHeader = "name,ra_hours,dec_deg,ecl_lon_deg,ecl_lat_deg,vmag,note\n";

[[nodiscard]] std::vector<Star> freshTable() {
    return std::vector<Star>(kStarTableSize);
}

// A table whose every record is marked, to see which records a load touched.
[[nodiscard]] std::vector<Star> markedTable(std::size_t size = kStarTableSize) {
    std::vector<Star> table(size);
    for (std::size_t i = 0; i < size; ++i) {
        table[i].name = "old " + std::to_string(i);
        table[i].mag = 99.0F;
    }
    return table;
}

// A data line with a distinct magnitude, so that a stored record shows where it came from.
[[nodiscard]] std::string starLine(int i) {
    return "S" + std::to_string(i) + ",1,2,3,4," + std::to_string(i) + ",HR " + std::to_string(i) +
           "\n";
}

struct ShapeCase {
    const char* label;
    std::string text;
    int starCount;
    int malformed;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.label;
}

class CatalogueShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(CatalogueShape, StoresAndCountsRecords) {
    const ShapeCase& c = GetParam();
    std::vector<Star> table = freshTable();
    const CatalogueReport report = readStarCatalogue(c.text, table);
    EXPECT_EQ(report.starCount, c.starCount);
    EXPECT_EQ(report.stored, c.starCount + 1);
    EXPECT_EQ(report.leftOutMalformed, c.malformed);
    EXPECT_EQ(report.leftOutOverflow, 0);
}

const std::string kHeaderAndOne = std::string(kHeader) + "A,0.6,4,10,0,0.5,HR 1\n";

INSTANTIATE_TEST_SUITE_P(
    Reader, CatalogueShape,
    testing::Values(
        ShapeCase{"empty", "", -1, 0}, ShapeCase{"blank_lines_only", "\n \r\n\t\n", -1, 0},
        ShapeCase{"one_line", "only,1,2,3,4,5,x", 0, 0},
        ShapeCase{"header_only", std::string(kHeader), 0, 0},
        ShapeCase{"three_lines", "A,0.6,4,10,0,0.5,a\nB,1,2,100,30,2,b\nC,3,4,200,-25,2.5,c\n", 2,
                  0},
        ShapeCase{"blank_line_between_records", kHeaderAndOne + "\n\nB,1,2,3,4,5,n\n", 2, 0},
        ShapeCase{"truncated_at_end", kHeaderAndOne + "B,1,2,3,4,5,n\nC,1,2,3", 2, 1},
        ShapeCase{"short_line_does_not_spill", kHeaderAndOne + "B,1,2\n3,4,5,n\nC,1,2,3,4,5,n\n", 2,
                  2},
        ShapeCase{"eight_fields", kHeaderAndOne + "B,1,2,3,4,5,n,extra\n", 1, 1},
        ShapeCase{"trailing_comma", kHeaderAndOne + "B,1,2,3,4,5,n,\n", 1, 1},
        ShapeCase{"unclosed_quote", kHeaderAndOne + "\"B,1,2,3,4,5,n\n", 1, 1},
        ShapeCase{"text_after_quote", kHeaderAndOne + "\"B\"x,1,2,3,4,5,n\n", 1, 1},
        ShapeCase{"quote_cannot_span_lines", kHeaderAndOne + "\"B\n\",1,2,3,4,5,n\n", 1, 2},
        ShapeCase{"header_short_and_not_numbers", "name,ra,dec\nB,1,2,3,4,5,n\n", 1, 0},
        ShapeCase{"byte_order_mark", "\xEF\xBB\xBF" + kHeaderAndOne, 1, 0}),
    [](const testing::TestParamInfo<ShapeCase>& param) { return std::string(param.param.label); });

TEST(Reader, PutsFileFieldsIntoTheirRecordFields) {
    std::vector<Star> table = freshTable();
    const CatalogueReport report = readStarCatalogue(
        std::string(kHeader) + "Sirius,6.75,-16.7,104.08,-39.6,-1.46,HR 2491\n", table);
    ASSERT_EQ(report.starCount, 1);
    const Star& s = table[1];
    EXPECT_EQ(s.name, "Sirius");
    EXPECT_FLOAT_EQ(s.ra, 6.75F);
    EXPECT_FLOAT_EQ(s.dec, -16.7F);
    EXPECT_FLOAT_EQ(s.eclLon, 104.08F);
    EXPECT_FLOAT_EQ(s.eclLat, -39.6F);
    EXPECT_FLOAT_EQ(s.mag, -1.46F);
    EXPECT_EQ(s.note, "HR 2491");
    EXPECT_EQ(table[0].name, "name");
    EXPECT_EQ(table[0].note, "note");
    EXPECT_EQ(table[0].ra, 0.0F) << "the header's text numbers become 0";
}

struct NumberCase {
    const char* text;
    bool accepted;
    float value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class NumberField : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberField, IsAcceptedOnlyWhenWhollyAFiniteNumber) {
    const NumberCase& c = GetParam();
    std::vector<Star> table = freshTable();
    const std::string text =
        std::string(kHeader) + "Star,1,2,3,4," + std::string(c.text) + ",note\n";
    const CatalogueReport report = readStarCatalogue(text, table);
    EXPECT_EQ(report.leftOutMalformed, c.accepted ? 0 : 1);
    EXPECT_EQ(report.starCount, c.accepted ? 1 : 0);
    if (c.accepted) {
        EXPECT_FLOAT_EQ(table[1].mag, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, NumberField,
    testing::Values(
        NumberCase{"2.5", true, 2.5F}, NumberCase{"  2.5\t", true, 2.5F},
        NumberCase{"-0.5", true, -0.5F}, NumberCase{"+3", true, 3.0F}, NumberCase{".5", true, 0.5F},
        NumberCase{"1e1", true, 10.0F}, NumberCase{"\"4.25\"", true, 4.25F},
        NumberCase{"", false, 0}, NumberCase{"   ", false, 0}, NumberCase{"abc", false, 0},
        NumberCase{"2.5x", false, 0}, NumberCase{"2 5", false, 0}, NumberCase{"1.2.3", false, 0},
        NumberCase{"inf", false, 0}, NumberCase{"-infinity", false, 0}, NumberCase{"nan", false, 0},
        NumberCase{"1e99", false, 0}, NumberCase{"+", false, 0}, NumberCase{"+-1", false, 0},
        NumberCase{"--1", false, 0}, NumberCase{"0x1A", false, 0}, NumberCase{"1,5", false, 0}));

TEST(Reader, QuotedFieldsHoldCommasAndQuotes) {
    std::vector<Star> table = freshTable();
    const CatalogueReport report = readStarCatalogue(
        std::string(kHeader) + "  \"Alpha, the \"\"first\"\"\"  ,1,2,3,4,5, \" HR 1 \" \n", table);
    ASSERT_EQ(report.starCount, 1);
    EXPECT_EQ(table[1].name, "Alpha, the \"first\"");
    EXPECT_EQ(table[1].note, " HR 1 ") << "spaces inside quotes are kept";
    EXPECT_FLOAT_EQ(table[1].mag, 5.0F);
}

TEST(Reader, EveryLineEndReadsTheSame) {
    const std::string lf = std::string(kHeader) + "A,1,2,3,4,5,x\nB,6,7,8,9,10,y\n";
    std::vector<Star> expected = freshTable();
    ASSERT_EQ(readStarCatalogue(lf, expected).starCount, 2);
    const std::string crlf =
        std::string("h,a,b,c,d,e,f\r\n") + "A,1,2,3,4,5,x\r\nB,6,7,8,9,10,y\r\n";
    const std::string cr = std::string("h,a,b,c,d,e,f\r") + "A,1,2,3,4,5,x\rB,6,7,8,9,10,y\r";
    const std::string mixed = std::string("h,a,b,c,d,e,f\n") + "A,1,2,3,4,5,x\r\nB,6,7,8,9,10,y";
    for (const std::string& text : {crlf, cr, mixed, lf.substr(0, lf.size() - 1)}) {
        std::vector<Star> table = freshTable();
        const CatalogueReport report = readStarCatalogue(text, table);
        EXPECT_EQ(report.starCount, 2);
        EXPECT_EQ(report.leftOutMalformed, 0);
        for (int i = 1; i <= 2; ++i) {
            EXPECT_EQ(table[i].name, expected[i].name);
            EXPECT_EQ(table[i].note, expected[i].note) << "no CR may stay in the last field";
            EXPECT_EQ(table[i].mag, expected[i].mag);
        }
    }
}

TEST(Reader, OverLongFileLoadsWhatFitsAndCountsTheRest) {
    std::string text(kHeader);
    for (int i = 1; i <= 2004; ++i) {
        text += starLine(i);
        if (i == 2002) {
            text += "broken,1\n"; // beyond the table, still counted as malformed
        }
    }
    std::vector<Star> table = freshTable();
    const CatalogueReport report = readStarCatalogue(text, table);
    EXPECT_EQ(report.stored, kStarTableSize);
    EXPECT_EQ(report.starCount, 2000);
    EXPECT_EQ(report.leftOutOverflow, 4);
    EXPECT_EQ(report.leftOutMalformed, 1);
    EXPECT_EQ(table[2000].name, "S2000");
}

TEST(Reader, NeverWritesPastTheTable) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{3}}) {
        std::vector<Star> table = markedTable(size);
        std::string text(kHeader);
        for (int i = 1; i <= 9; ++i) {
            text += starLine(i);
        }
        const CatalogueReport report = readStarCatalogue(text, table);
        EXPECT_EQ(table.size(), size);
        EXPECT_EQ(report.stored, static_cast<int>(size));
        EXPECT_EQ(report.starCount, static_cast<int>(size) - 1);
        EXPECT_EQ(report.leftOutOverflow, 10 - static_cast<int>(size));
    }
}

TEST(Reader, ShorterLoadKeepsRecordsAboveTheNewCount) {
    std::vector<Star> table = markedTable();
    std::string longer(kHeader);
    for (int i = 1; i <= 5; ++i) {
        longer += starLine(i);
    }
    ASSERT_EQ(readStarCatalogue(longer, table).starCount, 5);
    const CatalogueReport report =
        readStarCatalogue(std::string(kHeader) + "New,1,2,3,4,0.5,x\n", table);
    EXPECT_EQ(report.starCount, 1);
    EXPECT_EQ(table[1].name, "New");
    EXPECT_EQ(table[2].name, "S2");
    EXPECT_EQ(table[5].name, "S5");
    EXPECT_EQ(table[6].name, "old 6");
}

TEST(Reader, BinaryBytesAreTextThatIsNotNumbers) {
    std::vector<Star> table = freshTable();
    const std::string withNul = std::string(kHeader) +
                                std::string("N\0ul\xFF\xFE,1,2,3,4,5,x\n", 19) +
                                std::string("B,1,2\0,3,4,5,x\n", 15);
    const CatalogueReport report = readStarCatalogue(withNul, table);
    EXPECT_EQ(report.starCount, 1) << "a NUL in a text field is kept";
    EXPECT_EQ(table[1].name, std::string("N\0ul\xFF\xFE", 6));
    EXPECT_EQ(report.leftOutMalformed, 1) << "a NUL in a number field is not a number";

    // Random bytes, rich in separators: every record is accounted for once, never more.
    std::mt19937 random(20240601U);
    const std::string alphabet = std::string("\0\r\n,\" 1.-e", 10) + "\xC3\xFF" + "abc";
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 3000, '\0');
        for (char& b : bytes) {
            b = (random() % 2 == 0) ? alphabet[random() % alphabet.size()]
                                    : static_cast<char>(random() % 256);
        }
        std::vector<Star> scratch = markedTable();
        const CatalogueReport r = readStarCatalogue(bytes, scratch);
        const auto lines = std::count(bytes.begin(), bytes.end(), '\n') +
                           std::count(bytes.begin(), bytes.end(), '\r') + 1;
        ASSERT_EQ(r.starCount, r.stored - 1);
        ASSERT_LE(r.stored + r.leftOutMalformed + r.leftOutOverflow, lines);
        ASSERT_EQ(r.leftOutOverflow, 0);
        ASSERT_EQ(scratch[static_cast<std::size_t>(r.stored)].name,
                  "old " + std::to_string(r.stored));
    }
}

struct DescribeCase {
    CatalogueReport report;
    std::string expected;
};

TEST(Describe, NamesTheFileAndWhatWasLeftOut) {
    const DescribeCase cases[] = {
        {{5, 6, 0, 0, {}}, ""},
        {{5, 6, 1, 0, {}},
         "vantor.csv: 1 record was left out because it was incomplete or not a number."},
        {{5, 6, 3, 0, {}},
         "vantor.csv: 3 records were left out because they were incomplete or not numbers."},
        {{2000, 2001, 0, 12, {}},
         "vantor.csv holds more than 2001 records; the first 2001 were loaded and 12 were left "
         "out."},
        {{2000, 2001, 2, 1, {}},
         "vantor.csv holds more than 2001 records; the first 2001 were loaded and 1 was left out. "
         "2 more records were left out because they were incomplete or not numbers."},
    };
    for (const DescribeCase& c : cases) {
        EXPECT_EQ(describe(c.report, "vantor.csv"), c.expected);
    }
}

TEST(Describe, SaysWhenAFileHoldsNoStars) {
    for (const std::string& text : {std::string(), std::string(kHeader), std::string("\n \r\n")}) {
        std::vector<Star> table = freshTable();
        EXPECT_EQ(describe(readStarCatalogue(text, table), "vantor.csv"),
                  "vantor.csv holds no stars.");
    }
}

// The first few records left out are named by line and reason, each on a line of its own.
TEST(Describe, NamesTheFirstLeftOutLines) {
    std::vector<Star> table = freshTable();
    const std::string text = std::string(kHeader) + "A,1,2,3,4,5,x\r\nB,1,2,3,4,5,x,y\r\n\r\n" +
                             "C,abc,2,3,4,5,x\rD,1,2,3,4,,x\nE,1\n\"F,1,2,3,4,5,x\n";
    const CatalogueReport report = readStarCatalogue(text, table);
    EXPECT_EQ(describe(report, "vantor.csv"),
              "vantor.csv: 5 records were left out because they were incomplete or not numbers."
              "\r\nline 3: 8 fields, a record has 7\r\nline 5: 'abc' is not a number"
              "\r\nline 6: a number is missing\r\n...");
}

// Spreadsheets save "Unicode text" as UTF-16 with a byte order mark: it reads as its UTF-8.
TEST(Reader, ReadsUtf16WithItsByteOrderMark) {
    const std::u16string text = u"h,a,b,c,d,e,f\r\n\u00C9toile \U0001F31F,1.5,2,3,4,5,HR 7\n";
    std::vector<Star> expected = freshTable();
    ASSERT_EQ(readStarCatalogue(
                  "h,a,b,c,d,e,f\r\n\xC3\x89toile \xF0\x9F\x8C\x9F,1.5,2,3,4,5,HR 7\n", expected)
                  .starCount,
              1);
    for (const bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            const char hi = static_cast<char>(unit >> 8U);
            const char lo = static_cast<char>(unit & 0xFFU);
            bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        std::vector<Star> table = freshTable();
        const CatalogueReport report = readStarCatalogue(bytes, table);
        EXPECT_EQ(report.starCount, 1);
        EXPECT_EQ(report.leftOutMalformed, 0);
        EXPECT_EQ(table[1].name, expected[1].name);
        EXPECT_EQ(table[1].note, expected[1].note);
        EXPECT_EQ(table[1].ra, expected[1].ra);
    }
}

class LoadFile : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vantor-catalogue-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

TEST_F(LoadFile, FailureNamesTheFileAndLeavesTheTableUnchanged) {
    struct Case {
        std::filesystem::path path;
        std::string reason;
    };
    const Case cases[] = {
        {dir_ / "vantor.csv",
         "Cannot open " + (dir_ / "vantor.csv").string() + ": No such file or directory"},
        {dir_, "Cannot open " + dir_.string() + ": Is a directory"},
        {"/dev/zero",
         "Cannot load /dev/zero: it is not a plain file (a named pipe, a device or a socket)."},
        {dir_ / "pipe.csv", "Cannot load " + (dir_ / "pipe.csv").string() +
                                ": it is not a plain file (a named pipe, a device or a socket)."},
    };
    // A named pipe with no writer: opening it must not wait for one.
    ASSERT_EQ(::mkfifo((dir_ / "pipe.csv").c_str(), 0600), 0);
    for (const Case& c : cases) {
        std::vector<Star> table = markedTable();
        const auto result = loadStarFile(c.path, table);
        ASSERT_TRUE(std::holds_alternative<CatalogueError>(result)) << c.path;
        EXPECT_EQ(std::get<CatalogueError>(result).message, c.reason);
        for (std::size_t i = 0; i < table.size(); ++i) {
            ASSERT_EQ(table[i].name, "old " + std::to_string(i));
        }
    }
}

TEST_F(LoadFile, ReadsAFileIntoTheTable) {
    const std::filesystem::path path = dir_ / "vantor.csv";
    std::ofstream(path, std::ios::binary) << kHeader << "A,1,2,3,4,0.5,x\nB,1\n";
    std::vector<Star> table = markedTable();
    const auto result = loadStarFile(path, table);
    ASSERT_TRUE(std::holds_alternative<CatalogueReport>(result));
    const CatalogueReport& report = std::get<CatalogueReport>(result);
    EXPECT_EQ(report.starCount, 1);
    EXPECT_EQ(report.leftOutMalformed, 1);
    EXPECT_EQ(table.size(), static_cast<std::size_t>(kStarTableSize));
    EXPECT_EQ(table[1].name, "A");
    EXPECT_EQ(table[2].name, "old 2");
}

// The kept catalogue gives what reading the file gives, over a table that held other records,
// also once the file is gone: its records come from memory after the first load. A failed read
// is not kept.
TEST_F(LoadFile, AKeptCatalogueLoadsAsReadingTheFileDoes) {
    const std::filesystem::path path = dir_ / "vantor.csv";
    KeptCatalogue kept(path);
    std::vector<Star> table = markedTable();
    ASSERT_TRUE(std::holds_alternative<CatalogueError>(kept.load(table)));
    std::ofstream(path, std::ios::binary) << kHeader << starLine(1) << "B,1\n" << starLine(2);
    std::vector<Star> read = markedTable();
    const auto expected = std::get<CatalogueReport>(loadStarFile(path, read));
    const auto same = [](const Star& a, const Star& b) {
        return std::tie(a.name, a.eclLon, a.eclLat, a.ra, a.dec, a.mag, a.note) ==
               std::tie(b.name, b.eclLon, b.eclLat, b.ra, b.dec, b.mag, b.note);
    };
    for (int load = 0; load < 2; ++load) {
        table = markedTable();
        const auto result = kept.load(table);
        ASSERT_TRUE(std::holds_alternative<CatalogueReport>(result)) << load;
        const auto& report = std::get<CatalogueReport>(result);
        EXPECT_EQ(std::tie(report.stored, report.leftOutMalformed, report.firstLeftOut),
                  std::tie(expected.stored, expected.leftOutMalformed, expected.firstLeftOut));
        EXPECT_TRUE(std::equal(table.begin(), table.end(), read.begin(), read.end(), same));
        std::filesystem::remove(path);
    }
}

TEST(ShippedCatalogue, LoadsWholeWithPlausibleStars) {
    std::vector<Star> table = freshTable();
    const auto result = loadStarFile(VANTOR_DATA_DIR "/vantor.csv", table);
    ASSERT_TRUE(std::holds_alternative<CatalogueReport>(result))
        << std::get<CatalogueError>(result).message;
    const CatalogueReport& report = std::get<CatalogueReport>(result);
    EXPECT_EQ(report.stored, 2001);
    EXPECT_EQ(report.starCount, 2000);
    EXPECT_EQ(describe(report, "vantor.csv"), "");

    EXPECT_EQ(table[1].name, "Sirius");
    EXPECT_NEAR(table[1].eclLon, 104.08, 0.01);
    EXPECT_NEAR(table[1].eclLat, -39.61, 0.01);
    EXPECT_NEAR(table[1].mag, -1.46, 1e-6);
    for (int i = 1; i <= report.starCount; ++i) {
        const Star& s = table[static_cast<std::size_t>(i)];
        const Star& brighter = table[static_cast<std::size_t>(std::max(i - 1, 1))];
        ASSERT_TRUE(s.ra >= 0.0F && s.ra < 24.0F) << s.name;
        ASSERT_TRUE(s.dec >= -90.0F && s.dec <= 90.0F) << s.name;
        ASSERT_TRUE(s.eclLon >= 0.0F && s.eclLon < 360.0F) << s.name;
        ASSERT_TRUE(s.eclLat >= -90.0F && s.eclLat <= 90.0F) << s.name;
        ASSERT_LE(brighter.mag, s.mag) << "sorted by brightness";
        ASSERT_EQ(s.note.rfind("HR ", 0), 0U) << s.name;
    }
}

} // namespace
} // namespace vantor
