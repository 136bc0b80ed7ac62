#include "kd/number_scan.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "kd/int32_range.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// For a decimal text beyond the double range: the power of ten of its leading digit, roughly,
// which tells a huge number from a tiny one.
std::int64_t DecimalMagnitude(std::string_view number) {
    std::int64_t leadingPlace = 0;  // places before the point, less the zeros leading after it
    std::size_t i = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (number[i] != '0' || seenNonZero) {
            leadingPlace += afterPoint ? 0 : 1;
            seenNonZero = true;
        } else if (afterPoint) {
            --leadingPlace;
        }
    }
    std::size_t exponentAt = i + 1;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        if (const auto exponent = ScanCount(number, exponentAt)) {
            return leadingPlace + *exponent;
        }
    }
    return leadingPlace;
}

}  // namespace

void SkipWhiteSpace(std::string_view text, std::size_t& position) {
    while (position < text.size() && IsWhiteSpace(text[position])) {
        ++position;
    }
}

std::optional<std::int32_t> ScanCount(std::string_view text, std::size_t& position) {
    std::size_t cursor = position;
    SkipWhiteSpace(text, cursor);
    const bool negative = cursor < text.size() && text[cursor] == '-';
    if (cursor < text.size() && (text[cursor] == '-' || text[cursor] == '+')) {
        ++cursor;
    }
    if (cursor == text.size() || !IsDigit(text[cursor])) {
        return std::nullopt;
    }
    // Digits past this no longer change the clamped result.
    constexpr std::int64_t kMagnitudeLimit = std::int64_t{kInt32Max} + 1;
    std::int64_t magnitude = 0;
    for (; cursor < text.size() && IsDigit(text[cursor]); ++cursor) {
        if (magnitude <= kMagnitudeLimit) {
            magnitude = magnitude * 10 + (text[cursor] - '0');
        }
    }
    position = cursor;
    return ClampToInt32(negative ? -magnitude : magnitude);
}

std::optional<double> ScanDouble(std::string_view text, std::size_t& position) {
    std::size_t cursor = position;
    SkipWhiteSpace(text, cursor);
    bool negative = false;
    if (cursor < text.size() && (text[cursor] == '+' || text[cursor] == '-')) {
        negative = text[cursor] == '-';
        ++cursor;
    }
    // from_chars takes no sign of its own here: a second sign is no number.
    if (cursor == text.size() || text[cursor] == '-' || text[cursor] == '+') {
        return std::nullopt;
    }
    const char* first = text.data() + cursor;
    const char* last = text.data() + text.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        const bool huge = DecimalMagnitude({first, static_cast<std::size_t>(end - first)}) > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    position = static_cast<std::size_t>(end - text.data());
    return negative ? -value : value;
}

std::optional<std::string_view> ScanToken(std::string_view text, std::size_t& position) {
    std::size_t start = position;
    SkipWhiteSpace(text, start);
    std::size_t end = start;
    while (end < text.size() && !IsWhiteSpace(text[end])) {
        ++end;
    }
    if (end == start) {
        return std::nullopt;
    }
    position = end;
    return text.substr(start, end - start);
}

bool ScanLiteral(std::string_view text, std::size_t& position, std::string_view literal) {
    std::size_t cursor = position;
    SkipWhiteSpace(text, cursor);
    if (text.substr(cursor, literal.size()) != literal) {
        return false;
    }
    position = cursor + literal.size();
    return true;
}
