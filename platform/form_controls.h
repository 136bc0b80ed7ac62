#pragma once

#include "platform/window.h"

// The main window and the form's eight controls, set once when the window is created. The Save
// button's handle is not kept.
struct FormControls {
    Window main = nullptr;
    Window nameField = nullptr;
    Window clanField = nullptr;
    Window killField = nullptr;
    Window deathField = nullptr;
    Window kdResult = nullptr;
    Window plusOneResult = nullptr;
    Window minusOneResult = nullptr;
    Window averageResult = nullptr;
};
