#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The system's ANSI code page: the encoding of the game's log, and of the data files that
// earlier versions wrote and that this one writes where it can (code page 932 on a Japanese
// Windows). The program's own texts are UTF-8.

// A UTF-8 text (as windows hold it: valid) in the ANSI code page, cut to a limit of bytes on a
// character boundary.
struct AnsiText {
    std::string bytes;          // as many whole characters as fit in the limit
    std::size_t textBytes = 0;  // the length of the UTF-8 prefix those characters came from
    // False when a character has no place in the code page (no best fit: a "?" or a look-alike
    // would change the name); `bytes` is then of no use, but the cut still counts such a
    // character as long as Windows' own conversion writes it.
    bool representable = true;
};
AnsiText EncodeAnsi(std::string_view text, std::size_t byteLimit);

// Bytes of the ANSI code page as UTF-8 text.
std::string DecodeAnsi(std::string_view bytes);

// The longest prefix of whole characters of the ANSI code page within `byteLimit` bytes: all
// of `bytes` when they fit, whatever they are.
std::string_view AnsiPrefix(std::string_view bytes, std::size_t byteLimit);
