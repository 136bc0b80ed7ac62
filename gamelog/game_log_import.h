#pragma once

#include "history/kd_history.h"
#include "platform/form_controls.h"

// Command 1009: takes the nickname and the kill and death counts from the game's log into the
// form, whose live recalculation then fills the results. Only reads the log.
void ImportGameLog(const FormControls& form, KdHistory& history);
