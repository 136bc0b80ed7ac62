// What the window paints, read back pixel by pixel from its device context.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "commands/chart_painting.h"
#include "history/kd_history.h"
#include "tests/window/drawing_resource_counter.h"
#include "tests/window/window_test_support.h"

namespace {

constexpr COLORREF kPanelOutline = 0x00BEBEBE;
constexpr COLORREF kPanelFill = 0x00C0C0C0;
constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kGrid = 0x00DCDCDC;
constexpr COLORREF kHistoryBlue = 0x00FF0000;
constexpr COLORREF kAverageGreen = 0x0000FF00;
constexpr COLORREF kFormLabelColour = 0x00FF6400;
constexpr COLORREF kAxisYellow = 0x0000FFFF;

class ChartPaintTest : public testing::Test {
protected:
    void SetUp() override {
        EnterFreshWorkingFolder();
        window_ = CreateTestWindow();
        ASSERT_NE(window_, nullptr);
        Repaint();
    }
    void TearDown() override {
        DestroyWindow(window_);
        PumpMessages();
    }

    void Repaint() {
        // As when the window is uncovered: the whole client area invalid, its background to be
        // erased.
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
        PumpMessages();
    }

    [[nodiscard]] COLORREF Pixel(int x, int y) const {
        HDC context = GetDC(window_);
        const COLORREF colour = GetPixel(context, x, y);
        ReleaseDC(window_, context);
        return colour;
    }

    // Whether any pixel of the rectangle has the colour: text pixels are found, not guessed.
    [[nodiscard]] bool AnyPixel(COLORREF colour, int left, int top, int right, int bottom) const {
        HDC context = GetDC(window_);
        bool found = false;
        for (int y = top; y < bottom && !found; ++y) {
            for (int x = left; x < right && !found; ++x) {
                found = GetPixel(context, x, y) == colour;
            }
        }
        ReleaseDC(window_, context);
        return found;
    }

    // The chart of the values painted onto the window, as its paint paints it.
    void PaintValues(std::initializer_list<double> values) {
        WindowState state;
        for (const double value : values) {
            state.history.Append(value);
        }
        HDC context = GetDC(window_);
        PaintChart(Canvas{reinterpret_cast<DrawingContext>(context), 96}, state);
        ReleaseDC(window_, context);
    }

    HWND window_ = nullptr;
};

TEST_F(ChartPaintTest, PaintsPanelPlotAreaAndGrid) {
    EXPECT_EQ(Pixel(260, 100), kPanelOutline);
    EXPECT_EQ(Pixel(300, 10), kPanelOutline);
    EXPECT_EQ(Pixel(266, 100), kPanelFill);
    EXPECT_EQ(Pixel(273, 110), kBlack);
    EXPECT_EQ(Pixel(472, 110), kBlack);
    EXPECT_EQ(Pixel(300, 40), kBlack);
    EXPECT_EQ(Pixel(300, 239), kBlack);
    EXPECT_EQ(Pixel(300, 230), kWhite);
    EXPECT_EQ(Pixel(300, 240), kPanelFill) << "the plot area's bottom edge is exclusive";
    for (int row = 60; row <= 220; row += 20) {
        EXPECT_EQ(Pixel(300, row), kGrid) << "grid row " << row;
        EXPECT_EQ(Pixel(300, row + 1), kWhite) << "below grid row " << row;
    }
}

TEST_F(ChartPaintTest, PaintsLabelsTitleAndAxisInTheirColours) {
    EXPECT_TRUE(AnyPixel(kFormLabelColour, 10, 10, 90, 30)) << "label 名前";
    EXPECT_TRUE(AnyPixel(kFormLabelColour, 10, 250, 90, 270)) << "label 平均";
    EXPECT_TRUE(AnyPixel(kAxisYellow, 473, 230, 500, 250)) << "axis label 0";
    EXPECT_TRUE(AnyPixel(kAxisYellow, 473, 30, 500, 50)) << "axis label 100";
    EXPECT_TRUE(AnyPixel(kBlack, 275, 12, 340, 38)) << "title";
    EXPECT_FALSE(AnyPixel(kHistoryBlue, 274, 41, 472, 239)) << "an empty history draws no line";
}

// Wine never turns high contrast on: there the system's colours, changed, change nothing the
// window paints itself, nor its labels, which are static controls.
TEST_F(ChartPaintTest, PaintsItsOwnColoursWhateverTheSystemsWhileHighContrastIsOff) {
    const std::array<int, 2> elements{COLOR_WINDOW, COLOR_BTNFACE};
    const std::array<COLORREF, 2> saved{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)};
    const std::array<COLORREF, 2> odd{0x00123456, 0x00102030};
    SetSysColors(2, elements.data(), odd.data());
    Repaint();
    const std::array<COLORREF, 3> painted{Pixel(95, 30), Pixel(260, 100), Pixel(300, 60)};
    const bool label = AnyPixel(kFormLabelColour, 10, 10, 90, 30);
    SetSysColors(2, elements.data(), saved.data());
    Repaint();
    EXPECT_EQ(painted, (std::array<COLORREF, 3>{kPanelFill, kPanelOutline, kGrid}));
    EXPECT_TRUE(label) << "label 名前";
}

TEST_F(ChartPaintTest, DrawsTheHistoryInBlueAndItsAverageInGreen) {
    PaintValues({0.0, 100.0});
    // One segment from (273, 240) to (473, 40); the average 50 lies on row 140.
    EXPECT_EQ(Pixel(323, 190), kHistoryBlue);
    EXPECT_EQ(Pixel(423, 90), kHistoryBlue);
    EXPECT_EQ(Pixel(300, 140), kAverageGreen);
    EXPECT_EQ(Pixel(472, 140), kAverageGreen);

    // The next redraw repaints the panel first: no trace of the old line remains.
    PaintValues({50.0, 60.0, 55.5});
    EXPECT_EQ(Pixel(423, 90), kWhite);
    EXPECT_EQ(Pixel(300, 140), kGrid);
    EXPECT_EQ(Pixel(323, 190), kHistoryBlue);   // (273, 240) to (373, 140)
    EXPECT_EQ(Pixel(300, 188), kAverageGreen);  // 55.1667 on the 50..70 axis
    EXPECT_TRUE(AnyPixel(kAxisYellow, 473, 30, 500, 50)) << "axis label 70";
}

TEST_F(ChartPaintTest, ANotANumberPointDrawsNothingButTheRest) {
    PaintValues({0.0, 100.0, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_FALSE(AnyPixel(kAverageGreen, 274, 41, 472, 239)) << "a NaN average draws no line";
    EXPECT_TRUE(AnyPixel(kHistoryBlue, 274, 41, 373, 239));
}

TEST_F(ChartPaintTest, EveryContextAndPenIsGivenBack) {
    const DrawingResourceCounter counter;
    ASSERT_TRUE(counter.Counting());
    for (int i = 0; i < 50; ++i) {
        Repaint();
        PaintValues({40.0, 45.25, 43.0, 47.9});
    }
    const DrawingResourceCounts counts = counter.Counts();
    EXPECT_GE(counts.contextsObtained, 50);
    EXPECT_EQ(counts.contextsObtained, counts.contextsReleased);
    EXPECT_GE(counts.pensCreated, 50 * 4);
    EXPECT_EQ(counts.pensCreated, counts.pensDeleted);
}

}  // namespace
