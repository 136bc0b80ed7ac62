#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

// The texts of windows and controls, as UTF-8, as Windows provides them
// (platform/win32_window_text.cpp) or the tests' stand-in does.

// The window's whole text.
std::string GetWindowTextUtf8(Window window);

// The window's first `limit - 1` UTF-16 units at most, as a buffer of `limit` characters reads
// it (GetWindowTextW).
std::string GetWindowTextUtf8(Window window, int limit);

// Sets the window's text (WM_SETTEXT). For the count fields this raises EN_UPDATE at once.
void SetWindowTextUtf8(Window window, std::string_view text);
