// Command 1009 on the real window, with the game's log where the game keeps it.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/window/window_test_support.h"

namespace {

constexpr const char* kLogPath = kGameLogPath;
constexpr std::string_view kExampleLog = kExampleGameLog;
constexpr WPARAM kImportLog = 1009;

class LogImportTest : public FormWindowTest {
protected:
    void SetUp() override {
        FormWindowTest::SetUp();
        DeleteFileA(kLogPath);
        WriteFileBytes(DataFilePath(), kExampleDataFile);
    }
    void TearDown() override {
        FormWindowTest::TearDown();
        DeleteFileA(kLogPath);
    }

    static void PlaceLog(std::string_view bytes) { PlaceGameLog(bytes); }

    void Import() {
        SendMessageA(window_, WM_COMMAND, kImportLog, 0);
        PumpMessages();
    }

    [[nodiscard]] std::array<std::string, 8> FormTexts() const { return ::FormTexts(form_); }
};

TEST_F(LogImportTest, FillsTheFormFromTheLogAndTheResultsFollow) {
    Start();
    PlaceLog(kExampleLog);
    MessageBoxCatcher catcher;
    Import();
    EXPECT_TRUE(catcher.Caught().empty()) << "a successful import says nothing";
    EXPECT_EQ(WindowText(form_.name), "Player01");
    EXPECT_EQ(WindowText(form_.clan), "Alpha");
    EXPECT_EQ(WindowText(form_.kill), "10");
    EXPECT_EQ(WindowText(form_.death), "5");
    // 10 kills and 5 deaths: 66.667%; one kill makes 68.75%, one death 62.5%; the average
    // joins 66.667 to the three loaded values.
    EXPECT_EQ(WindowText(form_.kdResult), "67%   (66.667%)");
    EXPECT_EQ(WindowText(form_.plusOne), "1");
    EXPECT_EQ(WindowText(form_.minusOne), "1");
    EXPECT_EQ(WindowText(form_.average), "59.792");
    EXPECT_EQ(ReadFileBytes(DataFilePath()), kExampleDataFile) << "the data file is not written";

    // The history still holds its three values: Save writes them and the imported counts.
    SendMessageA(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(ReadFileBytes(DataFilePath()),
              "[Info Of You]\r\nNAME = Player01\r\nCLAN = Alpha\r\n"
              "K = 0 D = 0 K/D = 55.000\r\nK = 0 D = 0 K/D = 57.500\r\n"
              "K = 0 D = 0 K/D = 60.000\r\nK = 10 D = 5 K/D = 66.667\r\n");
}

// The game writes the nickname in the system's ANSI code page; the name buffer keeps 63 bytes of
// it in whole characters: of 32 double-byte characters (64 bytes), 31.
TEST_F(LogImportTest, TheNicknameIsReadInTheSystemsCodePage) {
    const bool japanese = GetACP() == 932;
    // プレイヤー in code page 932; René in 1252.
    PlaceLog(japanese ? "\tNick: \x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B\r\n"
                      : "\tNick: Ren\xE9\r\n");
    Start();
    Import();
    EXPECT_EQ(WindowText(form_.name), japanese ? "プレイヤー" : "René");
    PlaceLog("\tNick: " + (japanese ? Repeated("\x83\x76", 32) : Repeated("\xE9", 64)));
    Import();
    EXPECT_EQ(WindowText(form_.name), japanese ? Repeated("プ", 31) : Repeated("é", 63));
}

TEST_F(LogImportTest, WithoutTheLogShowsTheFailureBoxAndChangesNothing) {
    Start();
    const std::array<std::string, 8> before = FormTexts();
    MessageBoxCatcher catcher;
    Import();
    ASSERT_EQ(catcher.Caught().size(), 1U);
    const CaughtMessageBox& box = catcher.Caught()[0];
    EXPECT_EQ(box.owner, window_);
    EXPECT_EQ(box.caption, "メッセージボックス");
    EXPECT_EQ(box.text,
              "ログファイルを開けません.SuddenAttackインストールフォルダを確認してください.");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(FormTexts(), before);
}

TEST_F(LogImportTest, ReadsTheLogWhileTheGameWritesItAndLeavesItFree) {
    PlaceLog(kExampleLog);
    Start();
    {
        // The game holds its log open for writing and lets others read and write it.
        HANDLE game = CreateFileA(kLogPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(game, INVALID_HANDLE_VALUE);
        Import();
        CloseHandle(game);
        EXPECT_EQ(WindowText(form_.kill), "10");
    }
    for (int run = 0; run < 20; ++run) {
        Import();
    }
    // Only a file nobody holds open can be opened denying everyone else.
    HANDLE exclusive = CreateFileA(kLogPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE) << "an import left the log open";
    CloseHandle(exclusive);
}

}  // namespace
