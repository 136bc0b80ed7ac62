#include "commands/chart_painting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "commands/data_file_commands.h"
#include "platform/window_text.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

// The primitives of one paint of the chart.
std::vector<ChartPrimitive> Painted(const WindowState& state) {
    ResetRecording();
    PaintChart(Canvas{}, state);
    std::vector<ChartPrimitive> painted;
    for (const RecordedDrawing& drawing : RecordedDrawings()) {
        painted.insert(painted.end(), drawing.primitives.begin(), drawing.primitives.end());
    }
    return painted;
}

// The chart of these values alone, as a paint draws it.
std::vector<ChartPrimitive> ChartOf(const std::vector<double>& values) {
    const ChartScale scale = ComputeChartScale(values);
    std::vector<ChartPrimitive> chart = FramePrimitives();
    for (auto part :
         {LabelPrimitives(scale.lowerBound, scale.labelStep), PlotPrimitives(values, scale)}) {
        chart.insert(chart.end(), part.begin(), part.end());
    }
    return chart;
}

struct StartCase {
    const char* name;
    std::string historyLines;  // the last line holds the counts, whose percentage is not saved
    std::vector<double> saved;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartPictureTest : public testing::TestWithParam<StartCase> {};

// At start the chart shows what the data file holds, not the percentage of its counts besides.
TEST_P(StartPictureTest, IsTheSavedHistoryAlone) {
    ResetFakeDisk();
    FakeDisk()[kDataFile].bytes =
        "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n" + GetParam().historyLines;
    FakeForm form;
    LoadDataFile(form.state);
    EXPECT_EQ(Painted(form.state), ChartOf(GetParam().saved));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, StartPictureTest,
    testing::Values(StartCase{"OneValue", "K = 12 D = 8 K/D = 62.500\r\n", {62.5}},
                    StartCase{"TwoValues",
                              "K = 0 D = 0 K/D = 0.000\r\nK = 1 D = 1 K/D = 100.000\r\n",
                              {0.0, 100.0}},
                    StartCase{"FourValues",
                              "K = 0 D = 0 K/D = 40.000\r\nK = 0 D = 0 K/D = 45.250\r\n"
                              "K = 0 D = 0 K/D = 43.000\r\nK = 3 D = 7 K/D = 47.900\r\n",
                              {40.0, 45.25, 43.0, 47.9}},
                    StartCase{"AllAHundred",
                              "K = 0 D = 0 K/D = 100.000\r\nK = 7 D = 0 K/D = 100.000\r\n",
                              {100.0, 100.0}},
                    // Counts whose percentage is not a number: the average line stays.
                    StartCase{"CountsBothZero",
                              "K = 0 D = 0 K/D = 55.000\r\nK = 0 D = 0 K/D = 57.500\r\n",
                              {55.0, 57.5}},
                    StartCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<StartCase>& testCase) { return testCase.param.name; });

// The counts the player types are the chart's newest point through every repaint, until Save
// makes them the newest saved value: then drawn once, not twice.
TEST(PaintChart, ShowsTheTypedCountsUntilTheyAreSavedThenTheHistoryAlone) {
    ResetFakeDisk();
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
    FakeForm form;
    LoadDataFile(form.state);
    form.name.text = "Taro";
    form.clan.text = "Alpha";
    form.death.text = "10";
    SetWindowTextUtf8(form.controls.killField, "30");
    const std::vector<ChartPrimitive> typed = ChartOf({55.0, 57.5, 60.0, 75.0});
    EXPECT_EQ(Painted(form.state), typed);
    EXPECT_EQ(Painted(form.state), typed) << "a repaint";

    SetWindowTextUtf8(form.controls.killField, "-3");
    EXPECT_EQ(Painted(form.state), typed) << "a negative count changes nothing";

    SetWindowTextUtf8(form.controls.killField, "30");
    SaveDataFile(form.state);
    EXPECT_EQ(Painted(form.state), ChartOf({55.0, 57.5, 60.0, 75.0}));
    EXPECT_EQ(form.history.Count(), 4U);
}

}  // namespace
