#include "chart/chart_primitives.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

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
constexpr std::int32_t kLowestRow = -32768;
constexpr std::int32_t kHighestRow = 32767;

LinePrimitive HistorySegment(std::int32_t fromX, std::int32_t fromRow, std::int32_t toX,
                             std::int32_t toRow) {
    return {fromX, fromRow, toX, toRow, kHistoryLineColour};
}

// Consecutive segments within one pixel column. A vertical line lights its start row and the
// rows before its end row, so together they light every row from the top to the bottom row they
// pass through, but their end row when none of them covers it: a row they leave is lit.
class VerticalRun {
public:
    VerticalRun(std::int32_t column, std::int32_t row)
        : column_(column), top_(row), bottom_(row), end_(row) {}

    void ContinueTo(std::int32_t row) {
        if (row == end_) {
            return;  // a segment of no length lights nothing
        }
        // Every row passed through so far is lit now, the one left included.
        endLit_ = top_ <= row && row <= bottom_;
        top_ = std::min(top_, row);
        bottom_ = std::max(bottom_, row);
        end_ = row;
    }

    // The run's rows as at most two vertical lines: one, unless every row is lit and the row
    // below the bottom one is beyond the rows GDI takes.
    void AppendLinesTo(std::vector<LinePrimitive>& lines) const {
        if (top_ == bottom_) {
            return;
        }
        if (endLit_ && bottom_ < kHighestRow) {
            lines.push_back(HistorySegment(column_, top_, column_, bottom_ + 1));
            return;
        }
        if (endLit_) {
            lines.push_back(HistorySegment(column_, top_, column_, bottom_));
            lines.push_back(HistorySegment(column_, bottom_, column_, top_));
            return;
        }
        // An unlit end row is the top or the bottom: every row between was passed and left.
        const std::int32_t start = end_ == top_ ? bottom_ : top_;
        lines.push_back(HistorySegment(column_, start, column_, end_));
    }

private:
    std::int32_t column_;
    std::int32_t top_;
    std::int32_t bottom_;
    std::int32_t end_;
    bool endLit_ = false;
};

// The history line's segments as they are added, oldest first, with each run of segments that
// stays within one column drawn as its vertical lines.
class HistoryLine {
public:
    void Add(std::int32_t fromX, std::int32_t fromRow, std::int32_t toX, std::int32_t toRow) {
        if (fromX != toX) {
            Interrupt();
            segments_.push_back(HistorySegment(fromX, fromRow, toX, toRow));
            return;
        }
        if (!run_) {
            run_.emplace(fromX, fromRow);
        }
        run_->ContinueTo(toRow);
    }

    // The next segment does not continue the run: a segment that leaves the column, or a gap.
    void Interrupt() {
        if (run_) {
            run_->AppendLinesTo(segments_);
            run_.reset();
        }
    }

    std::vector<LinePrimitive> Segments() && {
        Interrupt();
        return std::move(segments_);
    }

private:
    std::vector<LinePrimitive> segments_;
    std::optional<VerticalRun> run_;
};

}  // namespace

std::optional<std::int32_t> RowOf(double value, const ChartScale& scale) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double offset = value - static_cast<double>(scale.lowerBound);
    const double height = offset * static_cast<double>(scale.pixelsPerPoint);
    const double row = height * -1.0 + static_cast<double>(kPlotBottom);
    // A huge finite value can overflow to an infinite row; it still has a place, at the edge.
    return TruncateToInt32(
        std::clamp(row, static_cast<double>(kLowestRow), static_cast<double>(kHighestRow)));
}

std::vector<ChartPrimitive> FramePrimitives() {
    std::vector<ChartPrimitive> primitives{
        RectanglePrimitive{kChartPanel.left, kChartPanel.top, kChartPanel.right, kChartPanel.bottom,
                           kPanelOutlineColour, StockBrush::LightGray},
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

SegmentColumns::SegmentColumns(std::size_t valueCount)
    : step_(kPlotWidth / static_cast<double>(valueCount - 1)), width_(step_) {}

std::int32_t SegmentColumns::FromX() const {
    return kPlotLeft + offset_;
}

std::int32_t SegmentColumns::ToX() const {
    return TruncateToInt32(static_cast<double>(offset_) + width_ + kPlotLeft);
}

void SegmentColumns::Next() {
    // The width is never negative and stays below 202: its whole part is exact in an int32, and
    // taking it off is exact too (for a width of 1 or more the two are within a factor of two),
    // which is fmod(width, 1.0) in one cheap step.
    const std::int32_t wholeColumns = TruncateToInt32(width_);
    offset_ += wholeColumns;
    width_ = (width_ - static_cast<double>(wholeColumns)) + step_;
}

OlderValuesPlot PlotOlderValues(std::span<const double> olderValues, const ChartScale& scale) {
    OlderValuesPlot plot;
    if (olderValues.empty()) {
        return plot;
    }
    SegmentColumns columns(olderValues.size() + 1);
    HistoryLine line;
    std::optional<std::int32_t> fromRow = RowOf(olderValues[0], scale);
    for (std::size_t i = 1; i < olderValues.size(); ++i) {
        const std::optional<std::int32_t> toRow = RowOf(olderValues[i], scale);
        if (fromRow && toRow) {
            line.Add(columns.FromX(), *fromRow, columns.ToX(), *toRow);
        } else {
            line.Interrupt();
        }
        columns.Next();
        fromRow = toRow;
    }
    plot.segments = std::move(line).Segments();
    plot.newestSegment = {columns.FromX(), columns.ToX(), fromRow};
    return plot;
}

std::vector<ChartPrimitive> CompletePlot(const OlderValuesPlot& olderValues, double newest,
                                         double average, const ChartScale& scale) {
    std::vector<ChartPrimitive> primitives;
    primitives.reserve(olderValues.segments.size() + 2);
    primitives.assign(olderValues.segments.begin(), olderValues.segments.end());
    if (const auto& start = olderValues.newestSegment; start && start->fromRow) {
        if (const std::optional<std::int32_t> toRow = RowOf(newest, scale)) {
            primitives.emplace_back(
                HistorySegment(start->fromX, *start->fromRow, start->toX, *toRow));
        }
    }
    if (const std::optional<std::int32_t> averageRow = RowOf(average, scale)) {
        primitives.emplace_back(
            LinePrimitive{kPlotLeft, *averageRow, kPlotRight, *averageRow, kAverageLineColour});
    }
    return primitives;
}

std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values,
                                           const ChartScale& scale) {
    if (values.empty()) {
        return {};
    }
    return CompletePlot(PlotOlderValues(values.first(values.size() - 1), scale), values.back(),
                        AverageOf(values), scale);
}
