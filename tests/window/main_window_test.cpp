// The real main window, created in this process as the program creates it; again at 144 DPI
// (TALLYMERE_DPI), where every place and size is the layout's scaled, within Windows' rounding.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form_layout.h"
#include "chart/chart_primitives.h"
#include "commands/messages.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_wide_text.h"
#include "tests/window/window_test_support.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        EnterFreshWorkingFolder();
        window_ = CreateTestWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window_);
        PumpMessages();
    }

    static int Scaled(int layoutPixels) {
        char value[8] = {};
        const bool told = GetEnvironmentVariableA("TALLYMERE_DPI", value, sizeof value) != 0;
        return ScaledToDpi(layoutPixels, told ? std::stoi(value) : kLayoutDpi);
    }
    // Exact at 96 DPI.
    static void ExpectScaled(int shown, int layoutPixels) {
        EXPECT_NEAR(shown, Scaled(layoutPixels), Scaled(100) == 100 ? 0 : 2);
    }

    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, HasTheClassTitleStyleAndFixedOuterSize) {
    EXPECT_EQ(ClassName(window_), "WndClass");
    EXPECT_EQ(WindowText(window_), "Tallymere");

    const auto style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
    RECT outer{};
    GetWindowRect(window_, &outer);
    if (Scaled(100) == 100) {
        EXPECT_EQ(outer.right - outer.left, kOuterWidth);
        EXPECT_EQ(outer.bottom - outer.top, kOuterHeight);
    }
    // Scaled otherwise, the client area is the 96-DPI one scaled, exactly; the frame is Windows'
    // own for the scaling, not the 96-DPI frame scaled.
    RECT frameAt96{};
    AdjustWindowRectExForDpi(&frameAt96, style, TRUE, 0, kLayoutDpi);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, Scaled(kOuterWidth - (frameAt96.right - frameAt96.left)));
    EXPECT_EQ(client.bottom, Scaled(kOuterHeight - (frameAt96.bottom - frameAt96.top)));

    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION) << "a top-level window receives a caption";
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));

    EXPECT_EQ(GetClassLongPtrA(window_, GCL_STYLE),
              static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND)),
              GetStockObject(LTGRAY_BRUSH));
    EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICON), 0U) << "the TALLYMERE icon";
}

TEST(MainWindowCreation, CreatesTheWindowThenItsNineControlsInOrder) {
    EnterFreshWorkingFolder();
    CreationRecorder recorder;
    HWND window = CreateTestWindow();
    ASSERT_NE(window, nullptr);
    // Wine and Windows make helper windows of their own (for input methods); only the main
    // window and its children count.
    std::vector<CreatedWindow> created;
    for (const CreatedWindow& made : recorder.Created()) {
        if ((made.window == window || made.parent == window) && made.id != kLabelId) {
            created.push_back(made);
        }
    }
    ASSERT_EQ(created.size(), 1 + kControls.size());

    EXPECT_EQ(created[0].className, "WndClass");
    EXPECT_EQ(created[0].text, "Tallymere");
    EXPECT_EQ(created[0].style, static_cast<DWORD>(WS_SYSMENU));
    EXPECT_EQ(created[0].extendedStyle, 0U);
    EXPECT_EQ(created[0].width, 505);
    EXPECT_EQ(created[0].height, 332);

    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlPlace& want = kControls[i];
        const CreatedWindow& control = created[i + 1];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(control.className, Utf8FromWide(want.className));
        EXPECT_EQ(control.id, want.id);
        EXPECT_EQ(control.style, want.style);
        EXPECT_EQ(control.extendedStyle, 0U);
        EXPECT_EQ(control.x, want.x);
        EXPECT_EQ(control.y, want.y);
        EXPECT_EQ(control.width, want.width);
        EXPECT_EQ(control.height, kControlHeight);
        EXPECT_EQ(control.text, want.text);
    }
    DestroyWindow(window);
    PumpMessages();
}

// The Save button and the average box, in the 平均 label's row, stand inside the client area.
TEST_F(MainWindowTest, FormControlsStandInPlace) {
    RECT client{};
    GetClientRect(window_, &client);
    const std::vector<HWND> controls = ChildControls(window_);
    ASSERT_EQ(controls.size(), kControls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlPlace& want = kControls[i];
        HWND control = controls[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(lstrcmpiW(WideFromUtf8(ClassName(control)).c_str(), want.className), 0)
            << ClassName(control);
        EXPECT_EQ(GetDlgCtrlID(control), want.id);
        const auto style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | ES_NUMBER),
                  want.style & (WS_CHILD | WS_VISIBLE | ES_NUMBER));
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        ExpectScaled(place.left, want.x);
        ExpectScaled(place.top, want.y);
        ExpectScaled(place.right - place.left, want.width);
        ExpectScaled(place.bottom - place.top, kControlHeight);
        EXPECT_LE(place.bottom, client.bottom);
        EXPECT_EQ(WindowText(control), want.text);
        if (want.label != nullptr) {  // the sibling just before: Windows names a field after it
            EXPECT_EQ(WindowText(GetWindow(control, GW_HWNDPREV)), want.label);
        }
    }
}

TEST_F(MainWindowTest, TheChartsFrameStandsAtItsScaledPlace) {
    HDC context = GetDC(window_);
    const auto pixel = [&](int x, int y) { return GetPixel(context, Scaled(x), Scaled(y)); };
    EXPECT_EQ(pixel(kChartPanel.left, 100), kNormalColours.Of(Ink::PanelOutline));
    EXPECT_EQ(pixel(273, 110), kNormalColours.Of(Ink::PlotOutline));
    EXPECT_EQ(pixel(300, 40), kNormalColours.Of(Ink::PlotOutline));
    EXPECT_EQ(pixel(300, 60), kNormalColours.Of(Ink::Grid));
    ReleaseDC(window_, context);
}

std::string MenuText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
    return Utf8FromWide(text);
}

// A menu's items, one "text id" a line: a pop-up's id is -1, a separator's text empty.
std::string MenuItems(HMENU menu) {
    std::string items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        items += MenuText(menu, position) + " " +
                 std::to_string(static_cast<int>(GetMenuItemID(menu, position))) + "\n";
    }
    return items;
}

TEST_F(MainWindowTest, MenuHoldsTheGameAndHelpMenus) {
    HMENU menu = GetMenu(window_);
    EXPECT_EQ(MenuItems(menu), "ゲーム -1\nヘルプ -1\n");
    EXPECT_EQ(MenuItems(GetSubMenu(menu, 1)), "バージョン情報 1000\nヘルプ 1002\n");
    // Opened, the Game menu tells whether and which log is followed, and when it was read.
    HMENU game = GetSubMenu(menu, 0);
    SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(game), 0);
    EXPECT_EQ(MenuItems(game),
              "ログを取り込む\tF5 1009\nログを追う 1010\n 0\n"
              "追うログ: C:\\Nexon\\SuddenAttack\\error.log 1011\n"
              "最後に読んだ時刻: まだ読んでいません 1012\n");
    EXPECT_EQ(GetMenuState(game, 1011, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), MF_GRAYED);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(1010, 0), 0);
    SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(game), 0);
    EXPECT_EQ(GetMenuState(game, 1010, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
}

TEST_F(MainWindowTest, HelpMenuShowsTheVersionAndHelpBoxes) {
    MessageBoxCatcher catcher;
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(1000, 0), 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(1002, 0), 0);
    ASSERT_EQ(catcher.Caught().size(), 2U);

    // The texts themselves are the commands' (commands/messages.h), checked natively.
    const CaughtMessageBox& version = catcher.Caught()[0];
    EXPECT_EQ(version.caption, kVersionCaption);
    EXPECT_EQ(version.text, kVersionText);
    EXPECT_EQ(version.owner, window_);
    EXPECT_EQ(version.buttons, 1);
    EXPECT_FALSE(version.hasIcon);

    const CaughtMessageBox& help = catcher.Caught()[1];
    EXPECT_EQ(help.caption, kHelpCaption);
    EXPECT_EQ(help.text, kHelpText);
    EXPECT_EQ(help.owner, window_);
    EXPECT_EQ(help.buttons, 1);
    EXPECT_FALSE(help.hasIcon);
}

TEST_F(MainWindowTest, CommandsWithoutActionShowNothing) {
    MessageBoxCatcher catcher;
    for (const int id : {999, 1001, 1003, 1004, 1005, 1006, 1007, 1011, 1012, 65535}) {
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    PumpMessages();
    EXPECT_TRUE(catcher.Caught().empty());
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MainWindowTest, StartsEmptyWithoutADataFile) {
    for (HWND control : ChildControls(window_)) {
        if (GetDlgCtrlID(control) != 1008) {
            EXPECT_EQ(WindowText(control), "") << GetDlgCtrlID(control);
        }
    }
}

}  // namespace
