#include "app/main_window.h"

#include <shellapi.h>

#include <new>
#include <string>
#include <string_view>

#include "app/form.h"
#include "app/form_layout.h"
#include "app/window_handle.h"
#include "commands/chart_painting.h"
#include "commands/window_commands.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_dpi.h"
#include "platform/win32_wide_text.h"

namespace {

constexpr const wchar_t* kClassName = L"WndClass";
constexpr const wchar_t* kTitle = L"Tallymere";

// Sent by ImportFileFromCommandLine once the window is shown. It carries no pointer: whoever
// sends it can only make the window import what its command line names.
constexpr UINT kImportCommandLineFileMessage = WM_APP;

void OnCreate(WindowState& state, HWND window, const CREATESTRUCTW& creation) noexcept {
    state.form = CreateFormControls(window, creation.hInstance, WindowDpi(window));
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

// The controls paint themselves; the window's own painting stays off them.
void ExcludeControls(HWND window, HDC context) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(context, place.left, place.top, place.right, place.bottom);
    }
}

// Everything the window shows besides its controls is painted from the state into a bitmap of
// the part to be painted, which is then copied onto the window in one go: nothing is seen half
// drawn, and nothing flickers while the player types.
void OnPaint(WindowState& state, HWND window) noexcept {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window, &paint);
    const RECT& part = paint.rcPaint;
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        // Drawn in the client area's coordinates; what falls outside the part is clipped away.
        SetViewportOrgEx(memory, -part.left, -part.top, nullptr);
        FillRect(memory, &part,
                 reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)));
        const Canvas canvas{reinterpret_cast<DrawingContext>(memory), WindowDpi(window)};
        PaintLabels(canvas);
        PaintChart(canvas, state);
        ExcludeControls(window, target);
        BitBlt(target, part.left, part.top, width, height, memory, part.left, part.top, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

// Dragged onto a screen of another scaling: the window takes the place Windows suggests for it,
// and the form and the chart are laid out anew.
void OnDpiChanged(const WindowState& state, HWND window, int dpi, const RECT& suggested) noexcept {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutFormControls(window, state.form, dpi);
    InvalidateRect(window, nullptr, TRUE);
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
        case WM_DPICHANGED:
            OnDpiChanged(state, window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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
    // The system's scaling is the main screen's, where the window appears.
    const int dpi = SystemDpi();
    HWND window = CreateWindowExW(0, kClassName, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                  ScaledToDpi(kOuterWidth, dpi), ScaledToDpi(kOuterHeight, dpi),
                                  nullptr, nullptr, instance, nullptr);
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
