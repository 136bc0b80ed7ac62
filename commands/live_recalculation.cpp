#include "commands/live_recalculation.h"

#include "commands/chart_painting.h"
#include "commands/form_fields.h"
#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "kd/result_texts.h"
#include "platform/window_text.h"

void LiveRecalculate(WindowState& state) {
    const FormControls& form = state.form;
    const std::int32_t kills = ReadCountField(form.killField);
    const std::int32_t deaths = ReadCountField(form.deathField);
    if (HasNegativeCount(kills, deaths)) {
        return;  // everything stays as it was
    }
    const double percent = KillPercent(kills, deaths);
    SetWindowTextUtf8(form.kdResult, KdResultText(percent));
    SetWindowTextUtf8(form.plusOneResult, FormatInteger(KillsToNextPoint(kills, deaths)));
    SetWindowTextUtf8(form.minusOneResult, FormatInteger(DeathsToPreviousPoint(kills, deaths)));

    // The percentage is the chart's newest point, and counts in the average, until it is saved.
    SetProvisionalPercent(state, percent);
    SetWindowTextUtf8(form.averageResult, AverageText(ShownAverage(state)));
}
