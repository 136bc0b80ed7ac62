#include "chart/chart_drawing.h"

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "platform/platform.h"

void DrawChartFrame(Window window) {
    DrawPrimitives(window, FramePrimitives());
}

void DrawAxisLabels(Window window, std::int32_t lowerBound, std::int32_t step) {
    DrawPrimitives(window, LabelPrimitives(lowerBound, step));
}

void RedrawChart(Window window, const KdHistory& history) {
    if (history.Count() == 0) {
        return;
    }
    const ChartScale scale = ComputeChartScale(history.Values());
    DrawChartFrame(window);
    DrawAxisLabels(window, scale.lowerBound, scale.labelStep);
    DrawPrimitives(window, PlotPrimitives(history.Values(), scale));
}
