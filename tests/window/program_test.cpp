// tallymere.exe itself, started as a player starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/window/program_launch.h"
#include "tests/window/window_test_support.h"

namespace {

TEST(Program, StartsShowsItsWindowAndEndsWithZeroWhenClosed) {
    const std::string folder = EnterFreshWorkingFolder();
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.process.hProcess, nullptr) << ProgramPath();
    EXPECT_NE(program.window, nullptr) << "no window shown within ten seconds";
    if (program.window != nullptr) {
        EXPECT_EQ(WindowText(program.window), "Tallymere");
        RECT outer{};
        GetWindowRect(program.window, &outer);
        EXPECT_EQ(outer.right - outer.left, 505);
        EXPECT_EQ(outer.bottom - outer.top, 332);
    }
    EXPECT_EQ(CloseProgram(program), 0U);

    // Closing without Save writes nothing.
    EXPECT_EQ(GetFileAttributesA((folder + "\\kddata.ioy").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The keys as a player uses them: the name field has the focus at start, Tab and Shift+Tab go
// round, selecting a field's text, and Ctrl+S, Enter and Space on the Save button each save once.
TEST(Program, TakesTheKeyboardAsAWindowsFormDoes) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    SetForegroundWindow(program.window);
    Sleep(300);
    const auto focus = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(program.process.dwThreadId, &info);
        return info.hwndFocus;
    };
    const Form form = FormOf(program.window);
    EXPECT_EQ(focus(), form.name);
    for (HWND next : {form.clan, form.kill, form.death, form.save, form.name}) {
        PressKeys({VK_TAB});
        EXPECT_EQ(focus(), next);
    }
    EXPECT_EQ(SendMessageW(form.name, EM_GETSEL, 0, 0), MAKELRESULT(0, 4)) << "Taro, selected";
    PressKeys({VK_CONTROL, 'S'});
    PressKeys({VK_RETURN});  // the box that says it saved
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(focus(), form.save) << "round backwards too";
    for (const WORD key : {VK_RETURN, VK_SPACE}) {
        PressKeys({key});
        PressKeys({VK_RETURN});
    }
    EXPECT_EQ(ReadFileBytes(folder + "\\kddata.ioy"),
              "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n"
              "K = 0 D = 0 K/D = 55.000\r\nK = 0 D = 0 K/D = 57.500\r\n" +
                  Repeated("K = 0 D = 0 K/D = 60.000\r\n", 3) + "K = 12 D = 8 K/D = 60.000\r\n")
        << "three Saves";
    EXPECT_EQ(CloseProgram(program), 0U);
}

}  // namespace
