#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/primitives.h"
#include "platform/drawing.h"
#include "platform/window.h"

// A stand-in for the Windows side of the program, linked into the native tests: windows are
// plain records whose texts the code under test reads and writes, and every message box is
// recorded instead of shown.
struct FakeWindow {
    std::string text;
    // Runs after each text change, as an edit control raises EN_UPDATE.
    std::function<void()> onTextSet;
};

struct RecordedMessageBox {
    Window owner = nullptr;
    std::string text;
    std::string caption;
};

// One DrawPrimitives call: one list of primitives drawn on a canvas.
struct RecordedDrawing {
    DrawingContext context = nullptr;
    int dpi = 0;
    std::vector<ChartPrimitive> primitives;
};

// One InvalidateArea call: a part of a window to be painted again.
struct RecordedInvalidation {
    Window window = nullptr;
    Area area;
};

Window AsWindow(FakeWindow& window);

// Everything shown, drawn or invalidated since the last ResetRecording().
const std::vector<RecordedMessageBox>& RecordedMessageBoxes();
const std::vector<RecordedDrawing>& RecordedDrawings();
const std::vector<RecordedInvalidation>& RecordedInvalidations();
int RecordedLabelPaints();
void ResetRecording();
