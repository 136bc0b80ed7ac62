#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "history/kd_history.h"
#include "kd/int32_range.h"

// The plot as the chart drew it before runs within a pixel column were joined: one segment for
// each pair of neighbouring values, whatever the count, and fmod for the running width's
// fraction. What PlotPrimitives must light, pixel for pixel.
inline std::vector<ChartPrimitive> ReferencePlotPrimitives(std::span<const double> values,
                                                           const ChartScale& scale) {
    constexpr std::int32_t kPlotLeft = 273;
    std::vector<ChartPrimitive> primitives;
    if (values.empty()) {
        return primitives;
    }
    if (values.size() >= 2) {
        const double dx = 200.0 / static_cast<double>(values.size() - 1);
        std::int32_t offset = 0;
        double width = dx;
        std::optional<std::int32_t> fromRow = RowOf(values[0], scale);
        for (std::size_t i = 1; i < values.size(); ++i) {
            const std::optional<std::int32_t> toRow = RowOf(values[i], scale);
            if (fromRow && toRow) {
                const double endColumn = static_cast<double>(offset) + width + kPlotLeft;
                primitives.emplace_back(LinePrimitive{kPlotLeft + offset, *fromRow,
                                                      TruncateToInt32(endColumn), *toRow,
                                                      Ink::HistoryLine});
            }
            offset += TruncateToInt32(width);
            width = std::fmod(width, 1.0) + dx;
            fromRow = toRow;
        }
    }
    if (const std::optional<std::int32_t> averageRow = RowOf(AverageOf(values), scale)) {
        primitives.emplace_back(
            LinePrimitive{kPlotLeft, *averageRow, 473, *averageRow, Ink::AverageLine});
    }
    return primitives;
}
