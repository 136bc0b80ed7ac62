#pragma once

#include <windows.h>

#include <string>

// Registers the class "WndClass"; false when Windows refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates and shows the fixed-size main window, which works on the data file given (full path),
// or on kddata.ioy in the working folder; null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand,
                      const std::wstring* dataFilePath = nullptr);

// Imports the log once the message loop runs, as a log dropped onto the window: the file a
// start names.
void ImportGivenLogLater(HWND window, const std::wstring& path);

// Runs until WM_QUIT and returns its exit code. The keys of the accelerator table "KD" work
// wherever the focus is in the window (F5 imports the game's log, Ctrl+S saves); Tab and
// Shift+Tab go round the fields and the Save button, and Enter on the button saves.
int RunMessageLoop(HWND window, HINSTANCE instance);

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
