// The plot drawn by the program's own drawing code into memory bitmaps: the runs joined within a
// pixel column light exactly the pixels of one segment for each pair of neighbouring values.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "chart/chart_primitives.h"
#include "chart/chart_scale.h"
#include "drawing/colour_scheme.h"
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

    std::vector<std::uint32_t> Drawn(const std::vector<ChartPrimitive>& primitives,
                                     const ColourScheme& colours = kNormalColours) {
        PatBlt(context_, 0, 0, kWidth, kHeight, WHITENESS);
        DrawPrimitives(Canvas{reinterpret_cast<DrawingContext>(context_), 96, nullptr, colours},
                       primitives);
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

// The theme's colours in high contrast, each its own, and the average line dashed: the painter
// takes every colour from the theme.
TEST(PlotPixels, InHighContrastEveryColourIsTheThemesAndTheAverageLineIsDashed) {
    constexpr SystemColours kSystem{0x00000000, 0x00FFFFFF, 0x00FFEB1A, 0x003FF23F};
    MemoryCanvas canvas;
    ASSERT_TRUE(canvas.Ready());
    std::vector<ChartPrimitive> chart = FramePrimitives();
    const std::vector<double> values{0.0, 100.0};  // from (273, 240) to (473, 40); average row 140
    std::ranges::copy(PlotPrimitives(values, ComputeChartScale(values)), std::back_inserter(chart));
    const std::vector<std::uint32_t> drawn = canvas.Drawn(chart, SchemeFor({true, kSystem}));
    // A pixel of the bitmap (blue in its lowest byte) as a COLORREF (red in its lowest).
    const auto at = [&](int x, int y) {
        const std::uint32_t pixel = drawn[static_cast<std::size_t>(y) * kWidth + x];
        return ((pixel & 0xFFU) << 16) | (pixel & 0xFF00U) | ((pixel >> 16) & 0xFFU);
    };
    EXPECT_EQ(at(260, 100), kSystem.windowText) << "panel outline";
    EXPECT_EQ(at(266, 100), kSystem.window) << "panel";
    EXPECT_EQ(at(273, 110), kSystem.windowText) << "plot outline";
    EXPECT_EQ(at(300, 230), kSystem.window) << "plot area";
    EXPECT_EQ(at(300, 60), kSystem.grayText) << "grid";
    EXPECT_EQ(at(323, 190), kSystem.highlight) << "history line";
    int lit = 0;
    int gaps = 0;
    for (int x = 274; x < 472; ++x) {
        (at(x, 140) == kSystem.windowText ? lit : gaps) += 1;
    }
    EXPECT_GT(lit, 50) << "average line";
    EXPECT_GT(gaps, 20) << "its dashes";
}

}  // namespace
