#pragma once

#include <windows.h>

// The dots per inch the window is shown at: its monitor's on Windows 10 and later for a program
// that is aware of each monitor's scaling, else the system's.
int WindowDpi(HWND window);

// The system's dots per inch, which its stock fonts are made for.
int SystemDpi();
