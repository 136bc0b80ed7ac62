#include "kd/number_scan.h"
#include "tests/support/edge_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(ScanCount, ConsumesOnlyTheNumber) {
    std::size_t position = 0;
    EXPECT_EQ(ScanCount("  -45 D", position), -45);
    EXPECT_EQ(position, 5U);

    position = 2;
    EXPECT_FALSE(ScanCount("K = x", position).has_value());
    EXPECT_EQ(position, 2U);
}

struct DoubleCase {
    const char* text;
    double expected;
    std::size_t consumed;
};

class ScanDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ScanDoubleTest, ScansAsPercentLfWould) {
    const DoubleCase& c = GetParam();
    std::size_t position = 0;
    const std::optional<double> value = ScanDouble(c.text, position);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.expected) << c.text;
    EXPECT_EQ(std::signbit(*value), std::signbit(c.expected)) << c.text;
    EXPECT_EQ(position, c.consumed) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ScanDoubleTest,
    testing::Values(DoubleCase{"57.500", 57.5, 6}, DoubleCase{" 75", 75.0, 3},
                    DoubleCase{"\t+66.667\r", 66.667, 8}, DoubleCase{"-5", -5.0, 2},
                    DoubleCase{"-0.000", -0.0, 6}, DoubleCase{"1e300", 1e300, 5},
                    DoubleCase{"1.5E-3x", 0.0015, 6}, DoubleCase{".5", 0.5, 2},
                    DoubleCase{"7.", 7.0, 2}, DoubleCase{"12abc", 12.0, 2},
                    DoubleCase{"0.1", 0.1, 3},
                    // Correctly rounded: the nearest double to the decimal text.
                    DoubleCase{"57.49999999999999", 57.49999999999999, 17},
                    DoubleCase{"2.2250738585072011e-308", 2.2250738585072011e-308, 23}));

INSTANTIATE_TEST_SUITE_P(
    BeyondTheRange, ScanDoubleTest,
    testing::Values(DoubleCase{"1e309", kInfinity, 5}, DoubleCase{"-1e400", -kInfinity, 6},
                    DoubleCase{"1e-400", 0.0, 6}, DoubleCase{"-1e-400", -0.0, 7},
                    DoubleCase{"0.0000001e-320", 0.0, 14},
                    DoubleCase{"100000000000000000000e290", kInfinity, 25},
                    DoubleCase{"inf", kInfinity, 3}, DoubleCase{"-Infinity", -kInfinity, 9}));

TEST(ScanDouble, TakesNotANumberAndRefusesWhatIsNoNumber) {
    std::size_t position = 0;
    const std::optional<double> nan = ScanDouble(" nan", position);
    ASSERT_TRUE(nan.has_value());
    EXPECT_TRUE(std::isnan(*nan));

    for (const char* text : {"", " ", "x", "-", "+-1", "--1", ".", "e5", "K/D"}) {
        position = 0;
        EXPECT_FALSE(ScanDouble(text, position).has_value()) << '"' << text << '"';
        EXPECT_EQ(position, 0U) << '"' << text << '"';
    }
}

TEST(ScanLiteral, SkipsWhiteSpaceThenTakesTheLiteralExactly) {
    std::size_t position = 0;
    EXPECT_TRUE(ScanLiteral("  K/D = 1", position, "K/D"));
    EXPECT_EQ(position, 5U);
    EXPECT_TRUE(ScanLiteral("  K/D = 1", position, "="));
    EXPECT_EQ(position, 7U);
    EXPECT_FALSE(ScanLiteral("  K/D = 1", position, "K"));
    EXPECT_EQ(position, 7U);
    position = 0;
    EXPECT_FALSE(ScanLiteral("k = 1", position, "K"));
}

TEST(ScanToken, TakesOneRunOfNonWhiteSpace) {
    std::size_t position = 0;
    EXPECT_EQ(ScanToken(" \t\v\fTwo Words", position), "Two");
    EXPECT_EQ(position, 7U);
    // Bytes above 127 are never white space: a double-byte ideographic space stays in the token.
    position = 0;
    EXPECT_EQ(ScanToken("x\x81\x40y\r\n", position), "x\x81\x40y");

    position = 1;
    EXPECT_FALSE(ScanToken("a \r\n", position).has_value());
    EXPECT_EQ(position, 1U);
}

}  // namespace
