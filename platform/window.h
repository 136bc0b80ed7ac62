#pragma once

// A window or control, as the rest of the program holds it: an HWND on Windows, a fake window
// in the tests. A pointer to a type of its own, so that neither a file handle nor any other
// pointer passes for one. A null handle belongs to a control that failed to be created; every
// operation on it does nothing.
struct OpaqueWindow;
using Window = OpaqueWindow*;

// The code an edit control sends with WM_COMMAND as its text is about to change: EN_UPDATE,
// which the portable code cannot take from <windows.h> (platform/win32_window_text.cpp holds the
// two alike).
inline constexpr int kEditUpdate = 0x0400;
