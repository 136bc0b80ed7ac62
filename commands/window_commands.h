#pragma once

#include <string>

#include "commands/window_state.h"

// What the window procedure asks of the commands. None of these lets an exception out into
// Windows: a command that runs out of memory, or of room in the history, stops where it stands
// with the history as it was, says so in a box, and the program goes on.

// At creation, once the form exists: the data file fills the form and the history.
void StartWithDataFile(WindowState& state) noexcept;

// Imports a log the player gives: dropped onto the window, or named when the program started.
// `path` is UTF-8.
void ImportGivenLog(WindowState& state, const std::string& path) noexcept;

// The followed log may have changed: the window's timers say so.
void FollowGameLog(WindowState& state) noexcept;

// Carries out a WM_COMMAND: the live recalculation first when it is due, then the action of
// the id, whatever the notification code.
void RunCommand(WindowState& state, int id, int notificationCode) noexcept;

enum class CommandAction { None, ShowVersion, ShowHelp, Save, ImportGameLog, ToggleFollowing };

struct CommandRoute {
    bool recalculate = false;  // EN_UPDATE from the kill or death field
    CommandAction action = CommandAction::None;
    bool operator==(const CommandRoute&) const = default;
};

// Where a WM_COMMAND goes, by its control id (low word) and notification code (high word).
CommandRoute RouteCommand(int id, int notificationCode);
