#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The tests' stand-in for the system's ANSI code page is Latin-1: U+0000 to U+00FF are the bytes
// 00 to FF, and nothing else has a place in it. Texts reach the fake windows as Windows keeps
// them: as UTF-16 would hold them, every byte that starts no valid UTF-8 sequence turned into
// U+FFFD.

// The text as a window holds it once set.
std::string AsWindowKeepsIt(std::string_view utf8);

// The UTF-8 text's longest prefix of whole characters that takes at most `units` UTF-16 units.
std::string_view Utf16Prefix(std::string_view utf8, std::size_t units);
