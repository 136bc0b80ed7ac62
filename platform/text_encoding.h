#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The system's ANSI code page: the encoding of the game's log, and of the data files that
// earlier versions wrote and that this one writes where it can (code page 932 on a Japanese
// Windows). The program's own texts are UTF-8.

// The UTF-8 text in the ANSI code page, as many whole characters as fit in `byteLimit` bytes;
// nullopt when the text holds a character the code page has no place for.
std::optional<std::string> EncodeAnsi(std::string_view text, std::size_t byteLimit);

// Bytes of the ANSI code page as UTF-8 text.
std::string DecodeAnsi(std::string_view bytes);
