#include "history/kd_history.h"

#include <algorithm>
#include <stdexcept>

double AverageOf(std::span<const double> values) {
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
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
    Append(std::span<const double>(&value, 1));
}

void KdHistory::Append(std::span<const double> values) {
    MakeRoomFor(values.size());
    std::copy(values.begin(), values.end(), values_.get() + count_);
    count_ += static_cast<std::uint32_t>(values.size());
}

void KdHistory::RemoveLast() {
    if (count_ > 0) {
        --count_;
    }
}

void KdHistory::Clear() {
    count_ = 0;
}
