#include "chart/plot_cache.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "history/kd_history.h"
#include "tests/support/random_histories.h"

namespace {

// A kept part drawn for other values than its own would leave a stale line on the chart. After
// every change and while a value is lent, the cache gives the plain plot of the values, on the
// history's own scale and on others that keystrokes go back and forth between.
TEST(PlotCache, GivesThePlainPlotOfTheValuesAfterEveryChange) {
    constexpr ChartScale kScales[] = {kFullAxis, {50, 1, 20}, {40, 2, 10}, {40, 5, 4}, {0, 1, 20}};
    RandomHistories random(3);
    KdHistory history;
    PlotCache cache;
    for (int change = 0; change < 20000; ++change) {
        random.Change(history, [&](const KdHistory& changed) {
            const ChartScale scale = random.Below(3) == 0
                                         ? ComputeChartScale(changed)
                                         : kScales[random.Below(std::size(kScales))];
            ASSERT_EQ(cache.PlotOf(changed, scale), PlotPrimitives(changed.Values(), scale))
                << "change " << change;
        });
    }
}

}  // namespace
