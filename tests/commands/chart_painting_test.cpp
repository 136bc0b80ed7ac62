#include "commands/chart_painting.h"

#include <gtest/gtest.h>

#include "chart/chart_primitives.h"
#include "tests/support/fake_form.h"

namespace {

TEST(PaintChart, DrawsTheCurrentPercentageAsTheNewestPointWithoutSavingIt) {
    ResetRecording();
    FakeForm form;
    form.history.Append(50.0);
    form.history.Append(60.0);
    form.state.currentPercent = 55.5;
    PaintChart(Canvas{}, form.state);
    const std::vector<RecordedDrawing>& drawings = RecordedDrawings();
    ASSERT_EQ(drawings.size(), 3U);
    EXPECT_EQ(drawings[0].primitives, FramePrimitives());
    EXPECT_EQ(drawings[1].primitives, LabelPrimitives(50, 2));
    EXPECT_EQ(drawings[2].primitives,
              PlotPrimitives(std::vector<double>{50.0, 60.0, 55.5},
                             {.lowerBound = 50, .labelStep = 2, .pixelsPerPoint = 10}));
    EXPECT_EQ(form.history.Count(), 2U);
}

}  // namespace
