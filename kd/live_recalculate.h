#pragma once

#include <string>

#include "history/kd_history.h"
#include "platform/form_controls.h"

// Recomputes the four result boxes and redraws the chart from the two count fields, with the
// current percentage lent to the history as its newest point for the average and the chart.
void LiveRecalculate(const FormControls& form, KdHistory& history);

// The K/D box's text: the percentage with no decimals and with three ("50%   (50.000%)").
std::string KdResultText(double percent);
