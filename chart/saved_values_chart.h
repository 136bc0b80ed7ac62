#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"

// What the chart keeps of the saved values while the player changes the counts, worked out when
// they change or when a provisional value moves the chart to another scale: their count, sum
// and extremes, and the history line through them on that scale, one value short of its end.
// Each keystroke's average, scale and plot then take its provisional value alone, however many
// values are saved.
struct SavedValuesChart {
    std::size_t count = 0;
    double sum = 0.0;
    std::optional<ScaleExtremes> extremes;
    HistoryLine line;
};

// For the saved values, oldest first, on the scale they ask for with the provisional value.
SavedValuesChart ChartOfSavedValues(std::span<const double> saved, double provisional);

// The saved values with the provisional value after them: the same figures as AverageOf,
// ComputeChartScale and PlotPrimitives of them all. PlotWith is for the chart's own scale alone
// (ScaleWith(chart, provisional) == chart.line.Scale()).
double AverageWith(const SavedValuesChart& chart, double provisional);
ChartScale ScaleWith(const SavedValuesChart& chart, double provisional);
std::vector<ChartPrimitive> PlotWith(const SavedValuesChart& chart, double provisional);
