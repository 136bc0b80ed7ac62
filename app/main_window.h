#pragma once

#include <windows.h>

// Registers the class "WndClass"; false when Windows refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates and shows the fixed-size main window; null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);

// Imports the file named by the program's first argument, if there is one: what Windows does
// when a file is dropped onto the program's icon.
void ImportFileFromCommandLine(HWND window);

// Runs until WM_QUIT and returns its exit code. F5 (the accelerator table "KD") imports the
// game's log wherever the focus is in the window.
int RunMessageLoop(HWND window, HINSTANCE instance);

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
