#include "tests/window/drawing_resource_counter.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

DrawingResourceCounts recorded;

// The functions themselves, taken from their slots before these are redirected: a call by name
// from here would go through the redirected slot again.
decltype(&GetDC) originalGetDC = nullptr;
decltype(&ReleaseDC) originalReleaseDC = nullptr;
decltype(&CreatePen) originalCreatePen = nullptr;
decltype(&DeleteObject) originalDeleteObject = nullptr;

HDC WINAPI CountingGetDC(HWND window) {
    ++recorded.contextsObtained;
    return originalGetDC(window);
}

int WINAPI CountingReleaseDC(HWND window, HDC context) {
    ++recorded.contextsReleased;
    return originalReleaseDC(window, context);
}

HPEN WINAPI CountingCreatePen(int style, int width, COLORREF colour) {
    ++recorded.pensCreated;
    return originalCreatePen(style, width, colour);
}

BOOL WINAPI CountingDeleteObject(HGDIOBJ object) {
    if (GetObjectType(object) == OBJ_PEN) {
        ++recorded.pensDeleted;
    }
    return originalDeleteObject(object);
}

struct Redirection {
    const char* name = nullptr;
    void* replacement = nullptr;
    void** original = nullptr;
    void** slot = nullptr;
};

std::array<Redirection, 4> redirections{{
    {"GetDC", reinterpret_cast<void*>(&CountingGetDC), reinterpret_cast<void**>(&originalGetDC)},
    {"ReleaseDC", reinterpret_cast<void*>(&CountingReleaseDC),
     reinterpret_cast<void**>(&originalReleaseDC)},
    {"CreatePen", reinterpret_cast<void*>(&CountingCreatePen),
     reinterpret_cast<void**>(&originalCreatePen)},
    {"DeleteObject", reinterpret_cast<void*>(&CountingDeleteObject),
     reinterpret_cast<void**>(&originalDeleteObject)},
}};

template <class T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

// Finds the slot of each redirected function in this program's import address table.
bool FindSlots() {
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<const IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress);
         library->Name != 0; ++library) {
        auto* names = At<IMAGE_THUNK_DATA>(base, library->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(base, library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            for (Redirection& redirection : redirections) {
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), redirection.name) ==
                    0) {
                    redirection.slot = reinterpret_cast<void**>(&slots->u1.Function);
                }
            }
        }
    }
    return std::ranges::all_of(redirections,
                               [](const Redirection& found) { return found.slot != nullptr; });
}

void Write(void** slot, void* function) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = function;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

DrawingResourceCounter::DrawingResourceCounter() : counting_(FindSlots()) {
    recorded = {};
    if (!counting_) {
        return;
    }
    for (Redirection& redirection : redirections) {
        *redirection.original = *redirection.slot;
        Write(redirection.slot, redirection.replacement);
    }
}

DrawingResourceCounter::~DrawingResourceCounter() {
    if (!counting_) {
        return;
    }
    for (const Redirection& redirection : redirections) {
        Write(redirection.slot, *redirection.original);
    }
}

DrawingResourceCounts DrawingResourceCounter::Counts() const {
    return counting_ ? recorded : DrawingResourceCounts{};
}
