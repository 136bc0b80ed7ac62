#include "app/main_window.h"

#include <shellapi.h>

#include <new>
#include <string>
#include <string_view>

#include "app/form.h"
#include "app/window_handle.h"
#include "commands/chart_drawing.h"
#include "commands/window_commands.h"
#include "platform/win32_wide_text.h"

namespace {

constexpr const wchar_t* kClassName = L"WndClass";
constexpr const wchar_t* kTitle = L"Tallymere";
constexpr int kOuterWidth = 505;
constexpr int kOuterHeight = 332;

// Sent by ImportFileFromCommandLine once the window is shown. It carries no pointer: whoever
// sends it can only make the window import what its command line names.
constexpr UINT kImportCommandLineFileMessage = WM_APP;

void OnCreate(WindowState& state, HWND window, const CREATESTRUCTW& creation) noexcept {
    state.form = CreateFormControls(window, creation.hInstance);
    StartWithDataFile(state);
    // A log dropped onto the window is imported (OnDropFiles).
    DragAcceptFiles(window, TRUE);
}

void OnDestroy() noexcept {
    PostQuitMessage(0);
}

// The last message, after the controls are gone.
void OnNcDestroy(HWND window) noexcept {
    DeleteFormFont(window);
}

// Everything is drawn through device contexts of its own. The paint cycle is begun first:
// left to the default procedure, its background erase would come after the drawing and wipe
// the labels and the chart whenever the window is uncovered.
void OnPaint(WindowState& state, HWND window) noexcept {
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    PaintLabels(window);
    PaintChart(AsWindow(window), state.history, state.plotCache);
    EndPaint(window, &paint);
}

void OnCommand(WindowState& state, int id, int notificationCode) noexcept {
    RunCommand(state, id, notificationCode);
}

// A log the player gives, by its path as Windows hands it over.
void ImportFileNamed(WindowState& state, std::wstring_view path) noexcept {
    try {
        ImportGivenLog(state, Utf8FromWide(path));
    } catch (const std::bad_alloc&) {
        // Not even the path could be held: nothing is imported.
    }
}

// The first file dropped is imported as a game log; the others are not looked at.
void OnDropFiles(WindowState& state, HDROP drop) noexcept {
    std::wstring path;
    try {
        path.resize(DragQueryFileW(drop, 0, nullptr, 0));
        DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size() + 1));
    } catch (const std::bad_alloc&) {
        path.clear();
    }
    DragFinish(drop);
    if (!path.empty()) {
        ImportFileNamed(state, path);
    }
}

// The program's first argument, as Windows passes a file dropped onto the program's icon. An
// empty one names no file.
void OnImportCommandLineFile(WindowState& state) noexcept {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return;
    }
    if (count > 1 && arguments[1][0] != L'\0') {
        ImportFileNamed(state, arguments[1]);
    }
    LocalFree(arguments);
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The window's one state: made on the first message, which arrives before WM_CREATE, and
    // kept until the process ends.
    static WindowState state;
    switch (message) {
        case WM_CREATE:
            OnCreate(state, window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_NCDESTROY:
            OnNcDestroy(window);
            break;
        case WM_PAINT:
            OnPaint(state, window);
            break;
        case WM_COMMAND:
            OnCommand(state, LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_DROPFILES:
            OnDropFiles(state, reinterpret_cast<HDROP>(wParam));
            break;
        case kImportCommandLineFileMessage:
            OnImportCommandLineFile(state);
            break;
        default:
            break;
    }
    // Kept on purpose: every message, handled or not, also gets the default processing it has
    // always had (closing the window destroys it, the system menu works).
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"TALLYMERE");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = L"KD";
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                  kOuterWidth, kOuterHeight, nullptr, nullptr, instance, nullptr);
    // Kept on purpose, before the handle is tested (a null one merely fails): the first
    // ShowWindow of a process obeys the show command of whoever started it.
    ShowWindow(window, SW_SHOW);
    if (window == nullptr) {
        return nullptr;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

void ImportFileFromCommandLine(HWND window) {
    SendMessageW(window, kImportCommandLineFileMessage, 0, 0);
}

int RunMessageLoop(HWND window, HINSTANCE instance) {
    HACCEL keys = LoadAcceleratorsW(instance, L"KD");
    MSG message{};
    // An error result (-1) does not end the loop; only WM_QUIT does.
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        if (TranslateAcceleratorW(window, keys, &message) != 0) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
