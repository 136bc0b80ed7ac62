#include "platform/win32_fonts.h"

#include "platform/win32_dpi.h"

namespace {

constexpr UINT kJapaneseCodePage = 932;

}  // namespace

HFONT CreateProgramFont(int dpi) {
    const int systemDpi = SystemDpi();
    const bool japaneseSystem = GetACP() == kJapaneseCodePage;
    if (japaneseSystem && dpi == systemDpi) {
        return nullptr;
    }
    LOGFONTW system{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof system, &system);
    system.lfHeight = MulDiv(system.lfHeight, dpi, systemDpi);
    system.lfWidth = MulDiv(system.lfWidth, dpi, systemDpi);
    if (japaneseSystem) {
        return CreateFontIndirectW(&system);
    }
    LOGFONTW japanese{};
    japanese.lfHeight = system.lfHeight;
    japanese.lfWeight = FW_NORMAL;
    // No face is named: the mapper picks one that has the glyphs. Normal weight and fixed pitch,
    // as the system font of a Japanese Windows has them.
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    japanese.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return CreateFontIndirectW(&japanese);
}

FontSelection::FontSelection(HDC context, HFONT font) : context_(context) {
    if (font != nullptr) {
        previous_ = SelectObject(context_, font);
    }
}

FontSelection::~FontSelection() {
    if (previous_ != nullptr) {
        SelectObject(context_, previous_);
    }
}
