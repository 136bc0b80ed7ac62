#include "commands/chart_drawing.h"

#include <new>

#include "chart/chart_scale.h"
#include "platform/drawing.h"

namespace {

// Computing the primitives needs memory; without it the drawing is left out.
template <class Compute>
void DrawComputed(Window window, const Compute& compute) noexcept {
    try {
        DrawPrimitives(window, compute());
    } catch (const std::bad_alloc&) {
        return;
    }
}

}  // namespace

void DrawChartFrame(Window window) noexcept {
    DrawComputed(window, [] { return FramePrimitives(); });
}

void DrawAxisLabels(Window window, std::int32_t lowerBound, std::int32_t step) noexcept {
    DrawComputed(window, [&] { return LabelPrimitives(lowerBound, step); });
}

void RedrawChart(Window window, const KdHistory& history, PlotCache& cache) noexcept {
    if (history.Count() == 0) {
        return;
    }
    const ChartScale scale = ComputeChartScale(history);
    DrawChartFrame(window);
    DrawAxisLabels(window, scale.lowerBound, scale.labelStep);
    DrawComputed(window, [&] { return cache.PlotOf(history, scale); });
}

void PaintChart(Window window, const KdHistory& history, PlotCache& cache) noexcept {
    DrawChartFrame(window);
    DrawAxisLabels(window, kFullAxis.lowerBound, kFullAxis.labelStep);
    RedrawChart(window, history, cache);
}
