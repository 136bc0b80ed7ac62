#include <windows.h>

#include <algorithm>
#include <new>
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

// Draws with a new solid pen of the colour selected, then selects the previous pen back and
// deletes the new one.
template <class Draw>
void DrawWithPen(Canvas canvas, Colour colour, const Draw& draw) {
    HDC context = AsContext(canvas);
    HPEN pen = CreatePen(PS_SOLID, LineWidthAtDpi(canvas.dpi), colour);
    HGDIOBJ previous = SelectObject(context, pen);
    draw();
    SelectObject(context, previous);
    DeleteObject(pen);
}

int StockBrushId(StockBrush brush) {
    return brush == StockBrush::White ? WHITE_BRUSH : LTGRAY_BRUSH;
}

void DrawRectangle(Canvas canvas, const RectanglePrimitive& rectangle) {
    HDC context = AsContext(canvas);
    DrawWithPen(canvas, rectangle.outline, [&] {
        HGDIOBJ previous = SelectObject(context, GetStockObject(StockBrushId(rectangle.fill)));
        Rectangle(context, Scaled(rectangle.left, canvas), Scaled(rectangle.top, canvas),
                  Scaled(rectangle.right, canvas), Scaled(rectangle.bottom, canvas));
        SelectObject(context, previous);
    });
}

void DrawTextPrimitive(Canvas canvas, const TextPrimitive& text) {
    HDC context = AsContext(canvas);
    SetTextColor(context, text.colour);
    SetBkMode(context, TRANSPARENT);
    const std::wstring wide = WideFromUtf8(text.text);
    TextOutW(context, Scaled(text.x, canvas), Scaled(text.y, canvas), wide.data(),
             static_cast<int>(wide.size()));
}

// Draws the line at `first` and every line after it in the same colour with one pen; returns
// the position after the last of them.
std::size_t DrawLineRun(Canvas canvas, std::span<const ChartPrimitive> primitives,
                        std::size_t first) {
    HDC context = AsContext(canvas);
    const Colour colour = std::get<LinePrimitive>(primitives[first]).colour;
    std::size_t next = first;
    DrawWithPen(canvas, colour, [&] {
        for (; next < primitives.size(); ++next) {
            const auto* line = std::get_if<LinePrimitive>(&primitives[next]);
            if (line == nullptr || line->colour != colour) {
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

void DrawLabelTexts(Canvas canvas, std::span<const LabelText> labels, Colour colour) noexcept {
    HDC context = AsContext(canvas);
    SetTextColor(context, colour);
    SetBkMode(context, TRANSPARENT);
    try {
        const FontSelection font(context, AsFont(canvas));
        for (const LabelText& label : labels) {
            std::wstring text = WideFromUtf8(label.text);  // DrawTextExW may write into it
            RECT rectangle{Scaled(label.left, canvas), Scaled(label.top, canvas),
                           Scaled(label.right, canvas), Scaled(label.bottom, canvas)};
            DrawTextExW(context, text.data(), -1, &rectangle, DT_END_ELLIPSIS, nullptr);
        }
    } catch (const std::bad_alloc&) {
        // Without memory for a text, the labels left are not drawn.
    }
}

void InvalidateArea(Window window, const Area& area, int dpi) {
    const Area scaled = ScaledToDpi(area, dpi);
    const RECT rectangle{scaled.left, scaled.top, scaled.right, scaled.bottom};
    InvalidateRect(reinterpret_cast<HWND>(window), &rectangle, FALSE);
}
