#pragma once

#include <cstdint>
#include <string_view>

// A count field's text as a count: the number it begins with as "%d" scans it (clamped to the
// 32-bit range), or 0 without one.
std::int32_t ParseCountText(std::string_view text);
