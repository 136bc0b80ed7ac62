#include "commands/file_replacement.h"

#include "platform/files.h"

ReplaceOutcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
    if (!CanReplaceFile(path)) {
        return ReplaceOutcome::NotOpened;
    }
    std::string newPath;
    WriteHandle file = CreateFileBeside(path, newPath);
    if (file == nullptr) {
        return ReplaceOutcome::NotOpened;
    }
    const bool written = WriteAllBytes(file, bytes) && FlushToDisk(file);
    const bool closed = CloseWrittenFile(file);
    if (!written || !closed || !MoveFileOver(newPath, path)) {
        RemoveFileQuietly(newPath);
        return ReplaceOutcome::NotWritten;
    }
    return ReplaceOutcome::Replaced;
}
