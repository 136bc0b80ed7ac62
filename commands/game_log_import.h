#pragma once

#include <string>

#include "commands/window_state.h"

// Command 1009: takes the nickname and the kill and death counts from the game's log into the
// form, whose live recalculation then fills the results. Only reads the log.
void ImportGameLog(WindowState& state);

// The same for a log the player gives (dropped onto the window or named when the program is
// started), from wherever it lies: a box names the file when it cannot be opened, or when it
// holds neither a nickname nor a count, and the form then stays as it was.
void ImportLogFile(WindowState& state, const std::string& path);
