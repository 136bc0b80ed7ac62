#pragma once

#include <cstdint>

// A minus sign reaches a count field only by pasting, from the data file or from the game log;
// such a pair of counts has no meaningful percentage, and nothing is computed or saved for it.
inline bool HasNegativeCount(std::int32_t kills, std::int32_t deaths) {
    return kills < 0 || deaths < 0;
}

// Kills as a share of kills plus deaths, in percent: the quotient is rounded to double before it
// is multiplied by 100 (23 kills and 17 deaths give 57.49999999999999). Both counts 0 give NaN.
double KillPercent(std::int32_t kills, std::int32_t deaths);

// The percentage plus 0.5, truncated toward zero: halves round up.
std::int32_t RoundedPercent(std::int32_t kills, std::int32_t deaths);

// Further kills until the rounded percentage is at least one point higher, and further deaths
// until it is at least one point lower. Both are 0 unless the rounded percentage lies between
// 1 and 99. Counts must not be negative; sums beyond 32 bits are computed in 64 bits.
std::int64_t KillsToNextPoint(std::int32_t kills, std::int32_t deaths);
std::int64_t DeathsToPreviousPoint(std::int32_t kills, std::int32_t deaths);
