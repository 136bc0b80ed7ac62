#pragma once

#include <span>
#include <string>

#include "gamelog/log_examination.h"

// A whole log's pieces examined in order, as the import examines them.
inline LogFindings ExamineLogPieces(std::span<const std::string> pieces) {
    LogFindings findings;
    for (const std::string& piece : pieces) {
        ExamineLogPiece(piece, findings);
    }
    return findings;
}
