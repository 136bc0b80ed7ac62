#include "kd/count_text.h"

#include "kd/number_scan.h"
#include "platform/platform.h"

namespace {

constexpr int kCountFieldTextLimit = 30;  // bytes, the terminating NUL included

}  // namespace

std::int32_t ParseCountText(std::string_view text) {
    std::size_t position = 0;
    return ScanCount(text, position).value_or(0);
}

std::int32_t ReadCountField(Window field) {
    return ParseCountText(GetWindowTextBytes(field, kCountFieldTextLimit));
}
