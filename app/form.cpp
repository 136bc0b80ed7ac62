#include "app/form.h"

#include "app/form_layout.h"
#include "app/window_handle.h"
#include "drawing/dpi_scale.h"
#include "platform/win32_wide_text.h"

namespace {

struct ControlRectangle {
    int x;
    int y;
    int width;
    int height;
};

ControlRectangle PlaceAtDpi(const ControlPlace& place, int dpi) {
    return {ScaledToDpi(place.x, dpi), ScaledToDpi(place.y, dpi), ScaledToDpi(place.width, dpi),
            ScaledToDpi(kControlHeight, dpi)};
}

HWND ControlOf(HWND mainWindow, const FormControls& form, const ControlPlace& place) {
    return place.handle != nullptr ? reinterpret_cast<HWND>(form.*place.handle)
                                   : GetDlgItem(mainWindow, place.id);
}

// The controls use the font until they are gone or get another.
void GiveFont(HWND mainWindow, const FormControls& form, HFONT font) {
    for (const ControlPlace& place : kControls) {
        SendMessageW(ControlOf(mainWindow, form, place), WM_SETFONT, reinterpret_cast<WPARAM>(font),
                     TRUE);
    }
}

}  // namespace

FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance, int dpi, HFONT font) {
    FormControls form;
    form.main = AsWindow(mainWindow);
    for (const ControlPlace& place : kControls) {
        const ControlRectangle at = PlaceAtDpi(place, dpi);
        HWND control = CreateWindowExW(0, place.className, WideFromUtf8(place.text).c_str(),
                                       place.style, at.x, at.y, at.width, at.height, mainWindow,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                                       instance, nullptr);
        if (place.handle != nullptr) {
            form.*place.handle = AsWindow(control);
        }
    }
    GiveFont(mainWindow, form, font);
    return form;
}

void LayOutFormControls(HWND mainWindow, const FormControls& form, int dpi, HFONT font) {
    for (const ControlPlace& place : kControls) {
        const ControlRectangle at = PlaceAtDpi(place, dpi);
        MoveWindow(ControlOf(mainWindow, form, place), at.x, at.y, at.width, at.height, TRUE);
    }
    GiveFont(mainWindow, form, font);
}

void PaintLabels(Canvas canvas) noexcept {
    DrawLabelTexts(canvas, kLabels, kFormLabelColour);
}
