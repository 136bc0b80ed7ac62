#include "commands/form_fields.h"

#include "kd/count_text.h"
#include "kd/number_format.h"
#include "platform/window_text.h"

namespace {

constexpr int kCountFieldTextLimit = 30;  // bytes, the terminating NUL included

}  // namespace

std::int32_t ReadCountField(Window field) {
    return ParseCountText(GetWindowTextBytes(field, kCountFieldTextLimit));
}

void SetCountFields(const FormControls& form, std::optional<std::int32_t> kills,
                    std::optional<std::int32_t> deaths) {
    if (kills) {
        SetWindowTextBytes(form.killField, FormatInteger(*kills));
    }
    if (deaths) {
        SetWindowTextBytes(form.deathField, FormatInteger(*deaths));
    }
}
