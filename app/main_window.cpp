#include "app/main_window.h"

#include <shellapi.h>

#include <deque>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "app/form.h"
#include "app/form_layout.h"
#include "app/running_window.h"
#include "app/window_handle.h"
#include "commands/chart_painting.h"
#include "commands/window_commands.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_dpi.h"
#include "platform/win32_wide_text.h"

namespace {

constexpr const wchar_t* kClassName = L"WndClass";
constexpr const wchar_t* kTitle = L"Tallymere";

// Posted for each log waiting in PendingImports(): the one the program was started with, and
// those a second start hands over. It carries no pointer: whoever posts it can only make the
// window import what is waiting.
constexpr UINT kImportPendingMessage = WM_APP;

std::deque<std::wstring>& PendingImports() {
    static std::deque<std::wstring> logs;
    return logs;
}

// The control that had the focus when the window was last left; it gets it back.
HWND& FocusToRestore() {
    static HWND control = nullptr;
    return control;
}

void OnCreate(WindowState& state, HWND window, const CREATESTRUCTW& creation) noexcept {
    if (const auto* dataFilePath = static_cast<const std::wstring*>(creation.lpCreateParams)) {
        state.dataFilePath = Utf8FromWide(*dataFilePath);
    }
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

// Enter arrives as IDOK (IsDialogMessage): on the focused Save button, it saves.
void OnCommand(WindowState& state, HWND window, int id, int notificationCode) noexcept {
    if (id == IDOK && GetFocus() == GetDlgItem(window, IDC_SAVE)) {
        id = IDC_SAVE;
    }
    RunCommand(state, id, notificationCode);
}

void OnActivate(HWND window, WPARAM activation) noexcept {
    HWND focus = GetFocus();
    if (LOWORD(activation) == WA_INACTIVE && IsChild(window, focus) != FALSE) {
        FocusToRestore() = focus;
    }
}

// The window itself takes no keys: the focus goes on to the control that last had it, at first
// the name field.
void OnSetFocus(HWND window) noexcept {
    HWND control = FocusToRestore();
    SetFocus(IsChild(window, control) != FALSE ? control : GetDlgItem(window, IDC_NAME));
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

void OnImportPending(WindowState& state) noexcept {
    if (PendingImports().empty()) {
        return;
    }
    const std::wstring path = std::move(PendingImports().front());
    PendingImports().pop_front();
    ImportFileNamed(state, path);
}

void ImportLater(HWND window, std::wstring path) {
    PendingImports().push_back(std::move(path));
    PostMessageW(window, kImportPendingMessage, 0, 0);
}

// A second start asks whether this window has its data file open (running_window.h).
LRESULT OnCopyData(const WindowState& state, HWND window, const COPYDATASTRUCT& request) noexcept {
    try {
        const std::optional<std::wstring> log =
            LogHandedOver(request, WideFromUtf8(state.dataFilePath));
        if (!log) {
            return FALSE;
        }
        if (!log->empty()) {
            ImportLater(window, *log);
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
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
            OnCommand(state, window, LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_ACTIVATE:
            OnActivate(window, wParam);
            break;
        case WM_SETFOCUS:
            OnSetFocus(window);
            break;
        case WM_COPYDATA:
            // Answered here: the default processing would say no.
            return OnCopyData(state, window, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DPICHANGED:
            OnDpiChanged(state, window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            break;
        case WM_DROPFILES:
            OnDropFiles(state, reinterpret_cast<HDROP>(wParam));
            break;
        case kImportPendingMessage:
            OnImportPending(state);
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

HWND CreateMainWindow(HINSTANCE instance, int showCommand, const std::wstring* dataFilePath) {
    // The system's scaling is the main screen's, where the window appears.
    const int dpi = SystemDpi();
    HWND window =
        CreateWindowExW(0, kClassName, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                        ScaledToDpi(kOuterWidth, dpi), ScaledToDpi(kOuterHeight, dpi), nullptr,
                        nullptr, instance, const_cast<std::wstring*>(dataFilePath));
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

void ImportGivenLogLater(HWND window, const std::wstring& path) {
    try {
        ImportLater(window, path);
    } catch (const std::bad_alloc&) {
        // Not even the path could be held: nothing is imported.
    }
}

int RunMessageLoop(HWND window, HINSTANCE instance) {
    HACCEL keys = LoadAcceleratorsW(instance, L"KD");
    MSG message{};
    // An error result (-1) does not end the loop; only WM_QUIT does.
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        // The keys of the table, then Tab, Shift+Tab and Enter as in a dialog.
        if (TranslateAcceleratorW(window, keys, &message) != 0 ||
            IsDialogMessageW(window, &message) != 0) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
