#include "platform/win32_fonts.h"

namespace {

constexpr UINT kJapaneseCodePage = 932;

}  // namespace

HFONT CreateJapaneseFont() {
    if (GetACP() == kJapaneseCodePage) {
        return nullptr;
    }
    LOGFONTW system{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof system, &system);
    LOGFONTW japanese{};
    japanese.lfHeight = system.lfHeight;
    japanese.lfWeight = FW_NORMAL;
    // No face is named: the mapper picks one that has the glyphs. Normal weight and fixed pitch,
    // as the system font of a Japanese Windows has them.
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    japanese.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return CreateFontIndirectW(&japanese);
}

JapaneseFontSelection::JapaneseFontSelection(HDC context)
    : context_(context), font_(CreateJapaneseFont()) {
    if (font_ != nullptr) {
        previous_ = SelectObject(context_, font_);
    }
}

JapaneseFontSelection::~JapaneseFontSelection() {
    if (font_ != nullptr) {
        SelectObject(context_, previous_);
        DeleteObject(font_);
    }
}
