#pragma once

#include <windows.h>

// The program's texts are Japanese. On a system whose ANSI code page is 932 the system font holds
// them, and everything is drawn in it as it always was. On any other, texts and controls take a
// font the font mapper picks for the Japanese character set, as high as the system font, so that
// they keep their places and sizes.

// A new font that holds the Japanese glyphs, for the caller to delete; null on a system whose
// own font holds them already.
HFONT CreateJapaneseFont();

// Selects a font that holds the Japanese glyphs into the context while it lives, if the system's
// own does not, and deletes it afterwards.
class JapaneseFontSelection {
public:
    explicit JapaneseFontSelection(HDC context);
    ~JapaneseFontSelection();
    JapaneseFontSelection(const JapaneseFontSelection&) = delete;
    JapaneseFontSelection& operator=(const JapaneseFontSelection&) = delete;
    JapaneseFontSelection(JapaneseFontSelection&&) = delete;
    JapaneseFontSelection& operator=(JapaneseFontSelection&&) = delete;

private:
    HDC context_;
    HFONT font_;
    HGDIOBJ previous_ = nullptr;
};
