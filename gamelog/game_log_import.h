#pragma once

#include "history/kd_history.h"
#include "platform/form_controls.h"

// Command 1009: takes the nickname and the kill and death counts from the game's log.
void ImportGameLog(const FormControls& form, KdHistory& history);
