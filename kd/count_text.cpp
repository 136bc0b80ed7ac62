#include "kd/count_text.h"

#include <cstdint>
#include <limits>

#include "platform/platform.h"

namespace {

constexpr int kCountFieldTextLimit = 30;  // bytes, the terminating NUL included

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    // A number beyond the signed 32-bit range is clamped to it rather than wrapped: the C
    // runtimes disagree there, and a clamped count keeps its sign and stays far out of reach.
    constexpr std::int64_t kMagnitudeLimit =
        std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; cursor < text.size() && IsDigit(text[cursor]); ++cursor) {
        if (magnitude <= kMagnitudeLimit) {
            magnitude = magnitude * 10 + (text[cursor] - '0');
        }
    }
    position = cursor;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseCountText(std::string_view text) {
    std::size_t position = 0;
    return ScanCount(text, position).value_or(0);
}

std::int32_t ReadCountField(Window field) {
    return ParseCountText(GetWindowTextBytes(field, kCountFieldTextLimit));
}
