#pragma once

#include "commands/window_state.h"

// Recomputes the four result boxes from the two count fields, the average with the current
// percentage lent to the history as its newest value, and makes that percentage the chart's
// newest point. Negative counts leave everything as it was.
void LiveRecalculate(WindowState& state);
