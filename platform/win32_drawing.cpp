#include <windows.h>

#include <algorithm>
#include <string>
#include <variant>

#include "drawing/dpi_scale.h"
#include "platform/drawing.h"
#include "platform/win32_fonts.h"
#include "platform/win32_wide_text.h"

namespace {

HDC AsContext(Canvas canvas) {
    return reinterpret_cast<HDC>(canvas.context);
}

HFONT AsFont(Canvas canvas) {
    return reinterpret_cast<HFONT>(canvas.font);
}

// A position at the canvas's dots per inch, pulled into the 16-bit range that every GDI takes.
int Scaled(std::int32_t layoutPixels, Canvas canvas) {
    return std::clamp(ScaledToDpi(layoutPixels, canvas.dpi), -32768, 32767);
}

// The pen of the ink: solid, but for a dashed average line.
HPEN CreateInkPen(Canvas canvas, Ink ink) {
    const int width = LineWidthAtDpi(canvas.dpi);
    const Colour colour = canvas.colours.Of(ink);
    if (ink != Ink::AverageLine || !canvas.colours.dashedAverage) {
        return CreatePen(PS_SOLID, width, colour);
    }
    // A geometric pen: a cosmetic one is dashed only one pixel wide.
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, width, &brush, 0, nullptr);
}

// Draws with a new pen of the ink selected, then selects the previous pen back and deletes the
// new one.
template <class Draw>
void DrawWithPen(Canvas canvas, Ink ink, const Draw& draw) {
    HDC context = AsContext(canvas);
    HPEN pen = CreateInkPen(canvas, ink);
    HGDIOBJ previous = SelectObject(context, pen);
    draw();
    SelectObject(context, previous);
    DeleteObject(pen);
}

// Filled with the context's own brush (DC_BRUSH) in the ink's colour: nothing to create or delete.
void DrawRectangle(Canvas canvas, const RectanglePrimitive& rectangle) {
    HDC context = AsContext(canvas);
    DrawWithPen(canvas, rectangle.outline, [&] {
        SetDCBrushColor(context, canvas.colours.Of(rectangle.fill));
        HGDIOBJ previous = SelectObject(context, GetStockObject(DC_BRUSH));
        Rectangle(context, Scaled(rectangle.left, canvas), Scaled(rectangle.top, canvas),
                  Scaled(rectangle.right, canvas), Scaled(rectangle.bottom, canvas));
        SelectObject(context, previous);
    });
}

void DrawTextPrimitive(Canvas canvas, const TextPrimitive& text) {
    HDC context = AsContext(canvas);
    SetTextColor(context, canvas.colours.Of(text.ink));
    SetBkMode(context, TRANSPARENT);
    const std::wstring wide = WideFromUtf8(text.text);
    TextOutW(context, Scaled(text.x, canvas), Scaled(text.y, canvas), wide.data(),
             static_cast<int>(wide.size()));
}

// Draws the line at `first` and every line after it in the same ink with one pen; returns the
// position after the last of them.
std::size_t DrawLineRun(Canvas canvas, std::span<const ChartPrimitive> primitives,
                        std::size_t first) {
    HDC context = AsContext(canvas);
    const Ink ink = std::get<LinePrimitive>(primitives[first]).ink;
    std::size_t next = first;
    DrawWithPen(canvas, ink, [&] {
        for (; next < primitives.size(); ++next) {
            const auto* line = std::get_if<LinePrimitive>(&primitives[next]);
            if (line == nullptr || line->ink != ink) {
                break;
            }
            MoveToEx(context, Scaled(line->fromX, canvas), Scaled(line->fromY, canvas), nullptr);
            LineTo(context, Scaled(line->toX, canvas), Scaled(line->toY, canvas));
        }
    });
    return next;
}

}  // namespace

void DrawPrimitives(Canvas canvas, std::span<const ChartPrimitive> primitives) {
    const FontSelection font(AsContext(canvas), AsFont(canvas));
    for (std::size_t next = 0; next < primitives.size();) {
        const ChartPrimitive& primitive = primitives[next];
        if (std::holds_alternative<LinePrimitive>(primitive)) {
            next = DrawLineRun(canvas, primitives, next);
            continue;
        }
        if (const auto* rectangle = std::get_if<RectanglePrimitive>(&primitive)) {
            DrawRectangle(canvas, *rectangle);
        } else {
            DrawTextPrimitive(canvas, std::get<TextPrimitive>(primitive));
        }
        ++next;
    }
}

void InvalidateArea(Window window, const Area& area, int dpi) {
    const Area scaled = ScaledToDpi(area, dpi);
    const RECT rectangle{scaled.left, scaled.top, scaled.right, scaled.bottom};
    InvalidateRect(reinterpret_cast<HWND>(window), &rectangle, FALSE);
}
