#pragma once

#include <windows.h>

#include "app/start_request.h"

inline constexpr const wchar_t* kMainWindowClass = L"WndClass";

// Registers the main window's class; false when Windows refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates and shows the fixed-size main window, which works on the start's data file and imports
// its log, if it names one, once the message loop runs; without a start, on kddata.ioy in the
// working folder. Null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand, const StartRequest* start = nullptr);

// Runs until WM_QUIT and returns its exit code; while the game's log is followed, it also wakes
// when the log's folder changes. The keys of the accelerator table "KD" work
// wherever the focus is in the window (F5 imports the game's log, Ctrl+S saves); Tab and
// Shift+Tab go round the fields and the Save button, and Enter on the button saves.
int RunMessageLoop(HWND window, HINSTANCE instance);

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
