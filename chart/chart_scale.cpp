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

std::optional<ScaleExtremes> WidenedBy(const std::optional<ScaleExtremes>& extremes, double value) {
    // A NaN or an out-of-range value is skipped rather than taken as the first candidate: as the
    // oldest value it would otherwise win every comparison and freeze the extremes.
    if (!HasInt32Truncation(value)) {
        return extremes;
    }
    if (!extremes) {
        return ScaleExtremes{value, value};
    }
    return ScaleExtremes{value > extremes->largest ? value : extremes->largest,
                         value < extremes->smallest ? value : extremes->smallest};
}

std::optional<ScaleExtremes> ScaleExtremesOf(std::span<const double> values) {
    const auto first = std::find_if(values.begin(), values.end(), HasInt32Truncation);
    if (first == values.end()) {
        return std::nullopt;
    }
    ScaleExtremes extremes{*first, *first};
    for (const double value : std::span(first, values.end())) {
        if (HasInt32Truncation(value)) {
            extremes.largest = value > extremes.largest ? value : extremes.largest;
            extremes.smallest = value < extremes.smallest ? value : extremes.smallest;
        }
    }
    return extremes;
}

ChartScale ScaleOf(const std::optional<ScaleExtremes>& extremes) {
    if (!extremes) {
        return kFullAxis;  // nothing to go by
    }
    return ScaleFromExtremes(TruncateToInt32(extremes->largest),
                             TruncateToInt32(extremes->smallest));
}

ChartScale ComputeChartScale(std::span<const double> values) {
    return ScaleOf(ScaleExtremesOf(values));
}
