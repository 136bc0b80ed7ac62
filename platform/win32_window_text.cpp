#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32_wide_text.h"
#include "platform/window_text.h"

static_assert(kEditUpdate == EN_UPDATE);

namespace {

HWND AsHwnd(Window window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

std::string GetWindowTextUtf8(Window window) {
    return GetWindowTextUtf8(window, GetWindowTextLengthW(AsHwnd(window)) + 1);
}

std::string GetWindowTextUtf8(Window window, int limit) {
    if (limit <= 0) {
        return {};
    }
    std::wstring buffer(static_cast<std::size_t>(limit), L'\0');
    const int length = GetWindowTextW(AsHwnd(window), buffer.data(), limit);
    buffer.resize(static_cast<std::size_t>(std::max(length, 0)));
    return Utf8FromWide(buffer);
}

void SetWindowTextUtf8(Window window, std::string_view text) {
    const std::wstring terminated = WideFromUtf8(text);
    SendMessageW(AsHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}
