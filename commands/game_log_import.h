#pragma once

#include "commands/window_state.h"

// Command 1009: takes the nickname and the kill and death counts from the game's log into the
// form, whose live recalculation then fills the results. Only reads the log.
void ImportGameLog(WindowState& state);
