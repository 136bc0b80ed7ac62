#include "chart/chart_scale.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "kd/int32_range.h"

namespace {

constexpr std::int64_t kHighestUpper = 100;

struct Band {
    std::int64_t widestRange;
    std::int32_t labelStep;
    std::int32_t pixelsPerPoint;
};

// Tested in this order; a wider range than the last band's gets the full axis 0 to 100.
constexpr Band kBands[] = {{10, 1, 20}, {20, 2, 10}, {50, 5, 4}};

// The largest and smallest value of the walk from the oldest value to the newest, in which a
// value replaces the candidate only when strictly greater (smaller).
struct Extremes {
    double largest;
    double smallest;
};

std::optional<Extremes> FindExtremes(std::span<const double> values) {
    std::optional<Extremes> extremes;
    for (const double value : values) {
        // A NaN or an out-of-range value is skipped rather than taken as the first candidate:
        // as the oldest value it would otherwise win every comparison and freeze the scale.
        if (!HasInt32Truncation(value)) {
            continue;
        }
        if (!extremes) {
            extremes = Extremes{value, value};
            continue;
        }
        if (value > extremes->largest) {
            extremes->largest = value;
        }
        if (value < extremes->smallest) {
            extremes->smallest = value;
        }
    }
    return extremes;
}

}  // namespace

ChartScale ScaleFromExtremes(std::int32_t top, std::int32_t bottom) {
    // In 64 bits: a top of 2147483640 or more takes the upper bound past int32 before the cap.
    const std::int64_t upper = std::min((top / 10 + std::int64_t{1}) * 10, kHighestUpper);
    const std::int64_t lowerBound = bottom / 10 * std::int64_t{10};
    const std::int64_t range = upper - lowerBound;
    for (const Band& band : kBands) {
        if (range <= band.widestRange) {
            // A bottom near the int32 maximum would put the top label past it; such a scale is
            // moved down to the highest one whose labels all fit.
            const std::int64_t highestLowerBound =
                (std::int64_t{kInt32Max} - std::int64_t{kBandCount} * band.labelStep) / 10 * 10;
            return ChartScale{static_cast<std::int32_t>(std::min(lowerBound, highestLowerBound)),
                              band.labelStep, band.pixelsPerPoint};
        }
    }
    return kFullAxis;
}

ChartScale ComputeChartScale(std::span<const double> values) {
    const std::optional<Extremes> extremes = FindExtremes(values);
    if (!extremes) {
        return kFullAxis;  // nothing to go by
    }
    return ScaleFromExtremes(TruncateToInt32(extremes->largest),
                             TruncateToInt32(extremes->smallest));
}
