#pragma once

#include <windows.h>

#include "commands/window_state.h"

// Creates the form's nine controls on the main window, in their fixed places, and returns the
// handles the program keeps.
FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance);

// Paints the row labels to the left of the controls.
void PaintLabels(HWND mainWindow) noexcept;
