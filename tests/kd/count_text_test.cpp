#include "kd/count_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CountCase {
    const char* text;
    std::int32_t expected;
};

class ParseCountTextTest : public testing::TestWithParam<CountCase> {};

TEST_P(ParseCountTextTest, ScansAsPercentDWouldWithClamping) {
    EXPECT_EQ(ParseCountText(GetParam().text), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    FieldTexts, ParseCountTextTest,
    testing::Values(CountCase{"", 0}, CountCase{"0", 0}, CountCase{"007", 7}, CountCase{" 12", 12},
                    CountCase{"12abc", 12}, CountCase{"abc", 0}, CountCase{"-", 0},
                    CountCase{"-3", -3}, CountCase{"+7", 7}, CountCase{"2147483647", 2147483647},
                    CountCase{" \t\n\v\f\r9", 9}, CountCase{"+-1", 0}, CountCase{"- 1", 0},
                    CountCase{"1 2", 1}, CountCase{"\xef\xbc\x91", 0},
                    CountCase{"00000000000000000000000000042", 42}));

// Beyond the 32-bit range the count is clamped, never wrapped.
INSTANTIATE_TEST_SUITE_P(OutOfRange, ParseCountTextTest,
                         testing::Values(CountCase{"2147483648", 2147483647},
                                         CountCase{"99999999999", 2147483647},
                                         CountCase{"-2147483648", -2147483647 - 1},
                                         CountCase{"-2147483649", -2147483647 - 1},
                                         CountCase{"-99999999999999999999999999", -2147483647 - 1},
                                         CountCase{"18446744073709551617", 2147483647}));

}  // namespace
