// A count field's text, whatever was typed, pasted or loaded into it: the count it stands for is
// the one the C library's strtoll reads from its front, held to the 32-bit range.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "kd/count_text.h"
#include "kd/number_format.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The oracle: glibc's own decimal reading of the C string, clamped as the program clamps.
std::int32_t CountByStrtoll(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(start, &end, 10);
    if (end == start) {
        return 0;
    }
    constexpr long long kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr long long kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLowest ? kLowest : std::min(value, kHighest));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(FuzzBytes(data, size).Rest());
    const std::int32_t count = ParseCountText(text);
    Require(count == CountByStrtoll(text), "the count is the one strtoll reads, clamped");
    Require(ParseCountText(FormatInteger(count)) == count, "a count's own text reads back");
    return 0;
}
