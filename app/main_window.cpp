#include "app/main_window.h"

#include <shellapi.h>

#include "app/form.h"
#include "app/window_handle.h"
#include "commands/chart_drawing.h"
#include "commands/window_commands.h"

namespace {

constexpr const char* kClassName = "WndClass";
constexpr const char* kTitle = "Tallymere";
constexpr int kOuterWidth = 505;
constexpr int kOuterHeight = 332;

void OnCreate(WindowState& state, HWND window, const CREATESTRUCTA& creation) noexcept {
    state.form = CreateFormControls(window, creation.hInstance);
    StartWithDataFile(state);
    // Kept as players know it: a drop target, though WM_DROPFILES goes to the default procedure.
    DragAcceptFiles(window, TRUE);
}

void OnDestroy() noexcept {
    PostQuitMessage(0);
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

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The window's one state: made on the first message, which arrives before WM_CREATE, and
    // kept until the process ends.
    static WindowState state;
    switch (message) {
        case WM_CREATE:
            OnCreate(state, window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_PAINT:
            OnPaint(state, window);
            break;
        case WM_COMMAND:
            OnCommand(state, LOWORD(wParam), HIWORD(wParam));
            break;
        default:
            break;
    }
    // Kept on purpose: every message, handled or not, also gets the default processing it has
    // always had (closing the window destroys it, the system menu works).
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "TALLYMERE");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = "KD";
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    HWND window = CreateWindowExA(0, kClassName, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
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

int RunMessageLoop() {
    MSG message{};
    // An error result (-1) does not end the loop; only WM_QUIT does.
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
