#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// The values at the edges that the tables of cases are made of (the 32-bit ones are
// kd/int32_range.h's).
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The bits of a value, every NaN alike: the sign and payload of a NaN that a sum makes depend on
// the order in which the compiler hands the processor the two operands, and the program shows
// every NaN the same way.
inline std::uint64_t BitsOf(double value) {
    return std::bit_cast<std::uint64_t>(std::isnan(value) ? kNaN : value);
}
