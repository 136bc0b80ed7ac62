#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/chart_scale.h"
#include "drawing/primitives.h"

inline constexpr Colour kPanelOutlineColour = 0x00BEBEBE;  // 190, 190, 190
inline constexpr Colour kPlotOutlineColour = 0x00000000;   // black
inline constexpr Colour kGridColour = 0x00DCDCDC;          // 220, 220, 220
inline constexpr Colour kHistoryLineColour = 0x00FF0000;   // blue
inline constexpr Colour kAverageLineColour = 0x0000FF00;   // green
inline constexpr Colour kLabelColour = 0x0000FFFF;         // yellow
inline constexpr Colour kTitleColour = 0x00000000;         // black

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

// The history line as far as the values before the newest decide it. A keystroke lends one
// value to the saved ones, so this part is the same for every keystroke of one count and scale.
struct OlderValuesPlot {
    struct NewestSegmentStart {
        std::int32_t fromX = 0;
        std::int32_t toX = 0;
        std::optional<std::int32_t> fromRow;  // none when the value before the newest has none
    };

    // The segments between the older values, oldest first. Where several stay within one
    // pixel column, their run is at most two vertical lines that light the very same pixels:
    // a vertical line lights its start pixel and not its end pixel on every Windows.
    std::vector<LinePrimitive> segments;
    // The columns of the segment to the newest value and its start; none for a single value.
    std::optional<NewestSegmentStart> newestSegment;
};

// `olderValues` are the plotted values but the newest, oldest first.
OlderValuesPlot PlotOlderValues(std::span<const double> olderValues, const ChartScale& scale);

// The history line's segments, oldest first, then the average line, from the older values' part
// and the newest value. A value that is not finite has no row: the segments that touch it are
// left out, and so is the average line when the average is not finite.
std::vector<ChartPrimitive> CompletePlot(const OlderValuesPlot& olderValues, double newest,
                                         double average, const ChartScale& scale);

// The same for a whole list of values: nothing for no values.
std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values, const ChartScale& scale);
