#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the game's log has told so far: the last nickname and counts that scanned, each absent
// until a piece yields one.
struct LogFindings {
    std::optional<std::string> name;
    std::optional<std::int32_t> kills;
    std::optional<std::int32_t> deaths;

    bool operator==(const LogFindings&) const = default;
};

// The import keeps at most this many bytes of a nickname, in whole characters of the code page:
// the name buffer holds 64 with its terminating NUL.
inline constexpr std::size_t kNicknameLimit = 63;

// Examines one piece of the log as the import does, in order: a piece containing "\tNick" is
// scanned as "\tNick: %s" (the whole word: the cut to kNicknameLimit needs the code page), one
// containing "Kill:" as "\tKill: %d" and one containing "Death:" as "\tDeath: %d", every scan
// from the piece's first character.
void ExamineLogPiece(std::string_view piece, LogFindings& findings);

// What `now` tells otherwise than `before`: each of its findings that differs from `before`'s or
// is new; none where it tells the same, or nothing.
LogFindings ChangedFindings(const LogFindings& before, const LogFindings& now);
