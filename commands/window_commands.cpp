#include "commands/window_commands.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <string>

#include "commands/data_file_commands.h"
#include "commands/game_log_import.h"
#include "commands/help_boxes.h"
#include "commands/live_recalculation.h"
#include "commands/messages.h"
#include "platform/accessibility.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "platform/window_text.h"
#include "res/resource_ids.h"

namespace {

CommandAction ActionOf(int id) {
    switch (id) {
        case IDM_VERSION:
            return CommandAction::ShowVersion;
        case IDM_HELP:
            return CommandAction::ShowHelp;
        case IDC_SAVE:
            return CommandAction::Save;
        case IDC_IMPORT_LOG:
            return CommandAction::ImportGameLog;
        case IDM_FOLLOW_LOG:
            return CommandAction::ToggleFollowing;
        default:
            return CommandAction::None;
    }
}

void TellOutOfMemory(Window owner) noexcept {
    try {
        ShowMessageBox(owner, kOutOfMemoryText, kMessageBoxCaption);
    } catch (const std::bad_alloc&) {
        return;  // not even the box could be shown
    }
}

// Every command is written so that an exception leaves the history as it was (Save appends only
// what it wrote); here the command ends.
template <class Command>
void RunToTheEnd(const WindowState& state, const Command& command) noexcept {
    try {
        command();
    } catch (const std::bad_alloc&) {
        TellOutOfMemory(state.form.main);
    } catch (const std::length_error&) {
        TellOutOfMemory(state.form.main);
    }
}

// The K/D box's text; nothing when there is no memory to read it.
std::optional<std::string> KdText(const WindowState& state) noexcept {
    try {
        return GetWindowTextUtf8(state.form.kdResult);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// Runs the command and says whether it changed the K/D box. A command caused by another (a load
// or an import sets both counts, and each is recalculated within it) is part of that one and
// says no.
template <class Command>
bool ChangesKd(WindowState& state, const Command& command) noexcept {
    if (state.commandRunning) {
        command();
        return false;
    }
    state.commandRunning = true;
    const std::optional<std::string> before = KdText(state);
    command();
    state.commandRunning = false;
    const std::optional<std::string> after = KdText(state);
    return before && after && *before != *after;
}

// A command the player gives: a screen reader hears the new K/D once the command is done, if it
// changed it.
template <class Command>
void RunHeard(WindowState& state, const Command& command) noexcept {
    if (ChangesKd(state, command)) {
        AnnounceChange(state.form.kdResult);
    }
}

void RunAction(WindowState& state, CommandAction action) {
    switch (action) {
        case CommandAction::ShowVersion:
            ShowVersionBox(state.form.main);
            break;
        case CommandAction::ShowHelp:
            ShowHelpBox(state.form.main);
            break;
        case CommandAction::Save:
            SaveDataFile(state);
            break;
        case CommandAction::ImportGameLog:
            ImportGameLog(state);
            break;
        case CommandAction::ToggleFollowing:
            ToggleFollowing(state);
            break;
        case CommandAction::None:
            break;
    }
}

}  // namespace

CommandRoute RouteCommand(int id, int notificationCode) {
    return {.recalculate = notificationCode == kEditUpdate && (id == IDC_KILL || id == IDC_DEATH),
            .action = ActionOf(id)};
}

// What the window shows at first is read with it: nothing is announced.
void StartWithDataFile(WindowState& state) noexcept {
    ChangesKd(state, [&] { RunToTheEnd(state, [&] { LoadDataFile(state); }); });
}

void ImportGivenLog(WindowState& state, const std::string& path) noexcept {
    RunHeard(state, [&] { RunToTheEnd(state, [&] { ImportLogFile(state, path); }); });
}

void FollowGameLog(WindowState& state) noexcept {
    RunHeard(state, [&] { RunToTheEnd(state, [&] { ReadFollowedLog(state); }); });
}

void RunCommand(WindowState& state, int id, int notificationCode) noexcept {
    const CommandRoute route = RouteCommand(id, notificationCode);
    RunHeard(state, [&] {
        if (route.recalculate) {
            RunToTheEnd(state, [&] { LiveRecalculate(state); });
        }
        RunToTheEnd(state, [&] { RunAction(state, route.action); });
    });
}
