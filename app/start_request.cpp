#include "app/start_request.h"

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr const wchar_t* kDataFileName = L"kddata.ioy";

std::wstring FullPath(const std::wstring& path) {
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return path;
    }
    full.resize(length);
    return full;
}

// The folder with its last separator: "C:\" of the file "C:\error.log".
std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring WorkingFolder() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    if (!folder.ends_with(L'\\')) {
        folder += L'\\';
    }
    return folder;
}

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
    StartRequest start{.logPath = FirstArgument(), .dataFilePath = FullPath(kDataFileName)};
    const std::wstring workingFolder = WorkingFolder();
    if (!start.logPath.empty() && IsSameFile(FolderOf(FullPath(start.logPath)), workingFolder)) {
        start.dataFilePath = ProgramFolder() + kDataFileName;
    }
    return start;
}
