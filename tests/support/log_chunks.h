#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamelog/log_pieces.h"

// The pieces of a log whose bytes arrive in chunks of `chunkSize`, the last one shorter.
inline std::vector<std::string> PiecesFedInChunks(std::string_view log, std::size_t chunkSize) {
    std::vector<std::string> pieces;
    LogPieceSplitter splitter([&](std::string_view piece) { pieces.emplace_back(piece); });
    for (std::size_t at = 0; at < log.size(); at += chunkSize) {
        splitter.Feed(log.substr(at, chunkSize));
    }
    splitter.Finish();
    return pieces;
}

// The pieces of a log whose bytes arrive all at once.
inline std::vector<std::string> PiecesOf(std::string_view log) {
    return PiecesFedInChunks(log, log.size() + 1);
}
