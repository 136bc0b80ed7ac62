// A log the player gives the real window: dropped onto it, named on the program's command line,
// or the game's own log fetched with F5.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

#include "platform/win32_wide_text.h"
#include "tests/window/program_launch.h"
#include "tests/window/window_test_support.h"

namespace {

// A drop of one file, as the shell hands it to the window: a DROPFILES header, then the path
// in UTF-16 and an empty string ending the list.
HDROP DropOf(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    const std::size_t listBytes = (wide.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), wide.c_str(),
                wide.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool MakeFolder(const std::string& path) {
    return CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) != 0 ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

class GivenLogTest : public FormWindowTest {
protected:
    void SetUp() override {
        FormWindowTest::SetUp();
        WriteFileBytes(DataFilePath(), kExampleDataFile);
        RemoveGameLog();
    }
    void TearDown() override {
        FormWindowTest::TearDown();
        RemoveGameLog();
    }

    void Drop(const std::string& path) {
        SendMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(path)), 0);
        PumpMessages();
    }

    [[nodiscard]] std::array<std::string, 8> FormTexts() const { return ::FormTexts(form_); }
};

TEST_F(GivenLogTest, ADroppedLogFillsTheFormAsTheGamesLogDoes) {
    PlaceGameLog(kExampleGameLog);
    Start();
    SendMessageW(window_, WM_COMMAND, 1009, 0);
    PumpMessages();
    const std::array<std::string, 8> fromGame = FormTexts();
    ASSERT_EQ(fromGame[0], "Player01");
    DestroyWindow(window_);
    PumpMessages();

    // In a folder whose name the ANSI code page may not hold, with a blank in it.
    const std::string folder = folder_ + "\\ログ 置き場";
    ASSERT_TRUE(MakeFolder(folder));
    WriteFileBytes(folder + "\\error.log", kExampleGameLog);
    Start();
    MessageBoxCatcher catcher;
    Drop(folder + "\\error.log");
    EXPECT_TRUE(catcher.Caught().empty());
    EXPECT_EQ(FormTexts(), fromGame);
}

struct RefusedDrop {
    const char* description;
    std::string file;  // in the test's folder
    std::string_view bytes;
    std::string box;  // after the path
};

class RefusedDropTest : public GivenLogTest, public testing::WithParamInterface<RefusedDrop> {};

constexpr const char* kSilentPipe = R"(\\.\pipe\tallymere-silent)";

TEST_P(RefusedDropTest, NamesTheFileInABoxAndChangesNothing) {
    const RefusedDrop& c = GetParam();
    std::string path = folder_ + "\\" + c.file;
    // A pipe whose other end never writes: a read from it would wait for ever.
    const std::unique_ptr<void, decltype(&CloseHandle)> pipe(
        c.file == "pipe" ? CreateNamedPipeA(kSilentPipe, PIPE_ACCESS_DUPLEX, 0, 1, 0, 0, 0, nullptr)
                         : nullptr,
        &CloseHandle);
    if (c.file == "folder") {
        ASSERT_TRUE(MakeFolder(path));
    } else if (pipe) {
        path = kSilentPipe;
    } else {
        WriteFileBytes(path, c.bytes);
    }
    Start();
    const std::array<std::string, 8> before = FormTexts();
    MessageBoxCatcher catcher;
    Drop(path);
    ASSERT_EQ(catcher.Caught().size(), 1U);
    EXPECT_EQ(catcher.Caught()[0].caption, "メッセージボックス");
    EXPECT_EQ(catcher.Caught()[0].text, "ファイル「" + path + "」" + c.box);
    EXPECT_EQ(FormTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, RefusedDropTest,
    testing::Values(RefusedDrop{"a folder", "folder", "", "を開けません."},
                    RefusedDrop{"a pipe: no file on a disk", "pipe", "", "を開けません."},
                    RefusedDrop{"no keywords", "notes.txt", "loading map\r\nround 3\r\n",
                                "にはニックネームもKILL数もDEATH数も見つかりません."}));

// Another process's control text: GetWindowText would not ask the control itself.
std::string ControlText(HWND control) {
    std::array<wchar_t, 256> text{};
    SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return Utf8FromWide(text.data());
}

// The program's NameField once it shows `name`, or what it shows after five seconds.
std::string WaitForName(HWND programWindow, const std::string& name) {
    const Form form = FormOf(programWindow);
    std::string shown;
    for (int attempt = 0; attempt < 100 && shown != name; ++attempt) {
        Sleep(50);
        shown = ControlText(form.name);
    }
    return shown;
}

TEST(ProgramWithALog, ImportsTheFileItIsStartedWith) {
    const std::string folder = EnterFreshWorkingFolder();
    const std::string logFolder = folder + "\\ログ 置き場";
    ASSERT_TRUE(MakeFolder(logFolder));
    WriteFileBytes(logFolder + "\\error.log", kExampleGameLog);
    WriteFileBytes(folder + "\\kddata.ioy", "[Info Of You]\r\nNAME = A\r\nCLAN = Beta\r\n");
    LaunchedProgram program =
        LaunchProgram(ProgramPath(), folder, "\"" + logFolder + "\\error.log\"");
    ASSERT_NE(program.window, nullptr);
    EXPECT_EQ(WaitForName(program.window, "Player01"), "Player01");
    EXPECT_EQ(ControlText(FormOf(program.window).clan), "Beta") << "the working folder's file";
    EXPECT_EQ(ControlText(FormOf(program.window).kill), "10");
    EXPECT_EQ(CloseProgram(program), 0U);
}

// A log dropped onto the program's icon: Windows starts the program in the log's folder.
TEST(ProgramWithALog, ADropOnTheIconWorksOnTheFileBesideTheProgramInOneWindow) {
    const std::string root = EnterFreshWorkingFolder();
    const std::string program = root + "\\program\\tallymere.exe";
    const std::string beside = root + "\\program\\kddata.ioy";
    const std::string log = root + "\\ゲーム\\error.log";
    ASSERT_TRUE(MakeFolder(root + "\\program") && MakeFolder(root + "\\ゲーム"));
    CopyFileW(WideFromUtf8(ProgramPath()).c_str(), WideFromUtf8(program).c_str(), FALSE);
    WriteFileBytes(beside, kExampleDataFile);
    WriteFileBytes(log, kExampleGameLog);

    LaunchedProgram first = LaunchProgram(program, root + "\\ゲーム", "\"" + log + "\"");
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(WaitForName(first.window, "Player01"), "Player01");
    EXPECT_EQ(ControlText(FormOf(first.window).clan), "Alpha") << "the file beside the program";
    SetForegroundWindow(first.window);
    Sleep(300);
    PressKeys({VK_CONTROL, 'S'});
    PressKeys({VK_RETURN});  // the box that says it saved
    EXPECT_NE(ReadFileBytes(beside), kExampleDataFile);
    EXPECT_EQ(ReadFileBytes(root + "\\ゲーム\\kddata.ioy"), "") << "none in the log's folder";

    // Dropped again, the log goes to the window that has the file open, and the start ends.
    SendMessageW(FormOf(first.window).name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Other"));
    LaunchedProgram again = LaunchProgram(program, root + "\\ゲーム", "\"" + log + "\"");
    EXPECT_EQ(again.window, nullptr);
    EXPECT_EQ(CloseProgram(again), 0U);
    EXPECT_EQ(WaitForName(first.window, "Player01"), "Player01");
    // On another file, a window of its own; an empty argument names no file (no box).
    LaunchedProgram elsewhere = LaunchProgram(program, root, "\"\"");
    ASSERT_NE(elsewhere.window, nullptr);
    Sleep(500);
    EXPECT_TRUE(IsWindowEnabled(elsewhere.window)) << "a box would disable its owner";
    EXPECT_EQ(CloseProgram(elsewhere), 0U);
    EXPECT_EQ(CloseProgram(first), 0U);
}

TEST(ProgramWithALog, F5ImportsTheGamesLogFromAField) {
    PlaceGameLog(kExampleGameLog);
    const std::string folder = EnterFreshWorkingFolder();
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.window, nullptr);
    const Form form = FormOf(program.window);
    EXPECT_EQ(ControlText(form.name), "") << "nothing is imported without F5";
    // The key as the keyboard sends it to the field that has the focus.
    PostMessageW(form.death, WM_KEYDOWN, VK_F5, 1);
    PostMessageW(form.death, WM_KEYUP, VK_F5, 0xC0000001);
    EXPECT_EQ(WaitForName(program.window, "Player01"), "Player01");
    EXPECT_EQ(CloseProgram(program), 0U);
    RemoveGameLog();
}

}  // namespace
