#pragma once

#include "commands/window_state.h"
#include "platform/drawing.h"

// The chart as the window shows it: the saved history and, while the player changes the counts,
// their percentage as its newest point, on the scale they ask for; the empty frame with the axis
// 0 to 100 when there is nothing to plot. Painted from the state alone, so that a repaint shows
// what the last paint showed. What cannot be drawn, for want of memory too, is left undrawn.
void PaintChart(Canvas canvas, const WindowState& state) noexcept;

// Makes the percentage of the counts the player changed the chart's newest point, after the
// saved values, until the next Save or load.
void SetProvisionalPercent(WindowState& state, double percent);

// The chart shows the saved values alone: after a load, and after a Save.
void ShowSavedValuesAlone(WindowState& state);

// The average of the values the chart shows, the provisional one included.
double ShownAverage(const WindowState& state);

// Asks for the chart to be painted again: what it shows has changed.
void InvalidateChart(const WindowState& state);
