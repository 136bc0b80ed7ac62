#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Scanning as scanf's conversions scan, written here so that every runtime reads the same.
// Each function starts at `position`; on success it moves `position` past what it took, and
// without a match it consumes nothing and returns empty (or false).

// The C locale's white space: blank, tab, line feed, vertical tab, form feed, return.
inline bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');  // \t \n \v \f \r
}

// Skips white space.
void SkipWhiteSpace(std::string_view text, std::size_t& position);

// "%d": white space, one optional sign, then digits up to the first other character. A number
// beyond the signed 32-bit range is clamped to it rather than wrapped: the C runtimes disagree
// there, and a clamped count keeps its sign and stays far out of reach.
std::optional<std::int32_t> ScanCount(std::string_view text, std::size_t& position);

// "%lf": white space, then a decimal number with optional sign, fraction and exponent, or
// "inf", "infinity" or "nan" in any case. Beyond the double range: infinity, or zero.
std::optional<double> ScanDouble(std::string_view text, std::size_t& position);

// "%s": white space, then the run of characters up to the next white space (at least one).
std::optional<std::string_view> ScanToken(std::string_view text, std::size_t& position);

// A blank in a scanf pattern followed by a literal: white space, then exactly `literal`.
bool ScanLiteral(std::string_view text, std::size_t& position, std::string_view literal);
