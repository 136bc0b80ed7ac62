#pragma once

#include <windows.h>

#include <array>

#include "commands/window_state.h"
#include "platform/drawing.h"
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
};

// In creation order.
inline constexpr std::array<ControlPlace, 9> kControls{{
    {L"EDIT", IDC_NAME, kTabStopStyle, 100, 10, 160, "", &FormControls::nameField},
    {L"EDIT", IDC_CLAN, kTabStopStyle, 100, 40, 160, "", &FormControls::clanField},
    {L"EDIT", IDC_KILL, kDigitsStyle, 100, 70, 160, "", &FormControls::killField},
    {L"EDIT", IDC_DEATH, kDigitsStyle, 100, 100, 160, "", &FormControls::deathField},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 150, 160, "", &FormControls::kdResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 180, 160, "", &FormControls::plusOneResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 210, 160, "", &FormControls::minusOneResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 250, 50, "", &FormControls::averageResult},
    {L"BUTTON", IDC_SAVE, kTabStopStyle, 210, 250, 50, "保存", nullptr},
}};

inline constexpr Colour kFormLabelColour = 0x00FF6400;  // red 0, green 100, blue 255
inline constexpr int kLabelLeft = 10;
inline constexpr int kLabelBottom = 20000;

// The row labels to the left of the controls, painted.
inline constexpr std::array<LabelText, 8> kLabels{{
    {"名前", kLabelLeft, 10, 200, kLabelBottom},
    {"所属", kLabelLeft, 40, 2000, kLabelBottom},
    {"KILL数", kLabelLeft, 70, 2000, kLabelBottom},
    {"DEATH数", kLabelLeft, 100, 2000, kLabelBottom},
    {"K/D", kLabelLeft, 150, 2000, kLabelBottom},
    {"K/D+1%まで", kLabelLeft, 180, 2000, kLabelBottom},
    {"K/D-1%まで", kLabelLeft, 210, 2000, kLabelBottom},
    {"平均", kLabelLeft, 250, 2000, kLabelBottom},
}};
