#pragma once

#include "platform/window.h"

// Tells a screen reader that the control's text has changed, as Windows provides it
// (platform/win32_accessibility.cpp) or the tests' stand-in records it. The control is a live
// region (MarkAsLiveRegion): the reader says its new text once it has finished what it is saying.
void AnnounceChange(Window control);
