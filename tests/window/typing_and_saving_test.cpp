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

TEST_F(TypingAndSavingTest, SaveButtonWritesTheFileAndConfirms) {
    WriteFileBytes(DataFilePath(), kExampleDataFile);
    Start();
    MessageBoxCatcher catcher;
    SendMessageA(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_EQ(catcher.Caught().size(), 1U);
    EXPECT_EQ(catcher.Caught()[0].text, "保存しました。");
    EXPECT_EQ(catcher.Caught()[0].caption, "メッセージボックス");
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
    MessageBoxCatcher catcher;
    SendMessageA(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    SetFileAttributesA(DataFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(catcher.Caught().size(), 1U);
    EXPECT_EQ(catcher.Caught()[0].text, "ファイルのオープンエラー.");
    EXPECT_EQ(ReadFileBytes(DataFilePath()), kExampleDataFile);
}

TEST_F(TypingAndSavingTest, BothCountsZeroAreNotSaved) {
    Start();
    SetWindowTextA(form_.name, "A");
    SetWindowTextA(form_.clan, "B");
    SetWindowTextA(form_.kill, "0");
    SetWindowTextA(form_.death, "0");
    MessageBoxCatcher catcher;
    SendMessageA(form_.save, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_EQ(catcher.Caught().size(), 1U);
    EXPECT_EQ(catcher.Caught()[0].text, "KILL数とDEATH数が両方とも0のため保存できません.");
    EXPECT_EQ(GetFileAttributesA(DataFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
