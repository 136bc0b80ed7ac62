#pragma once

#include <windows.h>

#include "platform/drawing.h"
#include "platform/window.h"

// An HWND as the portable code holds it, and back.
inline Window AsWindow(HWND window) {
    return reinterpret_cast<Window>(window);
}
inline HWND AsHwnd(Window window) {
    return reinterpret_cast<HWND>(window);
}

// An HFONT as the portable code holds it, and back.
inline Font AsFont(HFONT font) {
    return reinterpret_cast<Font>(font);
}
inline HFONT AsHfont(Font font) {
    return reinterpret_cast<HFONT>(font);
}
