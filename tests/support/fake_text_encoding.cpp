#include "tests/support/fake_text_encoding.h"

#include "platform/text_encoding.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

struct Decoded {
    char32_t codePoint;
    std::size_t length;  // bytes taken
};

// The character that begins `utf8`: an invalid byte takes one byte and stands for U+FFFD.
Decoded DecodeFirst(std::string_view utf8) {
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80U) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t least = 0;  // the smallest code point of that length: shorter is overlong
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        least = 0x10000;
    }
    if (length == 0 || utf8.size() < length) {
        return {kReplacement, 1};
    }
    char32_t codePoint = lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (!IsContinuation(byte)) {
            return {kReplacement, 1};
        }
        codePoint = (codePoint << 6U) | (byte & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < least || codePoint > 0x10FFFF || surrogate) {
        return {kReplacement, 1};
    }
    return {codePoint, length};
}

void AppendUtf8(std::string& utf8, char32_t codePoint) {
    const auto byte = [&](char32_t bits) { utf8 += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0U | (codePoint >> 6U));
        byte(0x80U | (codePoint & 0x3FU));
    } else if (codePoint < 0x10000) {
        byte(0xE0U | (codePoint >> 12U));
        byte(0x80U | ((codePoint >> 6U) & 0x3FU));
        byte(0x80U | (codePoint & 0x3FU));
    } else {
        byte(0xF0U | (codePoint >> 18U));
        byte(0x80U | ((codePoint >> 12U) & 0x3FU));
        byte(0x80U | ((codePoint >> 6U) & 0x3FU));
        byte(0x80U | (codePoint & 0x3FU));
    }
}

// Hands each character to `visit` with the bytes it took, while `visit` returns true.
template <class Visit>
void ForEachCharacter(std::string_view utf8, const Visit& visit) {
    while (!utf8.empty()) {
        const Decoded decoded = DecodeFirst(utf8);
        if (!visit(decoded.codePoint, decoded.length)) {
            return;
        }
        utf8.remove_prefix(decoded.length);
    }
}

}  // namespace

std::string AsWindowKeepsIt(std::string_view utf8) {
    std::string kept;
    ForEachCharacter(utf8, [&](char32_t codePoint, std::size_t /*length*/) {
        AppendUtf8(kept, codePoint);
        return true;
    });
    return kept;
}

std::string_view Utf16Prefix(std::string_view utf8, std::size_t units) {
    std::size_t bytes = 0;
    std::size_t taken = 0;
    ForEachCharacter(utf8, [&](char32_t codePoint, std::size_t length) {
        taken += codePoint > 0xFFFF ? 2 : 1;
        if (taken > units) {
            return false;
        }
        bytes += length;
        return true;
    });
    return utf8.substr(0, bytes);
}

AnsiText EncodeAnsi(std::string_view text, std::size_t byteLimit) {
    AnsiText encoded;
    ForEachCharacter(text, [&](char32_t codePoint, std::size_t length) {
        encoded.representable = encoded.representable && codePoint <= 0xFF;
        if (encoded.bytes.size() < byteLimit) {
            // A character without a place is written as "?", one byte, as Windows does.
            encoded.bytes += static_cast<char>(codePoint <= 0xFF ? codePoint : '?');
            encoded.textBytes += length;
        }
        return true;
    });
    return encoded;
}

std::string DecodeAnsi(std::string_view bytes) {
    std::string utf8;
    for (const char byte : bytes) {
        AppendUtf8(utf8, static_cast<unsigned char>(byte));
    }
    return utf8;
}

std::string_view AnsiPrefix(std::string_view bytes, std::size_t byteLimit) {
    return bytes.substr(0, byteLimit);
}
