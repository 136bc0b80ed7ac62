#include "commands/chart_painting.h"

#include <new>
#include <stdexcept>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"

namespace {

// Computing the primitives needs memory; without it the drawing is left out.
template <class Compute>
void DrawComputed(Canvas canvas, const Compute& compute) noexcept {
    try {
        DrawPrimitives(canvas, compute());
    } catch (const std::bad_alloc&) {
        return;
    }
}

void PaintValues(Canvas canvas, const KdHistory& values, PlotCache& cache) noexcept {
    DrawComputed(canvas, [] { return FramePrimitives(); });
    const ChartScale scale = values.Count() > 0 ? ComputeChartScale(values) : kFullAxis;
    DrawComputed(canvas, [&] { return LabelPrimitives(scale.lowerBound, scale.labelStep); });
    DrawComputed(canvas, [&] { return cache.PlotOf(values, scale); });
}

}  // namespace

void PaintChart(Canvas canvas, WindowState& state) noexcept {
    if (state.currentPercent) {
        try {
            LendNewestValue(state.history, *state.currentPercent, [&](const KdHistory& values) {
                PaintValues(canvas, values, state.plotCache);
            });
            return;
        } catch (const std::bad_alloc&) {
        } catch (const std::length_error&) {
        }
        // No room in the history for the current percentage: the saved values alone.
    }
    PaintValues(canvas, state.history, state.plotCache);
}

void InvalidateChart(const WindowState& state) {
    InvalidateArea(state.form.main, kChartPanel);
}
