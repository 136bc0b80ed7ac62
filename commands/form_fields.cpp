#include "commands/form_fields.h"

#include "kd/count_text.h"
#include "kd/number_format.h"
#include "platform/window_text.h"

namespace {

constexpr int kCountFieldTextLimit = 30;  // bytes, the terminating NUL included

}  // namespace

std::int32_t ReadCountField(Window field) {
    return ParseCountText(GetWindowTextUtf8(field, kCountFieldTextLimit));
}

void SetCountFields(const FormControls& form, std::optional<std::int32_t> kills,
                    std::optional<std::int32_t> deaths) {
    if (kills) {
        SetWindowTextUtf8(form.killField, FormatInteger(*kills));
    }
    if (deaths) {
        SetWindowTextUtf8(form.deathField, FormatInteger(*deaths));
    }
}
