#include "commands/chart_drawing.h"

#include <gtest/gtest.h>

#include "chart/chart_primitives.h"
#include "tests/support/recording_platform.h"

namespace {

TEST(RedrawChart, DrawsNothingForAnEmptyHistory) {
    ResetRecording();
    FakeWindow main;
    PlotCache cache;
    RedrawChart(AsWindow(main), KdHistory{}, cache);
    EXPECT_TRUE(RecordedDrawings().empty());
}

TEST(RedrawChart, DrawsFrameLabelsOfTheScaleAndPlotEachOnAContextOfItsOwn) {
    ResetRecording();
    FakeWindow main;
    KdHistory history;
    for (const double value : {50.0, 60.0, 55.5}) {
        history.Append(value);
    }
    PlotCache cache;
    RedrawChart(AsWindow(main), history, cache);

    const std::vector<RecordedDrawing>& drawings = RecordedDrawings();
    ASSERT_EQ(drawings.size(), 3U);
    for (const RecordedDrawing& drawing : drawings) {
        EXPECT_EQ(drawing.window, AsWindow(main));
    }
    EXPECT_EQ(drawings[0].primitives, FramePrimitives());
    EXPECT_EQ(drawings[1].primitives, LabelPrimitives(50, 2));
    EXPECT_EQ(
        drawings[2].primitives,
        PlotPrimitives(history.Values(), {.lowerBound = 50, .labelStep = 2, .pixelsPerPoint = 10}));
}

}  // namespace
