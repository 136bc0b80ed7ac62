#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "chart/chart_scale.h"

// A Windows COLORREF: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

inline constexpr Colour kPanelOutlineColour = 0x00BEBEBE;  // 190, 190, 190
inline constexpr Colour kPlotOutlineColour = 0x00000000;   // black
inline constexpr Colour kGridColour = 0x00DCDCDC;          // 220, 220, 220
inline constexpr Colour kHistoryLineColour = 0x00FF0000;   // blue
inline constexpr Colour kAverageLineColour = 0x0000FF00;   // green
inline constexpr Colour kLabelColour = 0x0000FFFF;         // yellow
inline constexpr Colour kTitleColour = 0x00000000;         // black

// The Windows stock brushes LTGRAY_BRUSH and WHITE_BRUSH.
enum class StockBrush { LightGray, White };

// Client-area pixels, x to the right and y downward. Right and bottom are exclusive, as
// Rectangle() takes them.
struct RectanglePrimitive {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    Colour outline = 0;
    StockBrush fill = StockBrush::White;

    bool operator==(const RectanglePrimitive&) const = default;
};

// A solid line one pixel wide; the end point is not drawn.
struct LinePrimitive {
    std::int32_t fromX = 0;
    std::int32_t fromY = 0;
    std::int32_t toX = 0;
    std::int32_t toY = 0;
    Colour colour = 0;

    bool operator==(const LinePrimitive&) const = default;
};

// Code page 932 bytes drawn with a transparent background, top-left corner at (x, y).
struct TextPrimitive {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    Colour colour = 0;

    bool operator==(const TextPrimitive&) const = default;
};

using ChartPrimitive = std::variant<RectanglePrimitive, LinePrimitive, TextPrimitive>;

// Each list is in drawing order: a later primitive paints over an earlier one.

// The grey panel, the white plot area and the nine grid rows from the bottom one up.
std::vector<ChartPrimitive> FramePrimitives();

// "(%)", the eleven value labels lowerBound + k * step from the bottom one up, and the title.
std::vector<ChartPrimitive> LabelPrimitives(std::int32_t lowerBound, std::int32_t step);

// The history line's segments, oldest first, then the average line; nothing for no values.
// A value that is not finite has no row: the segments that touch it are left out, and so is
// the average line when the average is not finite.
std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values, const ChartScale& scale);
