// The plot drawn by the program's own drawing code into memory bitmaps: the runs joined within a
// pixel column light exactly the pixels of one segment for each pair of neighbouring values.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "platform/drawing.h"
#include "tests/support/random_histories.h"
#include "tests/support/reference_plot.h"

namespace {

// Beyond the chart's panel on every side of the client area.
constexpr int kWidth = 560;
constexpr int kHeight = 300;
constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;

// A white 32-bit bitmap in a memory device context, drawn on as the window is.
class MemoryCanvas {
public:
    MemoryCanvas() : context_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(context_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(context_, bitmap_);
    }
    ~MemoryCanvas() {
        SelectObject(context_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(context_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    [[nodiscard]] bool Ready() const { return bits_ != nullptr; }

    std::vector<std::uint32_t> Drawn(const std::vector<ChartPrimitive>& primitives) {
        PatBlt(context_, 0, 0, kWidth, kHeight, WHITENESS);
        DrawPrimitives(Canvas{reinterpret_cast<DrawingContext>(context_), 96}, primitives);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits_);
        return {pixels, pixels + std::size_t{kWidth} * kHeight};
    }

private:
    HDC context_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// Histories of 2 to 1,000,000 values, with repeats, steep jumps, NaN and huge values, on their
// own scale and on the narrowest, where most rows lie beyond the bitmap and are clipped.
TEST(PlotPixels, JoinedRunsLightTheSamePixelsAsOneSegmentPerPairOfValues) {
    MemoryCanvas canvas;
    ASSERT_TRUE(canvas.Ready());
    RandomHistories random(17);
    const std::size_t counts[] = {2, 3, 19, 200, 201, 202, 611, 1000, 4999, 65537, 250000, 1000000};
    for (const std::size_t count : counts) {
        for (const bool unusual : {false, true}) {
            const std::vector<double> values = random.Line(count, unusual);
            for (const ChartScale& scale : {ComputeChartScale(values), ChartScale{50, 1, 20}}) {
                const std::vector<std::uint32_t> expected =
                    canvas.Drawn(ReferencePlotPrimitives(values, scale));
                ASSERT_NE(std::count(expected.begin(), expected.end(), kWhitePixel),
                          static_cast<std::ptrdiff_t>(expected.size()))
                    << "nothing drawn for " << count << " values";
                const std::vector<std::uint32_t> drawn =
                    canvas.Drawn(PlotPrimitives(values, scale));
                const auto differs = std::mismatch(drawn.begin(), drawn.end(), expected.begin());
                ASSERT_EQ(differs.first, drawn.end())
                    << count << " values, lower bound " << scale.lowerBound << ": pixel ("
                    << (differs.first - drawn.begin()) % kWidth << ", "
                    << (differs.first - drawn.begin()) / kWidth << ")";
            }
        }
    }
}

}  // namespace
