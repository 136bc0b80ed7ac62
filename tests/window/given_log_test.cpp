// A log the player gives the real window: dropped onto it, named on the program's command line,
// or the game's own log fetched with F5.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "app/hand_over.h"
#include "app/running_window.h"
#include "commands/messages.h"
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

// A second start that timed out asked again, and a busy window gets every attempt later: each
// start's request is carried out once.
TEST_F(GivenLogTest, AHandOverIsCarriedOutOnceHoweverOftenItArrives) {
    WriteFileBytes(folder_ + "\\error.log", kExampleGameLog);
    Start();
    const auto handOver = [&](std::uint64_t id, const std::string& dataFile) {
        std::string bytes = EncodeHandOverRequest(
            {id, Utf8FromWide(ClaimKey(WideFromUtf8(dataFile))), folder_ + "\\error.log"});
        COPYDATASTRUCT message{kHandOverRequest, static_cast<DWORD>(bytes.size()), bytes.data()};
        const LRESULT answer =
            SendMessageW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
        PumpMessages();
        return answer;
    };
    EXPECT_EQ(handOver(1, DataFilePath()), TRUE);
    EXPECT_EQ(FormTexts()[0], "Player01");
    SetWindowTextW(form_.name, L"Other");
    EXPECT_EQ(handOver(1, DataFilePath()), TRUE) << "answered again";
    EXPECT_EQ(FormTexts()[0], "Other") << "not carried out again";
    EXPECT_EQ(handOver(2, DataFilePath()), TRUE);
    EXPECT_EQ(FormTexts()[0], "Player01") << "another start's";
    EXPECT_EQ(handOver(3, folder_ + "\\other\\kddata.ioy"), FALSE) << "another data file";
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
    } else if (c.file.find(':') != std::string::npos) {
        path = c.file;
        HANDLE device = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        if (device == INVALID_HANDLE_VALUE) {
            GTEST_SKIP() << "no " << path << " here";
        }
        CloseHandle(device);
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
                    // A disk device that Wine, run as root, opens as a file on a disk.
                    RefusedDrop{"a disk device", R"(Z:\dev\loop0)", "", "を開けません."},
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

// The folder's short 8.3 name, where its volume keeps one: another spelling of its path.
std::string ShortName(const std::string& folder) {
    std::wstring shortName(MAX_PATH, L'\0');
    shortName.resize(GetShortPathNameW(WideFromUtf8(folder).c_str(), shortName.data(), MAX_PATH));
    return shortName.empty() ? folder : Utf8FromWide(shortName);
}

// Started in the game's folder with the log's name alone: the log is the game's folder's, and
// the data file the game's folder's when it holds one, else the one beside the program, whose
// window, started on another spelling of its path, then takes the log.
TEST(ProgramWithALog, ARelativeLogIsTheWorkingFoldersWhicheverWindowImportsIt) {
    const std::string root = EnterFreshWorkingFolder();
    const std::string folder = root + "\\program folder";
    const std::string program = folder + "\\tallymere.exe";
    ASSERT_TRUE(MakeFolder(folder) && MakeFolder(root + "\\game"));
    CopyFileW(WideFromUtf8(ProgramPath()).c_str(), WideFromUtf8(program).c_str(), FALSE);
    // Lines ended by CRs, one by an LF: lines all the same.
    WriteFileBytes(folder + "\\kddata.ioy",
                   "[Info Of You]\rNAME = A\nCLAN = Alpha\rK = 1 D = 1 K/D = 50\r");
    WriteFileBytes(folder + "\\error.log", "\tNick: Decoy\r\n");
    WriteFileBytes(root + "\\game\\error.log", kExampleGameLog);

    LaunchedProgram first = LaunchProgram(program, ShortName(folder));
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(ControlText(FormOf(first.window).clan), "Alpha");
    LaunchedProgram second = LaunchProgram(program, root + "\\game", "error.log");
    EXPECT_EQ(second.window, nullptr) << "no second window on the file beside the program";
    EXPECT_EQ(CloseProgram(second), 0U);
    EXPECT_EQ(WaitForName(first.window, "Player01"), "Player01");

    WriteFileBytes(root + "\\game\\kddata.ioy", "[Info Of You]\r\nNAME = A\r\nCLAN = Beta\r\n");
    LaunchedProgram inGame = LaunchProgram(program, root + "\\game", "error.log");
    ASSERT_NE(inGame.window, nullptr);
    EXPECT_EQ(ControlText(FormOf(inGame.window).clan), "Beta") << "the game's folder's file";
    EXPECT_EQ(WaitForName(inGame.window, "Player01"), "Player01");
    EXPECT_EQ(CloseProgram(inGame), 0U);
    EXPECT_EQ(CloseProgram(first), 0U);
}

// The text of the message box the program shows within 15 seconds, which is then dismissed.
std::string TextOfBoxShownBy(const LaunchedProgram& program) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        Sleep(50);
        for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box != nullptr;
             box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == program.process.dwProcessId && IsWindowVisible(box) != FALSE) {
                const std::string text = ControlText(GetDlgItem(box, 0xFFFF));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return text;
            }
        }
    }
    return {};
}

// Held by this process, which publishes no window, as if its window were busy for ever: the
// start says so and ends. Held by a thread that ends meanwhile, as a process ends: the start
// takes the claim over and opens its window.
TEST(SecondStart, OpensNoWindowOnAHeldFileUntilTheHolderEnds) {
    const std::string dataFile = EnterFreshWorkingFolder() + "\\kddata.ioy";
    const std::string folder = dataFile.substr(0, dataFile.rfind('\\'));
    DataFileClaim claim = ClaimDataFile(WideFromUtf8(dataFile));
    ASSERT_TRUE(claim.held);
    LaunchedProgram busy = StartProgram(ProgramPath(), folder);
    EXPECT_EQ(TextOfBoxShownBy(busy), UnansweredDataFileText(dataFile));
    EXPECT_EQ(CloseProgram(busy), 0U) << "ended after the box, without a window of its own";
    ReleaseMutex(claim.mutex);
    CloseHandle(claim.mutex);

    std::thread holder([&] {
        ClaimDataFile(WideFromUtf8(dataFile));
        Sleep(2000);
    });
    Sleep(500);
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    holder.join();
    EXPECT_NE(program.window, nullptr);
    EXPECT_EQ(CloseProgram(program), 0U);
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

// The window follows the game's log while the test writes it as the game does: open for writing
// and shared for reading only. The window in this process, whose messages the test pumps, finds
// the changes by its slow timer alone; tallymere.exe started with the log waits for the folder's
// change notification too.
enum class GameWrites { Append, AfterTruncating, ToANewLogAfterRenaming };

struct WriterStep {
    const char* what;
    GameWrites how;
    const char* bytes;
    std::vector<std::string> killsAndDeaths;  // shown within the safety net's 2 s
    bool killsLeft;                           // the field keeps the player's selection
};

HANDLE BeginLog(const std::string& path) {
    return CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// As the game writes; false when anything hindered it (a sharing violation above all).
bool Write(HANDLE& log, const std::string& path, const WriterStep& step) {
    bool done = true;
    if (step.how == GameWrites::AfterTruncating) {
        done = SetFilePointer(log, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(log) != 0;
    } else if (step.how == GameWrites::ToANewLogAfterRenaming) {
        CloseHandle(log);
        done = MoveFileW(WideFromUtf8(path).c_str(), WideFromUtf8(path + ".1").c_str()) != 0;
        log = BeginLog(path);
    }
    DWORD written = 0;
    const std::string bytes = step.bytes;
    return done &&
           WriteFile(log, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
}

void FollowTheGame(HWND window, HANDLE& log, const std::string& path) {
    const std::vector<WriterStep> steps = {
        {"half a line", GameWrites::Append, "\tKill: 1", {"10", "5"}, true},
        {"its end", GameWrites::Append, "2\r\n", {"12", "5"}, false},
        {"truncated", GameWrites::AfterTruncating, "\tDeath: 7\r\n", {"12", "7"}, true},
        {"renamed away", GameWrites::ToANewLogAfterRenaming, "\tKill: 20\r\n", {"20", "7"}, false},
    };
    const Form form = FormOf(window);
    for (const WriterStep& step : steps) {
        SendMessageW(form.kill, EM_SETSEL, 0, 1);
        ASSERT_TRUE(Write(log, path, step)) << step.what;
        std::vector<std::string> shown;
        for (int wait = 0; wait < 50; ++wait) {  // 2.5 s, all of it where nothing is to change
            PumpMessages();
            shown = {ControlText(form.kill), ControlText(form.death)};
            ASSERT_NE(shown[0], "1") << "a count half written";
            if (shown == step.killsAndDeaths && !step.killsLeft) {
                break;
            }
            Sleep(40);
        }
        EXPECT_EQ(shown, step.killsAndDeaths) << step.what;
        DWORD from = 0;
        DWORD to = 0;
        SendMessageW(form.kill, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        EXPECT_TRUE(!step.killsLeft || (from == 0 && to == 1)) << step.what;
    }
}

class LogFollowing : public testing::TestWithParam<bool> {};  // true: tallymere.exe

TEST_P(LogFollowing, EveryWriteOfTheGameShowsAndNothingHindersIt) {
    const std::string folder = EnterFreshWorkingFolder();
    const std::string log = folder + "\\game\\error.log";
    ASSERT_TRUE(MakeFolder(folder + "\\game"));
    HANDLE file = BeginLog(log);
    ASSERT_TRUE(Write(file, log, {"", GameWrites::Append, kExampleGameLog.data(), {}, false}));
    const StartRequest start{WideFromUtf8(log), WideFromUtf8(folder + "\\kddata.ioy")};
    LaunchedProgram program =
        GetParam() ? LaunchProgram(ProgramPath(), folder, "\"" + log + "\"") : LaunchedProgram{};
    HWND window = GetParam() ? program.window : CreateTestWindow(&start);
    ASSERT_NE(window, nullptr);
    FollowTheGame(window, file, log);
    EXPECT_EQ(GetParam() ? CloseProgram(program) : DWORD{DestroyWindow(window) == 0}, 0U);
    CloseHandle(file);
}

INSTANTIATE_TEST_SUITE_P(InThisProcessAndAsAProgram, LogFollowing, testing::Bool());

}  // namespace
