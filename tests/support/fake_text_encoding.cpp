#include "tests/support/fake_text_encoding.h"

#include <optional>

#include "platform/text_encoding.h"

namespace {

// The length of the UTF-8 sequence that starts with `lead`; 1 for a byte no sequence starts
// with, which counts as a character of its own.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0U) {
        return 4;
    }
    if (lead >= 0xE0U) {
        return 3;
    }
    if (lead >= 0xC0U) {
        return 2;
    }
    return 1;
}

// Each character of the UTF-8 text in turn: its bytes.
template <class Visit>
void ForEachCharacter(std::string_view utf8, const Visit& visit) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        if (!visit(utf8.substr(at, length))) {
            return;
        }
        at += length;
    }
}

}  // namespace

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    ForEachCharacter(utf8, [&](std::string_view character) {
        units += character.size() == 4 ? 2 : 1;
        return true;
    });
    return units;
}

std::string_view Utf16Prefix(std::string_view utf8, std::size_t units) {
    std::size_t bytes = 0;
    std::size_t taken = 0;
    ForEachCharacter(utf8, [&](std::string_view character) {
        taken += character.size() == 4 ? 2 : 1;
        if (taken > units) {
            return false;
        }
        bytes += character.size();
        return true;
    });
    return utf8.substr(0, bytes);
}

std::optional<std::string> EncodeAnsi(std::string_view text, std::size_t byteLimit) {
    std::string encoded;
    bool representable = true;
    ForEachCharacter(text, [&](std::string_view character) {
        const auto lead = static_cast<unsigned char>(character[0]);
        if (character.size() == 1 && lead < 0x80U) {
            encoded += character[0];
        } else if (character.size() == 2 && lead <= 0xC3U) {
            const auto trail = static_cast<unsigned char>(character[1]);
            encoded += static_cast<char>(((lead & 0x03U) << 6U) | (trail & 0x3FU));
        } else {
            representable = false;
        }
        return representable;
    });
    if (!representable) {
        return std::nullopt;
    }
    return encoded.substr(0, byteLimit);
}

std::string DecodeAnsi(std::string_view bytes) {
    std::string utf8;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80U) {
            utf8 += byte;
        } else {
            utf8 += static_cast<char>(0xC0U | (value >> 6U));
            utf8 += static_cast<char>(0x80U | (value & 0x3FU));
        }
    }
    return utf8;
}
