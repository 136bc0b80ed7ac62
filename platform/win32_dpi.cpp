#include "platform/win32_dpi.h"

namespace {

// Found at run time, as user32 has them: the program also runs on Windows versions without
// them (before Windows 10).
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function FindInUser32(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

// Asked once: it stays what it was when the program started.
int SystemDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int asked = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return asked > 0 ? asked : USER_DEFAULT_SCREEN_DPI;
    }();
    return dpi;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = FindInUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

FrameSize WindowFrameAtDpi(HWND window, int dpi) {
    static const auto adjustForDpi =
        FindInUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL hasMenu = GetMenu(window) != nullptr ? TRUE : FALSE;
    RECT frame{};
    FrameSize measured;
    measured.dpi = dpi;
    if (adjustForDpi == nullptr ||
        adjustForDpi(&frame, style, hasMenu, extendedStyle, static_cast<UINT>(dpi)) == FALSE) {
        frame = {};
        AdjustWindowRectEx(&frame, style, hasMenu, extendedStyle);
        measured.dpi = SystemDpi();
    }
    measured.added = {frame.right - frame.left, frame.bottom - frame.top};
    return measured;
}
