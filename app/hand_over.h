#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a second start and the running window that holds its data file say to each other, and
// how long the start waits for an answer: no Windows here (running_window.cpp carries it).

// Import this log (none: only come to the front). A window busy for a while gets every attempt
// that timed out later still, so each start's request carries an id of its own.
struct HandOverRequest {
    std::uint64_t id = 0;
    std::string dataFileKey;  // the data file as its claim names it
    std::string logPath;      // UTF-8, in full; empty: none

    bool operator==(const HandOverRequest&) const = default;
};

// The request as it travels: the id's eight bytes, lowest first, the key, a NUL and the log.
std::string EncodeHandOverRequest(const HandOverRequest& request);

// Nothing for bytes that are no request: any program may send a window WM_COPYDATA.
std::optional<HandOverRequest> DecodeHandOverRequest(std::string_view bytes);

// True the first time the window is asked to carry out request `id`, false for every repeat. The
// window remembers the ids of its latest requests; a start stops asking once it is answered.
bool FirstTimeCarriedOut(std::vector<std::uint64_t>& carriedOut, std::uint64_t id);

// How long a second start waits for the window that holds its data file: a Save flushing to a
// slow stick or a share, or a large log, may keep it busy for seconds.
inline constexpr std::uint64_t kHandOverPatienceMilliseconds = 10000;

enum class HandOverStep {
    OpenOwnWindow,  // the claim came free: the program that held it has ended
    Done,           // the window answered: it has the log
    AskAgain,
    GiveUp,  // the window does not answer: the player is told, and no second window opens
};

struct HandOverAttempt {
    bool claimTaken = false;
    bool answered = false;
    std::uint64_t waitedMilliseconds = 0;
};

HandOverStep NextHandOverStep(const HandOverAttempt& attempt);
