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

KdHistory::Summary KdHistory::Summary::With(double value) const {
    return {sum + value, WidenedBy(extremes, value), NewIdentity()};
}

KdHistory::Summary KdHistory::Summary::Of(std::span<const double> values) {
    if (values.empty()) {
        return {};
    }
    return {SumOf(values), TruncatableExtremesOf(values), NewIdentity()};
}

std::uint32_t KdHistory::GrownCapacity() const {
    const std::uint32_t needed = count_ + 1;
    const std::uint32_t grown = capacity_ + capacity_ / 2;
    if (capacity_ > maxCount_ - capacity_ / 2) {
        return needed;  // half again would pass the limit
    }
    return std::max(grown, needed);
}

void KdHistory::Grow() {
    if (count_ >= maxCount_) {
        throw std::length_error("vector<T> too long");
    }
    const std::uint32_t capacity = GrownCapacity();
    auto values = std::make_unique_for_overwrite<double[]>(capacity);
    std::copy_n(values_.get(), count_, values.get());
    values_ = std::move(values);
    capacity_ = capacity;
}

void KdHistory::Append(double value) {
    if (count_ == capacity_) {
        Grow();
    }
    values_[count_] = value;
    ++count_;
    allButTwoNewest_ = allButNewest_;
    allButNewest_ = all_;
    all_ = all_.With(value);
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
