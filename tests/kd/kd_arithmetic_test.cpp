#include "kd/kd_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "tests/support/linear_searches.h"

namespace {

struct KdCase {
    std::int32_t kills;
    std::int32_t deaths;
    double percent;
    std::int32_t rounded;
    std::int64_t killsToNext;
    std::int64_t deathsToPrevious;
};

class KdArithmeticTest : public testing::TestWithParam<KdCase> {};

TEST_P(KdArithmeticTest, MatchesTheWorkedExample) {
    const KdCase& c = GetParam();
    EXPECT_EQ(KillPercent(c.kills, c.deaths), c.percent);
    EXPECT_EQ(RoundedPercent(c.kills, c.deaths), c.rounded);
    EXPECT_EQ(KillsToNextPoint(c.kills, c.deaths), c.killsToNext);
    EXPECT_EQ(DeathsToPreviousPoint(c.kills, c.deaths), c.deathsToPrevious);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, KdArithmeticTest,
    testing::Values(KdCase{10, 10, 50.0, 50, 1, 1}, KdCase{1, 0, 100.0, 100, 0, 0},
                    KdCase{0, 5, 0.0, 0, 0, 0}, KdCase{99, 1, 99.0, 99, 100, 1},
                    KdCase{1234, 567, 68.517490283176, 69, 59, 1},
                    KdCase{23, 17, 57.49999999999999, 57, 1, 1},
                    KdCase{29, 171, 14.499999999999998, 14, 1, 15}, KdCase{199, 1, 99.5, 100, 0, 0},
                    KdCase{1, 199, 0.5, 1, 3, 1}, KdCase{197, 3, 98.5, 99, 400, 1},
                    KdCase{1, 7, 12.5, 13, 1, 1}, KdCase{1, 1, 50.0, 50, 1, 1}));

TEST(KdArithmetic, BothCountsZeroGiveNotANumberAndNoSearch) {
    EXPECT_TRUE(std::isnan(KillPercent(0, 0)));
    EXPECT_EQ(KillsToNextPoint(0, 0), 0);
    EXPECT_EQ(DeathsToPreviousPoint(0, 0), 0);
}

TEST(KdArithmetic, QuotientIsRoundedBeforeTheMultiplication) {
    // 23 * 100 / 40 would be exactly 57.5 and round to 58.
    EXPECT_LT(KillPercent(23, 17), 57.5);
    EXPECT_EQ(RoundedPercent(23, 17), 57);
}

TEST(KdSearches, EqualTheLinearSearchForEveryPairUpToOneThousand) {
    for (std::int32_t kills = 0; kills <= 1000; ++kills) {
        for (std::int32_t deaths = 0; deaths <= 1000; ++deaths) {
            ASSERT_EQ(KillsToNextPoint(kills, deaths), LinearKillsToNextPoint(kills, deaths))
                << kills << " kills, " << deaths << " deaths";
            ASSERT_EQ(DeathsToPreviousPoint(kills, deaths),
                      LinearDeathsToPreviousPoint(kills, deaths))
                << kills << " kills, " << deaths << " deaths";
        }
    }
}

TEST(KdSearches, EqualTheLinearSearchForRandomPairsWithLargeResults) {
    // A fixed seed: the same pairs on every run and on both sides.
    std::mt19937 random(20261207);  // NOLINT(cert-msc32-c,cert-msc51-cpp)
    std::uniform_int_distribution<std::int32_t> deathsDistribution(1, 40000);
    std::uniform_int_distribution<std::int32_t> shareDistribution(1, 99);
    std::int64_t largest = 0;
    for (int i = 0; i < 100; ++i) {
        const std::int32_t deaths = deathsDistribution(random);
        // Kills chosen around a random share, so that every rounded percentage turns up; every
        // fifth pair near 99 %, where one more point takes millions of kills.
        const std::int32_t share = i % 5 == 0 ? 99 : shareDistribution(random);
        const auto kills = static_cast<std::int32_t>(
            static_cast<std::int64_t>(deaths) * share / (100 - share) + i % 7);
        const std::int64_t toNext = KillsToNextPoint(kills, deaths);
        ASSERT_EQ(toNext, LinearKillsToNextPoint(kills, deaths)) << kills << "/" << deaths;
        ASSERT_EQ(DeathsToPreviousPoint(kills, deaths), LinearDeathsToPreviousPoint(kills, deaths))
            << kills << "/" << deaths;
        largest = std::max(largest, toNext);
    }
    EXPECT_GT(largest, 1'000'000) << "the sample should reach results of millions";
}

TEST(KdSearches, LargePairAnswersWithoutStepping) {
    const std::int32_t kills = 10'000'000;
    const std::int32_t deaths = 700'000'000;
    const std::int64_t m = DeathsToPreviousPoint(kills, deaths);
    EXPECT_EQ(m, 1'290'000'001);
    EXPECT_EQ(LinearRounded(kills, deaths + m), 0);
    EXPECT_EQ(LinearRounded(kills, deaths + m - 1), 1);
    EXPECT_EQ(KillsToNextPoint(kills, deaths), LinearKillsToNextPoint(kills, deaths));
}

// The smallest n with (kills + n) / (kills + n + deaths) >= share in exact rational arithmetic,
// share = (target - 0.5) / 100. The double arithmetic may move the answer by one at a tie.
std::int64_t ExactKillsToReach(std::int64_t kills, std::int64_t deaths, std::int64_t target) {
    // 200 (kills + n) >= (2 target - 1) (kills + n + deaths)
    const std::int64_t a = 201 - 2 * target;  // (200 - (2 target - 1)) (kills + n) >= ...
    const std::int64_t rhs = (2 * target - 1) * deaths;
    const std::int64_t total = (rhs + a - 1) / a;  // smallest kills + n
    return total - kills;
}

TEST(KdSearches, CountsWhoseSumLeavesThirtyTwoBitsStayMathematicallyRight) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t kills;
        std::int32_t deaths;
    } pairs[] = {{max, max}, {max / 3, max}, {max, max / 60}, {1, max}, {max, 1}};
    for (const auto& pair : pairs) {
        const std::int64_t toNext = KillsToNextPoint(pair.kills, pair.deaths);
        const std::int32_t rounded = LinearRounded(pair.kills, pair.deaths);
        if (rounded >= 1 && rounded <= 99) {
            const std::int64_t exact = ExactKillsToReach(pair.kills, pair.deaths, rounded + 1);
            EXPECT_LE(std::llabs(toNext - exact), 1) << pair.kills << "/" << pair.deaths;
            EXPECT_GE(LinearRounded(pair.kills + toNext, pair.deaths), rounded + 1);
            EXPECT_LT(LinearRounded(pair.kills + toNext - 1, pair.deaths), rounded + 1);
            const std::int64_t toPrevious = DeathsToPreviousPoint(pair.kills, pair.deaths);
            EXPECT_LE(LinearRounded(pair.kills, pair.deaths + toPrevious), rounded - 1);
            EXPECT_GT(LinearRounded(pair.kills, pair.deaths + toPrevious - 1), rounded - 1);
        } else {
            EXPECT_EQ(toNext, 0);
        }
    }
}

TEST(KdSearches, NegativeCountsGiveNoSearch) {
    EXPECT_EQ(KillsToNextPoint(-1, -1), 0);
    EXPECT_EQ(DeathsToPreviousPoint(-1, -1), 0);
    EXPECT_EQ(KillsToNextPoint(-5, 10), 0);
    EXPECT_EQ(DeathsToPreviousPoint(10, -9), 0);
}

}  // namespace
