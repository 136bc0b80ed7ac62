#pragma once

#include <string>
#include <string_view>

enum class ReplaceOutcome {
    Replaced,
    NotOpened,   // the file may not be replaced, or no new file could be made beside it
    NotWritten,  // writing, flushing, closing or the final replacement failed
};

// Replaces the file's whole content so that a failure at any step leaves the previous file as
// it was: the new content goes to a file beside it, is flushed to disk, and only then takes the
// old file's place in one step. Whatever fails, the file beside it is removed again.
ReplaceOutcome ReplaceFileContents(const std::string& path, std::string_view bytes);
