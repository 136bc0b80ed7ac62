#pragma once

#include <string>
#include <string_view>

#include "commands/window_state.h"

// Where the game keeps its log when it is installed in its usual folder.
inline constexpr std::string_view kUsualGameLogPath = R"(C:\Nexon\SuddenAttack\error.log)";

// Command 1009: takes the nickname and the kill and death counts from the game's log into the
// form, whose live recalculation then fills the results. Only reads the log.
void ImportGameLog(WindowState& state);

// The same for a log the player gives (dropped onto the window or named when the program is
// started), from wherever it lies: a box names the file when it cannot be opened, or when it
// holds neither a nickname nor a count, and the form then stays as it was. The window follows
// that log from now on.
void ImportLogFile(WindowState& state, const std::string& path);

// The log the window follows: the one given last, else the game's usual one.
std::string FollowedLogPath(const WindowState& state);

// The menu item: following on, when it reads the log at once, or off.
void ToggleFollowing(WindowState& state);

// While following: when the log has changed since it was last read, it is read again, silently,
// up to its last line feed (the line the game is still writing waits until it ends), and a field
// changes only where the log now tells otherwise than at the last import from it: a count the
// player corrected stays until the game writes a new one. A log that cannot be opened is waited
// for.
void ReadFollowedLog(WindowState& state);

// The Game menu's two lines: which log is followed, and when it was last read.
std::string FollowedLogLine(const WindowState& state);
std::string LogReadAtLine(const WindowState& state);
