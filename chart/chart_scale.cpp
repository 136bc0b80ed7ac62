#include "chart/chart_scale.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "history/kd_history.h"
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

// The scale for a history's extremes, or the full axis without any.
ChartScale ScaleOf(const std::optional<TruncatableExtremes>& extremes) {
    if (!extremes) {
        return kFullAxis;  // nothing to go by
    }
    return ScaleFromExtremes(TruncateToInt32(extremes->largest),
                             TruncateToInt32(extremes->smallest));
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
    return ScaleOf(TruncatableExtremesOf(values));
}

ChartScale ComputeChartScale(const KdHistory& history) {
    return ScaleOf(history.Extremes());
}
