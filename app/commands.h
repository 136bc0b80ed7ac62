#pragma once

#include "history/kd_history.h"
#include "platform/form_controls.h"

enum class CommandAction { None, ShowVersion, ShowHelp, Save, ImportGameLog };

struct CommandRoute {
    bool recalculate = false;  // EN_UPDATE from the kill or death field
    CommandAction action = CommandAction::None;
    bool operator==(const CommandRoute&) const = default;
};

// Where a WM_COMMAND goes, by its control id (low word) and notification code (high word).
CommandRoute RouteCommand(int id, int notificationCode);

// Carries out a WM_COMMAND: the live recalculation first when it is due, then the action of
// the id, whatever the notification code.
void RunCommand(const FormControls& form, KdHistory& history, int id, int notificationCode);

// The Help menu's two boxes.
void ShowVersionBox(Window owner);
void ShowHelpBox(Window owner);
