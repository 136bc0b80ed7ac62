#pragma once

#include <cstdint>
#include <optional>

#include "commands/window_state.h"
#include "platform/window.h"

// The count shown in a count field; only the field's first 29 characters take part.
std::int32_t ReadCountField(Window field);

// Sets the counts that are known into KillField and then DeathField; a missing one leaves its
// field as it is. Each text set runs the live recalculation at once, nested in the caller.
void SetCountFields(const FormControls& form, std::optional<std::int32_t> kills,
                    std::optional<std::int32_t> deaths);
