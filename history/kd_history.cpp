#include "history/kd_history.h"

#include <algorithm>
#include <stdexcept>

double AverageOf(std::span<const double> values) {
    double sum = 0.0;
    std::uint32_t n = 0;
    for (const double value : values) {
        sum += value;
        ++n;
    }
    return sum / static_cast<double>(n);
}

std::uint32_t KdHistory::GrownCapacity() const {
    const std::uint32_t needed = count_ + 1;
    const std::uint32_t grown = capacity_ + capacity_ / 2;
    if (capacity_ > maxCount_ - capacity_ / 2) {
        return needed;  // half again would pass the limit
    }
    return std::max(grown, needed);
}

void KdHistory::Append(double value) {
    if (count_ == capacity_) {
        if (count_ >= maxCount_) {
            throw std::length_error("vector<T> too long");
        }
        const std::uint32_t capacity = GrownCapacity();
        auto values = std::make_unique_for_overwrite<double[]>(capacity);
        std::copy_n(values_.get(), count_, values.get());
        values_ = std::move(values);
        capacity_ = capacity;
    }
    values_[count_] = value;
    ++count_;
}

void KdHistory::RemoveLast() {
    if (count_ > 0) {
        --count_;
    }
}

void KdHistory::Clear() {
    count_ = 0;
}
