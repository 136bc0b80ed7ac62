#pragma once

#include "platform/window.h"

// The Help menu's two boxes.
void ShowVersionBox(Window owner);
void ShowHelpBox(Window owner);
