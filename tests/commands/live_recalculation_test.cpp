#include "commands/live_recalculation.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "chart/chart_primitives.h"
#include "platform/window_text.h"
#include "tests/support/fake_form.h"

namespace {

struct RecalculationCase {
    const char* kills;
    const char* deaths;
    const char* kdResult;
    const char* plusOne;
    const char* minusOne;
    const char* average;
};

class LiveRecalculateTest : public testing::TestWithParam<RecalculationCase> {};

TEST_P(LiveRecalculateTest, WritesTheFourResultsForAnEmptyHistory) {
    const RecalculationCase& c = GetParam();
    FakeForm form;
    form.kill.text = c.kills;
    form.death.text = c.deaths;
    LiveRecalculate(form.state);
    EXPECT_EQ(form.kdResult.text, c.kdResult);
    EXPECT_EQ(form.plusOne.text, c.plusOne);
    EXPECT_EQ(form.minusOne.text, c.minusOne);
    EXPECT_EQ(form.average.text, c.average);
    EXPECT_EQ(form.history.Count(), 0U) << "the provisional point is taken back";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LiveRecalculateTest,
    testing::Values(RecalculationCase{"10", "10", "50%   (50.000%)", "1", "1", "50.000"},
                    RecalculationCase{"1", "7", "13%   (12.500%)", "1", "1", "12.500"},
                    RecalculationCase{"1", "63", "2%   (1.563%)", "1", "3", "1.563"},
                    RecalculationCase{"23", "17", "57%   (57.500%)", "1", "1", "57.500"},
                    RecalculationCase{"1", "0", "100%   (100.000%)", "0", "0", "100.000"},
                    RecalculationCase{"0", "5", "0%   (0.000%)", "0", "0", "0.000"},
                    RecalculationCase{"", "5", "0%   (0.000%)", "0", "0", "0.000"},
                    RecalculationCase{"99", "1", "99%   (99.000%)", "100", "1", "99.000"},
                    RecalculationCase{"1234", "567", "69%   (68.517%)", "59", "1", "68.517"},
                    // Both counts 0: not a number, shown the same on every runtime.
                    RecalculationCase{"", "", "---%   (---%)", "0", "0", "---"},
                    RecalculationCase{"0", "0", "---%   (---%)", "0", "0", "---"},
                    // Beyond 32 bits the counts are clamped, and the sum is not wrapped.
                    RecalculationCase{"99999999999", "99999999999", "50%   (50.000%)", "43383509",
                                      "43383509", "50.000"}));

TEST(LiveRecalculate, AveragesWithTheProvisionalPointAndTakesItBack) {
    FakeForm form;
    for (const double value : {40.0, 60.0, 55.5}) {
        form.history.Append(value);
    }
    form.kill.text = "10";
    form.death.text = "10";
    LiveRecalculate(form.state);
    EXPECT_EQ(form.average.text, "51.375");
    ASSERT_EQ(form.history.Count(), 3U);
    EXPECT_EQ(form.history.At(0), 40.0);
    EXPECT_EQ(form.history.At(1), 60.0);
    EXPECT_EQ(form.history.At(2), 55.5);
}

TEST(LiveRecalculate, ShowsTheCurrentPercentageAsTheChartsNewestPoint) {
    ResetRecording();
    FakeForm form;
    form.history.Append(40.0);
    form.kill.text = "3";
    form.death.text = "1";
    LiveRecalculate(form.state);
    ASSERT_TRUE(form.state.provisional.has_value());
    EXPECT_EQ(form.state.provisional->percent, 75.0);
    EXPECT_EQ(RecordedInvalidations(), std::vector<Area>{kChartPanel});
    EXPECT_TRUE(RecordedDrawings().empty()) << "nothing is drawn outside the paint";
}

TEST(LiveRecalculate, ANegativeCountLeavesEverythingAsItWas) {
    ResetRecording();
    FakeForm form;
    form.history.Append(40.0);
    form.kdResult.text = "before";
    form.plusOne.text = "1";
    form.minusOne.text = "2";
    form.average.text = "3";
    for (const auto& [kills, deaths] : {std::pair{"-5", "10"}, std::pair{"10", "-1"}}) {
        form.kill.text = kills;
        form.death.text = deaths;
        LiveRecalculate(form.state);
    }
    EXPECT_EQ(form.kdResult.text, "before");
    EXPECT_EQ(form.plusOne.text, "1");
    EXPECT_EQ(form.minusOne.text, "2");
    EXPECT_EQ(form.average.text, "3");
    EXPECT_EQ(form.history.Count(), 1U);
    EXPECT_FALSE(form.state.provisional.has_value());
    EXPECT_TRUE(RecordedInvalidations().empty());
}

TEST(LiveRecalculate, FollowsEveryKeystroke) {
    FakeForm form;
    form.death.text = "10";
    SetWindowTextUtf8(form.controls.killField, "1");
    EXPECT_EQ(form.kdResult.text, "9%   (9.091%)");
    EXPECT_EQ(form.plusOne.text, "1");
    EXPECT_EQ(form.minusOne.text, "1");
    SetWindowTextUtf8(form.controls.killField, "10");
    EXPECT_EQ(form.kdResult.text, "50%   (50.000%)");
    EXPECT_EQ(form.plusOne.text, "1");
    EXPECT_EQ(form.minusOne.text, "1");
    EXPECT_EQ(form.recalculations, 2);
}

}  // namespace
