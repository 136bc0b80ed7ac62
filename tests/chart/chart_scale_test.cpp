#include "chart/chart_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

#include "history/kd_history.h"
#include "kd/int32_range.h"
#include "tests/support/edge_values.h"

void PrintTo(const ChartScale& scale, std::ostream* os) {
    *os << "{lowerBound " << scale.lowerBound << ", labelStep " << scale.labelStep
        << ", pixelsPerPoint " << scale.pixelsPerPoint << "}";
}

namespace {

struct ExtremesCase {
    std::int32_t top;
    std::int32_t bottom;
    ChartScale expected;
};

void PrintTo(const ExtremesCase& c, std::ostream* os) {
    *os << "top " << c.top << ", bottom " << c.bottom;
}

class ScaleFromExtremesTest : public testing::TestWithParam<ExtremesCase> {};

TEST_P(ScaleFromExtremesTest, ChoosesTheBand) {
    const ExtremesCase& c = GetParam();
    EXPECT_EQ(ScaleFromExtremes(c.top, c.bottom), c.expected)
        << "top " << c.top << ", bottom " << c.bottom;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ScaleFromExtremesTest,
    testing::Values(ExtremesCase{0, 0, {0, 1, 20}}, ExtremesCase{45, 45, {40, 1, 20}},
                    ExtremesCase{59, 50, {50, 1, 20}}, ExtremesCase{60, 50, {50, 2, 10}},
                    ExtremesCase{57, 43, {40, 2, 10}}, ExtremesCase{99, 89, {80, 2, 10}},
                    ExtremesCase{60, 40, {40, 5, 4}}, ExtremesCase{35, 15, {10, 5, 4}},
                    ExtremesCase{73, 52, {50, 5, 4}}, ExtremesCase{99, 70, {70, 5, 4}},
                    ExtremesCase{100, 90, {90, 1, 20}}, ExtremesCase{100, 100, {100, 1, 20}},
                    ExtremesCase{73, 28, {0, 10, 2}}, ExtremesCase{100, 0, {0, 10, 2}}));

// Division by 10 truncates toward zero, so negative extremes move toward zero.
INSTANTIATE_TEST_SUITE_P(
    NegativeExtremes, ScaleFromExtremesTest,
    testing::Values(ExtremesCase{5, -5, {0, 1, 20}}, ExtremesCase{5, -15, {-10, 2, 10}},
                    ExtremesCase{-5, -5, {0, 1, 20}}, ExtremesCase{-5, -15, {-10, 2, 10}},
                    ExtremesCase{-15, -45, {-40, 5, 4}}, ExtremesCase{-15, -55, {-50, 5, 4}},
                    ExtremesCase{-15, -65, {0, 10, 2}}));

INSTANTIATE_TEST_SUITE_P(
    Int32Limits, ScaleFromExtremesTest,
    testing::Values(
        // The upper bound passes int32 before the cap and must still end at 100.
        ExtremesCase{2147483640, 0, {0, 10, 2}}, ExtremesCase{kInt32Max, 90, {90, 1, 20}},
        ExtremesCase{kInt32Max, 60, {60, 5, 4}}, ExtremesCase{kInt32Max, kInt32Min, {0, 10, 2}},
        // What the x86 conversion of a NaN extreme leads to.
        ExtremesCase{kInt32Min, kInt32Min, {-2147483640, 1, 20}},
        // A bottom far above the top still takes the narrowest band, moved down to fit.
        ExtremesCase{kInt32Min, kInt32Max, {2147483630, 1, 20}}));

// Whatever the pair, the ten bands span 200 pixels and the top label fits in 32 bits.
TEST(ScaleFromExtremes, KeepsItsInvariantsForEveryPair) {
    const std::vector<std::int32_t> extremes{
        kInt32Min,  kInt32Min + 9, -2147483640, -1000,    -15, -5, 0, 9, 10, 55, 99, 100, 101, 1000,
        2147483630, kInt32Max - 9, 2147483640,  kInt32Max};
    for (const std::int32_t top : extremes) {
        for (const std::int32_t bottom : extremes) {
            const ChartScale scale = ScaleFromExtremes(top, bottom);
            ASSERT_EQ(scale.labelStep * scale.pixelsPerPoint, 20) << top << ", " << bottom;
            ASSERT_EQ(scale.lowerBound % 10, 0) << top << ", " << bottom;
            ASSERT_LE(std::int64_t{scale.lowerBound} + 10 * std::int64_t{scale.labelStep},
                      kInt32Max)
                << top << ", " << bottom;
        }
    }
}

TEST(ScaleFromExtremes, MovesAScaleNearTheInt32MaximumDownUntilItsLabelsFit) {
    const ChartScale scale = ScaleFromExtremes(kInt32Max, kInt32Max);
    EXPECT_EQ(scale.labelStep, 1);
    EXPECT_EQ(scale.pixelsPerPoint, 20);
    // The highest multiple of 10 whose axis, ten points long, still ends within int32.
    EXPECT_LE(scale.lowerBound + std::int64_t{10}, kInt32Max);
    EXPECT_GT(scale.lowerBound + std::int64_t{20}, kInt32Max);
}

struct HistoryCase {
    const char* name;
    std::vector<double> values;
    ChartScale expected;
};

void PrintTo(const HistoryCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputeChartScaleTest : public testing::TestWithParam<HistoryCase> {};

TEST_P(ComputeChartScaleTest, TakesTheTruncatedExtremes) {
    EXPECT_EQ(ComputeChartScale(GetParam().values), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, ComputeChartScaleTest,
    testing::Values(
        HistoryCase{"SingleValue", {62.5}, {60, 1, 20}},
        // 59.99 truncates to 59 (upper 60), not 60 (upper 70).
        HistoryCase{"LargestIsTruncated", {50.0, 59.99}, {50, 1, 20}},
        // 49.99 truncates to 49 (lower bound 40), not 50.
        HistoryCase{"SmallestIsTruncated", {49.99, 55.0}, {40, 2, 10}},
        HistoryCase{"NewestIsLargest", {50.0, 52.0, 60.0}, {50, 2, 10}},
        HistoryCase{"OldestIsSmallest", {28.0, 73.0, 50.0}, {0, 10, 2}},
        HistoryCase{"SmallestInTheMiddle", {60.0, 40.0, 55.0}, {40, 5, 4}},
        HistoryCase{"AllOneHundred", {100.0, 100.0, 100.0}, {100, 1, 20}},
        HistoryCase{"NegativeBottomTowardZero", {-5.0, 5.0}, {0, 1, 20}},
        HistoryCase{"NegativeBottomBelowMinusTen", {-15.7, 5.0}, {-10, 2, 10}},
        HistoryCase{"AllNegative", {-5.9, -3.0}, {0, 1, 20}},
        HistoryCase{"NaNAfterTheOldestIsPassedOver", {55.0, kNaN}, {50, 1, 20}},
        HistoryCase{"NaNBetweenValues", {45.0, kNaN, 72.0}, {40, 5, 4}},
        // Not left to freeze both walks at a NaN candidate: the later values decide.
        HistoryCase{"NaNOldest", {kNaN, 55.0}, {50, 1, 20}},
        HistoryCase{"NaNOldestThenSpread", {kNaN, 45.0, 72.0}, {40, 5, 4}},
        HistoryCase{"InfinitiesLeftOut", {kInfinity, 55.0, -kInfinity}, {50, 1, 20}},
        HistoryCase{"BeyondInt32LeftOut", {2147483648.0, 55.0, -2147483649.0}, {50, 1, 20}},
        // The last values whose truncation still fits take part.
        HistoryCase{"LargestInt32Truncation", {2147483647.9, 55.0}, {50, 5, 4}},
        HistoryCase{"SmallestInt32Truncation", {-2147483648.9, 55.0}, {0, 10, 2}},
        HistoryCase{"NothingUsableGivesTheFullAxis", {kNaN, kInfinity, 3e10}, {0, 10, 2}},
        HistoryCase{"OnlyNaN", {kNaN}, {0, 10, 2}}),
    [](const testing::TestParamInfo<HistoryCase>& testCase) { return testCase.param.name; });

}  // namespace
