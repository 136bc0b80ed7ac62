#pragma once

#include <string>

// The path in full, as Windows resolves it against the working folder; the path as it is given
// when Windows cannot resolve it.
std::wstring FullPath(const std::wstring& path);

// The folder with its last separator: "C:\" of the file "C:\error.log".
std::wstring FolderOf(const std::wstring& path);
