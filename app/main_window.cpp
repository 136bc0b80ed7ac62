#include "app/main_window.h"

#include <shellapi.h>

#include "app/commands.h"
#include "app/form.h"
#include "chart/chart_drawing.h"
#include "history/data_file.h"

namespace {

constexpr const char* kClassName = "WndClass";
constexpr const char* kTitle = "Tallymere";
constexpr int kOuterWidth = 505;
constexpr int kOuterHeight = 332;

// Set once while the window is created, kept for its life.
FormControls form;

void OnCreate(HWND window, const CREATESTRUCTA& creation, KdHistory& history) {
    form = CreateFormControls(window, creation.hInstance);
    LoadDataFile(form, history);
    DragAcceptFiles(window, TRUE);
}

// Everything is drawn through device contexts of its own. The paint cycle is begun first:
// left to the default procedure, its background erase would come after the drawing and wipe
// the labels and the chart whenever the window is uncovered.
void OnPaint(HWND window, const KdHistory& history) {
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    PaintLabels(window);
    DrawChartFrame(window);
    DrawAxisLabels(window, 0, 10);
    RedrawChart(window, history);
    EndPaint(window, &paint);
}

void OnCommand(WPARAM wParam, KdHistory& history) {
    RunCommand(form, history, LOWORD(wParam), HIWORD(wParam));
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Made on the first message, which arrives before WM_CREATE; lives until the process ends.
    static KdHistory history;
    switch (message) {
        case WM_CREATE:
            OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam), history);
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        case WM_PAINT:
            OnPaint(window, history);
            break;
        case WM_COMMAND:
            OnCommand(wParam, history);
            break;
        default:
            break;
    }
    // Every message, handled or not, also reaches the default procedure.
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
