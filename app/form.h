#pragma once

#include <windows.h>

#include "commands/window_state.h"

// Creates the form's nine controls on the main window, in their fixed places, and returns the
// handles the program keeps. Where the system's font lacks the Japanese glyphs, the controls get
// a font that has them.
FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance);

// Deletes the controls' font, if they were given one, once they are gone.
void DeleteFormFont(HWND mainWindow) noexcept;

// Paints the row labels to the left of the controls.
void PaintLabels(HWND mainWindow) noexcept;
