#pragma once

#include <span>

#include "drawing/colour_scheme.h"
#include "drawing/primitives.h"
#include "platform/window.h"

// Drawing for the window's paint, as Windows provides it (platform/win32_drawing.cpp) or the
// tests' stand-in records it. Nothing reports a failure: what cannot be drawn is left undrawn.
// Every position and size is given at 96 dots per inch and drawn scaled to the canvas's.

// A device context (an HDC) as the portable code holds it, a pointer type of its own as Window is.
struct OpaqueDrawingContext;
using DrawingContext = OpaqueDrawingContext*;

// A font (an HFONT) as the portable code holds it; null stands for the context's own font.
struct OpaqueFont;
using Font = OpaqueFont*;

// Where a paint draws: the context, the dots per inch of the window it is for, the font of its
// texts and the colours of its inks.
struct Canvas {
    DrawingContext context = nullptr;
    int dpi = 96;
    Font font = nullptr;
    ColourScheme colours = kNormalColours;
};

// Draws the primitives in order, each in the colour the canvas gives its ink. Each pen is created
// just before the primitives that use it and deleted after them.
void DrawPrimitives(Canvas canvas, std::span<const ChartPrimitive> primitives);

// Asks for the part of the window, shown at `dpi`, to be painted again on its next WM_PAINT.
void InvalidateArea(Window window, const Area& area, int dpi);
