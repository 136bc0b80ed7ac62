#pragma once

#include "history/kd_history.h"
#include "platform/form_controls.h"

// Fills the form and the history from kddata.ioy in the working folder, once at start.
void LoadDataFile(const FormControls& form, KdHistory& history);

// The Save command: rewrites kddata.ioy from the form and the history, and adds the current
// percentage to the history for good.
void SaveDataFile(const FormControls& form, KdHistory& history);
