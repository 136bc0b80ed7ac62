#include "gamelog/log_pieces.h"

#include <utility>

LogPieceSplitter::LogPieceSplitter(PieceHandler onPiece) : onPiece_(std::move(onPiece)) {
    piece_.reserve(kPieceLimit);
}

void LogPieceSplitter::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (returnHeld_) {
            returnHeld_ = false;
            if (c == '\n') {
                Take('\n');
                continue;
            }
            Take('\r');
        }
        if (c == '\r') {
            returnHeld_ = true;
        } else {
            Take(c);
        }
    }
}

void LogPieceSplitter::Finish() {
    if (returnHeld_) {
        returnHeld_ = false;
        Take('\r');
    }
    if (!piece_.empty()) {
        HandOnPiece();
    }
}

void LogPieceSplitter::Take(char c) {
    piece_.push_back(c);
    if (c == '\n' || piece_.size() == kPieceLimit) {
        HandOnPiece();
    }
}

void LogPieceSplitter::HandOnPiece() {
    onPiece_(piece_);
    piece_.clear();
}
