#include "tests/window/window_test_support.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_layout.h"
#include "app/main_window.h"
#include "platform/win32_wide_text.h"

namespace {

// The lists of the catcher and the recorder that are alive; the hooks write into them.
std::vector<CaughtMessageBox>* caughtBoxes = nullptr;

CaughtMessageBox ReadMessageBox(HWND dialog) {
    CaughtMessageBox box;
    box.owner = GetWindow(dialog, GW_OWNER);
    box.caption = WindowText(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassName(child);
        if (lstrcmpiA(className.c_str(), "Button") == 0) {
            ++box.buttons;
            continue;
        }
        // The box itself is not shown yet while it is being activated: ask the child alone.
        const bool shown = (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0;
        if (lstrcmpiA(className.c_str(), "Static") != 0 || !shown) {
            continue;
        }
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            box.hasIcon = box.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        } else {
            box.text += WindowText(child);
        }
    }
    return box;
}

std::vector<CreatedWindow>* createdWindows = nullptr;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && createdWindows != nullptr) {
        const CREATESTRUCTW& creation = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        const bool namedClass = HIWORD(reinterpret_cast<ULONG_PTR>(creation.lpszClass)) != 0;
        createdWindows->push_back({
            .window = reinterpret_cast<HWND>(wParam),
            .parent = creation.hwndParent,
            .className = namedClass ? Utf8FromWide(creation.lpszClass) : "",
            .text = creation.lpszName != nullptr ? Utf8FromWide(creation.lpszName) : "",
            .style = static_cast<DWORD>(creation.style),
            .extendedStyle = creation.dwExStyle,
            .x = creation.x,
            .y = creation.y,
            .width = creation.cx,
            .height = creation.cy,
            .id = static_cast<int>(reinterpret_cast<INT_PTR>(creation.hMenu)),
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CatchMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && caughtBoxes != nullptr) {
        auto* const dialog = reinterpret_cast<HWND>(wParam);
        if (ClassName(dialog) == "#32770") {
            caughtBoxes->push_back(ReadMessageBox(dialog));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void PumpMessages() {
    MSG message{};
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

std::string EnterFreshWorkingFolder() {
    static int made = 0;
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    // Process ids come round again, and earlier runs leave their folders: only a folder this
    // call makes itself is fresh.
    for (;;) {
        std::string folder = std::string(temporary) + "tallymere-test-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
        if (CreateDirectoryA(folder.c_str(), nullptr) != 0) {
            SetCurrentDirectoryA(folder.c_str());
            return folder;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
}

HWND CreateTestWindow(const StartRequest* start) {
    static const bool registered = RegisterMainWindowClass(GetModuleHandleA(nullptr));
    if (!registered) {
        return nullptr;
    }
    HWND window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL, start);
    PumpMessages();
    return window;
}

std::vector<HWND> ChildControls(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != kLabelId) {
            children.push_back(child);
        }
    }
    return children;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return Utf8FromWide(text);
}

std::string ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Utf8FromWide(name);
}

MessageBoxCatcher::MessageBoxCatcher()
    : hook_(SetWindowsHookExW(WH_CBT, CatchMessageBoxes, nullptr, GetCurrentThreadId())) {
    caughtBoxes = &caught_;
}

MessageBoxCatcher::~MessageBoxCatcher() {
    UnhookWindowsHookEx(hook_);
    caughtBoxes = nullptr;
}

const std::vector<CaughtMessageBox>& MessageBoxCatcher::Caught() const {
    return caught_;
}

CreationRecorder::CreationRecorder()
    : hook_(SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId())) {
    createdWindows = &created_;
}

CreationRecorder::~CreationRecorder() {
    UnhookWindowsHookEx(hook_);
    createdWindows = nullptr;
}

const std::vector<CreatedWindow>& CreationRecorder::Created() const {
    return created_;
}

Form FormOf(HWND window) {
    const std::vector<HWND> c = ChildControls(window);
    if (c.size() != 9) {
        return {};
    }
    return {c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]};
}

std::array<std::string, 8> FormTexts(const Form& form) {
    return {WindowText(form.name),     WindowText(form.clan),     WindowText(form.kill),
            WindowText(form.death),    WindowText(form.kdResult), WindowText(form.plusOne),
            WindowText(form.minusOne), WindowText(form.average)};
}

void PlaceGameLog(std::string_view bytes) {
    CreateDirectoryA("C:\\Nexon", nullptr);
    CreateDirectoryA(R"(C:\Nexon\SuddenAttack)", nullptr);
    WriteFileBytes(kGameLogPath, bytes);
}

void RemoveGameLog() {
    DeleteFileA(kGameLogPath);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs(2 * keys.size());
    std::size_t pressed = 0;
    for (const WORD key : keys) {
        inputs[pressed].type = INPUT_KEYBOARD;
        inputs[pressed].ki.wVk = key;
        inputs[inputs.size() - 1 - pressed] = inputs[pressed];
        inputs[inputs.size() - 1 - pressed].ki.dwFlags = KEYEVENTF_KEYUP;
        ++pressed;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(200);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    HANDLE file =
        CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void FormWindowTest::SetUp() {
    folder_ = EnterFreshWorkingFolder();
}

void FormWindowTest::TearDown() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        PumpMessages();
    }
}

void FormWindowTest::Start() {
    window_ = CreateTestWindow();
    ASSERT_NE(window_, nullptr);
    form_ = FormOf(window_);
    ASSERT_NE(form_.save, nullptr);
}

std::string FormWindowTest::DataFilePath() const {
    return folder_ + "\\kddata.ioy";
}
