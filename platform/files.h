#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The file operations the data file and the game log import need, as Windows provides them
// (platform/win32_files.cpp) or the tests' stand-in does. Paths are UTF-8, absolute or relative
// to the working folder.

enum class ReadOutcome {
    Read,        // the whole file
    Missing,     // no such file: a fresh start
    Unreadable,  // it exists but could not be opened or read to its end
};

struct FileRead {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes;  // what was read, also when reading stopped halfway
};

FileRead ReadWholeFile(const std::string& path);

// A file opened for reading a little at a time while other programs go on writing, renaming or
// deleting it (the game keeps its log open). Null when it cannot be opened.
struct OpaqueReadFile;
using ReadHandle = OpaqueReadFile*;
ReadHandle OpenSharedForReading(const std::string& path);

// Reads the next bytes into `buffer`; 0 at the end of the file, and after a read error.
std::size_t ReadSomeBytes(ReadHandle file, std::span<char> buffer);

void CloseReadFile(ReadHandle file);

// What tells one state of an open file from another: which file it is, its size and its last
// write. A log written to, or replaced by a new file, has another stamp.
struct FileStamp {
    std::uint64_t identity = 0;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(ReadHandle file);

// Whether the file may be replaced: true when it does not exist, false when it is read-only, a
// folder, or held open by another program that denies writing.
bool CanReplaceFile(const std::string& path);

// A new file of the program's own, in the same folder as `path`, open for writing, under a name
// that no other file has: neither a file left over by a save that was cut off nor another copy
// of the program saving at the same moment stands in its way. `path` itself is not touched.
// Null when it cannot be made (the folder is not writable).
struct OpaqueWriteFile;
using WriteHandle = OpaqueWriteFile*;
WriteHandle CreateFileBeside(const std::string& path, std::string& createdPath);

bool WriteAllBytes(WriteHandle file, std::string_view bytes);
bool FlushToDisk(WriteHandle file);
bool CloseWrittenFile(WriteHandle file);

// Puts `from` in the place of `to` in one step, replacing it.
bool MoveFileOver(const std::string& from, const std::string& to);

void RemoveFileQuietly(const std::string& path);
