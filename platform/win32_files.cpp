#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/win32_paths.h"
#include "platform/win32_wide_text.h"

namespace {

HANDLE AsHandle(ReadHandle file) {
    return file;
}

HANDLE AsHandle(WriteHandle file) {
    return file;
}

constexpr int kNameAttempts = 100;

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The path as Windows takes it also beyond MAX_PATH: a path whose full form is that long is
// given in that form marked as such ("\\?\C:\..." or "\\?\UNC\server\..."), which Windows takes
// as it is. Any other path, or one whose full form is marked already ("\\?\", "\\.\"), is left
// alone.
std::wstring WindowsPath(const std::string& path) {
    std::wstring wide = WideFromUtf8(path);
    const std::wstring full = FullPath(wide);
    if (full.size() < MAX_PATH || InWindowsNamespace(full)) {
        return wide;
    }
    if (full.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + full.substr(2);
    }
    return LR"(\\?\)" + full;
}

// A file on a disk, as a file system keeps it: not a pipe, a device or a console, which could
// keep a read waiting for ever, nor a folder, nor a volume or a whole disk, which would be read
// whole (file systems answer no question about a file for a volume opened as such).
bool IsRegularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileType(file) == FILE_TYPE_DISK &&
           GetFileInformationByHandle(file, &information) != FALSE &&
           (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

// Others may go on reading, writing or replacing the file while it is read. Only a regular
// file is opened.
HANDLE OpenSharingEverything(const std::string& path) {
    HANDLE file = CreateFileW(WindowsPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE && !IsRegularFile(file)) {
        CloseHandle(file);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    HANDLE file = OpenSharingEverything(path);
    if (file == INVALID_HANDLE_VALUE) {
        result.outcome = IsMissing(GetLastError()) ? ReadOutcome::Missing : ReadOutcome::Unreadable;
        return result;
    }
    result.outcome = ReadOutcome::Read;
    // Room for the whole file at once; a file that grows meanwhile still reads to its end.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) != 0 && size.QuadPart > 0) {
        result.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    std::array<char, 65536> chunk{};
    for (;;) {
        DWORD read = 0;
        if (ReadFile(file, chunk.data(), chunk.size(), &read, nullptr) == 0) {
            result.outcome = ReadOutcome::Unreadable;
            break;
        }
        if (read == 0) {
            break;
        }
        result.bytes.append(chunk.data(), read);
    }
    CloseHandle(file);
    return result;
}

ReadHandle OpenSharedForReading(const std::string& path) {
    HANDLE file = OpenSharingEverything(path);
    return file == INVALID_HANDLE_VALUE ? nullptr : static_cast<ReadHandle>(file);
}

std::size_t ReadSomeBytes(ReadHandle file, std::span<char> buffer) {
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1U << 20U));
    DWORD read = 0;
    if (ReadFile(AsHandle(file), buffer.data(), wanted, &read, nullptr) == 0) {
        return 0;
    }
    return read;
}

void CloseReadFile(ReadHandle file) {
    CloseHandle(AsHandle(file));
}

FileStamp StampOf(ReadHandle file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(AsHandle(file), &information) == 0) {
        return {};
    }
    const auto join = [](DWORD high, DWORD low) {
        return (std::uint64_t{high} << 32U) | std::uint64_t{low};
    };
    // Which file it is: its volume and its index there, folded into one number.
    return {join(information.dwVolumeSerialNumber, 0) ^
                join(information.nFileIndexHigh, information.nFileIndexLow),
            join(information.nFileSizeHigh, information.nFileSizeLow),
            join(information.ftLastWriteTime.dwHighDateTime,
                 information.ftLastWriteTime.dwLowDateTime)};
}

bool CanReplaceFile(const std::string& path) {
    const std::wstring widePath = WindowsPath(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return IsMissing(GetLastError());
    }
    // Checked here, not left to the open: whoever runs as root (Wine on Linux) may open a
    // read-only file for writing.
    if ((attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    HANDLE probe = CreateFileW(widePath.c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(probe);
    return true;
}

WriteHandle CreateFileBeside(const std::string& path, std::string& createdPath) {
    // The process id keeps two copies of the program apart; the attempt number steps past files
    // of the same name that a copy with the same id left behind.
    const std::string stem = path + "." + std::to_string(GetCurrentProcessId()) + ".";
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        createdPath = stem + std::to_string(attempt) + ".saving";
        HANDLE file = CreateFileW(WindowsPath(createdPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return static_cast<WriteHandle>(file);
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    createdPath.clear();
    return nullptr;
}

bool WriteAllBytes(WriteHandle file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20U));
        DWORD written = 0;
        if (WriteFile(AsHandle(file), bytes.data(), chunk, &written, nullptr) == 0 ||
            written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool FlushToDisk(WriteHandle file) {
    return FlushFileBuffers(AsHandle(file)) != 0;
}

bool CloseWrittenFile(WriteHandle file) {
    return CloseHandle(AsHandle(file)) != 0;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    return MoveFileExW(WindowsPath(from).c_str(), WindowsPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFileQuietly(const std::string& path) {
    DeleteFileW(WindowsPath(path).c_str());
}
