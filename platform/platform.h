#pragma once

#include <span>
#include <string>
#include <string_view>

#include "chart/chart_primitives.h"
#include "platform/window.h"

// The Windows operations the portable parts of the program use. Windows provides them in
// platform/win32_*.cpp; the native tests link a recording stand-in instead.

// The window's text, read with a buffer of `limit` bytes: at most limit - 1 bytes come back.
std::string GetWindowTextBytes(Window window, int limit);

// Sets the window's text (WM_SETTEXT). For the count fields this raises EN_UPDATE at once.
void SetWindowTextBytes(Window window, std::string_view text);

// A message box owned by `owner` with one OK button and no icon; returns when it is dismissed.
void ShowMessageBox(Window owner, std::string_view text, std::string_view caption);

// The caption of every box that reports on an action (Save, the game log import).
inline constexpr std::string_view kMessageBoxCaption = "メッセージボックス";

// Draws the primitives in order on one device context of the window, obtained and released
// within the call. Each pen is created just before the primitives that use it and deleted
// after them; stock brushes are never deleted.
void DrawPrimitives(Window window, std::span<const ChartPrimitive> primitives);

// A text drawn into a rectangle with an ellipsis where it does not fit (DrawTextEx).
struct LabelText {
    std::string_view text;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Draws the texts in order, transparent, in one colour, on one device context of the window.
void DrawLabelTexts(Window window, std::span<const LabelText> labels, Colour colour);
