#pragma once

#include <cstdint>

#include "kd/kd_arithmetic.h"

// The one-point searches as first defined: one further kill (death) at a time, with the full
// arithmetic at every step. Slow; the reference the program's searches must equal exactly.

inline std::int32_t LinearRounded(std::int64_t kills, std::int64_t deaths) {
    const std::int64_t sum = kills + deaths;
    const double quotient = static_cast<double>(kills) / static_cast<double>(sum);
    const double percent = quotient * 100.0;
    const double p = percent + 0.5;
    return static_cast<std::int32_t>(p);
}

inline bool LinearGuard(std::int32_t kills, std::int32_t deaths) {
    const double p = KillPercent(kills, deaths) + 0.5;
    return p >= 1.0 && p < 100.0;
}

inline std::int64_t LinearKillsToNextPoint(std::int32_t kills, std::int32_t deaths) {
    if (!LinearGuard(kills, deaths)) {
        return 0;
    }
    const std::int32_t target = LinearRounded(kills, deaths) + 1;
    std::int64_t n = 0;
    do {
        ++n;
    } while (LinearRounded(kills + n, deaths) < target);
    return n;
}

inline std::int64_t LinearDeathsToPreviousPoint(std::int32_t kills, std::int32_t deaths) {
    if (!LinearGuard(kills, deaths)) {
        return 0;
    }
    const std::int32_t target = LinearRounded(kills, deaths) - 1;
    std::int64_t m = 0;
    do {
        ++m;
    } while (LinearRounded(kills, deaths + m) > target);
    return m;
}
