#pragma once

#include <windows.h>

// The program's texts are Japanese. On a system whose ANSI code page is 932 the system font holds
// them, and everything is drawn in it as it always was. On any other, texts and controls take a
// font the font mapper picks for the Japanese character set, as high as the system font, so that
// they keep their places and sizes. Either is as high at the window's dots per inch as the
// system font is at the system's.

// A new font for texts and controls at `dpi`, for the caller to delete; null where the system
// font itself is that font (code page 932, the system's own dots per inch).
HFONT CreateProgramFont(int dpi);

// Selects the font into the context while it lives, unless it is null (the context's own).
class FontSelection {
public:
    FontSelection(HDC context, HFONT font);
    ~FontSelection();
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;
    FontSelection(FontSelection&&) = delete;
    FontSelection& operator=(FontSelection&&) = delete;

private:
    HDC context_;
    HGDIOBJ previous_ = nullptr;
};
