#include "platform/win32_accessibility.h"

#include <objbase.h>
#include <oleacc.h>

#include "platform/accessibility.h"

namespace {

// Written here: the program links neither ole32 nor oleacc, nor their GUIDs.
constexpr CLSID kAccPropServicesClass{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// UI Automation's LiveSetting property, and its value Polite.
constexpr MSAAPROPID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

template <class Function>
Function* Find(HMODULE module, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Hands Windows' annotation service to `use`, with COM loaded from ole32 at run time and started
// on this thread for the while.
template <class Use>
void WithAnnotationService(const Use& use) {
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    if (ole32 == nullptr) {
        return;
    }
    auto* initialize = Find<decltype(CoInitializeEx)>(ole32, "CoInitializeEx");
    auto* create = Find<decltype(CoCreateInstance)>(ole32, "CoCreateInstance");
    auto* uninitialize = Find<decltype(CoUninitialize)>(ole32, "CoUninitialize");
    if (initialize != nullptr && create != nullptr && uninitialize != nullptr) {
        const HRESULT started = initialize(nullptr, COINIT_APARTMENTTHREADED);
        IAccPropServices* service = nullptr;
        if (SUCCEEDED(create(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                             kAccPropServicesInterface, reinterpret_cast<void**>(&service)))) {
            use(*service);
            service->Release();
        }
        if (SUCCEEDED(started)) {
            uninitialize();
        }
    }
    FreeLibrary(ole32);
}

}  // namespace

void MarkAsLiveRegion(HWND control) {
    WithAnnotationService([&](IAccPropServices& service) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        service.SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            kLiveSettingProperty, polite);
    });
}

void UnmarkLiveRegion(HWND control) {
    WithAnnotationService([&](IAccPropServices& service) {
        MSAAPROPID property = kLiveSettingProperty;
        service.ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property,
                               1);
    });
}

void AnnounceChange(Window control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, reinterpret_cast<HWND>(control), OBJID_CLIENT,
                   CHILDID_SELF);
}
