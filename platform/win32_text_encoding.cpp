#include <windows.h>

#include <climits>

#include "platform/text_encoding.h"
#include "platform/win32_wide_text.h"

namespace {

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The character in the ANSI code page, as Windows' own conversion writes it (a character
// without a place there as "?" or a look-alike).
struct AnsiCharacter {
    std::string bytes;
    bool exact = true;  // the character itself, no best fit and no default character
};

int Convert(std::wstring_view character, DWORD flags, char* bytes, int size, BOOL* usedDefault) {
    return WideCharToMultiByte(CP_ACP, flags, character.data(), static_cast<int>(character.size()),
                               bytes, size, nullptr, usedDefault);
}

AnsiCharacter EncodeCharacter(std::wstring_view character) {
    // UTF-8 as the ANSI code page (a Windows option) holds every character and takes no
    // flags for what it cannot hold.
    const bool utf8 = GetACP() == CP_UTF8;
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int exact = Convert(character, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, bytes, sizeof bytes,
                              utf8 ? nullptr : &usedDefault);
    if (exact > 0 && usedDefault == FALSE) {
        return {std::string(bytes, static_cast<std::size_t>(exact)), true};
    }
    const int fitted = Convert(character, 0, bytes, sizeof bytes, nullptr);
    return {std::string(bytes, static_cast<std::size_t>(fitted > 0 ? fitted : 1)), false};
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// The length of the ANSI character that begins at `at`.
std::size_t CharacterLength(std::string_view bytes, std::size_t at) {
    if (GetACP() == CP_UTF8) {
        std::size_t end = at + 1;
        while (end < bytes.size() && IsUtf8Continuation(bytes[end])) {
            ++end;
        }
        return end - at;
    }
    return IsDBCSLeadByte(static_cast<BYTE>(bytes[at])) != 0 ? 2 : 1;
}

}  // namespace

AnsiText EncodeAnsi(std::string_view text, std::size_t byteLimit) {
    const std::wstring wide = WideFromUtf8(text);
    AnsiText encoded;
    std::size_t kept = 0;  // UTF-16 units
    bool full = false;
    for (std::size_t at = 0; at < wide.size();) {
        const std::size_t units = IsHighSurrogate(wide[at]) && at + 1 < wide.size() ? 2 : 1;
        const AnsiCharacter character = EncodeCharacter({wide.data() + at, units});
        encoded.representable = encoded.representable && character.exact;
        full = full || encoded.bytes.size() + character.bytes.size() > byteLimit;
        if (!full) {
            encoded.bytes += character.bytes;
            kept = at + units;
        }
        at += units;
    }
    encoded.textBytes = Utf8FromWide(std::wstring_view(wide).substr(0, kept)).size();
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

std::string_view AnsiPrefix(std::string_view bytes, std::size_t byteLimit) {
    if (bytes.size() <= byteLimit) {
        return bytes;
    }
    std::size_t end = 0;
    while (end < byteLimit) {
        const std::size_t next = end + CharacterLength(bytes, end);
        if (next > byteLimit) {
            break;
        }
        end = next;
    }
    return bytes.substr(0, end);
}
