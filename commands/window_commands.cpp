#include "commands/window_commands.h"

#include <new>
#include <stdexcept>

#include "commands/data_file_commands.h"
#include "commands/game_log_import.h"
#include "commands/help_boxes.h"
#include "commands/live_recalculation.h"
#include "commands/messages.h"
#include "platform/message_box.h"
#include "platform/window.h"
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

// Every command is written so that an exception leaves the history as it was (a lent value is
// taken back, Save appends only what it wrote); here the command ends.
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

void StartWithDataFile(WindowState& state) noexcept {
    RunToTheEnd(state, [&] { LoadDataFile(state); });
}

void ImportGivenLog(WindowState& state, const std::string& path) noexcept {
    RunToTheEnd(state, [&] { ImportLogFile(state, path); });
}

void FollowGameLog(WindowState& state) noexcept {
    RunToTheEnd(state, [&] { ReadFollowedLog(state); });
}

void RunCommand(WindowState& state, int id, int notificationCode) noexcept {
    const CommandRoute route = RouteCommand(id, notificationCode);
    if (route.recalculate) {
        RunToTheEnd(state, [&] { LiveRecalculate(state); });
    }
    RunToTheEnd(state, [&] { RunAction(state, route.action); });
}
