// tallymere.exe as a player starts it: from the keyboard, by a log dropped onto its icon, and a
// second time by mistake.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32_wide_text.h"
#include "tests/window/program_control.h"
#include "tests/window/window_test_support.h"

namespace {

// The history lines of a data file: one for each Save.
int SavedLines(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    int lines = 0;
    for (std::size_t at = bytes.find("K = "); at != std::string::npos;
         at = bytes.find("K = ", at + 1)) {
        ++lines;
    }
    return lines;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(ProgramKeyboard, TheNameHasTheFocusAndTabGoesRoundBothWays) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    BringToFront(program);
    const Form form = FormOf(program.window);
    EXPECT_EQ(FocusOf(program), form.name);
    for (HWND next : {form.clan, form.kill, form.death, form.save, form.name}) {
        PressKeys({VK_TAB});
        EXPECT_EQ(FocusOf(program), next);
    }
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(form.name, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 4U) << "a field entered by Tab has its text selected";
    for (HWND previous : {form.save, form.death, form.kill, form.clan, form.name}) {
        PressKeys({VK_SHIFT, VK_TAB});
        EXPECT_EQ(FocusOf(program), previous);
    }
    EXPECT_EQ(CloseProgram(program), 0U);
}

TEST(ProgramKeyboard, CtrlSEnterAndSpaceOnSaveEachSaveOnce) {
    const std::string folder = EnterFreshWorkingFolder();
    WriteFileBytes(folder + "\\kddata.ioy", kExampleDataFile);
    const std::string dataFile = folder + "\\kddata.ioy";
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    BringToFront(program);
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_EQ(TakeMessageBox(program), "保存しました。");
    EXPECT_EQ(SavedLines(dataFile), 4);
    PressKeys({VK_SHIFT, VK_TAB});  // round to the Save button
    PressKeys({VK_RETURN});
    EXPECT_EQ(TakeMessageBox(program), "保存しました。");
    EXPECT_EQ(SavedLines(dataFile), 5);
    PressKeys({VK_SPACE});
    EXPECT_EQ(TakeMessageBox(program), "保存しました。");
    EXPECT_EQ(SavedLines(dataFile), 6);
    EXPECT_EQ(CloseProgram(program), 0U);
}

// A copy of the program in a folder of its own, beside a data file, and a log in another folder.
struct Layout {
    std::string program;
    std::string beside;  // the data file beside the program
    std::string logFolder;
    std::string log;
};

Layout MakeLayout() {
    const std::string root = EnterFreshWorkingFolder();
    Layout layout{root + "\\program\\tallymere.exe", root + "\\program\\kddata.ioy",
                  root + "\\ゲーム", root + "\\ゲーム\\error.log"};
    CreateDirectoryW(WideFromUtf8(root + "\\program").c_str(), nullptr);
    CreateDirectoryW(WideFromUtf8(layout.logFolder).c_str(), nullptr);
    CopyFileW(WideFromUtf8(ProgramPath()).c_str(), WideFromUtf8(layout.program).c_str(), FALSE);
    WriteFileBytes(layout.beside, kExampleDataFile);
    WriteFileBytes(layout.log, kExampleGameLog);
    return layout;
}

TEST(ProgramDataFile, ADropOnTheIconUsesTheDataFileBesideTheProgram) {
    const Layout layout = MakeLayout();
    // Windows starts a program a file was dropped onto in the file's folder.
    LaunchedProgram program =
        LaunchProgram(layout.program, layout.logFolder, "\"" + layout.log + "\"");
    ASSERT_NE(program.window, nullptr);
    EXPECT_EQ(WaitForName(program.window, "Player01"), "Player01");
    EXPECT_EQ(ControlText(FormOf(program.window).clan), "Alpha") << "the player's own file";
    BringToFront(program);
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_EQ(TakeMessageBox(program), "保存しました。");
    EXPECT_EQ(SavedLines(layout.beside), 4);
    EXPECT_FALSE(Exists(layout.logFolder + "\\kddata.ioy"));
    EXPECT_EQ(CloseProgram(program), 0U);
}

TEST(ProgramDataFile, AnArgumentFromAnotherFolderKeepsThatFoldersFile) {
    const Layout layout = MakeLayout();
    const std::string work = layout.logFolder + R"(\..\program\..)";  // the root, by another name
    WriteFileBytes(work + "\\kddata.ioy", "[Info Of You]\r\nNAME = A\r\nCLAN = Beta\r\n");
    LaunchedProgram program = LaunchProgram(layout.program, work, "\"" + layout.log + "\"");
    ASSERT_NE(program.window, nullptr);
    EXPECT_EQ(WaitForName(program.window, "Player01"), "Player01");
    EXPECT_EQ(ControlText(FormOf(program.window).clan), "Beta");
    EXPECT_EQ(CloseProgram(program), 0U);
}

TEST(ProgramInstances, ASecondStartOnTheSameDataFileHandsItsLogToTheRunningWindow) {
    const Layout layout = MakeLayout();
    LaunchedProgram first = LaunchProgram(layout.program, layout.logFolder + "\\..\\program");
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(RunProgramToItsEnd(layout.program, layout.logFolder + "\\..\\program"), 0U)
        << "a second start without a log ends at once";
    // The drop onto the icon: started in the log's folder, on the data file beside the program.
    EXPECT_EQ(RunProgramToItsEnd(layout.program, layout.logFolder, "\"" + layout.log + "\""), 0U);
    EXPECT_EQ(WaitForName(first.window, "Player01"), "Player01");
    EXPECT_EQ(GetForegroundWindow(), first.window);

    // Another folder, another data file: a window of its own.
    LaunchedProgram second = LaunchProgram(layout.program, layout.logFolder);
    EXPECT_NE(second.window, nullptr);
    EXPECT_EQ(CloseProgram(second), 0U);
    EXPECT_EQ(CloseProgram(first), 0U);
}

}  // namespace
