#pragma once

#include <array>
#include <cstddef>

#include "drawing/primitives.h"

// The system's colours (GetSysColor) that the window takes while high contrast is on.
struct SystemColours {
    Colour window = 0;      // COLOR_WINDOW: backgrounds
    Colour windowText = 0;  // COLOR_WINDOWTEXT: texts, outlines, the average line
    Colour highlight = 0;   // COLOR_HIGHLIGHT: the history line
    Colour grayText = 0;    // COLOR_GRAYTEXT: the grid

    bool operator==(const SystemColours&) const = default;
};

// The theme Windows shows: whether high contrast is on, and the system's colours.
struct Theme {
    bool highContrast = false;
    SystemColours system;
};

// The colour of each ink, and whether the average line is dashed: in high contrast it is told
// from the history line by more than its colour.
struct ColourScheme {
    std::array<Colour, kInkCount> colours{};
    bool dashedAverage = false;

    [[nodiscard]] constexpr Colour Of(Ink ink) const {
        return colours[static_cast<std::size_t>(ink)];
    }
    bool operator==(const ColourScheme&) const = default;
};

// The window's own colours, in the order of the inks.
inline constexpr ColourScheme kNormalColours{{
    0x00C0C0C0,  // background: 192, 192, 192, the stock LTGRAY_BRUSH
    0x00FF6400,  // form labels: red 0, green 100, blue 255
    0x00BEBEBE,  // panel outline: 190, 190, 190
    0x00000000,  // plot outline: black
    0x00FFFFFF,  // plot fill: white, the stock WHITE_BRUSH
    0x00DCDCDC,  // grid: 220, 220, 220
    0x00FF0000,  // history line: blue
    0x0000FF00,  // average line: green
    0x0000FFFF,  // axis labels: yellow
    0x00000000,  // title: black
}};

// The window's own colours while the theme is the normal one; the system's while high contrast
// is on.
ColourScheme SchemeFor(const Theme& theme);
