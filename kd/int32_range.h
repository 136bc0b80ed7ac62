#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Counts, rows and chart bounds are signed 32-bit; these bring wider values into that range the
// same way everywhere: to the nearest end, never wrapped.

inline constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

inline std::int32_t ClampToInt32(std::int64_t value) {
    if (value > kInt32Max) {
        return kInt32Max;
    }
    if (value < kInt32Min) {
        return kInt32Min;
    }
    return static_cast<std::int32_t>(value);
}

// Whether truncating the value toward zero gives an int32 (false for NaN and infinities).
inline bool HasInt32Truncation(double value) {
    return value > -2147483649.0 && value < 2147483648.0;
}

// Truncation toward zero that is defined for every double: values beyond the range give its
// nearest end and a value that is not a number gives 0.
inline std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (!HasInt32Truncation(value)) {
        return value > 0 ? kInt32Max : kInt32Min;
    }
    return static_cast<std::int32_t>(value);
}
