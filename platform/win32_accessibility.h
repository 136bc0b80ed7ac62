#pragma once

#include <windows.h>

// Marks the control as a polite live region, whose changes a screen reader reads out when it is
// told of them (AnnounceChange). Windows' annotation service is loaded when it is needed: where
// it is missing or cannot annotate (Windows before 8, Wine), the control stays as it is.
void MarkAsLiveRegion(HWND control);

// Takes the mark off again, before the control is destroyed.
void UnmarkLiveRegion(HWND control);
