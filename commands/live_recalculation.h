#pragma once

#include "commands/window_state.h"

// Recomputes the four result boxes and redraws the chart from the two count fields, with the
// current percentage lent to the history as its newest point for the average and the chart.
void LiveRecalculate(WindowState& state);
