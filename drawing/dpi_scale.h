#pragma once

#include <algorithm>
#include <cstdint>

#include "drawing/primitives.h"

// The program is laid out in the pixels of a screen of 96 dots per inch, the Windows default.
// On a screen scaled to 125, 150 or 200 % every position and size is that value scaled by the
// window's dots per inch, here and nowhere else.
inline constexpr int kLayoutDpi = 96;

// Pixels at `fromDpi` as many at `toDpi`, rounded to the nearest pixel, a half away from zero, as
// Windows' MulDiv rounds.
constexpr std::int32_t ScaledBetweenDpis(std::int32_t pixels, int fromDpi, int toDpi) {
    const std::int64_t product = std::int64_t{pixels} * toDpi;
    const std::int64_t half = fromDpi / 2;
    return static_cast<std::int32_t>((product >= 0 ? product + half : product - half) / fromDpi);
}

constexpr std::int32_t ScaledToDpi(std::int32_t layoutPixels, int dpi) {
    return ScaledBetweenDpis(layoutPixels, kLayoutDpi, dpi);
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

// A window's width and height, in pixels.
struct WindowSize {
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const WindowSize&) const = default;
};

// What a window's frame (its borders, caption and menu bar) adds to its client area, as Windows
// measured it for `dpi`.
struct FrameSize {
    WindowSize added;
    int dpi = kLayoutDpi;
};

// The outer size of a window laid out at 96 DPI, shown at `dpi`: its client area is its 96-DPI
// client area (`outerAt96` less the frame at 96 DPI) scaled, and its frame Windows' own at `dpi`,
// which is not the 96-DPI frame scaled (a caption's height is not). A frame that Windows measured
// at another DPI (before Windows 10 it measures at the system's alone) is scaled from there.
constexpr WindowSize OuterSizeAtDpi(WindowSize outerAt96, FrameSize frameAt96, FrameSize frameAtDpi,
                                    int dpi) {
    const auto scaledFrame = [](const FrameSize& frame, int toDpi) {
        return WindowSize{ScaledBetweenDpis(frame.added.width, frame.dpi, toDpi),
                          ScaledBetweenDpis(frame.added.height, frame.dpi, toDpi)};
    };
    const WindowSize frame96 = scaledFrame(frameAt96, kLayoutDpi);
    const WindowSize frame = scaledFrame(frameAtDpi, dpi);
    return {ScaledToDpi(outerAt96.width - frame96.width, dpi) + frame.width,
            ScaledToDpi(outerAt96.height - frame96.height, dpi) + frame.height};
}
