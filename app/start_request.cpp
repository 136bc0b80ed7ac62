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

}  // namespace

bool IsSameFile(const std::wstring& one, const std::wstring& other) {
    const std::wstring first = FullPath(one);
    const std::wstring second = FullPath(other);
    return CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

StartRequest ReadStartRequest() {
    StartRequest start{.logPath = FirstArgument(),
                       .dataFilePath = FullPath(WideFromUtf8(kDataFileName))};
    // The working folder is the folder of the data file it holds.
    if (!start.logPath.empty() &&
        IsSameFile(FolderOf(FullPath(start.logPath)), FolderOf(start.dataFilePath))) {
        start.dataFilePath = ProgramFolder() + WideFromUtf8(kDataFileName);
    }
    return start;
}
