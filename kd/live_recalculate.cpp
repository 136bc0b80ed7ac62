#include "kd/live_recalculate.h"

#include <string>

#include "chart/chart_drawing.h"
#include "kd/count_text.h"
#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "platform/platform.h"

std::string KdResultText(double percent) {
    return FormatFixed(percent, 0) + "%   (" + FormatFixed(percent, 3) + "%)";
}

void LiveRecalculate(const FormControls& form, KdHistory& history) {
    const std::int32_t kills = ReadCountField(form.killField);
    const std::int32_t deaths = ReadCountField(form.deathField);
    if (kills < 0 || deaths < 0) {
        return;  // a pasted or loaded minus sign: everything stays as it was
    }
    const double percent = KillPercent(kills, deaths);
    SetWindowTextBytes(form.kdResult, KdResultText(percent));
    SetWindowTextBytes(form.plusOneResult, FormatInteger(KillsToNextPoint(kills, deaths)));
    SetWindowTextBytes(form.minusOneResult, FormatInteger(DeathsToPreviousPoint(kills, deaths)));

    // The current percentage joins the history only for the average and the chart.
    history.Append(percent);
    SetWindowTextBytes(form.averageResult, FormatFixed(history.Average(), 3));
    RedrawChart(form.main, history);
    history.RemoveLast();
}
