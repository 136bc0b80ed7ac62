#include "app/log_watch.h"

#include <string>

#include "commands/game_log_import.h"
#include "commands/window_commands.h"
#include "platform/win32_paths.h"
#include "platform/win32_wide_text.h"

namespace {

// The writes of a burst are read together once none came for this long.
constexpr UINT kSettleMilliseconds = 300;
constexpr UINT kSafetyNetMilliseconds = 2000;
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT_PTR kSafetyNetTimer = 2;

HANDLE AsHandle(FolderWatch watch) {
    return reinterpret_cast<HANDLE>(watch);
}

void CloseWatch(WindowState& state) {
    if (state.follow.watch != nullptr) {
        FindCloseChangeNotification(AsHandle(state.follow.watch));
    }
    state.follow.watch = nullptr;
}

// A file's name, a write or a new size in the folder; null when the folder is not there.
FolderWatch WatchFolderOf(const std::string& path) {
    const std::wstring folder = FolderOf(FullPath(WideFromUtf8(path)));
    HANDLE watch = FindFirstChangeNotificationW(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    return watch == INVALID_HANDLE_VALUE ? nullptr : reinterpret_cast<FolderWatch>(watch);
}

}  // namespace

void KeepLogWatch(WindowState& state, HWND window) {
    FollowedLog& follow = state.follow;
    const std::string path = follow.on ? FollowedLogPath(state) : std::string();
    if (path == follow.watchedPath) {
        return;
    }
    CloseWatch(state);
    follow.watchedPath = path;
    if (path.empty()) {
        KillTimer(window, kSettleTimer);
        KillTimer(window, kSafetyNetTimer);
        return;
    }
    follow.watch = WatchFolderOf(path);
    SetTimer(window, kSafetyNetTimer, kSafetyNetMilliseconds, nullptr);
}

HANDLE LogWatchHandle(const WindowState& state) {
    return AsHandle(state.follow.watch);
}

void OnLogFolderChanged(WindowState& state, HWND window) {
    FindNextChangeNotification(AsHandle(state.follow.watch));
    SetTimer(window, kSettleTimer, kSettleMilliseconds, nullptr);
}

bool OnLogTimer(WindowState& state, HWND window, UINT_PTR timer) {
    if (timer == kSettleTimer) {
        KillTimer(window, kSettleTimer);
    } else if (timer != kSafetyNetTimer) {
        return false;
    } else if (state.follow.watch == nullptr && !state.follow.watchedPath.empty()) {
        state.follow.watch =
            WatchFolderOf(state.follow.watchedPath);  // the folder may be there now
    }
    FollowGameLog(state);
    return true;
}

void EndLogWatch(WindowState& state) {
    CloseWatch(state);
}
