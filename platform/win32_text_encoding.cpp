#include <windows.h>

#include <climits>

#include "platform/text_encoding.h"
#include "platform/win32_wide_text.h"

namespace {

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The character's bytes in the ANSI code page, or nullopt when it has no place there (no best
// fit: a "?" or a look-alike would change the name).
std::optional<std::string> AnsiCharacter(std::wstring_view character) {
    const UINT codePage = GetACP();
    // UTF-8 as the ANSI code page (a Windows option) holds every character and takes no
    // flags for what it cannot hold.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const defaultUse = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length = static_cast<int>(character.size());
    char bytes[8] = {};
    const int written = WideCharToMultiByte(codePage, flags, character.data(), length, bytes,
                                            sizeof bytes, nullptr, defaultUse);
    if (written <= 0 || usedDefault != FALSE) {
        return std::nullopt;
    }
    return std::string(bytes, static_cast<std::size_t>(written));
}

}  // namespace

std::optional<std::string> EncodeAnsi(std::string_view text, std::size_t byteLimit) {
    const std::wstring wide = WideFromUtf8(text);
    std::string encoded;
    bool full = false;
    for (std::size_t at = 0; at < wide.size();) {
        const std::size_t units = IsHighSurrogate(wide[at]) && at + 1 < wide.size() ? 2 : 1;
        const std::optional<std::string> character = AnsiCharacter({wide.data() + at, units});
        if (!character) {
            return std::nullopt;
        }
        full = full || encoded.size() + character->size() > byteLimit;
        if (!full) {
            encoded += *character;
        }
        at += units;
    }
    return encoded;
}

std::string DecodeAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int length = bytes.size() > INT_MAX ? INT_MAX : static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), needed);
    return Utf8FromWide(wide);
}
