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
    return {fromX, fromRow, toX, toRow, Ink::HistoryLine};
}

// RowOf, inlined into the loops that take each value of a long history.
inline std::optional<std::int32_t> RowOnScale(double value, const ChartScale& scale) {
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

}  // namespace

std::optional<std::int32_t> RowOf(double value, const ChartScale& scale) {
    return RowOnScale(value, scale);
}

std::vector<ChartPrimitive> FramePrimitives() {
    std::vector<ChartPrimitive> primitives{
        RectanglePrimitive{kChartPanel.left, kChartPanel.top, kChartPanel.right, kChartPanel.bottom,
                           Ink::PanelOutline, Ink::Background},
        RectanglePrimitive{kPlotLeft, kPlotTop, kPlotRight, kPlotBottom, Ink::PlotOutline,
                           Ink::PlotFill},
    };
    // The plot area's outline supplies the top and bottom edges.
    for (std::int32_t y = kPlotBottom - kBandHeight; y > kPlotTop; y -= kBandHeight) {
        primitives.emplace_back(LinePrimitive{kPlotLeft, y, kPlotRight, y, Ink::Grid});
    }
    return primitives;
}

std::vector<ChartPrimitive> LabelPrimitives(std::int32_t lowerBound, std::int32_t step) {
    std::vector<ChartPrimitive> primitives;
    primitives.emplace_back(TextPrimitive{kLabelColumn, kUnitLabelTop, "(%)", Ink::AxisLabel});
    for (std::int32_t k = 0; k <= kBandCount; ++k) {
        const std::int64_t value = lowerBound + std::int64_t{k} * step;
        const std::int32_t row = kPlotBottom - kBandHeight * k;
        primitives.emplace_back(
            TextPrimitive{kLabelColumn, row - kLabelRaise, FormatInteger(value), Ink::AxisLabel});
    }
    primitives.emplace_back(TextPrimitive{kPlotLeft, kTitleTop, "K/Dグラフ", Ink::Title});
    return primitives;
}

SegmentColumns::SegmentColumns(std::size_t valueCount)
    : step_(valueCount > 1 ? kPlotWidth / static_cast<double>(valueCount - 1) : 0.0),
      width_(step_) {}

std::int32_t SegmentColumns::FromX() const {
    return kPlotLeft + offset_;
}

std::int32_t SegmentColumns::ToX() const {
    return TruncateToInt32(static_cast<double>(offset_) + width_ + kPlotLeft);
}

void SegmentColumns::Next() {
    // Below one column nothing is taken off: the common case of a long history, done sooner.
    if (width_ < 1.0) {
        width_ += step_;
        return;
    }
    // The width is never negative and stays below 202: its whole part is exact in an int32, and
    // taking it off is exact too (for a width of 1 or more the two are within a factor of two),
    // which is fmod(width, 1.0) in one cheap step.
    const std::int32_t wholeColumns = TruncateToInt32(width_);
    offset_ += wholeColumns;
    width_ = (width_ - static_cast<double>(wholeColumns)) + step_;
}

// Consecutive segments within one pixel column. A vertical line lights its start row and the
// rows before its end row, so together they light every row from the top to the bottom row they
// pass through, but their end row when none of them covers it: a row they leave is lit.
HistoryLine::VerticalRun::VerticalRun(std::int32_t column, std::int32_t row)
    : column_(column), top_(row), bottom_(row), end_(row) {}

inline void HistoryLine::VerticalRun::ContinueTo(std::int32_t row) {
    if (row == end_) {
        return;  // a segment of no length lights nothing
    }
    // Every row passed through so far is lit now, the one left included.
    endLit_ = top_ <= row && row <= bottom_;
    top_ = std::min(top_, row);
    bottom_ = std::max(bottom_, row);
    end_ = row;
}

// The run's rows as at most two vertical lines: one, unless every row is lit and the row below
// the bottom one is beyond the rows GDI takes.
void HistoryLine::VerticalRun::AppendLinesTo(std::vector<LinePrimitive>& lines) const {
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

HistoryLine::HistoryLine(std::size_t valueCount, const ChartScale& scale)
    : columns_(valueCount), scale_(scale) {}

void HistoryLine::Add(std::span<const double> values) {
    for (const double value : values) {
        const std::optional<std::int32_t> row = RowOnScale(value, scale_);
        if (first_) {
            first_ = false;
        } else {
            if (fromRow_ && row) {
                AddSegment(columns_.FromX(), *fromRow_, columns_.ToX(), *row);
            } else {
                Interrupt();
            }
            columns_.Next();
        }
        fromRow_ = row;
    }
}

std::vector<ChartPrimitive> HistoryLine::Primitives() && {
    Interrupt();
    return {segments_.begin(), segments_.end()};
}

inline void HistoryLine::AddSegment(std::int32_t fromX, std::int32_t fromRow, std::int32_t toX,
                                    std::int32_t toRow) {
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

void HistoryLine::Interrupt() {
    if (run_) {
        run_->AppendLinesTo(segments_);
        run_.reset();
    }
}

std::vector<ChartPrimitive> PlotPrimitives(HistoryLine&& line, double average) {
    const ChartScale scale = line.Scale();
    std::vector<ChartPrimitive> primitives = std::move(line).Primitives();
    if (const std::optional<std::int32_t> averageRow = RowOf(average, scale)) {
        primitives.emplace_back(
            LinePrimitive{kPlotLeft, *averageRow, kPlotRight, *averageRow, Ink::AverageLine});
    }
    return primitives;
}

std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values,
                                           const ChartScale& scale) {
    if (values.empty()) {
        return {};
    }
    HistoryLine line(values.size(), scale);
    line.Add(values);
    return PlotPrimitives(std::move(line), AverageOf(values));
}
