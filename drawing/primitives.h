#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

// What the program draws, as plain values: the chart computes them, the platform draws them.

// A Windows COLORREF: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

// The part of the window's own drawing a primitive belongs to. The colour scheme of the theme
// Windows shows gives each its colour (drawing/colour_scheme.h): a change of theme changes no
// primitive.
enum class Ink : std::uint8_t {
    Background,  // the window's, and the chart's panel
    FormLabel,
    PanelOutline,
    PlotOutline,
    PlotFill,
    Grid,
    HistoryLine,
    AverageLine,
    AxisLabel,
    Title,
};
inline constexpr std::size_t kInkCount = 10;

// A part of the client area, in pixels, x to the right and y downward; right and bottom are
// exclusive.
struct Area {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const Area&) const = default;
};

// Client-area pixels, x to the right and y downward. Right and bottom are exclusive, as
// Rectangle() takes them.
struct RectanglePrimitive {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    Ink outline = Ink::PlotOutline;
    Ink fill = Ink::PlotFill;

    bool operator==(const RectanglePrimitive&) const = default;
};

// A line one pixel wide; the end point is not drawn.
struct LinePrimitive {
    std::int32_t fromX = 0;
    std::int32_t fromY = 0;
    std::int32_t toX = 0;
    std::int32_t toY = 0;
    Ink ink = Ink::HistoryLine;

    bool operator==(const LinePrimitive&) const = default;
};

// A text drawn with a transparent background, top-left corner at (x, y).
struct TextPrimitive {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    Ink ink = Ink::Title;

    bool operator==(const TextPrimitive&) const = default;
};

using ChartPrimitive = std::variant<RectanglePrimitive, LinePrimitive, TextPrimitive>;
