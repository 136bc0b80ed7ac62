#include "app/main_window.h"

#include <shellapi.h>

#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "app/form.h"
#include "app/form_layout.h"
#include "app/log_watch.h"
#include "app/running_window.h"
#include "app/window_handle.h"
#include "commands/chart_painting.h"
#include "commands/game_log_import.h"
#include "commands/window_commands.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_accessibility.h"
#include "platform/win32_dpi.h"
#include "platform/win32_fonts.h"
#include "platform/win32_theme.h"
#include "platform/win32_wide_text.h"

namespace {

constexpr const wchar_t* kTitle = L"Tallymere";

// Posted for each log waiting in the state's pendingImports: the one the program was started
// with, and those a second start hands over. It carries no pointer: whoever posts it can only
// make the window import what is waiting.
constexpr UINT kImportPendingMessage = WM_APP;

// `path` is UTF-8.
void ImportLater(WindowState& state, HWND window, std::string path) {
    try {
        state.pendingImports.push_back(std::move(path));
        PostMessageW(window, kImportPendingMessage, 0, 0);
    } catch (const std::bad_alloc&) {
        // Not even the path could be held: nothing is imported.
    }
}

// The window's texts and controls take the font made for its scaling; the one before goes.
void UseDpi(WindowState& state, int dpi) {
    Font previous = state.font;
    state.dpi = dpi;
    state.font = AsFont(CreateProgramFont(dpi));
    LayOutFormControls(AsHwnd(state.form.main), state.form, dpi, AsHfont(state.font));
    DeleteObject(AsHfont(previous));
}

void OnCreate(WindowState& state, HWND window, const CREATESTRUCTW& creation) noexcept {
    const auto* start = static_cast<const StartRequest*>(creation.lpCreateParams);
    if (start != nullptr) {
        state.dataFilePath = Utf8FromWide(start->dataFilePath);
    }
    state.dpi = WindowDpi(window);
    state.font = AsFont(CreateProgramFont(state.dpi));
    state.colours = SchemeFor(SystemTheme());
    state.form = CreateFormControls(window, creation.hInstance, state.dpi, AsHfont(state.font));
    MarkAsLiveRegion(AsHwnd(state.form.kdResult));
    StartWithDataFile(state);
    // A log dropped onto the window is imported (OnDropFiles), and so is the one the program was
    // started with, once the window is shown.
    DragAcceptFiles(window, TRUE);
    if (start != nullptr && !start->logPath.empty()) {
        ImportLater(state, window, Utf8FromWide(start->logPath));
    }
}

void OnDestroy(const WindowState& state) noexcept {
    UnmarkLiveRegion(AsHwnd(state.form.kdResult));
    PostQuitMessage(0);
}

// The last message, after the controls are gone: nothing of this window stays for the next.
void OnNcDestroy(WindowState& state) noexcept {
    EndLogWatch(state);
    DeleteObject(AsHfont(state.font));
    state = WindowState();
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
void PaintPart(const WindowState& state, HWND window, HDC target, const RECT& part) {
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        // Drawn in the client area's coordinates; what falls outside the part is clipped away.
        SetViewportOrgEx(memory, -part.left, -part.top, nullptr);
        SetDCBrushColor(memory, state.colours.Of(Ink::Background));
        FillRect(memory, &part, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        PaintChart(
            Canvas{reinterpret_cast<DrawingContext>(memory), state.dpi, state.font, state.colours},
            state);
        ExcludeControls(window, target);
        BitBlt(target, part.left, part.top, width, height, memory, part.left, part.top, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void OnPaint(const WindowState& state, HWND window) noexcept {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window, &paint);
    // Windows also asks for paints of nothing, when only the controls had to be painted.
    if (IsRectEmpty(&paint.rcPaint) == FALSE) {
        PaintPart(state, window, target, paint.rcPaint);
    }
    EndPaint(window, &paint);
}

// The rows' labels draw in the theme's colours; the other static controls, the result boxes, in
// the system's, as the default processing gives them.
HBRUSH OnCtlColorStatic(const WindowState& state, HDC context, HWND control) noexcept {
    if (!IsFormLabel(control)) {
        return nullptr;
    }
    SetTextColor(context, state.colours.Of(Ink::FormLabel));
    SetBkMode(context, TRANSPARENT);
    SetDCBrushColor(context, state.colours.Of(Ink::Background));
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

// A high-contrast theme turned on or off, or its colours changed: everything is painted again in
// the new colours at once.
void OnThemeChanged(WindowState& state, HWND window) noexcept {
    const ColourScheme colours = SchemeFor(SystemTheme());
    if (colours == state.colours) {
        return;
    }
    state.colours = colours;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Dragged onto a screen of another scaling: the window takes the place Windows suggests for it,
// and the form and the chart are laid out anew.
void OnDpiChanged(WindowState& state, HWND window, int dpi, const RECT& suggested) noexcept {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    UseDpi(state, dpi);
    InvalidateRect(window, nullptr, TRUE);
}

// Enter arrives as IDOK (IsDialogMessage): on the focused Save button, it saves.
void OnCommand(WindowState& state, HWND window, int id, int notificationCode) noexcept {
    if (id == IDOK && GetFocus() == GetDlgItem(window, IDC_SAVE)) {
        id = IDC_SAVE;
    }
    RunCommand(state, id, notificationCode);
    KeepLogWatch(state, window);
}

// A grayed line of the Game menu, its text as shown: "&" stands for itself.
void SetMenuLine(HMENU menu, UINT id, const std::string& text) {
    std::wstring shown;
    for (const wchar_t unit : WideFromUtf8(text)) {
        shown += unit == L'&' ? L"&&" : std::wstring(1, unit);
    }
    ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING | MF_GRAYED, id, shown.c_str());
}

// The Game menu shows whether the log is followed, which one and when it was last read.
void OnInitMenuPopup(const WindowState& state, HMENU menu) noexcept {
    if (GetMenuState(menu, IDM_FOLLOW_LOG, MF_BYCOMMAND) == static_cast<UINT>(-1)) {
        return;
    }
    CheckMenuItem(menu, IDM_FOLLOW_LOG, state.follow.on ? MF_CHECKED : MF_UNCHECKED);
    try {
        SetMenuLine(menu, IDM_FOLLOWED_LOG, FollowedLogLine(state));
        SetMenuLine(menu, IDM_LOG_READ_AT, LogReadAtLine(state));
    } catch (const std::bad_alloc&) {
        // The lines keep what they said before.
    }
}

void OnActivate(WindowState& state, HWND window, WPARAM activation) noexcept {
    HWND focus = GetFocus();
    if (LOWORD(activation) == WA_INACTIVE && IsChild(window, focus) != FALSE) {
        state.focusToRestore = AsWindow(focus);
    }
}

// The window itself takes no keys: the focus goes on to the control that last had it, at first
// the name field.
void OnSetFocus(const WindowState& state, HWND window) noexcept {
    HWND control = AsHwnd(state.focusToRestore);
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
void OnDropFiles(WindowState& state, HWND window, HDROP drop) noexcept {
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
    KeepLogWatch(state, window);
}

void OnImportPending(WindowState& state, HWND window) noexcept {
    if (state.pendingImports.empty()) {
        return;
    }
    const std::string path = std::move(state.pendingImports.front());
    state.pendingImports.erase(state.pendingImports.begin());
    ImportGivenLog(state, path);
    KeepLogWatch(state, window);
}

// A second start hands over its log when this window has its data file open
// (running_window.h); a request that arrives again, after its start timed out, is answered
// without being carried out again.
LRESULT OnCopyData(WindowState& state, HWND window, const COPYDATASTRUCT& message) noexcept {
    try {
        const std::optional<HandOverRequest> request =
            HandOverFor(message, WideFromUtf8(state.dataFilePath));
        if (!request) {
            return FALSE;
        }
        if (FirstTimeCarriedOut(state.handOversCarriedOut, request->id) &&
            !request->logPath.empty()) {
            ImportLater(state, window, request->logPath);
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

// The window's one state, read by its procedure and by the message loop: made on the first
// message, which arrives before WM_CREATE, and made anew when the window is gone.
WindowState& State() {
    static WindowState state;
    return state;
}

// Sleeps until a message comes or, while the game's log is followed, its folder changes.
void WaitForMessageOrLogChange(HWND window) {
    WindowState& state = State();
    HANDLE watch = LogWatchHandle(state);
    const DWORD handles = watch != nullptr ? 1 : 0;
    if (MsgWaitForMultipleObjectsEx(handles, &watch, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
            WAIT_OBJECT_0 &&
        handles == 1) {
        OnLogFolderChanged(state, window);
    }
}

// The window's screen may be scaled otherwise than the system (another monitor, or a scaling
// changed without signing out): the window is sized for its own, as its form and chart are laid
// out, so that its client area is the 96-DPI one scaled.
void SizeForOwnDpi(HWND window) {
    const int dpi = WindowDpi(window);
    const WindowSize size =
        OuterSizeAtDpi({kOuterWidth, kOuterHeight}, WindowFrameAtDpi(window, kLayoutDpi),
                       WindowFrameAtDpi(window, dpi), dpi);
    SetWindowPos(window, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowState& state = State();
    switch (message) {
        case WM_CREATE:
            OnCreate(state, window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy(state);
            break;
        case WM_NCDESTROY:
            OnNcDestroy(state);
            break;
        case WM_PAINT:
            OnPaint(state, window);
            break;
        case WM_COMMAND:
            OnCommand(state, window, LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_ACTIVATE:
            OnActivate(state, window, wParam);
            break;
        case WM_SETFOCUS:
            OnSetFocus(state, window);
            break;
        case WM_COPYDATA:
            // Answered here: the default processing would say no.
            return OnCopyData(state, window, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DPICHANGED:
            OnDpiChanged(state, window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            break;
        case WM_DROPFILES:
            OnDropFiles(state, window, reinterpret_cast<HDROP>(wParam));
            break;
        case kImportPendingMessage:
            OnImportPending(state, window);
            break;
        case WM_TIMER:
            OnLogTimer(state, window, wParam);
            break;
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(state, reinterpret_cast<HMENU>(wParam));
            break;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH background = OnCtlColorStatic(state, reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(background);
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnThemeChanged(state, window);
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
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand, const StartRequest* start) {
    // Created for the system's scaling, the main screen's, where the window usually appears.
    const int dpi = SystemDpi();
    HWND window =
        CreateWindowExW(0, kMainWindowClass, kTitle, WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                        ScaledToDpi(kOuterWidth, dpi), ScaledToDpi(kOuterHeight, dpi), nullptr,
                        nullptr, instance, const_cast<StartRequest*>(start));
    if (window != nullptr) {
        SizeForOwnDpi(window);
    }
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

int RunMessageLoop(HWND window, HINSTANCE instance) {
    HACCEL keys = LoadAcceleratorsW(instance, L"KD");
    for (;;) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            // The keys of the table, then Tab, Shift+Tab and Enter as in a dialog.
            if (TranslateAcceleratorW(window, keys, &message) != 0 ||
                IsDialogMessageW(window, &message) != 0) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        WaitForMessageOrLogChange(window);
    }
}
