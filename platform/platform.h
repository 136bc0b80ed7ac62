#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

// The Windows operations the portable parts of the program use. Windows provides them in
// platform/win32_*.cpp; the tests link a recording stand-in instead.

// The window's text, read with a buffer of `limit` bytes: at most limit - 1 bytes come back.
std::string GetWindowTextBytes(Window window, int limit);

// Sets the window's text (WM_SETTEXT). For the count fields this raises EN_UPDATE at once.
void SetWindowTextBytes(Window window, std::string_view text);

// A message box owned by `owner` with one OK button and no icon; returns when it is dismissed.
void ShowMessageBox(Window owner, std::string_view text, std::string_view caption);
