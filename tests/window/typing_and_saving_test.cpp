// Typing into the real window, saving through its button, and starting again from the file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/window_test_support.h"

namespace {

// Presses and releases each key, as the keyboard does, into the window that has the focus.
void TypeKeys(std::string_view keys) {
    std::vector<INPUT> inputs;
    for (const char key : keys) {
        INPUT press{};
        press.type = INPUT_KEYBOARD;
        press.ki.wVk = static_cast<WORD>(VkKeyScanA(key) & 0xFF);
        INPUT release = press;
        release.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(press);
        inputs.push_back(release);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages();
}

class TypingAndSavingTest : public FormWindowTest {
protected:
    void TypeInto(HWND field, std::string_view keys) {
        SetForegroundWindow(window_);
        SetFocus(field);
        PumpMessages();
        TypeKeys(keys);
    }

    // Clicks Save and returns the texts of the boxes it showed, each checked for its caption.
    std::vector<std::string> PressSave() {
        const MessageBoxCatcher catcher;
        SendMessageA(form_.save, BM_CLICK, 0, 0);
        PumpMessages();
        std::vector<std::string> texts;
        for (const CaughtMessageBox& box : catcher.Caught()) {
            EXPECT_EQ(box.caption, "メッセージボックス");
            texts.push_back(box.text);
        }
        return texts;
    }
};

TEST_F(TypingAndSavingTest, KeystrokesUpdateTheResultsAndLettersAreRefused) {
    Start();
    TypeInto(form_.death, "10");
    EXPECT_EQ(WindowText(form_.death), "10");
    TypeInto(form_.kill, "1");
    EXPECT_EQ(WindowText(form_.kdResult), "9%   (9.091%)");
    EXPECT_EQ(WindowText(form_.plusOne), "1");
    EXPECT_EQ(WindowText(form_.minusOne), "1");
    EXPECT_EQ(WindowText(form_.average), "9.091");
    TypeInto(form_.kill, "0");
    EXPECT_EQ(WindowText(form_.kill), "10");
    EXPECT_EQ(WindowText(form_.kdResult), "50%   (50.000%)");

    TypeInto(form_.kill, "ab");
    EXPECT_EQ(WindowText(form_.kill), "10") << "the count fields take digits only";
    TypeInto(form_.name, "ab");
    EXPECT_EQ(WindowText(form_.name), "ab");
}

// The chart is painted from the window's state: painted again, as when the window is uncovered,
// it shows the same, the typed counts' percentage as its newest point included.
TEST_F(TypingAndSavingTest, TheChartShowsTheSameAfterARepaint) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    Start();
    const auto chart = [&] {
        std::vector<COLORREF> pixels;
        HDC context = GetDC(window_);
        for (int y = 10; y < 257; ++y) {
            for (int x = 260; x < 495; ++x) {
                pixels.push_back(GetPixel(context, x, y));
            }
        }
        ReleaseDC(window_, context);
        return pixels;
    };
    const auto repainted = [&] {
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
        PumpMessages();
        return chart();
    };
    const std::vector<COLORREF> loaded = chart();
    SetWindowTextA(form_.kill, "30");
    SetWindowTextA(form_.death, "10");
    PumpMessages();
    const std::vector<COLORREF> typed = chart();
    EXPECT_NE(typed, loaded);
    EXPECT_EQ(repainted(), typed);
    EXPECT_EQ(PressSave(), std::vector<std::string>{"保存しました。"});
    const std::vector<COLORREF> saved = chart();
    EXPECT_EQ(repainted(), saved);
}

TEST_F(TypingAndSavingTest, LoadsTheDataFileAtStart) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    Start();
    EXPECT_EQ(WindowText(form_.name), "Taro");
    EXPECT_EQ(WindowText(form_.clan), "Alpha");
    EXPECT_EQ(WindowText(form_.kill), "12");
    EXPECT_EQ(WindowText(form_.death), "8");
    EXPECT_EQ(WindowText(form_.kdResult), "60%   (60.000%)");
    EXPECT_EQ(WindowText(form_.average), "57.500");
}

TEST_F(TypingAndSavingTest, CountsWithoutAnyValueLeaveTheAverageEmptyAtStart) {
    WriteFileBytes(DataFilePath(),
                   "[Info Of You]\r\nNAME = A\r\nCLAN = B\r\nK = 3 D = 1 K/D = nan\r\n");
    Start();
    EXPECT_EQ(WindowText(form_.kdResult), "75%   (75.000%)");
    EXPECT_EQ(WindowText(form_.average), "");
}

TEST_F(TypingAndSavingTest, SaveButtonWritesTheFileAndConfirms) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    Start();
    EXPECT_EQ(PressSave(), std::vector<std::string>{"保存しました。"});
    EXPECT_EQ(ReadFileBytes(DataFilePath()),
              "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n"
              "K = 0 D = 0 K/D = 55.000\r\nK = 0 D = 0 K/D = 57.500\r\n"
              "K = 0 D = 0 K/D = 60.000\r\nK = 12 D = 8 K/D = 60.000\r\n");
    EXPECT_EQ(GetFileAttributesA((DataFilePath() + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(TypingAndSavingTest, AReadOnlyDataFileGivesTheOpenErrorAndKeepsItsBytes) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    ASSERT_TRUE(SetFileAttributesA(DataFilePath().c_str(), FILE_ATTRIBUTE_READONLY));
    Start();
    EXPECT_EQ(PressSave(), std::vector<std::string>{"ファイルのオープンエラー."});
    SetFileAttributesA(DataFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(DataFilePath()), kExampleDataFile);
}

// Files that earlier saves left beside the data file, held open by someone who denies all
// sharing, as another copy of the program in the middle of its own save holds its file.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { CloseHandle(handle_); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    [[nodiscard]] bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::vector<std::string> SavingFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*.saving").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found) != 0);
    FindClose(search);
    return names;
}

TEST_F(TypingAndSavingTest, FilesHeldBesideTheDataFileDoNotStopASave) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    // The name earlier versions always used, and the first name this process would try.
    const HeldFile fixedName(DataFilePath() + ".saving");
    const HeldFile firstTry(DataFilePath() + "." + std::to_string(GetCurrentProcessId()) +
                            ".1.saving");
    ASSERT_TRUE(fixedName.Held() && firstTry.Held());
    Start();
    EXPECT_EQ(PressSave(), std::vector<std::string>{"保存しました。"});
    EXPECT_NE(ReadFileBytes(DataFilePath()), kExampleDataFile);
    EXPECT_EQ(SavingFilesIn(folder_).size(), 2U) << "the save left nothing of its own";
}

TEST_F(TypingAndSavingTest, BothCountsZeroAreNotSaved) {
    Start();
    SetWindowTextA(form_.name, "A");
    SetWindowTextA(form_.clan, "B");
    SetWindowTextA(form_.kill, "0");
    SetWindowTextA(form_.death, "0");
    EXPECT_EQ(PressSave(),
              std::vector<std::string>{"KILL数とDEATH数が両方とも0のため保存できません."});
    EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
