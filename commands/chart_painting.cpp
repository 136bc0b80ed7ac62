#include "commands/chart_painting.h"

#include <new>

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

}  // namespace

void SetProvisionalPercent(WindowState& state, double percent) {
    std::optional<ProvisionalPoint>& provisional = state.provisional;
    if (provisional && ScaleWith(provisional->saved, percent) == provisional->saved.line.Scale()) {
        provisional->percent = percent;
    } else {
        provisional.reset();
        provisional = {percent, ChartOfSavedValues(state.history.Values(), percent)};
    }
    InvalidateChart(state);
}

void ShowSavedValuesAlone(WindowState& state) {
    state.provisional.reset();
    InvalidateChart(state);
}

double ShownAverage(const WindowState& state) {
    return state.provisional ? AverageWith(state.provisional->saved, state.provisional->percent)
                             : state.history.Average();
}

void PaintChart(Canvas canvas, const WindowState& state) noexcept {
    const std::optional<ProvisionalPoint>& provisional = state.provisional;
    const std::span<const double> saved = state.history.Values();
    const ChartScale scale =
        provisional ? provisional->saved.line.Scale() : ComputeChartScale(saved);
    DrawComputed(canvas, [] { return FramePrimitives(); });
    DrawComputed(canvas, [&] { return LabelPrimitives(scale.lowerBound, scale.labelStep); });
    DrawComputed(canvas, [&] {
        return provisional ? PlotWith(provisional->saved, provisional->percent)
                           : PlotPrimitives(saved, scale);
    });
}

void InvalidateChart(const WindowState& state) {
    InvalidateArea(state.form.main, kChartPanel, state.dpi);
}
