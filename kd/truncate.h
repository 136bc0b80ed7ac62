#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Truncation toward zero that is defined for every double: values beyond the range give its
// nearest end and a value that is not a number gives 0.
inline std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}
