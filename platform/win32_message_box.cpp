#include <windows.h>

#include <string>

#include "platform/message_box.h"

void ShowMessageBox(Window owner, std::string_view text, std::string_view caption) {
    const std::string terminatedText(text);
    const std::string terminatedCaption(caption);
    MessageBoxA(reinterpret_cast<HWND>(owner), terminatedText.c_str(), terminatedCaption.c_str(),
                MB_OK);
}
