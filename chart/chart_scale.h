#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "history/kd_history.h"

// The plot area's height is always cut into this many equal bands, one label at each edge.
inline constexpr std::int32_t kBandCount = 10;

// The stretch of percentages that the chart's ten bands show. labelStep * pixelsPerPoint is 20,
// the spacing of the grid rows, in every scale, so the axis runs from lowerBound to
// lowerBound + 10 * labelStep and the labels always fit the 200-pixel plot height.
struct ChartScale {
    std::int32_t lowerBound = 0;  // plotted on the bottom row and printed as the lowest label
    std::int32_t labelStep = 0;   // 1, 2, 5 or 10 percentage points between two labels
    std::int32_t pixelsPerPoint = 0;

    bool operator==(const ChartScale&) const = default;
};

// The whole axis, 0 to 100 in steps of 10: the widest band, and what an empty chart shows.
inline constexpr ChartScale kFullAxis{0, 10, 2};

// The scale for the truncated largest (top) and smallest (bottom) value of a history. Any pair
// is accepted, in either order; lowerBound + 10 * labelStep always fits in 32 bits.
ChartScale ScaleFromExtremes(std::int32_t top, std::int32_t bottom);

// The largest and smallest of a history's values that have a say in its scale, as a walk from
// the oldest value to the newest finds them: a value replaces a candidate only when strictly
// greater (smaller), so the earliest of ties stays. NaN, infinities and values whose truncation
// toward zero is no int32 are passed over.
struct ScaleExtremes {
    double largest;
    double smallest;
};

// The extremes after one more value of the walk.
std::optional<ScaleExtremes> WidenedBy(const std::optional<ScaleExtremes>& extremes, double value);
std::optional<ScaleExtremes> ScaleExtremesOf(std::span<const double> values);

// The scale for the truncated extremes; the full axis 0 to 100 without any.
ChartScale ScaleOf(const std::optional<ScaleExtremes>& extremes);

// The scale for the values of a history, oldest first. Values that
// are not finite, or whose truncation does not fit in 32 bits, have no say in it; without any
// other value the full axis 0 to 100 is shown.
ChartScale ComputeChartScale(std::span<const double> values);
