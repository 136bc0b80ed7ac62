#include <windows.h>

#include <string>

#include "platform/message_box.h"
#include "platform/win32_wide_text.h"

void ShowMessageBox(Window owner, std::string_view text, std::string_view caption) {
    const std::wstring wideText = WideFromUtf8(text);
    const std::wstring wideCaption = WideFromUtf8(caption);
    MessageBoxW(reinterpret_cast<HWND>(owner), wideText.c_str(), wideCaption.c_str(), MB_OK);
}
