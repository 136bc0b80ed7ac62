#pragma once

#include "commands/window_state.h"

// Recomputes the four result boxes from the two count fields and makes their percentage the
// provisional newest value of the history: the chart's newest point, counted in the average,
// until the next Save or load. Negative counts leave everything as it was.
void LiveRecalculate(WindowState& state);
