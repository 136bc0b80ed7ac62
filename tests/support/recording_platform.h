#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/primitives.h"
#include "platform/clock.h"
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

// One DrawPrimitives call.
struct RecordedDrawing {
    std::vector<ChartPrimitive> primitives;
};

Window AsWindow(FakeWindow& window);

// Everything shown, drawn, invalidated or announced since the last ResetRecording().
const std::vector<RecordedMessageBox>& RecordedMessageBoxes();
const std::vector<RecordedDrawing>& RecordedDrawings();
const std::vector<Area>& RecordedInvalidations();  // the parts asked to be painted again
int RecordedAnnouncements();                       // the changes a screen reader was told of
void ResetRecording();

// The time of day the stand-in's clock always tells.
inline constexpr TimeOfDay kRecordedTimeOfDay{9, 5, 7};
