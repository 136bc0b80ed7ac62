#include "commands/chart_painting.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/chart_primitives.h"
#include "tests/support/fake_form.h"

namespace {

std::vector<std::vector<ChartPrimitive>> Painted(FakeForm& form) {
    ResetRecording();
    PaintChart(Canvas{}, form.state);
    std::vector<std::vector<ChartPrimitive>> drawn;
    for (const RecordedDrawing& drawing : RecordedDrawings()) {
        drawn.push_back(drawing.primitives);
    }
    return drawn;
}

TEST(PaintChart, AnEmptyChartIsTheFrameWithTheWholeAxis) {
    FakeForm form;
    EXPECT_EQ(Painted(form), (std::vector<std::vector<ChartPrimitive>>{
                                 FramePrimitives(), LabelPrimitives(0, 10), {}}));
}

TEST(PaintChart, PlotsTheHistoryAndTheCurrentPercentageAsItsNewestPoint) {
    FakeForm form;
    for (const double value : {50.0, 60.0}) {
        form.history.Append(value);
    }
    form.state.currentPercent = 55.5;
    const std::vector<double> shown{50.0, 60.0, 55.5};
    const ChartScale scale{.lowerBound = 50, .labelStep = 2, .pixelsPerPoint = 10};
    const std::vector<std::vector<ChartPrimitive>> expected{
        FramePrimitives(), LabelPrimitives(50, 2), PlotPrimitives(shown, scale)};
    EXPECT_EQ(Painted(form), expected);
    EXPECT_EQ(Painted(form), expected) << "a repaint shows the same";
    EXPECT_EQ(form.history.Count(), 2U) << "the current percentage is not saved";

    form.state.currentPercent.reset();
    EXPECT_EQ(Painted(form).back(),
              PlotPrimitives(form.history.Values(), ComputeChartScale(form.history)));
}

}  // namespace
