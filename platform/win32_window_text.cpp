#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/window_text.h"

namespace {

HWND AsHwnd(Window window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

std::string GetWindowTextBytes(Window window, int limit) {
    if (limit <= 0) {
        return {};
    }
    std::string buffer(static_cast<std::size_t>(limit), '\0');
    const int length = GetWindowTextA(AsHwnd(window), buffer.data(), limit);
    buffer.resize(static_cast<std::size_t>(std::max(length, 0)));
    return buffer;
}

void SetWindowTextBytes(Window window, std::string_view text) {
    const std::string terminated(text);
    SendMessageA(AsHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}
