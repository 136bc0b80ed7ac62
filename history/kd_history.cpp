#include "history/kd_history.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "kd/int32_range.h"

namespace {

// Never the same twice in a process, and never 0.
std::uint64_t NewIdentity() {
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

double SumOf(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum;
}

// The extremes after one more value of the walk.
std::optional<TruncatableExtremes> WidenedBy(const std::optional<TruncatableExtremes>& extremes,
                                             double value) {
    // A NaN or an out-of-range value is skipped rather than taken as the first candidate: as the
    // oldest value it would otherwise win every comparison and freeze the extremes.
    if (!HasInt32Truncation(value)) {
        return extremes;
    }
    if (!extremes) {
        return TruncatableExtremes{value, value};
    }
    return TruncatableExtremes{value > extremes->largest ? value : extremes->largest,
                               value < extremes->smallest ? value : extremes->smallest};
}

}  // namespace

double AverageOf(std::span<const double> values) {
    return SumOf(values) / static_cast<double>(values.size());
}

std::optional<TruncatableExtremes> TruncatableExtremesOf(std::span<const double> values) {
    std::optional<TruncatableExtremes> extremes;
    for (const double value : values) {
        extremes = WidenedBy(extremes, value);
    }
    return extremes;
}

KdHistory::Summary KdHistory::Summary::With(std::span<const double> values) const {
    Summary after = *this;
    for (const double value : values) {
        after.sum += value;
        after.extremes = WidenedBy(after.extremes, value);
    }
    after.identity = NewIdentity();
    return after;
}

KdHistory::Summary KdHistory::Summary::Of(std::span<const double> values) {
    return values.empty() ? Summary{} : Summary{}.With(values);
}

// The capacity that growing one value at a time reaches for `count` values.
std::uint32_t KdHistory::CapacityFor(std::uint32_t count) const {
    std::uint32_t capacity = capacity_;
    while (capacity < count) {
        const std::uint32_t half = capacity / 2;
        // Half again would pass the limit: one more at a time from there.
        capacity = capacity > maxCount_ - half ? capacity + 1 : capacity + std::max(half, 1U);
    }
    return capacity;
}

void KdHistory::MakeRoomFor(std::size_t more) {
    if (more > maxCount_ - count_) {
        throw std::length_error("vector<T> too long");
    }
    const std::uint32_t capacity = CapacityFor(count_ + static_cast<std::uint32_t>(more));
    if (capacity == capacity_) {
        return;
    }
    auto values = std::make_unique_for_overwrite<double[]>(capacity);
    std::copy_n(values_.get(), count_, values.get());
    values_ = std::move(values);
    capacity_ = capacity;
}

void KdHistory::Append(double value) {
    MakeRoomFor(1);
    values_[count_] = value;
    ++count_;
    allButTwoNewest_ = allButNewest_;
    allButNewest_ = all_;
    all_ = all_.With({&value, 1});
}

void KdHistory::Append(std::span<const double> values) {
    MakeRoomFor(values.size());
    // All but the two newest in one go; those two as single appends, which leave the summaries
    // of the values before them.
    const std::size_t inOneGo = values.size() > 2 ? values.size() - 2 : 0;
    if (inOneGo > 0) {
        std::copy_n(values.begin(), inOneGo, values_.get() + count_);
        count_ += static_cast<std::uint32_t>(inOneGo);
        all_ = all_.With(values.first(inOneGo));
    }
    for (const double value : values.subspan(inOneGo)) {
        Append(value);
    }
}

void KdHistory::RemoveLast() {
    if (count_ == 0) {
        return;
    }
    --count_;
    all_ = allButNewest_;
    allButNewest_ = allButTwoNewest_ ? *allButTwoNewest_
                                     : Summary::Of(Values().first(count_ > 0 ? count_ - 1 : 0));
    allButTwoNewest_.reset();
}

void KdHistory::Clear() {
    count_ = 0;
    all_ = {};
    allButNewest_ = {};
    allButTwoNewest_.reset();
}
