#include "history/data_file_format.h"
#include "tests/support/example_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ComposeDataFile, WritesTheExampleByteForByte) {
    const std::vector<double> earlier{55.0, 57.5};
    EXPECT_EQ(ComposeDataFile("Taro", "Alpha", earlier, 12, 8, 60.0), kExampleDataFile);
}

TEST(ComposeDataFile, StoresThreeDecimalsAndTheNameWhole) {
    const std::string file = ComposeDataFile("Two Words ", "　Clan", {}, 2, 1, 200.0 / 3.0);
    EXPECT_EQ(file,
              "[Info Of You]\r\nNAME = Two Words \r\nCLAN = 　Clan\r\n"
              "K = 2 D = 1 K/D = 66.667\r\n");
}

TEST(ParseDataFile, ReadsTheExampleBack) {
    const std::optional<DataFileContents> contents = ParseDataFile(kExampleDataFile);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->name, "Taro");
    EXPECT_EQ(contents->clan, "Alpha");
    EXPECT_EQ(contents->values, (std::vector<double>{55.0, 57.5, 60.0}));
    EXPECT_EQ(contents->kills, 12);
    EXPECT_EQ(contents->deaths, 8);
}

TEST(ParseDataFile, NamesAndClansComeBackWhole) {
    // A full-width space (code page 932 bytes 81 40) is no white space to the reader either.
    for (const std::string& name :
         std::vector<std::string>{"Two Words", "  leading", "trailing  ", "全角　空白",
                                  std::string(300, 'n'), "tab\tinside"}) {
        const std::string file = ComposeDataFile(name, name + "!", {}, 1, 1, 50.0);
        const std::optional<DataFileContents> contents = ParseDataFile(file);
        ASSERT_TRUE(contents.has_value());
        EXPECT_EQ(contents->name, name);
        EXPECT_EQ(contents->clan, name + "!");
    }
}

struct LineCase {
    const char* description;
    std::string file;
    std::string name;
    std::string clan;
    std::vector<double> values;
    std::optional<std::int32_t> kills;
    std::optional<std::int32_t> deaths;
};

class ParseDataFileTest : public testing::TestWithParam<LineCase> {};

TEST_P(ParseDataFileTest, ReadsWhatItCan) {
    const LineCase& c = GetParam();
    const std::optional<DataFileContents> contents = ParseDataFile(c.file);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->name, c.name);
    EXPECT_EQ(contents->clan, c.clan);
    EXPECT_EQ(contents->values, c.values);
    EXPECT_EQ(contents->kills, c.kills);
    EXPECT_EQ(contents->deaths, c.deaths);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseDataFileTest,
    testing::Values(
        LineCase{"bare line feeds",
                 "[Info Of You]\nNAME = A\nCLAN = B\nK = 1 D = 2 K/D = 33.333\n",
                 "A",
                 "B",
                 {33.333},
                 1,
                 2},
        LineCase{"carriage returns alone",
                 "[Info Of You]\rNAME = A\rCLAN = B\rK = 1 D = 2 K/D = 33.333\r",
                 "A",
                 "B",
                 {33.333},
                 1,
                 2},
        LineCase{"carriage returns with one stray line feed, alone or after a CR",
                 "[Info Of You]\rNAME = A\nCLAN = B\r\r\nK = 1 D = 2 K/D = 33.333\r"
                 "K = 3 D = 4 K/D = 42\r",
                 "A",
                 "B",
                 {33.333, 42.0},
                 3,
                 4},
        LineCase{"line ends doubled by a second text-mode write, and mixed",
                 "[Info Of You]\r\r\nNAME = A\r\r\nCLAN = B\nK = 1 D = 2 K/D = 33.333\r\r\n"
                 "K = 3 D = 4 K/D = 42\r\n",
                 "A",
                 "B",
                 {33.333, 42.0},
                 3,
                 4},
        LineCase{"a carriage return inside a line is part of it where line feeds end lines",
                 "[Info Of You]\r\nNAME = Ta\rro\r\nCLAN = \rB\n"
                 "K = 1 D = 2 K/D = 3\rK = 4 D = 5 K/D = 6\r\n",
                 "Ta\rro",
                 "\rB",
                 {3.0},
                 1,
                 2},
        LineCase{
            "other spacing", "x\nNAME=A\nCLAN   =    B\nK=3 D=1 K/D=75", "A", "B", {75.0}, 3, 1},
        LineCase{"header with its line break only", "[Info Of You]\r\n", "", "", {}, {}, {}},
        LineCase{"empty file", "", "", "", {}, {}, {}},
        LineCase{"a long first line is skipped whole",
                 std::string(100, '#') + "\nNAME = A\nCLAN = B\n",
                 "A",
                 "B",
                 {},
                 {},
                 {}},
        LineCase{"missing name and clan lines",
                 "h\nFOO = x\n\nK = 1 D = 1 K/D = 50",
                 "",
                 "",
                 {50.0},
                 1,
                 1},
        LineCase{"a line without a value adds none",
                 "h\nNAME = A\nCLAN = B\nK = 0 D = 0 K/D = 40\nK = 5 D = 6\nbroken\n"
                 "K = 0 D = 0 K/D = 60\n",
                 "A",
                 "B",
                 {40.0, 60.0},
                 0,
                 0},
        LineCase{"counts of the last line that carries them",
                 "h\nNAME = A\nCLAN = B\nK = 7 D = 8 K/D = 46\nK = 9 K/D = 1\n",
                 "A",
                 "B",
                 {46.0},
                 9,
                 8},
        LineCase{"values that are not finite are skipped",
                 "h\nNAME = A\nCLAN = B\nK = 0 D = 0 K/D = nan\nK = 0 D = 0 K/D = inf\n"
                 "K = 0 D = 0 K/D = 1e309\nK = 1 D = 1 K/D = 1e300\n",
                 "A",
                 "B",
                 {1e300},
                 1,
                 1},
        LineCase{"a NUL byte ends its line, and a CR before it is part of the line break",
                 std::string("h\nNAME = Ta\0ro\nCLAN = B\r\0\n", 25),
                 "Ta",
                 "B",
                 {},
                 {},
                 {}},
        LineCase{"lines that leave the written form partway are scanned like any other",
                 "h\nNAME = A\nCLAN = B\r\nK = 1 D = 2 K/D = 7.5K = 1 D = 1 K/D = 2\r\n"
                 "K =  3 D = 4 K/D =  8\r\nK = 5 D = 6 K/D = 9\r\r\n"
                 "K = 7 D = 8 K/D = 10\rK = 9 D = 9 K/D = x\r\n",
                 "A",
                 "B",
                 {7.5, 8.0, 9.0, 10.0},
                 7,
                 8},
        LineCase{"a scan never runs past the end of its line",
                 "h\nNAME = A\nCLAN = B\nK = \r\n5 D = 6 K/D = 9\r\nK = 1 D = 2 K/D = \r\n50\r\n",
                 "A",
                 "B",
                 {},
                 1,
                 2},
        LineCase{
            "a NUL byte ends a history line too",
            std::string(
                "h\nNAME = A\nCLAN = B\nK = 1 D = 2 K/D = 5\0 1\r\nK = 3 D = 4\0 K/D = 6\r\n", 66),
            "A",
            "B",
            {5.0},
            3,
            4},
        LineCase{"counts beyond 32 bits are clamped",
                 "h\nNAME = A\nCLAN = B\nK = 99999999999 D = -2147483649 K/D = 5\n",
                 "A",
                 "B",
                 {5.0},
                 2147483647,
                 -2147483647 - 1}));

TEST(ParseDataFile, TheHeaderAloneWithoutALineBreakGivesNothing) {
    EXPECT_FALSE(ParseDataFile("[Info Of You]").has_value());
}

TEST(ParseDataFile, ReadsHundredsOfThousandsOfLines) {
    std::string file = "[Info Of You]\r\nNAME = A\r\nCLAN = B\r\n";
    for (int i = 0; i < 300000; ++i) {
        file += "K = 0 D = 0 K/D = 12.500\r\n";
    }
    file += "K = 4 D = 5 K/D = 44.444\r\n";
    const std::optional<DataFileContents> contents = ParseDataFile(file);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(contents->values.size(), 300001U);
    EXPECT_EQ(contents->values.back(), 44.444);
    EXPECT_EQ(contents->kills, 4);
}

}  // namespace
