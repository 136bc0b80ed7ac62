#pragma once

#include <windows.h>

#include "drawing/dpi_scale.h"

// The dots per inch the window is shown at: its monitor's on Windows 10 and later for a program
// that is aware of each monitor's scaling, else the system's.
int WindowDpi(HWND window);

// The system's dots per inch, which its stock fonts are made for.
int SystemDpi();

// What the window's frame, with its style and menu, adds to its client area at `dpi`; measured at
// the system's dots per inch where Windows cannot measure for another (before Windows 10).
FrameSize WindowFrameAtDpi(HWND window, int dpi);
