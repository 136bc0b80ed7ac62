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

// The row's label, from the left edge to the row's control.
ControlRectangle LabelPlaceAtDpi(const ControlPlace& place, int dpi) {
    return {ScaledToDpi(kLabelLeft, dpi), ScaledToDpi(place.y, dpi),
            ScaledToDpi(place.x - kLabelLeft, dpi), ScaledToDpi(kControlHeight, dpi)};
}

HWND ControlOf(HWND mainWindow, const FormControls& form, const ControlPlace& place) {
    return place.handle != nullptr ? reinterpret_cast<HWND>(form.*place.handle)
                                   : GetDlgItem(mainWindow, place.id);
}

// The label created just before the control; none when the control has none, or it could not be
// created.
HWND LabelOf(HWND control) {
    HWND label = GetWindow(control, GW_HWNDPREV);
    return IsFormLabel(label) ? label : nullptr;
}

HWND CreateChild(HWND mainWindow, HINSTANCE instance, const wchar_t* className, const char* text,
                 DWORD style, int id, const ControlRectangle& at) {
    return CreateWindowExW(0, className, WideFromUtf8(text).c_str(), style, at.x, at.y, at.width,
                           at.height, mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
}

void Move(HWND window, const ControlRectangle& at) {
    MoveWindow(window, at.x, at.y, at.width, at.height, TRUE);
}

// The controls and their labels use the font until they are gone or get another.
void GiveFont(HWND mainWindow, const FormControls& form, HFONT font) {
    for (const ControlPlace& place : kControls) {
        HWND control = ControlOf(mainWindow, form, place);
        for (HWND window : {LabelOf(control), control}) {
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
    }
}

}  // namespace

FormControls CreateFormControls(HWND mainWindow, HINSTANCE instance, int dpi, HFONT font) {
    FormControls form;
    form.main = AsWindow(mainWindow);
    for (const ControlPlace& place : kControls) {
        if (place.label != nullptr) {
            CreateChild(mainWindow, instance, L"STATIC", place.label, kLabelStyle, kLabelId,
                        LabelPlaceAtDpi(place, dpi));
        }
        HWND control = CreateChild(mainWindow, instance, place.className, place.text, place.style,
                                   place.id, PlaceAtDpi(place, dpi));
        if (place.handle != nullptr) {
            form.*place.handle = AsWindow(control);
        }
    }
    GiveFont(mainWindow, form, font);
    return form;
}

void LayOutFormControls(HWND mainWindow, const FormControls& form, int dpi, HFONT font) {
    for (const ControlPlace& place : kControls) {
        HWND control = ControlOf(mainWindow, form, place);
        Move(LabelOf(control), LabelPlaceAtDpi(place, dpi));
        Move(control, PlaceAtDpi(place, dpi));
    }
    GiveFont(mainWindow, form, font);
}

bool IsFormLabel(HWND window) {
    return window != nullptr && GetDlgCtrlID(window) == kLabelId;
}
