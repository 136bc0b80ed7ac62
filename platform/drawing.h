#pragma once

#include <span>
#include <string_view>

#include "drawing/primitives.h"
#include "platform/window.h"

// Drawing onto a window, as Windows provides it (platform/win32_drawing.cpp) or the tests'
// stand-in records it. Neither reports a failure: what cannot be drawn is left undrawn.

// Draws the primitives in order on one device context of the window, obtained and released
// within the call. Each pen is created just before the primitives that use it and deleted
// after them; stock brushes are never deleted.
void DrawPrimitives(Window window, std::span<const ChartPrimitive> primitives);

// A device context (an HDC) as the portable code holds it, a pointer type of its own as Window is.
struct OpaqueDrawingContext;
using DrawingContext = OpaqueDrawingContext*;

// The same drawing on a device context the caller holds, a memory bitmap's for one: Windows
// only, the tests' stand-in has no device contexts.
void DrawPrimitivesOn(DrawingContext context, std::span<const ChartPrimitive> primitives);

// A text drawn into a rectangle with an ellipsis where it does not fit (DrawTextEx).
struct LabelText {
    std::string_view text;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Draws the texts in order, transparent, in one colour, on one device context of the window.
void DrawLabelTexts(Window window, std::span<const LabelText> labels, Colour colour) noexcept;
