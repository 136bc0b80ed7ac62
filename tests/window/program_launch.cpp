#include "tests/window/program_launch.h"

#include <array>

#include "platform/win32_wide_text.h"

namespace {

struct WindowSearch {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindShownMainWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    std::array<char, 64> className{};
    GetClassNameA(window, className.data(), static_cast<int>(className.size()));
    // Shown, not merely created: ShowWindow comes after CreateWindowEx.
    if (owner == search->processId && std::string(className.data()) == "WndClass" &&
        IsWindowVisible(window) != FALSE) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

// The program shows its window before it first waits for input; the search goes on for a while
// in case it never does, unless the program has ended without one.
HWND WaitForShownMainWindow(const PROCESS_INFORMATION& process) {
    WaitForInputIdle(process.hProcess, 10000);
    WindowSearch search{process.dwProcessId, nullptr};
    for (int attempt = 0; attempt < 200; ++attempt) {
        EnumWindows(FindShownMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window != nullptr || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            break;
        }
        Sleep(50);
    }
    return search.window;
}

}  // namespace

std::string ProgramPath() {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    std::string folder(path.data());
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "tallymere.exe";
}

LaunchedProgram StartProgram(const std::string& path, const std::string& workingFolder,
                             const std::string& arguments) {
    LaunchedProgram program;
    std::wstring commandLine = WideFromUtf8("\"" + path + "\"");
    if (!arguments.empty()) {
        commandLine += L" " + WideFromUtf8(arguments);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       WideFromUtf8(workingFolder).c_str(), &startup, &program.process) == FALSE) {
        program.process = {};
    }
    return program;
}

LaunchedProgram LaunchProgram(const std::string& path, const std::string& workingFolder,
                              const std::string& arguments) {
    LaunchedProgram program = StartProgram(path, workingFolder, arguments);
    if (program.process.hProcess != nullptr) {
        program.window = WaitForShownMainWindow(program.process);
    }
    return program;
}

std::optional<DWORD> CloseProgram(LaunchedProgram& program) {
    if (program.window != nullptr) {
        PostMessageA(program.window, WM_CLOSE, 0, 0);
    }
    std::optional<DWORD> exitCode;
    if (WaitForSingleObject(program.process.hProcess, 10000) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(program.process.hProcess, &code);
        exitCode = code;
    } else {
        TerminateProcess(program.process.hProcess, 1);
    }
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program = {};
    return exitCode;
}
