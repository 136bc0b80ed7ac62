#include "kd/count_text.h"

#include "kd/number_scan.h"

std::int32_t ParseCountText(std::string_view text) {
    std::size_t position = 0;
    return ScanCount(text, position).value_or(0);
}
