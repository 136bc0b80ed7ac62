#pragma once

#include "commands/window_state.h"

// Fills the form and the history from the data file, once at start.
void LoadDataFile(WindowState& state);

// The Save command: rewrites the data file from the form and the history, and adds the current
// percentage to the history for good.
void SaveDataFile(WindowState& state);
