#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/chart_scale.h"
#include "drawing/primitives.h"
#include "history/kd_history.h"

// The grey panel that holds the whole chart; it reaches past the window's right edge.
inline constexpr Area kChartPanel{260, 10, 552, 257};

// Each list is in drawing order: a later primitive paints over an earlier one.

// The grey panel, the white plot area and the nine grid rows from the bottom one up.
std::vector<ChartPrimitive> FramePrimitives();

// "(%)", the eleven value labels lowerBound + k * step from the bottom one up, and the title.
std::vector<ChartPrimitive> LabelPrimitives(std::int32_t lowerBound, std::int32_t step);

// The row of a value on the scale; none for a value that is not finite. Rows far outside the
// window are pulled into the 16-bit range that every GDI accepts.
std::optional<std::int32_t> RowOf(double value, const ChartScale& scale);

// The columns of the history line's segments, oldest first, for a line through `valueCount`
// values (two at least) across the plot's width. Each segment starts where the previous one's
// start advanced by the whole columns of a running width that carries its fraction over, and
// ends at that width added to its start in double, truncated.
class SegmentColumns {
public:
    explicit SegmentColumns(std::size_t valueCount);

    [[nodiscard]] std::int32_t FromX() const;
    [[nodiscard]] std::int32_t ToX() const;
    void Next();  // on to the next segment

private:
    double step_;
    std::int32_t offset_ = 0;
    double width_;
};

// The history line through a number of values on a scale, as its values come, oldest first:
// each value after the first adds the segment from the one before. A value that is not finite
// has no row: the segments that touch it are left out. Where several segments stay within one
// pixel column, their run is at most two vertical lines that light the very same pixels: a
// vertical line lights its start pixel and not its end pixel on every Windows. A line under way
// may be kept and a copy of it continued.
class HistoryLine {
public:
    HistoryLine(std::size_t valueCount, const ChartScale& scale);

    void Add(std::span<const double> values);
    void Add(double value) { Add({&value, 1}); }
    [[nodiscard]] const ChartScale& Scale() const { return scale_; }
    // The segments of the values added, oldest first.
    [[nodiscard]] std::vector<ChartPrimitive> Primitives() &&;

private:
    class VerticalRun {
    public:
        VerticalRun(std::int32_t column, std::int32_t row);
        void ContinueTo(std::int32_t row);
        void AppendLinesTo(std::vector<LinePrimitive>& lines) const;

    private:
        std::int32_t column_;
        std::int32_t top_;
        std::int32_t bottom_;
        std::int32_t end_;
        bool endLit_ = false;
    };

    void AddSegment(std::int32_t fromX, std::int32_t fromRow, std::int32_t toX, std::int32_t toRow);
    // The next segment does not continue the run: a segment that leaves the column, or a gap.
    void Interrupt();

    SegmentColumns columns_;
    ChartScale scale_;
    bool first_ = true;
    std::optional<std::int32_t> fromRow_;
    std::vector<LinePrimitive> segments_;
    std::optional<VerticalRun> run_;
};

// The plot: the history line through the values, then the average line, which is left out when
// the average is not finite. Nothing for no values.
std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values, const ChartScale& scale);

// The same from a history line through every value, and their average.
std::vector<ChartPrimitive> PlotPrimitives(HistoryLine&& line, double average);
