#include "chart/saved_values_chart.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/support/edge_values.h"
#include "tests/support/random_histories.h"

namespace {

// What a keystroke shows from the kept chart is what the whole history with its provisional
// value gives, bit for bit, for every provisional value on the kept scale; another scale is
// told apart.
TEST(SavedValuesChart, GivesTheFiguresOfTheWholeHistoryWithTheProvisionalValue) {
    RandomHistories random(23);
    for (const std::size_t count : {0, 1, 2, 19, 201, 202, 5000}) {
        const std::vector<double> saved = random.Line(count, count % 2 == 0);
        const SavedValuesChart chart = ChartOfSavedValues(saved, random.Value());
        for (int keystroke = 0; keystroke < 50; ++keystroke) {
            // Mostly near the newest value, as typing goes; now and then anything.
            const double provisional =
                keystroke % 5 == 0 ? random.Value() : random.Between(45.0, 61.0);
            std::vector<double> all = saved;
            all.push_back(provisional);
            const ChartScale scale = ComputeChartScale(all);
            ASSERT_EQ(ScaleWith(chart, provisional), scale) << count;
            ASSERT_EQ(BitsOf(AverageWith(chart, provisional)), BitsOf(AverageOf(all))) << count;
            if (scale == chart.line.Scale()) {
                ASSERT_EQ(PlotWith(chart, provisional), PlotPrimitives(all, scale)) << count;
            }
        }
    }
}

}  // namespace
