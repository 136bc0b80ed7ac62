#pragma once

#include <cstdint>

#include "history/kd_history.h"
#include "platform/window.h"

// The chart's three drawing operations. Each obtains and releases its own device context and
// paints over whatever was there; nothing is cached between calls.
void DrawChartFrame(Window window);
void DrawAxisLabels(Window window, std::int32_t lowerBound, std::int32_t step);

// The whole chart from the history, on the scale the history asks for; nothing for an empty one.
void RedrawChart(Window window, const KdHistory& history);
