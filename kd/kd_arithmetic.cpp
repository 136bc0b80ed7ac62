#include "kd/kd_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "kd/int32_range.h"

namespace {

// Every search answer lies below this: 2^41 further kills (deaths) take any pair of 32-bit
// counts to a rounded 100 (0), and all sums up to it are exact in a double.
constexpr std::int64_t kSearchCeiling = std::int64_t{1} << 41;

// One double operation per step, exactly as the percentage is defined.
double PercentOf(std::int64_t kills, std::int64_t deaths) {
    const std::int64_t sum = kills + deaths;
    const double quotient = static_cast<double>(kills) / static_cast<double>(sum);
    return quotient * 100.0;
}

double RoundingSum(double percent) {
    return percent + 0.5;
}

// Only for sums the searches reach, whose percentage lies between 0 and 100.
std::int64_t RoundedPercentOf(std::int64_t kills, std::int64_t deaths) {
    return static_cast<std::int64_t>(RoundingSum(PercentOf(kills, deaths)));
}

// The one-point guard: a search runs only for a rounded percentage from 1 to 99, and never for a
// negative count, which has no meaningful percentage.
bool SearchApplies(std::int32_t kills, std::int32_t deaths) {
    if (HasNegativeCount(kills, deaths)) {
        return false;
    }
    const double p = RoundingSum(KillPercent(kills, deaths));
    return p >= 1.0 && p < 100.0;
}

std::int64_t EstimateToInteger(double estimate) {
    if (!(estimate >= 1.0)) {
        return 1;
    }
    return static_cast<std::int64_t>(std::min(estimate, static_cast<double>(kSearchCeiling)));
}

// The smallest n in [1, kSearchCeiling] for which `reached(n)` holds, given that it fails at 0,
// holds at the ceiling and never turns false again once it holds. Gallops outward from the
// guess until the answer is bracketed, then bisects: a good guess costs two evaluations and a
// bad one logarithmically many.
template <class Predicate>
std::int64_t SmallestReaching(const Predicate& reached, std::int64_t guess) {
    std::int64_t failing = 0;
    std::int64_t holding = kSearchCeiling;
    if (reached(guess)) {
        holding = guess;
        for (std::int64_t step = 1; guess - step > failing; step *= 2) {
            if (!reached(guess - step)) {
                failing = guess - step;
                break;
            }
            holding = guess - step;
        }
    } else {
        failing = guess;
        for (std::int64_t step = 1; guess + step < holding; step *= 2) {
            if (reached(guess + step)) {
                holding = guess + step;
                break;
            }
            failing = guess + step;
        }
    }
    while (holding - failing > 1) {
        const std::int64_t middle = failing + (holding - failing) / 2;
        (reached(middle) ? holding : failing) = middle;
    }
    return holding;
}

}  // namespace

double KillPercent(std::int32_t kills, std::int32_t deaths) {
    return PercentOf(kills, deaths);
}

std::int32_t RoundedPercent(std::int32_t kills, std::int32_t deaths) {
    return TruncateToInt32(RoundingSum(KillPercent(kills, deaths)));
}

std::int64_t KillsToNextPoint(std::int32_t kills, std::int32_t deaths) {
    if (!SearchApplies(kills, deaths)) {
        return 0;
    }
    const std::int64_t target = RoundedPercent(kills, deaths) + 1;
    const auto reached = [&](std::int64_t n) {
        return RoundedPercentOf(kills + n, deaths) >= target;
    };
    // Real arithmetic: (kills + n) / (kills + n + deaths) >= share  <=>  n >= share * deaths /
    // (1 - share) - kills. Only the starting point; the exact predicate decides.
    const double share = (static_cast<double>(target) - 0.5) / 100.0;
    const double guess = share * deaths / (1.0 - share) - kills;
    return SmallestReaching(reached, EstimateToInteger(std::ceil(guess)));
}

std::int64_t DeathsToPreviousPoint(std::int32_t kills, std::int32_t deaths) {
    if (!SearchApplies(kills, deaths)) {
        return 0;
    }
    const std::int64_t target = RoundedPercent(kills, deaths) - 1;
    const auto reached = [&](std::int64_t m) {
        return RoundedPercentOf(kills, deaths + m) <= target;
    };
    // Real arithmetic: kills / (kills + deaths + m) < share  <=>  m > kills / share - kills -
    // deaths.
    const double share = (static_cast<double>(target) + 0.5) / 100.0;
    const double guess = kills / share - kills - deaths;
    return SmallestReaching(reached, EstimateToInteger(std::floor(guess) + 1.0));
}
