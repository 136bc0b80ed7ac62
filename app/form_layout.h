#pragma once

#include <windows.h>

#include <array>

#include "commands/window_state.h"
#include "res/resource_ids.h"

// The window's layout in the pixels of a 96-DPI screen, written here once: every use scales it
// to the window's dots per inch (drawing/dpi_scale.h).

inline constexpr int kOuterWidth = 505;
inline constexpr int kOuterHeight = 332;

inline constexpr DWORD kPlainStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
// The four fields and the Save button take the focus in turn with Tab.
inline constexpr DWORD kTabStopStyle = kPlainStyle | WS_TABSTOP;
inline constexpr DWORD kDigitsStyle = kTabStopStyle | ES_NUMBER;
inline constexpr int kControlHeight = 25;

struct ControlPlace {
    const wchar_t* className;
    int id;
    DWORD style;
    int x;
    int y;
    int width;
    const char* text;
    Window FormControls::*handle;  // where the handle is kept; none for the Save button
    const char* label;             // the row's label; none for the Save button
};

// In creation order.
inline constexpr std::array<ControlPlace, 9> kControls{{
    {L"EDIT", IDC_NAME, kTabStopStyle, 100, 10, 160, "", &FormControls::nameField, "名前"},
    {L"EDIT", IDC_CLAN, kTabStopStyle, 100, 40, 160, "", &FormControls::clanField, "所属"},
    {L"EDIT", IDC_KILL, kDigitsStyle, 100, 70, 160, "", &FormControls::killField, "KILL数"},
    {L"EDIT", IDC_DEATH, kDigitsStyle, 100, 100, 160, "", &FormControls::deathField, "DEATH数"},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 150, 160, "", &FormControls::kdResult, "K/D"},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 180, 160, "", &FormControls::plusOneResult,
     "K/D+1%まで"},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 210, 160, "", &FormControls::minusOneResult,
     "K/D-1%まで"},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 250, 50, "", &FormControls::averageResult, "平均"},
    {L"BUTTON", IDC_SAVE, kTabStopStyle, 210, 250, 50, "保存", nullptr, nullptr},
}};

// Each row's label is a static text control created just before the row's control, reaching from
// the left edge to it, as high as it: a screen reader names an edit control after the static text
// created before it, and meets each result after its label. The labels take the theme's colours
// for the form's labels and the window's background (WM_CTLCOLORSTATIC).
inline constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
inline constexpr int kLabelId = -1;  // none: a label raises no command
inline constexpr int kLabelLeft = 10;
