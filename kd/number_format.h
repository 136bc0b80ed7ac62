#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one text every runtime shows the same for a value that is not a number (both counts 0).
inline constexpr std::string_view kNotANumberText = "---";

// Fixed-point text with `decimals` places (0 for "%.lf", 3 for "%.3f"). The value is first
// written to 17 significant digits, rounded to nearest with halves up, and that digit string is
// then cut at the last shown place, rounding up on 5 or more: 12.5 with no decimals is "13",
// 1.5625 with three is "1.563". A negative sign is kept as printf keeps it ("-0.000" for -0.0).
std::string FormatFixed(double value, int decimals);

// Signed decimal integer, as "%d" writes it.
std::string FormatInteger(std::int64_t value);
