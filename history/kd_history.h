#pragma once

#include <cstdint>
#include <memory>
#include <span>

// The arithmetic mean as the program computes it: summed from the oldest value to the newest,
// then divided by the count. No values give NaN.
double AverageOf(std::span<const double> values);

// The ordered list of saved K/D percentages, oldest first. Storage grows by half its capacity
// (1, 2, 3, 4, 6, 9, 13, 19, ...) and never shrinks.
class KdHistory {
public:
    // The largest count whose size in bytes fits in 32 bits.
    static constexpr std::uint32_t kMaxCount = 536'870'911;

    // `maxCount` is a seam for tests of the limit; the program uses the default.
    explicit KdHistory(std::uint32_t maxCount = kMaxCount) : maxCount_(maxCount) {}

    // Throws std::length_error("vector<T> too long") at the limit and std::bad_alloc when
    // growth fails; the list is unchanged in both cases.
    void Append(double value);
    // The values in order, as one Append each would leave the history (capacity included), but
    // with one allocation at most; on a throw nothing is appended. The values are not this
    // history's own.
    void Append(std::span<const double> values);
    void RemoveLast();  // does nothing on an empty list
    void Clear();       // keeps the storage

    [[nodiscard]] double Average() const { return AverageOf(Values()); }

    [[nodiscard]] std::uint32_t Count() const { return count_; }
    [[nodiscard]] std::uint32_t Capacity() const { return capacity_; }
    [[nodiscard]] double At(std::uint32_t position) const { return Values()[position]; }
    [[nodiscard]] std::span<const double> Values() const { return {values_.get(), count_}; }

private:
    [[nodiscard]] std::uint32_t CapacityFor(std::uint32_t count) const;
    void MakeRoomFor(std::size_t more);

    std::unique_ptr<double[]> values_;
    std::uint32_t count_ = 0;
    std::uint32_t capacity_ = 0;
    std::uint32_t maxCount_;
};
