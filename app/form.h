#pragma once

#include <windows.h>

#include "commands/window_state.h"
#include "platform/drawing.h"

// Creates the form's nine controls on the main window, in their places at the window's dots per
// inch, and returns the handles the program keeps. They get the program's font for that scaling
// where it is not the system font (which lacks the Japanese glyphs off code page 932).
FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance, int dpi);

// Moves the controls to their places at another scaling, with the font for it.
void LayOutFormControls(HWND mainWindow, const FormControls& form, int dpi);

// Deletes the controls' font, if they were given one, once they are gone.
void DeleteFormFont(HWND mainWindow) noexcept;

// Paints the row labels to the left of the controls.
void PaintLabels(Canvas canvas) noexcept;
