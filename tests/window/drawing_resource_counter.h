#pragma once

// Counts the device contexts and pens that this test program obtains and gives back, by
// redirecting its own imports of GetDC, ReleaseDC, CreatePen and DeleteObject while a counter
// lives (GetGuiResources cannot tell: Wine answers it with 0). The program's drawing code is
// linked into the test program, so its calls are counted too.
struct DrawingResourceCounts {
    long contextsObtained = 0;
    long contextsReleased = 0;
    long pensCreated = 0;
    long pensDeleted = 0;
};

class DrawingResourceCounter {
public:
    DrawingResourceCounter();
    ~DrawingResourceCounter();
    DrawingResourceCounter(const DrawingResourceCounter&) = delete;
    DrawingResourceCounter& operator=(const DrawingResourceCounter&) = delete;
    DrawingResourceCounter(DrawingResourceCounter&&) = delete;
    DrawingResourceCounter& operator=(DrawingResourceCounter&&) = delete;

    // False when an import could not be found: nothing is then counted.
    [[nodiscard]] bool Counting() const { return counting_; }
    [[nodiscard]] DrawingResourceCounts Counts() const;

private:
    bool counting_ = false;
};
