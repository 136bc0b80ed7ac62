#include <windows.h>

#include <new>
#include <string>
#include <variant>

#include "platform/drawing.h"
#include "platform/win32_fonts.h"
#include "platform/win32_wide_text.h"

namespace {

// Draws with a new solid one-pixel pen of the colour selected, then selects the previous pen
// back and deletes the new one.
template <class Draw>
void DrawWithPen(HDC context, Colour colour, const Draw& draw) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(context, pen);
    draw();
    SelectObject(context, previous);
    DeleteObject(pen);
}

int StockBrushId(StockBrush brush) {
    return brush == StockBrush::White ? WHITE_BRUSH : LTGRAY_BRUSH;
}

void DrawRectangle(HDC context, const RectanglePrimitive& rectangle) {
    DrawWithPen(context, rectangle.outline, [&] {
        HGDIOBJ previous = SelectObject(context, GetStockObject(StockBrushId(rectangle.fill)));
        Rectangle(context, rectangle.left, rectangle.top, rectangle.right, rectangle.bottom);
        SelectObject(context, previous);
    });
}

void DrawTextPrimitive(HDC context, const TextPrimitive& text) {
    SetTextColor(context, text.colour);
    SetBkMode(context, TRANSPARENT);
    const std::wstring wide = WideFromUtf8(text.text);
    TextOutW(context, text.x, text.y, wide.data(), static_cast<int>(wide.size()));
}

// Draws the line at `first` and every line after it in the same colour with one pen; returns
// the position after the last of them.
std::size_t DrawLineRun(HDC context, std::span<const ChartPrimitive> primitives,
                        std::size_t first) {
    const Colour colour = std::get<LinePrimitive>(primitives[first]).colour;
    std::size_t next = first;
    DrawWithPen(context, colour, [&] {
        for (; next < primitives.size(); ++next) {
            const auto* line = std::get_if<LinePrimitive>(&primitives[next]);
            if (line == nullptr || line->colour != colour) {
                break;
            }
            MoveToEx(context, line->fromX, line->fromY, nullptr);
            LineTo(context, line->toX, line->toY);
        }
    });
    return next;
}

}  // namespace

void DrawPrimitives(Window window, std::span<const ChartPrimitive> primitives) {
    auto* const hwnd = reinterpret_cast<HWND>(window);
    HDC context = GetDC(hwnd);
    DrawPrimitivesOn(reinterpret_cast<DrawingContext>(context), primitives);
    ReleaseDC(hwnd, context);
}

void DrawPrimitivesOn(DrawingContext drawingContext, std::span<const ChartPrimitive> primitives) {
    auto* const context = reinterpret_cast<HDC>(drawingContext);
    const JapaneseFontSelection font(context);
    for (std::size_t next = 0; next < primitives.size();) {
        const ChartPrimitive& primitive = primitives[next];
        if (std::holds_alternative<LinePrimitive>(primitive)) {
            next = DrawLineRun(context, primitives, next);
            continue;
        }
        if (const auto* rectangle = std::get_if<RectanglePrimitive>(&primitive)) {
            DrawRectangle(context, *rectangle);
        } else {
            DrawTextPrimitive(context, std::get<TextPrimitive>(primitive));
        }
        ++next;
    }
}

void DrawLabelTexts(Window window, std::span<const LabelText> labels, Colour colour) noexcept {
    auto* const hwnd = reinterpret_cast<HWND>(window);
    HDC context = GetDC(hwnd);
    SetTextColor(context, colour);
    SetBkMode(context, TRANSPARENT);
    try {
        const JapaneseFontSelection font(context);
        for (const LabelText& label : labels) {
            std::wstring text = WideFromUtf8(label.text);  // DrawTextExW may write into it
            RECT rectangle{label.left, label.top, label.right, label.bottom};
            DrawTextExW(context, text.data(), -1, &rectangle, DT_END_ELLIPSIS, nullptr);
        }
    } catch (const std::bad_alloc&) {
        // Without memory for a text, the labels left are not drawn.
    }
    ReleaseDC(hwnd, context);
}
