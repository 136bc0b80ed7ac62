#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A path in Windows' own namespaces, "\\?\C:\..." or "\\.\C:": Windows takes it as it is given.
bool InWindowsNamespace(const std::wstring& path);

// The path in full, as Windows resolves it against the working folder; the path as it is given
// when it is in Windows' own namespaces, or when Windows cannot resolve it.
std::wstring FullPath(const std::wstring& path);

// The folder with its last separator: "C:\" of the file "C:\error.log".
std::wstring FolderOf(const std::wstring& path);

// What stays the same whichever path names a file or a folder (a short 8.3 name, a subst drive,
// a mapped drive or its UNC path): its volume's serial number and its index on that volume.
struct FileIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Nothing when the path names nothing that can be asked (no such file or folder).
std::optional<FileIdentity> IdentityOf(const std::wstring& path);
