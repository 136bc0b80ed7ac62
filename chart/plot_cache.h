#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "history/kd_history.h"

// The older values' part of the last few plots, kept by whoever draws them from one paint to the
// next. A keystroke changes only the newest value, the current percentage after the saved ones:
// only the segment to it and the average line are new, so the cost of a paint does not grow
// with the history. A kept part is found
// again only for the very same older values (by the history's identity of them) and scale.
class PlotCache {
public:
    // Scales a few keystrokes may go back and forth between.
    static constexpr std::size_t kKeptPlots = 4;

    // The same primitives as PlotPrimitives(history.Values(), scale).
    std::vector<ChartPrimitive> PlotOf(const KdHistory& history, const ChartScale& scale);

private:
    struct KeptPlot {
        std::uint64_t olderValues = 0;
        ChartScale scale;
        OlderValuesPlot plot;
    };

    const OlderValuesPlot& OlderValuesPlotOf(const KdHistory& history, const ChartScale& scale);

    std::vector<KeptPlot> kept_;  // the most recently used first
};
