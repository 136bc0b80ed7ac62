#include "app/commands.h"

#include <gtest/gtest.h>

#include "tests/support/recording_platform.h"

namespace {

constexpr int kEditUpdate = 0x0400;  // EN_UPDATE
constexpr int kEditChange = 0x0300;  // EN_CHANGE

struct RouteCase {
    int id;
    int notificationCode;
    CommandRoute expected;
};

class RouteCommandTest : public testing::TestWithParam<RouteCase> {};

TEST_P(RouteCommandTest, RoutesByIdAndNotificationCode) {
    const RouteCase& c = GetParam();
    const CommandRoute route = RouteCommand(c.id, c.notificationCode);
    EXPECT_EQ(route.recalculate, c.expected.recalculate)
        << "id " << c.id << ", code " << c.notificationCode;
    EXPECT_EQ(route.action, c.expected.action) << "id " << c.id << ", code " << c.notificationCode;
}

constexpr CommandRoute kRecalculate{.recalculate = true};
constexpr CommandRoute kNothing{};
constexpr CommandRoute kSave{.action = CommandAction::Save};

INSTANTIATE_TEST_SUITE_P(CountFields, RouteCommandTest,
                         testing::Values(RouteCase{1005, kEditUpdate, kRecalculate},
                                         RouteCase{1006, kEditUpdate, kRecalculate},
                                         RouteCase{1005, kEditChange, kNothing},
                                         RouteCase{1006, 0, kNothing},
                                         RouteCase{1003, kEditUpdate, kNothing},
                                         RouteCase{1004, kEditUpdate, kNothing},
                                         RouteCase{1007, kEditUpdate, kNothing}));

// The action follows the id alone, whatever the notification code.
INSTANTIATE_TEST_SUITE_P(
    Actions, RouteCommandTest,
    testing::Values(RouteCase{1000, 0, {.action = CommandAction::ShowVersion}},
                    RouteCase{1002, 0, {.action = CommandAction::ShowHelp}},
                    RouteCase{1002, 7, {.action = CommandAction::ShowHelp}},
                    RouteCase{1008, 0, kSave}, RouteCase{1008, 1, kSave},
                    RouteCase{1008, kEditUpdate, kSave},
                    RouteCase{1009, 0, {.action = CommandAction::ImportGameLog}},
                    RouteCase{1009, 0xFFFF, {.action = CommandAction::ImportGameLog}},
                    RouteCase{999, 0, kNothing}, RouteCase{1001, 0, kNothing},
                    RouteCase{1010, 0, kNothing}, RouteCase{0, 0, kNothing}));

TEST(RunCommand, HelpMenuItemsShowTheirBoxesOwnedByTheMainWindow) {
    ResetRecording();
    FakeWindow main;
    FormControls form;
    form.main = AsWindow(main);
    KdHistory history;

    RunCommand(form, history, 1000, 0);
    RunCommand(form, history, 1002, 0);
    RunCommand(form, history, 1001, 0);

    const std::vector<RecordedMessageBox>& boxes = RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].caption, "バージョン情報");
    EXPECT_EQ(boxes[0].text.rfind("Created by ", 0), 0U);
    EXPECT_TRUE(boxes[0].text.ends_with("\n\n\n\n\nversion: 1.2.2"));
    EXPECT_EQ(boxes[0].owner, form.main);
    EXPECT_EQ(boxes[1].caption, "ヘルプ情報");
    EXPECT_EQ(boxes[1].text, "ヘルプは付属のIndex.htmlをご覧ください.");
    EXPECT_EQ(boxes[1].owner, form.main);
}

}  // namespace
