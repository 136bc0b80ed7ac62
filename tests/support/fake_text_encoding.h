#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The tests' stand-in for the system's ANSI code page is Latin-1: U+0000 to U+00FF are the bytes
// 00 to FF, and nothing else has a place in it.

// How many UTF-16 units the UTF-8 text's characters take, one by one (1, or 2 beyond U+FFFF).
std::size_t Utf16Length(std::string_view utf8);

// The UTF-8 text's longest prefix of whole characters that takes at most `units` UTF-16 units.
std::string_view Utf16Prefix(std::string_view utf8, std::size_t units);
