#include "platform/win32_paths.h"

#include <windows.h>

bool InWindowsNamespace(const std::wstring& path) {
    return path.starts_with(LR"(\\?\)") || path.starts_with(LR"(\\.\)");
}

std::wstring FullPath(const std::wstring& path) {
    if (InWindowsNamespace(path)) {
        return path;
    }
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return path;
    }
    full.resize(length);
    return full;
}

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
    // Opened to read its attributes alone, as a folder may be opened too.
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool asked = GetFileInformationByHandle(file, &information) != FALSE;
    CloseHandle(file);
    if (!asked) {
        return std::nullopt;
    }
    return FileIdentity{
        information.dwVolumeSerialNumber,
        (std::uint64_t{information.nFileIndexHigh} << 32U) | information.nFileIndexLow};
}
