#pragma once

#include <windows.h>

#include "commands/window_state.h"

// Creates the form's nine controls on the main window, each after its row's label, in their
// places at the window's dots per inch, and returns the handles the program keeps. They get the
// program's font for that scaling (null: the system font, which has the Japanese glyphs on code
// page 932 alone).
FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance, int dpi, HFONT font);

// Moves the controls to their places at another scaling, with the font for it.
void LayOutFormControls(HWND mainWindow, const FormControls& form, int dpi, HFONT font);

// Whether the window is one of the rows' labels.
bool IsFormLabel(HWND window);
