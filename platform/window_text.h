#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

// The texts of windows and controls, as Windows provides them (platform/win32_window_text.cpp)
// or the tests' stand-in does.

// The window's text, read with a buffer of `limit` bytes: at most limit - 1 bytes come back.
std::string GetWindowTextBytes(Window window, int limit);

// Sets the window's text (WM_SETTEXT). For the count fields this raises EN_UPDATE at once.
void SetWindowTextBytes(Window window, std::string_view text);
