#include "commands/game_log_import.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/window_text.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

constexpr const char* kLogPath = kGameLogPath;

constexpr std::string_view kExampleLog =
    "[2026-12-01 20:14:03] match ended\r\n"
    "\tNick: Player01\r\n"
    "\tKill: 10\r\n"
    "\tDeath: 5\r\n";

class GameLogImportTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFakeDisk();
        ResetRecording();
        form_.name.text = "Before";
        form_.clan.text = "Alpha";
        form_.history.Append(40.0);
        form_.history.Append(60.0);
        form_.name.onTextSet = [this] { ++nameWrites_; };
    }

    void Import() { ImportGameLog(form_.state); }

    // The result boxes as typing the counts into a form with the same history shows them.
    void ExpectResultsOfTyped(const char* kills, const char* deaths) const {
        FakeForm typed;
        for (const double value : form_.history.Values()) {
            typed.history.Append(value);
        }
        typed.kill.text = kills;
        typed.death.text = deaths;
        typed.death.onTextSet();
        EXPECT_EQ(form_.kdResult.text, typed.kdResult.text);
        EXPECT_EQ(form_.plusOne.text, typed.plusOne.text);
        EXPECT_EQ(form_.minusOne.text, typed.minusOne.text);
        EXPECT_EQ(form_.average.text, typed.average.text);
    }

    FakeForm form_;
    int nameWrites_ = 0;
};

TEST_F(GameLogImportTest, TheNicknameIsReadInTheAnsiCodePage) {
    // The tests' ANSI code page is Latin-1: the byte E9 is "é".
    FakeDisk()[kLogPath].bytes = "\tNick: Ren\xE9\r\n";
    Import();
    EXPECT_EQ(form_.name.text, "Ren\xC3\xA9");
}

TEST_F(GameLogImportTest, FillsNameAndCountsAndTheResultsFollow) {
    FakeDisk()[kLogPath].bytes = kExampleLog;
    Import();
    EXPECT_EQ(form_.name.text, "Player01");
    EXPECT_EQ(form_.kill.text, "10");
    EXPECT_EQ(form_.death.text, "5");
    EXPECT_FALSE(form_.kdResult.text.empty());
    ExpectResultsOfTyped("10", "5");
    EXPECT_EQ(form_.recalculations, 2);

    EXPECT_EQ(form_.clan.text, "Alpha");
    EXPECT_EQ(form_.history.Values().size(), 2U) << "the provisional point is taken back";
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    EXPECT_EQ(FileOperationLog(), (std::vector<std::string>{"open-read", "close-read"}))
        << "only the log is touched";
}

TEST_F(GameLogImportTest, WithoutALogTellsSoAndChangesNothing) {
    form_.kill.text = "3";
    Import();
    ASSERT_EQ(RecordedMessageBoxes().size(), 1U);
    const RecordedMessageBox& box = RecordedMessageBoxes()[0];
    EXPECT_EQ(box.owner, form_.controls.main);
    EXPECT_EQ(box.caption, "メッセージボックス");
    EXPECT_EQ(box.text,
              "ログファイルを開けません.SuddenAttackインストールフォルダを確認してください.");
    EXPECT_EQ(form_.name.text, "Before");
    EXPECT_EQ(form_.kill.text, "3");
    EXPECT_EQ(form_.history.Values().size(), 2U);
    EXPECT_TRUE(RecordedInvalidations().empty());
    EXPECT_EQ(form_.recalculations, 0);
}

TEST_F(GameLogImportTest, ALockedLogCannotBeOpenedEither) {
    FakeDisk()[kLogPath] = {.bytes = std::string(kExampleLog), .locked = true};
    Import();
    EXPECT_EQ(RecordedMessageBoxes().size(), 1U);
    EXPECT_EQ(form_.name.text, "Before");
}

TEST_F(GameLogImportTest, ACountTheLogLacksKeepsItsField) {
    FakeDisk()[kLogPath].bytes = "\tNick: Player01\n\tDeath: 9\n";
    form_.kill.text = "3";
    Import();
    EXPECT_EQ(form_.kill.text, "3");
    EXPECT_EQ(form_.death.text, "9");
    ExpectResultsOfTyped("3", "9");
    ASSERT_TRUE(form_.state.provisional.has_value());
    EXPECT_EQ(form_.state.provisional->percent, 25.0) << "the chart's newest point";
}

TEST_F(GameLogImportTest, ALogWithoutNickOrCountsLeavesTheFields) {
    FakeDisk()[kLogPath].bytes = "\tNickname: X\nloading map\n";
    form_.kill.text = "1";
    form_.death.text = "1";
    Import();
    EXPECT_EQ(nameWrites_, 0);
    EXPECT_EQ(form_.name.text, "Before");
    EXPECT_EQ(form_.kill.text, "1");
    EXPECT_EQ(form_.recalculations, 0);
    EXPECT_TRUE(RecordedInvalidations().empty()) << "nothing the chart shows has changed";
}

TEST_F(GameLogImportTest, NameFieldIsWrittenOnceWithTheLastNicknameCutToTheBuffer) {
    FakeDisk()[kLogPath].bytes = "\tNick: A\n\tNick: " + std::string(100, 'b') + "\n\tNick:\n";
    Import();
    EXPECT_EQ(nameWrites_, 1);
    EXPECT_EQ(form_.name.text, std::string(63, 'b'));
}

TEST_F(GameLogImportTest, ANegativeCountIsSetAndTheResultsStayAsTheyWere) {
    FakeDisk()[kLogPath].bytes = "\tKill: -3\n\tDeath: 5\n";
    form_.kdResult.text = "earlier";
    Import();
    EXPECT_EQ(form_.kill.text, "-3");
    EXPECT_EQ(form_.death.text, "5");
    EXPECT_EQ(form_.kdResult.text, "earlier");
    EXPECT_EQ(form_.history.Values().size(), 2U);
}

TEST_F(GameLogImportTest, AReadErrorEndsTheLogWithWhatWasGathered) {
    FakeDisk()[kLogPath].bytes = "\tKill: 1\n\tDeath: 2\n" + std::string(40, '.') + "\tKill: 3\n";
    FailFileOperation("read");
    Import();
    EXPECT_EQ(form_.kill.text, "1");
    EXPECT_EQ(form_.death.text, "2");
}

TEST_F(GameLogImportTest, ImportingAgainAndAgainLeavesNoFileOpen) {
    FakeDisk()[kLogPath].bytes = std::string(kExampleLog) + std::string(200000, 'z');
    for (int run = 0; run < 50; ++run) {
        Import();
    }
    EXPECT_EQ(OpenReadHandleCount(), 0);
    EXPECT_EQ(form_.history.Values().size(), 2U);
    EXPECT_EQ(form_.kill.text, "10");
}

// A log the player gives goes the game's log's way, with its own answers where that ends early.
class GivenLogTest : public GameLogImportTest {
protected:
    void ImportGiven(const std::string& path) { ImportLogFile(form_.state, path); }

    static std::vector<std::string> TextsOf(const FakeForm& form) {
        return {form.name.text,     form.clan.text,    form.kill.text,     form.death.text,
                form.kdResult.text, form.plusOne.text, form.minusOne.text, form.average.text};
    }
    [[nodiscard]] std::vector<std::string> FormTexts() const { return TextsOf(form_); }
};

TEST_F(GivenLogTest, FillsTheFormExactlyAsTheGamesLogWithTheSameBytes) {
    FakeDisk()[kLogPath].bytes = kExampleLog;
    Import();
    const std::vector<std::string> fromGame = FormTexts();

    FakeForm given;
    for (const double value : form_.history.Values()) {
        given.history.Append(value);
    }
    given.name.text = "Before";
    given.clan.text = "Alpha";
    FakeDisk()[R"(D:\logs\ログ\error.log)"].bytes = kExampleLog;
    ImportLogFile(given.state, R"(D:\logs\ログ\error.log)");
    EXPECT_EQ(TextsOf(given), fromGame);
    ASSERT_TRUE(given.state.provisional && form_.state.provisional);
    EXPECT_EQ(given.state.provisional->percent, form_.state.provisional->percent);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

struct GivenFailureCase {
    const char* description;
    std::optional<FakeFile> file;  // nothing: no such file
    std::string box;
};

class GivenLogFailureTest : public GivenLogTest,
                            public testing::WithParamInterface<GivenFailureCase> {};

TEST_P(GivenLogFailureTest, NamesTheFileAndChangesNothing) {
    const GivenFailureCase& c = GetParam();
    SCOPED_TRACE(c.description);
    const std::string path = R"(C:\Users\taro\Desktop\match.log)";
    if (c.file) {
        FakeDisk()[path] = *c.file;
    }
    form_.kill.text = "3";
    const std::vector<std::string> before = FormTexts();
    ImportGiven(path);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1U);
    EXPECT_EQ(RecordedMessageBoxes()[0].caption, "メッセージボックス");
    EXPECT_EQ(RecordedMessageBoxes()[0].text, c.box);
    EXPECT_EQ(FormTexts(), before);
    EXPECT_TRUE(RecordedInvalidations().empty());
    EXPECT_EQ(form_.history.Count(), 2U);
    EXPECT_EQ(OpenReadHandleCount(), 0);
}

const std::string kNotOpened = "ファイル「C:\\Users\\taro\\Desktop\\match.log」を開けません.";
const std::string kNothingFound =
    "ファイル「C:\\Users\\taro\\Desktop\\match."
    "log」にはニックネームもKILL数もDEATH数も見つかりません.";

INSTANTIATE_TEST_SUITE_P(
    Files, GivenLogFailureTest,
    testing::Values(GivenFailureCase{"missing", std::nullopt, kNotOpened},
                    GivenFailureCase{"held by another program",
                                     FakeFile{.bytes = "x", .locked = true}, kNotOpened},
                    GivenFailureCase{"no keywords",
                                     FakeFile{.bytes = "loading map\n\tNickname: X\n"},
                                     kNothingFound},
                    GivenFailureCase{"empty", FakeFile{}, kNothingFound}));

TEST_F(GivenLogTest, ACountAloneIsEnough) {
    FakeDisk()["match.log"].bytes = "\tKill: 7\n";
    ImportGiven("match.log");
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    EXPECT_EQ(form_.kill.text, "7");
    EXPECT_EQ(form_.name.text, "Before");
}

// A step of the game writing its log while the window follows it, and the fields after it.
struct FollowStep {
    const char* what;
    std::optional<std::string> log;  // none: the log is gone
    int identity = 0;                // another: the game made a new file
    const char* typedKills = nullptr;
    std::vector<std::string> fields;  // name, kills, deaths
};

// The log dropped onto the window is followed: each change the game writes reaches the fields
// it changes, silently; a count the player typed stays until the log tells another; a line
// still being written waits; a log gone and back, or new, is read from its start.
TEST_F(GameLogImportTest, AFollowedLogChangesOnlyWhatTheGameWroteAnew) {
    const std::string path = R"(D:\SA\error.log)";
    FakeDisk()[path].bytes = "\tNick: P1\n\tKill: 10\n\tDeath: 5\n";
    ImportLogFile(form_.state, path);
    const std::vector<FollowStep> steps = {
        {"typed over", "\tKill: 10\n\tDeath: 5\n", 0, "11", {"P1", "11", "5"}},
        {"a death", "\tKill: 10\n\tDeath: 6\n", 0, nullptr, {"P1", "11", "6"}},
        {"half a line", "\tDeath: 6\n\tKill: 1", 0, nullptr, {"P1", "11", "6"}},
        {"the line ended", "\tDeath: 6\n\tKill: 12\r\n", 0, nullptr, {"P1", "12", "6"}},
        {"gone", std::nullopt, 0, nullptr, {"P1", "12", "6"}},
        {"a new log, same kills", "\tKill: 12\n", 1, "13", {"P1", "13", "6"}},
        {"its first name", "\tKill: 12\n\tNick: P2\n", 1, nullptr, {"P2", "13", "6"}},
        {"truncated and written anew", "\tKill: 3\n", 1, nullptr, {"P2", "3", "6"}},
    };
    for (const FollowStep& step : steps) {
        if (step.log) {
            FakeDisk()[path] = {.bytes = *step.log, .identity = step.identity};
        } else {
            FakeDisk().erase(path);
        }
        if (step.typedKills != nullptr) {
            SetWindowTextUtf8(form_.controls.killField, step.typedKills);
        }
        ReadFollowedLog(form_.state);
        EXPECT_EQ((std::vector<std::string>{form_.name.text, form_.kill.text, form_.death.text}),
                  step.fields)
            << step.what;
    }
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    EXPECT_EQ(OpenReadHandleCount(), 0) << "the log is closed after each reading";
    EXPECT_EQ(LogReadAtLine(form_.state), "最後に読んだ時刻: 09:05:07");

    ToggleFollowing(form_.state);
    FakeDisk()[path].bytes = "\tKill: 4\n";
    ReadFollowedLog(form_.state);
    EXPECT_EQ(form_.kill.text, "3") << "no longer followed";
    FakeDisk()[kLogPath].bytes = kExampleLog;
    Import();
    EXPECT_FALSE(form_.state.follow.on) << "F5 leaves following as it is";
    ToggleFollowing(form_.state);
    EXPECT_EQ(form_.kill.text, "4") << "read at once when followed again";
}

}  // namespace
