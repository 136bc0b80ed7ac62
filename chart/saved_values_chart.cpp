#include "chart/saved_values_chart.h"

SavedValuesChart ChartOfSavedValues(std::span<const double> saved, double provisional) {
    double sum = 0.0;
    for (const double value : saved) {
        sum += value;
    }
    const std::optional<ScaleExtremes> extremes = ScaleExtremesOf(saved);
    HistoryLine line(saved.size() + 1, ScaleOf(WidenedBy(extremes, provisional)));
    line.Add(saved);
    return {saved.size(), sum, extremes, std::move(line)};
}

double AverageWith(const SavedValuesChart& chart, double provisional) {
    return (chart.sum + provisional) / static_cast<double>(chart.count + 1);
}

ChartScale ScaleWith(const SavedValuesChart& chart, double provisional) {
    return ScaleOf(WidenedBy(chart.extremes, provisional));
}

std::vector<ChartPrimitive> PlotWith(const SavedValuesChart& chart, double provisional) {
    HistoryLine line = chart.line;
    line.Add(provisional);
    return PlotPrimitives(std::move(line), AverageWith(chart, provisional));
}
