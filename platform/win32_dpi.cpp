#include "platform/win32_dpi.h"

namespace {

// GetDpiForWindow is found at run time: the program also runs on Windows versions without it.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction FindGetDpiForWindow() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
                                   GetProcAddress(user32, "GetDpiForWindow")));
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
    static const GetDpiForWindowFunction getDpiForWindow = FindGetDpiForWindow();
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}
