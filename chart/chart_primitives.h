#pragma once

#include <cstdint>
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

// Each list is in drawing order: a later primitive paints over an earlier one.

// The grey panel, the white plot area and the nine grid rows from the bottom one up.
std::vector<ChartPrimitive> FramePrimitives();

// "(%)", the eleven value labels lowerBound + k * step from the bottom one up, and the title.
std::vector<ChartPrimitive> LabelPrimitives(std::int32_t lowerBound, std::int32_t step);

// The history line's segments, oldest first, then the average line; nothing for no values.
// A value that is not finite has no row: the segments that touch it are left out, and so is
// the average line when the average is not finite.
std::vector<ChartPrimitive> PlotPrimitives(std::span<const double> values, const ChartScale& scale);
