#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "gamelog/log_examination.h"

// A whole log's pieces examined in order, as the import examines them: the texts NameField
// receives, and the final findings.
struct LogExamination {
    std::vector<std::string> namesWritten;
    LogFindings findings;
};

inline LogExamination ExamineLogPieces(std::span<const std::string> pieces) {
    LogExamination examination;
    for (const std::string& piece : pieces) {
        if (std::optional<std::string> name = ExamineLogPiece(piece, examination.findings)) {
            examination.namesWritten.push_back(std::move(*name));
        }
    }
    return examination;
}
