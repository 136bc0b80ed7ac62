#include "app/form.h"

#include <array>

#include "app/window_handle.h"
#include "platform/drawing.h"
#include "platform/win32_fonts.h"
#include "platform/win32_wide_text.h"
#include "res/resource_ids.h"

namespace {

constexpr DWORD kPlainStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kDigitsStyle = kPlainStyle | ES_NUMBER;
constexpr int kControlHeight = 25;
constexpr const wchar_t* kFontProperty = L"Tallymere.FormFont";

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

constexpr std::array<ControlPlace, 9> kControls{{
    {L"EDIT", IDC_NAME, kPlainStyle, 100, 10, 160, "", &FormControls::nameField},
    {L"EDIT", IDC_CLAN, kPlainStyle, 100, 40, 160, "", &FormControls::clanField},
    {L"EDIT", IDC_KILL, kDigitsStyle, 100, 70, 160, "", &FormControls::killField},
    {L"EDIT", IDC_DEATH, kDigitsStyle, 100, 100, 160, "", &FormControls::deathField},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 150, 160, "", &FormControls::kdResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 180, 160, "", &FormControls::plusOneResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 210, 160, "", &FormControls::minusOneResult},
    {L"STATIC", IDC_RESULT, kPlainStyle, 100, 250, 50, "", &FormControls::averageResult},
    {L"BUTTON", IDC_SAVE, kPlainStyle, 210, 250, 50, "保存", nullptr},
}};

constexpr Colour kFormLabelColour = 0x00FF6400;  // red 0, green 100, blue 255
constexpr int kLabelLeft = 10;
constexpr int kLabelBottom = 20000;

constexpr std::array<LabelText, 8> kLabels{{
    {"名前", kLabelLeft, 10, 200, kLabelBottom},
    {"所属", kLabelLeft, 40, 2000, kLabelBottom},
    {"KILL数", kLabelLeft, 70, 2000, kLabelBottom},
    {"DEATH数", kLabelLeft, 100, 2000, kLabelBottom},
    {"K/D", kLabelLeft, 150, 2000, kLabelBottom},
    {"K/D+1%まで", kLabelLeft, 180, 2000, kLabelBottom},
    {"K/D-1%まで", kLabelLeft, 210, 2000, kLabelBottom},
    {"平均", kLabelLeft, 250, 2000, kLabelBottom},
}};

}  // namespace

FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance) {
    FormControls form;
    form.main = AsWindow(mainWindow);
    HFONT font = CreateJapaneseFont();
    for (const ControlPlace& place : kControls) {
        HWND control = CreateWindowExW(
            0, place.className, WideFromUtf8(place.text).c_str(), place.style, place.x, place.y,
            place.width, kControlHeight, mainWindow,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance, nullptr);
        if (font != nullptr) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        if (place.handle != nullptr) {
            form.*place.handle = AsWindow(control);
        }
    }
    // The controls use the font until they are gone; it goes with the main window.
    if (font != nullptr) {
        SetPropW(mainWindow, kFontProperty, font);
    }
    return form;
}

void DeleteFormFont(HWND mainWindow) noexcept {
    DeleteObject(RemovePropW(mainWindow, kFontProperty));
}

void PaintLabels(HWND mainWindow) noexcept {
    DrawLabelTexts(AsWindow(mainWindow), kLabels, kFormLabelColour);
}
