// Save with each of its file operations failing in turn, and with the program dying between any
// two of them: the data file on disk is always the whole old file or the whole new one, the
// message box never claims a save that did not happen, and a restarted program goes on working.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "commands/data_file_commands.h"
#include "commands/messages.h"
#include "history/data_file_format.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

constexpr const char* kOpenError = "ファイルのオープンエラー.";
constexpr const char* kWriteError = "ファイルの書き込みエラー.";

// What the Save of PrepareForm's form writes in place of the example file.
constexpr std::string_view kNewDataFile =
    "[Info Of You]\r\nNAME = Jiro\r\nCLAN = Bravo\r\n"
    "K = 0 D = 0 K/D = 40.000\r\nK = 3 D = 1 K/D = 75.000\r\n";

// The box each operation's failure shows.
const std::map<std::string, const char*, std::less<>> kFailureTexts{
    {"check", kOpenError},  {"create", kOpenError}, {"write", kWriteError},
    {"flush", kWriteError}, {"close", kWriteError}, {"move", kWriteError}};

void PrepareForm(FakeForm& form) {
    form.name.text = "Jiro";
    form.clan.text = "Bravo";
    form.kill.text = "3";
    form.death.text = "1";
    form.history.Append(40.0);
}

void StartWithTheExampleFile() {
    ResetFakeDisk();
    ResetRecording();
    FakeDisk()[kDataFile].bytes = kExampleDataFile;
}

std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const RecordedMessageBox& box : RecordedMessageBoxes()) {
        texts.push_back(box.text);
    }
    return texts;
}

// The file operations of a Save that meets no fault, in order.
std::vector<std::string> OperationsOfASave() {
    StartWithTheExampleFile();
    FakeForm form;
    PrepareForm(form);
    SaveDataFile(form.state);
    EXPECT_EQ(FakeDisk()[kDataFile].bytes, kNewDataFile);
    return FileOperationLog();
}

std::size_t PositionOf(const std::vector<std::string>& operations, std::string_view operation) {
    return static_cast<std::size_t>(std::find(operations.begin(), operations.end(), operation) -
                                    operations.begin());
}

// Started again, the program shows what the data file holds, whatever an earlier Save left
// beside it, and its next Save replaces the file whole, neither stopped by what was left nor
// leaving anything of its own.
void ExpectARestartGoesOn(std::string_view dataFile) {
    ClearFileFaults();
    ResetRecording();
    FakeForm restarted;
    LoadDataFile(restarted.state);
    const std::optional<DataFileContents> contents = ParseDataFile(dataFile);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(restarted.name.text, contents->name);
    EXPECT_EQ(restarted.history.Count(), contents->values.size());

    const std::size_t filesBefore = FakeDisk().size();
    SaveDataFile(restarted.state);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string(kSavedText)});
    EXPECT_EQ(FakeDisk().size(), filesBefore) << "a Save leaves nothing of its own beside it";
    const std::optional<DataFileContents> saved = ParseDataFile(FakeDisk()[kDataFile].bytes);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->name, contents->name);
    EXPECT_EQ(saved->values.size(), contents->values.size() + 1);
}

TEST(SaveUnderFaults, EveryStepOfASaveIsAFileOperationOfTheSeam) {
    const std::vector<std::string> operations = OperationsOfASave();
    for (const char* step : {"check", "create", "write", "flush", "close", "move"}) {
        EXPECT_LT(PositionOf(operations, step), operations.size()) << step;
    }
}

TEST(SaveUnderFaults, AnyOperationFailingKeepsTheOldFileAndSaysSo) {
    const std::vector<std::string> operations = OperationsOfASave();
    for (std::size_t at = 0; at < operations.size(); ++at) {
        SCOPED_TRACE("failing: " + operations[at]);
        StartWithTheExampleFile();
        FakeForm form;
        PrepareForm(form);
        FailFileOperationAt(at);
        SaveDataFile(form.state);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{kFailureTexts.at(operations[at])});
        EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
        EXPECT_EQ(FakeDisk().size(), 1U) << "the new file beside it is removed";
        EXPECT_EQ(form.history.Count(), 1U) << "the history gains nothing";
        ExpectARestartGoesOn(kExampleDataFile);
    }
}

TEST(SaveUnderFaults, ACleanUpThatFailsTooLeavesNothingInTheWay) {
    const std::vector<std::string> operations = OperationsOfASave();
    for (std::size_t at = 0; at < operations.size(); ++at) {
        SCOPED_TRACE("failing: " + operations[at] + ", then the removal of the new file");
        StartWithTheExampleFile();
        FakeForm form;
        PrepareForm(form);
        FailFileOperationAt(at);
        FailFileOperation("remove");
        SaveDataFile(form.state);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{kFailureTexts.at(operations[at])});
        EXPECT_EQ(FakeDisk()[kDataFile].bytes, kExampleDataFile);
        ExpectARestartGoesOn(kExampleDataFile);
    }
}

TEST(SaveUnderFaults, ACrashBetweenAnyTwoOperationsLeavesTheOldFileOrTheNewWhole) {
    const std::vector<std::string> operations = OperationsOfASave();
    const std::size_t move = PositionOf(operations, "move");
    // The last round crashes after the last operation: the Save has done all it does on disk.
    for (std::size_t at = 0; at <= operations.size(); ++at) {
        SCOPED_TRACE(at < operations.size() ? "crash at: " + operations[at] : "no crash");
        StartWithTheExampleFile();
        FakeForm form;
        PrepareForm(form);
        CrashAtFileOperation(at);
        bool crashed = false;
        try {
            SaveDataFile(form.state);
        } catch (const SimulatedCrash&) {
            crashed = true;
        }
        EXPECT_EQ(crashed, at < operations.size());
        const std::string onDisk = FakeDisk()[kDataFile].bytes;
        EXPECT_EQ(onDisk, at > move ? kNewDataFile : kExampleDataFile);
        EXPECT_EQ(BoxTexts(), crashed ? std::vector<std::string>{}
                                      : std::vector<std::string>{std::string(kSavedText)})
            << "only a Save that replaced the file says so";
        ExpectARestartGoesOn(onDisk);
    }
}

}  // namespace
