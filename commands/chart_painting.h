#pragma once

#include <cstdint>

#include "chart/plot_cache.h"
#include "history/kd_history.h"
#include "platform/window.h"

// The chart's drawing operations. Each obtains and releases its own device context and paints
// over whatever was there; only the plot's older values are kept between calls, in the cache the
// caller passes. None reports a failure: what cannot be drawn, for want of memory too, is left
// undrawn.
void DrawChartFrame(Window window) noexcept;
void DrawAxisLabels(Window window, std::int32_t lowerBound, std::int32_t step) noexcept;

// The whole chart from the history, on the scale the history asks for; nothing for an empty one.
void RedrawChart(Window window, const KdHistory& history, PlotCache& cache) noexcept;

// The chart as every repaint draws it: the empty frame with the axis 0 to 100, then the history.
void PaintChart(Window window, const KdHistory& history, PlotCache& cache) noexcept;
