#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Cuts the game's log into the pieces that fgets with a 256-byte buffer returns from a file
// opened in text mode: a carriage return directly before a line feed is dropped, and a piece
// ends after a line feed or at 255 characters, whichever comes first. The bytes may arrive in
// chunks of any size, so a log of any length passes through without being held.
class LogPieceSplitter {
public:
    static constexpr std::size_t kPieceLimit = 255;

    using PieceHandler = std::function<void(std::string_view piece)>;
    explicit LogPieceSplitter(PieceHandler onPiece);

    void Feed(std::string_view bytes);
    // The end of the log: hands on what is left of its last line.
    void Finish();

private:
    void Take(char c);
    void HandOnPiece();

    PieceHandler onPiece_;
    std::string piece_;
    bool returnHeld_ = false;  // a carriage return that may yet turn out to precede a line feed
};
