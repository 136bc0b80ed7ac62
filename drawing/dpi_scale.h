#pragma once

#include <algorithm>
#include <cstdint>

#include "drawing/primitives.h"

// The program is laid out in the pixels of a screen of 96 dots per inch, the Windows default.
// On a screen scaled to 125, 150 or 200 % every position and size is that value scaled by the
// window's dots per inch, here and nowhere else.
inline constexpr int kLayoutDpi = 96;

// Rounded to the nearest pixel, a half away from zero, as Windows' MulDiv rounds.
constexpr std::int32_t ScaledToDpi(std::int32_t layoutPixels, int dpi) {
    const std::int64_t product = std::int64_t{layoutPixels} * dpi;
    const std::int64_t half = kLayoutDpi / 2;
    return static_cast<std::int32_t>((product >= 0 ? product + half : product - half) / kLayoutDpi);
}

constexpr Area ScaledToDpi(const Area& area, int dpi) {
    return {ScaledToDpi(area.left, dpi), ScaledToDpi(area.top, dpi), ScaledToDpi(area.right, dpi),
            ScaledToDpi(area.bottom, dpi)};
}

// A line one pixel wide at 96 DPI: as many whole pixels as the scaling has whole times 96, so
// that it stays crisp and does not thin out at 200 %.
constexpr int LineWidthAtDpi(int dpi) {
    return std::max(1, dpi / kLayoutDpi);
}
