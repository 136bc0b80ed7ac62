#pragma once

#include <windows.h>

#include "commands/window_state.h"

// Following the game's log costs nothing while nothing happens: the message loop waits for a
// change notification on the log's folder besides messages, and a burst of writes is read once
// it settles. A slow timer is the safety net for changes the notification misses (Windows may
// tell of a write only when the game closes its log) and for a folder that is not there yet.

// Watches the followed log's folder while following is on; stops when it goes off, and moves to
// the folder of another log that is followed.
void KeepLogWatch(WindowState& state, HWND window);

// What the message loop waits for besides messages: null while nothing is watched.
HANDLE LogWatchHandle(const WindowState& state);

// The watched folder changed: the log is read once the writes pause.
void OnLogFolderChanged(WindowState& state, HWND window);

// A WM_TIMER of following; false for any other timer.
bool OnLogTimer(WindowState& state, HWND window, UINT_PTR timer);

// The window is gone: the watch ends with it.
void EndLogWatch(WindowState& state);
