#include "app/commands.h"

#include "app/tallymere.h"
#include "gamelog/game_log_import.h"
#include "history/data_file.h"
#include "kd/live_recalculate.h"
#include "platform/platform.h"
#include "res/version.h"

namespace {

constexpr int kEditUpdate = 0x0400;  // EN_UPDATE

constexpr const char* kVersionCaption = "バージョン情報";
constexpr const char* kVersionText =
    "Created by the Tallymere project\n\n\n"
    "URL: なし\n\n\n\n\n"
    "version: " TALLYMERE_VERSION_TEXT;
constexpr const char* kHelpCaption = "ヘルプ情報";
constexpr const char* kHelpText = "ヘルプは付属のIndex.htmlをご覧ください.";

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
        default:
            return CommandAction::None;
    }
}

}  // namespace

CommandRoute RouteCommand(int id, int notificationCode) {
    return {.recalculate = notificationCode == kEditUpdate && (id == IDC_KILL || id == IDC_DEATH),
            .action = ActionOf(id)};
}

void RunCommand(const FormControls& form, KdHistory& history, int id, int notificationCode) {
    const CommandRoute route = RouteCommand(id, notificationCode);
    if (route.recalculate) {
        LiveRecalculate(form, history);
    }
    switch (route.action) {
        case CommandAction::ShowVersion:
            ShowVersionBox(form.main);
            break;
        case CommandAction::ShowHelp:
            ShowHelpBox(form.main);
            break;
        case CommandAction::Save:
            SaveDataFile(form, history);
            break;
        case CommandAction::ImportGameLog:
            ImportGameLog(form, history);
            break;
        case CommandAction::None:
            break;
    }
}

void ShowVersionBox(Window owner) {
    ShowMessageBox(owner, kVersionText, kVersionCaption);
}

void ShowHelpBox(Window owner) {
    ShowMessageBox(owner, kHelpText, kHelpCaption);
}
