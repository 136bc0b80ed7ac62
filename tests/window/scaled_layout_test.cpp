// The window laid out at the screen's scaling. The test command runs these at 96 DPI and again
// on a system set to 144 (150 %), telling them which in TALLYMERE_DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/form_layout.h"
#include "chart/chart_primitives.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_dpi.h"
#include "tests/window/window_test_support.h"

namespace {

int ExpectedDpi() {
    char value[8] = {};
    return GetEnvironmentVariableA("TALLYMERE_DPI", value, sizeof value) == 0 ? kLayoutDpi
                                                                              : std::stoi(value);
}

// Windows rounds a few sizes its own way.
constexpr int kSlack = 2;

class ScaledLayoutTest : public FormWindowTest {
protected:
    [[nodiscard]] int Scaled(int layoutPixels) const { return ScaledToDpi(layoutPixels, dpi_); }

    [[nodiscard]] COLORREF Pixel(int layoutX, int layoutY) const {
        const int x = Scaled(layoutX);
        const int y = Scaled(layoutY);
        return PixelsOf(window_, RECT{x, y, x + 1, y + 1}).front();
    }

    int dpi_ = ExpectedDpi();
};

TEST_F(ScaledLayoutTest, TheWindowAndItsControlsAreTheLayoutScaledToItsDpi) {
    Start();
    ASSERT_EQ(WindowDpi(window_), dpi_);
    RECT outer{};
    GetWindowRect(window_, &outer);
    EXPECT_NEAR(outer.right - outer.left, Scaled(kOuterWidth), kSlack);
    EXPECT_NEAR(outer.bottom - outer.top, Scaled(kOuterHeight), kSlack);

    RECT client{};
    GetClientRect(window_, &client);
    const std::vector<HWND> controls = ChildControls(window_);
    ASSERT_EQ(controls.size(), kControls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        const ControlPlace& want = kControls[i];
        RECT place{};
        GetWindowRect(controls[i], &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_NEAR(place.left, Scaled(want.x), kSlack);
        EXPECT_NEAR(place.top, Scaled(want.y), kSlack);
        EXPECT_NEAR(place.right - place.left, Scaled(want.width), kSlack);
        EXPECT_NEAR(place.bottom - place.top, Scaled(kControlHeight), kSlack);
        EXPECT_LE(place.bottom, client.bottom) << "inside the client area";
    }
    const LabelText& lastRow = kLabels.back();  // 平均, beside the Save button
    const RECT row{Scaled(lastRow.left), Scaled(lastRow.top), Scaled(100), client.bottom};
    EXPECT_LE(Scaled(lastRow.top + kControlHeight), client.bottom);
    EXPECT_TRUE(std::ranges::count(PixelsOf(window_, row), kFormLabelColour) > 0)
        << "the label is painted";
}

TEST_F(ScaledLayoutTest, TheChartsFrameStandsAtItsScaledPlace) {
    Start();
    EXPECT_EQ(Pixel(kChartPanel.left, 100), kPanelOutlineColour);
    EXPECT_EQ(Pixel(kChartPanel.left + 6, 100), 0x00C0C0C0U) << "the panel's grey";
    EXPECT_EQ(Pixel(273, 110), kPlotOutlineColour);
    EXPECT_EQ(Pixel(300, 40), kPlotOutlineColour);
    EXPECT_EQ(Pixel(300, 60), kGridColour);
    EXPECT_EQ(Pixel(300, 70), 0x00FFFFFFU) << "the plot area's white";
}

}  // namespace
