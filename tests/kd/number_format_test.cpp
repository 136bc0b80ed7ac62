#include "kd/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct FixedCase {
    double value;
    int decimals;
    const char* expected;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, WritesSeventeenDigitsThenRoundsHalvesUp) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected)
        << "value " << c.value << " with " << c.decimals << " decimals";
}

INSTANTIATE_TEST_SUITE_P(Halves, FormatFixedTest,
                         testing::Values(FixedCase{12.5, 0, "13"}, FixedCase{0.5, 0, "1"},
                                         FixedCase{1.5, 0, "2"}, FixedCase{2.5, 0, "3"},
                                         FixedCase{99.5, 0, "100"}, FixedCase{1.5625, 3, "1.563"},
                                         FixedCase{0.125, 2, "0.13"}, FixedCase{-12.5, 0, "-13"},
                                         FixedCase{-1.5625, 3, "-1.563"}));

// The exact value decides nothing on its own: its 17-digit text is what gets cut.
INSTANTIATE_TEST_SUITE_P(
    SeventeenDigitText, FormatFixedTest,
    testing::Values(
        // 57.499999999999992894...: 17 digits 57.499999999999993, cut to 57 and 57.500.
        FixedCase{57.49999999999999, 0, "57"}, FixedCase{57.49999999999999, 3, "57.500"},
        FixedCase{14.499999999999998, 0, "14"}, FixedCase{14.499999999999998, 3, "14.500"},
        // 0.99950000000000005...: the next digit after the third place is a 5.
        FixedCase{0.9995, 3, "1.000"},
        // 99.999499999999997...: the digit after the third place is a 4.
        FixedCase{99.9995, 3, "99.999"},
        // 1000000000000000.25 is a tie at the 17th digit, which rounds up: ...0003.
        FixedCase{1000000000000000.25, 3, "1000000000000000.300"},
        FixedCase{1000000000000000.25, 0, "1000000000000000"},
        FixedCase{66.66666666666667, 3, "66.667"}, FixedCase{68.51749028317601, 3, "68.517"},
        FixedCase{51.375, 3, "51.375"}, FixedCase{9.090909090909092, 0, "9"},
        FixedCase{9.090909090909092, 3, "9.091"}));

INSTANTIATE_TEST_SUITE_P(
    ZeroLargeAndTiny, FormatFixedTest,
    testing::Values(FixedCase{0.0, 0, "0"}, FixedCase{0.0, 3, "0.000"},
                    FixedCase{-0.0, 3, "-0.000"}, FixedCase{100.0, 0, "100"},
                    FixedCase{100.0, 3, "100.000"}, FixedCase{0.001, 3, "0.001"},
                    FixedCase{0.0005, 3, "0.001"}, FixedCase{0.0004999, 3, "0.000"},
                    FixedCase{4.9e-324, 3, "0.000"}, FixedCase{2.2250738585072014e-308, 0, "0"},
                    FixedCase{123456789012.0, 3, "123456789012.000"},
                    FixedCase{4294967296.5, 0, "4294967297"},
                    FixedCase{9007199254740993.0, 0, "9007199254740992"}));

TEST(FormatFixed, LargeValuesShowSeventeenDigitsThenZeros) {
    // 1e300 is 1.00000000000000005250...e300: its 17th digit rounds up.
    EXPECT_EQ(FormatFixed(1e300, 3), "10000000000000001" + std::string(284, '0') + ".000");
    EXPECT_EQ(FormatFixed(DBL_MAX, 0), "17976931348623157" + std::string(292, '0'));
    EXPECT_EQ(FormatFixed(-1e20, 0), "-100000000000000000000");
    // 2^70 = 1180591620717411303424; 17 digits 11805916207174113, the rest zeros.
    EXPECT_EQ(FormatFixed(std::ldexp(1.0, 70), 0), "1180591620717411300000");
}

TEST(FormatFixed, NotANumberAndInfinityHaveTextsOfTheirOwn) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 0), kNotANumberText);
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::quiet_NaN(), 3), kNotANumberText);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 3), "inf");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 0), "-inf");
}

TEST(FormatInteger, WritesSignedDecimal) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(-40), "-40");
    EXPECT_EQ(FormatInteger(1290000001), "1290000001");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(FormatInteger(427349000000), "427349000000");
}

}  // namespace
