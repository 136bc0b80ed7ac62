#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>

// The arithmetic mean as the program computes it: summed from the oldest value to the newest,
// then divided by the count. An empty list gives NaN.
double AverageOf(std::span<const double> values);

// The largest and smallest of the values whose truncation toward zero is an int32 (the chart's
// scale is made of them), as a walk from the oldest value to the newest finds them: a value
// replaces a candidate only when strictly greater (smaller), so the earliest of ties stays.
struct TruncatableExtremes {
    double largest;
    double smallest;
};

// NaN, infinities and values beyond the int32 range are passed over.
std::optional<TruncatableExtremes> TruncatableExtremesOf(std::span<const double> values);

// The ordered list of K/D percentages, oldest first. Storage grows by half its capacity
// (1, 2, 3, 4, 6, 9, 13, 19, ...) and never shrinks.
//
// The sum and the extremes are kept as values come and go, so that the average and the chart's
// scale never read the list again: an Append adds to them, and a RemoveLast after an Append
// restores what they were before it (a lent value costs nothing). Only a RemoveLast of a value
// that an earlier RemoveLast left newest reads the remaining values again.
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

    // The same double as AverageOf(Values()).
    [[nodiscard]] double Average() const { return all_.sum / static_cast<double>(count_); }
    // The same as TruncatableExtremesOf(Values()).
    [[nodiscard]] const std::optional<TruncatableExtremes>& Extremes() const {
        return all_.extremes;
    }
    // Stands for the values before the newest, exactly: two histories of this process give the
    // same identity only while those values are the same, in the same order. Lending a value
    // and taking it back leaves it as it was; removing or replacing any of them changes it.
    [[nodiscard]] std::uint64_t OlderValuesIdentity() const { return allButNewest_.identity; }

    [[nodiscard]] std::uint32_t Count() const { return count_; }
    [[nodiscard]] std::uint32_t Capacity() const { return capacity_; }
    [[nodiscard]] double At(std::uint32_t position) const { return Values()[position]; }
    [[nodiscard]] std::span<const double> Values() const { return {values_.get(), count_}; }

private:
    // What is kept of the values up to some count.
    struct Summary {
        double sum = 0.0;
        std::optional<TruncatableExtremes> extremes;
        std::uint64_t identity = 0;  // 0 stands for no values at all

        [[nodiscard]] Summary With(std::span<const double> values) const;
        static Summary Of(std::span<const double> values);
    };

    [[nodiscard]] std::uint32_t CapacityFor(std::uint32_t count) const;
    void MakeRoomFor(std::size_t more);

    std::unique_ptr<double[]> values_;
    std::uint32_t count_ = 0;
    std::uint32_t capacity_ = 0;
    std::uint32_t maxCount_;
    Summary all_;                             // of every value
    Summary allButNewest_;                    // of every value but the newest
    std::optional<Summary> allButTwoNewest_;  // none right after a RemoveLast
};

// Lends `value` to the history as its newest value while `use` runs: the average and the chart
// then count it. It is taken back however `use` ends, so a lent value never stays behind; when
// the history has no room for it, Append throws and nothing is lent.
template <class Use>
void LendNewestValue(KdHistory& history, double value, const Use& use) {
    history.Append(value);
    const std::unique_ptr<KdHistory, void (*)(KdHistory*)> takeBack(
        &history, [](KdHistory* lentTo) { lentTo->RemoveLast(); });
    use(std::as_const(history));
}
