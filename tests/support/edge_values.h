#pragma once

#include <limits>

// The values at the edges that the tables of cases are made of (the 32-bit ones are
// kd/int32_range.h's).
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
