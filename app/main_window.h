#pragma once

#include <windows.h>

// Registers the class "WndClass"; false when Windows refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates and shows the fixed-size main window; null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
