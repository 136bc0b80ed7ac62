#include "tests/support/recording_platform.h"

#include <algorithm>
#include <string>

#include "platform/accessibility.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/message_box.h"
#include "platform/window_text.h"
#include "tests/support/fake_text_encoding.h"

namespace {

std::vector<RecordedMessageBox>& MessageBoxLog() {
    static std::vector<RecordedMessageBox> log;
    return log;
}

std::vector<RecordedDrawing>& DrawingLog() {
    static std::vector<RecordedDrawing> log;
    return log;
}

std::vector<Area>& InvalidationLog() {
    static std::vector<Area> log;
    return log;
}

int announcements = 0;

FakeWindow* AsFake(Window window) {
    return reinterpret_cast<FakeWindow*>(window);
}

}  // namespace

Window AsWindow(FakeWindow& window) {
    return reinterpret_cast<Window>(&window);
}

const std::vector<RecordedMessageBox>& RecordedMessageBoxes() {
    return MessageBoxLog();
}

const std::vector<RecordedDrawing>& RecordedDrawings() {
    return DrawingLog();
}

const std::vector<Area>& RecordedInvalidations() {
    return InvalidationLog();
}

int RecordedAnnouncements() {
    return announcements;
}

void ResetRecording() {
    MessageBoxLog().clear();
    DrawingLog().clear();
    InvalidationLog().clear();
    announcements = 0;
}

std::string GetWindowTextUtf8(Window window) {
    return window == nullptr ? std::string() : AsFake(window)->text;
}

std::string GetWindowTextUtf8(Window window, int limit) {
    if (window == nullptr || limit <= 0) {
        return {};
    }
    return std::string(Utf16Prefix(AsFake(window)->text, static_cast<std::size_t>(limit - 1)));
}

void SetWindowTextUtf8(Window window, std::string_view text) {
    if (window == nullptr) {
        return;
    }
    FakeWindow* fake = AsFake(window);
    fake->text = AsWindowKeepsIt(text.substr(0, text.find('\0')));
    if (fake->onTextSet) {
        fake->onTextSet();
    }
}

void ShowMessageBox(Window owner, std::string_view text, std::string_view caption) {
    MessageBoxLog().push_back({owner, std::string(text), std::string(caption)});
}

void DrawPrimitives(Canvas /*canvas*/, std::span<const ChartPrimitive> primitives) {
    DrawingLog().push_back({{primitives.begin(), primitives.end()}});
}

void AnnounceChange(Window /*control*/) {
    ++announcements;
}

void InvalidateArea(Window /*window*/, const Area& area, int /*dpi*/) {
    InvalidationLog().push_back(area);
}

TimeOfDay LocalTimeOfDay() {
    return kRecordedTimeOfDay;
}
