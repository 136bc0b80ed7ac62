#include "chart/chart_primitives.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "history/kd_history.h"
#include "kd/int32_range.h"
#include "kd/number_format.h"

namespace {

constexpr std::int32_t kPlotLeft = 273;
constexpr std::int32_t kPlotTop = 40;
constexpr std::int32_t kPlotRight = 473;
constexpr std::int32_t kPlotBottom = 240;
constexpr std::int32_t kBandHeight = 20;
constexpr double kPlotWidth = 200.0;

constexpr std::int32_t kLabelColumn = 473;
constexpr std::int32_t kUnitLabelTop = 15;
constexpr std::int32_t kTitleTop = 10;
// A label's top edge lies this far above the row of its value.
constexpr std::int32_t kLabelRaise = 10;

// Rows far outside the window are pulled into the 16-bit range that every GDI accepts; the
// window clips them either way.
constexpr double kLowestRow = -32768.0;
constexpr double kHighestRow = 32767.0;

std::optional<std::int32_t> RowOf(double value, const ChartScale& scale) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double offset = value - static_cast<double>(scale.lowerBound);
    const double height = offset * static_cast<double>(scale.pixelsPerPoint);
    const double row = height * -1.0 + static_cast<double>(kPlotBottom);
    // A huge finite value can overflow to an infinite row; it still has a place, at the edge.
    return TruncateToInt32(std::clamp(row, kLowestRow, kHighestRow));
}

}  // namespace

std::vector<ChartPrimitive> FramePrimitives() {
    std::vector<ChartPrimitive> primitives{
        RectanglePrimitive{260, 10, 552, 257, kPanelOutlineColour, StockBrush::LightGray},
        RectanglePrimitive{kPlotLeft, kPlotTop, kPlotRight, kPlotBottom, kPlotOutlineColour,
                           StockBrush::White},
    };
    // The plot area's outline supplies the top and bottom edges.
    for (std::int32_t y = kPlotBottom - kBandHeight; y > kPlotTop; y -= kBandHeight) {
        primitives.emplace_back(LinePrimitive{kPlotLeft, y, kPlotRight, y, kGridColour});
    }
    return primitives;
}

std::vector<ChartPrimitive> LabelPrimitives(std::int32_t lowerBound, std::int32_t step) {
    std::vector<ChartPrimitive> primitives;
    primitives.emplace_back(TextPrimitive{kLabelColumn, kUnitLabelTop, "(%)", kLabelColour});
    for (std::int32_t k = 0; k <= kBandCount; ++k) {
        const std::int64_t value = lowerBound + std::int64_t{k} * step;
        const std::int32_t row = kPlotBottom - kBandHeight * k;
        primitives.emplace_back(
            TextPrimitive{kLabelColumn, row - kLabelRaise, FormatInteger(value), kLabelColour});
    }
    primitives.emplace_back(TextPrimitive{kPlotLeft, kTitleTop, "K/Dグラフ", kTitleColour});
    return primitives;
}

std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values,
                                           const ChartScale& scale) {
    std::vector<ChartPrimitive> primitives;
    if (values.empty()) {
        return primitives;
    }
    if (values.size() >= 2) {
        const double dx = kPlotWidth / static_cast<double>(values.size() - 1);
        // The offset advances by whole columns; the running width carries the fraction over.
        std::int32_t offset = 0;
        double width = dx;
        std::optional<std::int32_t> fromRow = RowOf(values[0], scale);
        for (std::size_t i = 1; i < values.size(); ++i) {
            const std::optional<std::int32_t> toRow = RowOf(values[i], scale);
            if (fromRow && toRow) {
                const double endColumn = static_cast<double>(offset) + width + kPlotLeft;
                primitives.emplace_back(LinePrimitive{kPlotLeft + offset, *fromRow,
                                                      TruncateToInt32(endColumn), *toRow,
                                                      kHistoryLineColour});
            }
            offset += TruncateToInt32(width);
            width = std::fmod(width, 1.0) + dx;
            fromRow = toRow;
        }
    }
    if (const std::optional<std::int32_t> averageRow = RowOf(AverageOf(values), scale)) {
        primitives.emplace_back(
            LinePrimitive{kPlotLeft, *averageRow, kPlotRight, *averageRow, kAverageLineColour});
    }
    return primitives;
}
