#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/window.h"

// Scans a decimal integer at `position` the way "%d" scans one: white space skipped, one optional
// sign, then digits up to the first other character. On success `position` moves past the
// digits; without a digit nothing is consumed and the result is empty.
std::optional<std::int32_t> ScanCount(std::string_view text, std::size_t& position);

// Skips the C locale's white space (blank, tab, line feed, vertical tab, form feed, return).
void SkipWhiteSpace(std::string_view text, std::size_t& position);

// A count field's text as a count: the number it begins with, or 0 without one.
std::int32_t ParseCountText(std::string_view text);

// The count shown in a count field; only the field's first 29 characters take part.
std::int32_t ReadCountField(Window field);
