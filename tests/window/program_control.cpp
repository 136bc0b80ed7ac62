#include "tests/window/program_control.h"

#include <array>
#include <vector>

#include "platform/win32_wide_text.h"
#include "tests/window/window_test_support.h"

namespace {

struct BoxSearch {
    DWORD processId;
    HWND window;
};

HWND MessageBoxOf(DWORD processId) {
    BoxSearch search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* found = reinterpret_cast<BoxSearch*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == found->processId && ClassName(window) == "#32770") {
                found->window = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.window;
}

}  // namespace

std::string ControlText(HWND control) {
    std::array<wchar_t, 256> text{};
    SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return Utf8FromWide(text.data());
}

std::string WaitForName(HWND programWindow, const std::string& name) {
    const Form form = FormOf(programWindow);
    std::string shown;
    for (int attempt = 0; attempt < 100 && shown != name; ++attempt) {
        Sleep(50);
        shown = ControlText(form.name);
    }
    return shown;
}

HWND FocusOf(const LaunchedProgram& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(program.process.dwThreadId, &info);
    return info.hwndFocus;
}

void BringToFront(const LaunchedProgram& program) {
    SetForegroundWindow(program.window);
    Sleep(300);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT press{};
        press.type = INPUT_KEYBOARD;
        press.ki.wVk = key;
        inputs.push_back(press);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT release{};
        release.type = INPUT_KEYBOARD;
        release.ki.wVk = *key;
        release.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(release);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(200);  // taken in by the other process
}

std::string TakeMessageBox(const LaunchedProgram& program) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (HWND box = MessageBoxOf(program.process.dwProcessId)) {
            std::string text;
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                text += ClassName(child) == "Static" ? ControlText(child) : "";
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            Sleep(200);
            return text;
        }
        Sleep(50);
    }
    return {};
}
