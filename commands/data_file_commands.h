#pragma once

#include "commands/window_state.h"

// Fills the form and the history from kddata.ioy in the working folder, once at start.
void LoadDataFile(WindowState& state);

// The Save command: rewrites kddata.ioy from the form and the history, and adds the current
// percentage to the history for good.
void SaveDataFile(WindowState& state);
