#include "chart/plot_cache.h"

#include <algorithm>
#include <utility>

std::vector<ChartPrimitive> PlotCache::PlotOf(const KdHistory& history, const ChartScale& scale) {
    if (history.Count() == 0) {
        return {};
    }
    const std::uint32_t newest = history.Count() - 1;
    return CompletePlot(OlderValuesPlotOf(history, scale), history.At(newest), history.Average(),
                        scale);
}

const OlderValuesPlot& PlotCache::OlderValuesPlotOf(const KdHistory& history,
                                                    const ChartScale& scale) {
    const std::uint64_t olderValues = history.OlderValuesIdentity();
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const KeptPlot& kept) {
        return kept.olderValues == olderValues && kept.scale == scale;
    });
    if (found != kept_.end()) {
        std::rotate(kept_.begin(), found, std::next(found));
        return kept_.front().plot;
    }
    KeptPlot computed{olderValues, scale,
                      PlotOlderValues(history.Values().first(history.Count() - 1), scale)};
    kept_.reserve(kKeptPlots);
    if (kept_.size() == kKeptPlots) {
        kept_.pop_back();
    }
    kept_.insert(kept_.begin(), std::move(computed));
    return kept_.front().plot;
}
