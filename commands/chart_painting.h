#pragma once

#include "commands/window_state.h"
#include "platform/drawing.h"

// The chart as the window shows it: the saved history and, while the counts are valid, the
// current percentage as its newest point, on the scale they ask for; the empty frame with the
// axis 0 to 100 when there is nothing to plot. Painted from the state alone, so that a repaint
// shows what the last paint showed. What cannot be drawn, for want of memory too, is left
// undrawn.
void PaintChart(Canvas canvas, WindowState& state) noexcept;

// Asks for the chart to be painted again: what it shows has changed.
void InvalidateChart(const WindowState& state);
