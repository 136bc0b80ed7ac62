#include "app/start_request.h"

#include <windows.h>

#include <shellapi.h>

#include "history/data_file_format.h"
#include "platform/win32_paths.h"
#include "platform/win32_wide_text.h"

namespace {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FolderOf(path);
        }
        path.resize(path.size() * 2);
    }
}

// The program's first argument; an empty one names no file.
std::wstring FirstArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return {};
    }
    std::wstring first = count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    return first;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool IsSameFile(const std::wstring& one, const std::wstring& other) {
    const std::optional<FileIdentity> first = IdentityOf(one);
    const std::optional<FileIdentity> second = IdentityOf(other);
    if (first && second) {
        return first == second;
    }
    const std::wstring firstPath = FullPath(one);
    const std::wstring secondPath = FullPath(other);
    return CompareStringOrdinal(firstPath.c_str(), static_cast<int>(firstPath.size()),
                                secondPath.c_str(), static_cast<int>(secondPath.size()),
                                TRUE) == CSTR_EQUAL;
}

StartRequest ReadStartRequest() {
    StartRequest start{.logPath = {}, .dataFilePath = FullPath(WideFromUtf8(kDataFileName))};
    // In full: a running window that is handed the log resolves no path against its own
    // working folder.
    if (const std::wstring argument = FirstArgument(); !argument.empty()) {
        start.logPath = FullPath(argument);
    }
    // The working folder is the folder of the data file it holds.
    if (!start.logPath.empty() && !Exists(start.dataFilePath) &&
        IsSameFile(FolderOf(start.logPath), FolderOf(start.dataFilePath))) {
        start.dataFilePath = ProgramFolder() + WideFromUtf8(kDataFileName);
    }
    return start;
}
