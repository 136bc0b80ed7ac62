// One keystroke's recalculation and the chart's paint that follows it (the result texts, the
// average with the current percentage, the scale, the frame, the labels and the plot, recorded
// as the window would draw them), for saved histories of 100, 10,000 and 1,000,000 values,
// beside the 100-value one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "commands/chart_painting.h"
#include "commands/live_recalculation.h"
#include "tests/benchmarks/ratio_reporter.h"
#include "tests/support/fake_form.h"

namespace {

constexpr std::int64_t kSmall = 100;
constexpr std::int64_t kMedium = 10'000;
constexpr std::int64_t kLarge = 1'000'000;

// Saved values between 40 and 70, and counts whose percentages stay within them: every
// keystroke is on the same scale.
void FillForm(FakeForm& form, std::int64_t size) {
    for (std::int64_t i = 0; i < size; ++i) {
        form.history.Append(40.0 + static_cast<double>(i * 7919 % 30) + 0.125);
    }
    form.death.text = "8";
}

void TypeKills(FakeForm& form, std::int64_t keystroke) {
    form.kill.text = keystroke % 2 == 0 ? "12" : "13";
    LiveRecalculate(form.state);
    PaintChart(Canvas{}, form.state);
    ResetRecording();
}

template <std::int64_t kSize>
void Keystroke(benchmark::State& state) {
    FakeForm form;
    FillForm(form, kSize);
    std::int64_t keystroke = 0;
    while (state.KeepRunning()) {
        TypeKills(form, ++keystroke);
    }
}

BENCHMARK(Keystroke<kSmall>)->Name("keystroke/100")->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke<kMedium>)->Name("keystroke/10000")->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke<kLarge>)->Name("keystroke/1000000")->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    return RunPrintingRatios(argc, argv, [](const RatioReporter& reporter) {
        const double baseline = reporter.Nanoseconds("keystroke/100");
        if (baseline > 0.0) {
            std::printf("\none keystroke, beside a history of %lld values (%.2f us):\n",
                        static_cast<long long>(kSmall), baseline / 1e3);
            for (const std::int64_t size : {kSmall, kMedium, kLarge}) {
                std::printf("  %8lld values: %.2fx\n", static_cast<long long>(size),
                            reporter.Nanoseconds("keystroke/" + std::to_string(size)) / baseline);
            }
        }
    });
}
