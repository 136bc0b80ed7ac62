#include "commands/window_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/messages.h"
#include "platform/window_text.h"
#include "res/version.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

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
constexpr CommandRoute kNoRoute{};
constexpr CommandRoute kSave{.action = CommandAction::Save};

INSTANTIATE_TEST_SUITE_P(CountFields, RouteCommandTest,
                         testing::Values(RouteCase{1005, kEditUpdate, kRecalculate},
                                         RouteCase{1006, kEditUpdate, kRecalculate},
                                         RouteCase{1005, kEditChange, kNoRoute},
                                         RouteCase{1006, 0, kNoRoute},
                                         RouteCase{1003, kEditUpdate, kNoRoute},
                                         RouteCase{1004, kEditUpdate, kNoRoute},
                                         RouteCase{1007, kEditUpdate, kNoRoute}));

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
                    RouteCase{999, 0, kNoRoute}, RouteCase{1001, 0, kNoRoute},
                    RouteCase{1010, 0, {.action = CommandAction::ToggleFollowing}},
                    RouteCase{1011, 0, kNoRoute}, RouteCase{1012, 0, kNoRoute},
                    RouteCase{1013, 0, kNoRoute}, RouteCase{0, 0, kNoRoute}));

TEST(RunCommand, HelpMenuItemsShowTheirBoxesOwnedByTheMainWindow) {
    ResetRecording();
    FakeForm form;

    RunCommand(form.state, 1000, 0);
    RunCommand(form.state, 1002, 0);
    RunCommand(form.state, 1001, 0);

    const std::vector<RecordedMessageBox>& boxes = RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].caption, "バージョン情報");
    EXPECT_EQ(boxes[0].text.rfind("Created by ", 0), 0U);
    EXPECT_TRUE(boxes[0].text.ends_with("\n\n\n\n\nversion: " TALLYMERE_VERSION_TEXT));
    EXPECT_EQ(boxes[0].owner, form.controls.main);
    EXPECT_EQ(boxes[1].caption, "ヘルプ情報");
    EXPECT_EQ(boxes[1].text, "ヘルプは付属のIndex.htmlをご覧ください.");
    EXPECT_EQ(boxes[1].owner, form.controls.main);
}

// The history's limit stands in for memory running out: its Append throws as growth would.
class OutOfRoomTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFakeDisk();
        ResetRecording();
    }

    // Every box shown so far says the command stopped for want of memory.
    static void ExpectOnlyOutOfMemoryBoxes(std::size_t count) {
        ASSERT_EQ(RecordedMessageBoxes().size(), count);
        for (const RecordedMessageBox& box : RecordedMessageBoxes()) {
            EXPECT_EQ(box.text, kOutOfMemoryText);
            EXPECT_EQ(box.caption, kMessageBoxCaption);
        }
    }
};

// The typed counts' percentage is kept beside the history, not in it: a full history still
// follows every keystroke, import and load, without a box.
TEST_F(OutOfRoomTest, AFullHistoryStillFollowsTypingImportAndLoad) {
    FakeDisk()[R"(C:\Nexon\SuddenAttack\error.log)"].bytes = "\tNick: P\n\tKill: 10\n\tDeath: 5\n";
    FakeDisk()["kddata.ioy"].bytes = kExampleDataFile;  // three values
    FakeForm form(3);
    StartWithDataFile(form.state);
    EXPECT_EQ(form.average.text, "57.500");
    SetWindowTextUtf8(form.controls.killField, "28");
    EXPECT_EQ(form.average.text, "62.569");
    RunCommand(form.state, 1009, 0);
    EXPECT_EQ(form.kdResult.text, "67%   (66.667%)");
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    EXPECT_EQ(form.history.Count(), 3U);
}

TEST_F(OutOfRoomTest, SaveWritesNothingAndTheHistoryStaysAsItWas) {
    FakeDisk()["kddata.ioy"].bytes = kExampleDataFile;
    FakeForm form(1);
    form.history.Append(40.0);
    form.name.text = "A";
    form.clan.text = "B";
    form.kill.text = "3";
    form.death.text = "1";
    RunCommand(form.state, 1008, 0);

    ExpectOnlyOutOfMemoryBoxes(1);
    EXPECT_EQ(FakeDisk()["kddata.ioy"].bytes, kExampleDataFile);
    EXPECT_EQ(FakeDisk().size(), 1U) << "no file is left beside it";
    EXPECT_EQ(form.history.Count(), 1U);
}

TEST_F(OutOfRoomTest, AFileBeyondTheRoomIsUnreadableForTheRunWithoutABox) {
    FakeDisk()["kddata.ioy"].bytes = kExampleDataFile;
    FakeForm form(2);
    StartWithDataFile(form.state);

    ExpectOnlyOutOfMemoryBoxes(0);
    EXPECT_EQ(form.history.Count(), 0U);
    EXPECT_FALSE(form.state.dataFileReplaceable);
}

// A screen reader hears the K/D box once for each command of the player's that changes it,
// however many counts the command sets; never for one that leaves it as it was, nor for the start.
TEST(RunCommand, TellsAScreenReaderOfEachChangeOfTheKdOnce) {
    ResetFakeDisk();
    ResetRecording();
    FakeDisk()[kDataFile].bytes = kExampleDataFile;    // 12 kills and 8 deaths
    FakeDisk()[kGameLogPath].bytes = kExampleGameLog;  // 10 and 5
    FakeDisk()["dropped.log"].bytes = "\tKill: 12\n\tDeath: 8\n";
    FakeForm form;
    StartWithDataFile(form.state);
    EXPECT_EQ(RecordedAnnouncements(), 0) << "the start";
    SetWindowTextUtf8(form.controls.killField, "120");
    EXPECT_EQ(RecordedAnnouncements(), 1) << "a kill typed";
    RunCommand(form.state, 1009, 0);
    EXPECT_EQ(RecordedAnnouncements(), 2) << "F5, setting both counts";
    ImportGivenLog(form.state, "dropped.log");
    EXPECT_EQ(RecordedAnnouncements(), 3) << "a log dropped";
    ImportGivenLog(form.state, "dropped.log");
    RunCommand(form.state, 1008, 0);
    EXPECT_EQ(RecordedAnnouncements(), 3) << "the same log again, and Save";
}

}  // namespace
