#pragma once

#include <windows.h>

#include "platform/window.h"

// An HWND as the portable code holds it.
inline Window AsWindow(HWND window) {
    return reinterpret_cast<Window>(window);
}
