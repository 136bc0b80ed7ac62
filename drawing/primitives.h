#pragma once

#include <cstdint>
#include <string>
#include <variant>

// What the program draws, as plain values: the chart computes them, the platform draws them.

// A Windows COLORREF: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

// The Windows stock brushes LTGRAY_BRUSH and WHITE_BRUSH.
enum class StockBrush { LightGray, White };

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
    Colour outline = 0;
    StockBrush fill = StockBrush::White;

    bool operator==(const RectanglePrimitive&) const = default;
};

// A solid line one pixel wide; the end point is not drawn.
struct LinePrimitive {
    std::int32_t fromX = 0;
    std::int32_t fromY = 0;
    std::int32_t toX = 0;
    std::int32_t toY = 0;
    Colour colour = 0;

    bool operator==(const LinePrimitive&) const = default;
};

// A text drawn with a transparent background, top-left corner at (x, y).
struct TextPrimitive {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    Colour colour = 0;

    bool operator==(const TextPrimitive&) const = default;
};

using ChartPrimitive = std::variant<RectanglePrimitive, LinePrimitive, TextPrimitive>;
