// tallymere.exe itself, started as a player starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/window/window_test_support.h"

namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "tallymere.exe";
}

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<FoundWindow*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // Shown, not merely created: ShowWindow comes after CreateWindowEx.
    if (owner == search->processId && ClassName(window) == "WndClass" &&
        IsWindowVisible(window) != FALSE) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD processId) {
    FoundWindow search{processId, nullptr};
    for (int attempt = 0; attempt < 200 && search.window == nullptr; ++attempt) {
        Sleep(50);
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.window;
}

TEST(Program, StartsShowsItsWindowAndEndsWithZeroWhenClosed) {
    const std::string folder = EnterFreshWorkingFolder();
    std::string commandLine = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process))
        << ProgramPath();

    HWND window = WaitForWindow(process.dwProcessId);
    ASSERT_NE(window, nullptr) << "no window shown within ten seconds";
    EXPECT_EQ(WindowText(window), "Tallymere");
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 505);
    EXPECT_EQ(outer.bottom - outer.top, 332);

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0U);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    // Closing without Save writes nothing.
    EXPECT_EQ(GetFileAttributesA((folder + "\\kddata.ioy").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
