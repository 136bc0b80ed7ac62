#include "history/kd_history.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "tests/support/edge_values.h"
#include "tests/support/random_histories.h"

namespace {

std::vector<std::uint64_t> BitsOfAll(std::span<const double> values) {
    std::vector<std::uint64_t> bits;
    for (const double value : values) {
        bits.push_back(BitsOf(value));
    }
    return bits;
}

TEST(KdHistory, GrowsByHalfItsCapacity) {
    KdHistory history;
    std::vector<std::uint32_t> capacities;
    std::vector<std::uint32_t> allocatingAppends;
    for (std::uint32_t append = 1; append <= 142; ++append) {
        const std::uint32_t before = history.Capacity();
        history.Append(append);
        if (history.Capacity() != before) {
            capacities.push_back(history.Capacity());
            allocatingAppends.push_back(append);
        }
    }
    EXPECT_EQ(capacities,
              (std::vector<std::uint32_t>{1, 2, 3, 4, 6, 9, 13, 19, 28, 42, 63, 94, 141, 211}));
    EXPECT_EQ(allocatingAppends,
              (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 7, 10, 14, 20, 29, 43, 64, 95, 142}));
    for (std::uint32_t position = 0; position < history.Count(); ++position) {
        ASSERT_EQ(history.At(position), position + 1.0);
    }
}

TEST(KdHistory, AtTheLimitRaisesALengthErrorAndKeepsTheList) {
    KdHistory history(10);
    std::vector<std::uint32_t> capacities;
    for (int i = 0; i < 10; ++i) {
        history.Append(i);
        capacities.push_back(history.Capacity());
    }
    // 9 + 9 / 2 would pass the limit of 10, so the needed capacity is taken instead.
    EXPECT_EQ(capacities, (std::vector<std::uint32_t>{1, 2, 3, 4, 6, 6, 9, 9, 9, 10}));
    try {
        history.Append(99.0);
        FAIL() << "appending beyond the limit must throw";
    } catch (const std::length_error& error) {
        EXPECT_STREQ(error.what(), "vector<T> too long");
    }
    EXPECT_EQ(history.Count(), 10U);
    EXPECT_EQ(history.At(9), 9.0);
    EXPECT_EQ(history.Capacity(), 10U);
}

// Appending several values at once is appending them one by one, down to the capacity, from
// any history and at the limit, where nothing of them is appended.
TEST(KdHistory, AppendingSeveralIsAppendingEachInTurn) {
    struct Case {
        std::uint32_t limit;
        std::uint32_t before;  // values already held
        std::uint32_t appended;
    };
    for (const Case c : {Case{100, 0, 0}, Case{100, 0, 1}, Case{100, 0, 2}, Case{100, 0, 3},
                         Case{100, 4, 38}, Case{100, 5, 95}, Case{10, 3, 7}, Case{10, 9, 1}}) {
        std::vector<double> values;
        for (std::uint32_t i = 0; i < c.before + c.appended; ++i) {
            values.push_back(i * 1.5);
        }
        const std::span<const double> appended = std::span(values).subspan(c.before);
        KdHistory eachInTurn(c.limit);
        KdHistory atOnce(c.limit);
        for (const double value : values) {
            eachInTurn.Append(value);
        }
        for (const double value : std::span(values).first(c.before)) {
            atOnce.Append(value);
        }
        atOnce.Append(appended);
        ASSERT_EQ(BitsOfAll(atOnce.Values()), BitsOfAll(eachInTurn.Values()))
            << c.before << " + " << c.appended;
        EXPECT_EQ(atOnce.Capacity(), eachInTurn.Capacity()) << c.before << " + " << c.appended;

        const std::uint32_t capacity = atOnce.Capacity();
        EXPECT_THROW(atOnce.Append(std::vector<double>(c.limit - c.before - c.appended + 1, 7.0)),
                     std::length_error);
        EXPECT_EQ(BitsOfAll(atOnce.Values()), BitsOfAll(eachInTurn.Values()));
        EXPECT_EQ(atOnce.Capacity(), capacity);
    }
}

TEST(KdHistory, AverageSumsOldestToNewest) {
    KdHistory history;
    EXPECT_TRUE(std::isnan(history.Average()));
    for (const double value : {55.0, 57.5, 60.0}) {
        history.Append(value);
    }
    EXPECT_EQ(history.Average(), 57.5);

    // Summation order shows: (1e16 + 1) + 1 loses both ones, 1 + 1 + 1e16 keeps them.
    EXPECT_EQ(AverageOf(std::vector<double>{1e16, 1.0, 1.0}), 1e16 / 3.0);
    EXPECT_EQ(AverageOf(std::vector<double>{1.0, 1.0, 1e16}), (2.0 + 1e16) / 3.0);

    history.Append(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(std::isnan(history.Average()));
}

TEST(KdHistory, RemoveLastAndClearKeepTheStorage) {
    KdHistory history;
    history.RemoveLast();
    EXPECT_EQ(history.Count(), 0U);

    for (int i = 0; i < 5; ++i) {
        history.Append(i);
    }
    history.Append(40.0);
    history.RemoveLast();
    EXPECT_EQ(history.Count(), 5U);
    EXPECT_EQ(history.At(4), 4.0);

    const std::uint32_t capacity = history.Capacity();
    history.Clear();
    EXPECT_EQ(history.Count(), 0U);
    for (std::uint32_t i = 0; i < capacity; ++i) {
        history.Append(1.0);
    }
    EXPECT_EQ(history.Capacity(), capacity);
}

}  // namespace
