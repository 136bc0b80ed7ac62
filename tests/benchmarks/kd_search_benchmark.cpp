// The cost of the one-point searches against the one-step-at-a-time reference, for a typical
// pair and for the largest result the window has been seen to need. Prints the timings, then
// the two ratios that matter: how much faster the searches are than the reference on the large
// pair, and how much the large pair costs beside the typical one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "kd/kd_arithmetic.h"
#include "tests/benchmarks/ratio_reporter.h"
#include "tests/support/linear_searches.h"

namespace {

constexpr std::int32_t kTypicalKills = 1234;
constexpr std::int32_t kTypicalDeaths = 567;
constexpr std::int32_t kLargeKills = 10'000'000;
constexpr std::int32_t kLargeDeaths = 700'000'000;

template <std::int64_t (*Search)(std::int32_t, std::int32_t)>
void Searches(benchmark::State& state) {
    const auto kills = static_cast<std::int32_t>(state.range(0));
    const auto deaths = static_cast<std::int32_t>(state.range(1));
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(Search(kills, deaths));
    }
}

void BothSearches(benchmark::State& state) {
    const auto kills = static_cast<std::int32_t>(state.range(0));
    const auto deaths = static_cast<std::int32_t>(state.range(1));
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(KillsToNextPoint(kills, deaths));
        benchmark::DoNotOptimize(DeathsToPreviousPoint(kills, deaths));
    }
}

void BothLinearSearches(benchmark::State& state) {
    const auto kills = static_cast<std::int32_t>(state.range(0));
    const auto deaths = static_cast<std::int32_t>(state.range(1));
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(LinearKillsToNextPoint(kills, deaths));
        benchmark::DoNotOptimize(LinearDeathsToPreviousPoint(kills, deaths));
    }
}

BENCHMARK(BothSearches)->Name("searches/typical")->Args({kTypicalKills, kTypicalDeaths});
BENCHMARK(BothSearches)->Name("searches/large")->Args({kLargeKills, kLargeDeaths});
BENCHMARK(Searches<KillsToNextPoint>)
    ->Name("kills_to_next/large")
    ->Args({kLargeKills, kLargeDeaths});
BENCHMARK(Searches<DeathsToPreviousPoint>)
    ->Name("deaths_to_previous/large")
    ->Args({kLargeKills, kLargeDeaths});
BENCHMARK(BothLinearSearches)->Name("linear/typical")->Args({kTypicalKills, kTypicalDeaths});
BENCHMARK(BothLinearSearches)
    ->Name("linear/large")
    ->Args({kLargeKills, kLargeDeaths})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    return RunPrintingRatios(argc, argv, [](const RatioReporter& reporter) {
        const double large = reporter.Nanoseconds("searches/large");
        const double typical = reporter.Nanoseconds("searches/typical");
        const double linearLarge = reporter.Nanoseconds("linear/large");
        if (large > 0.0 && typical > 0.0 && linearLarge > 0.0) {
            std::printf("\nlarge pair %d/%d, both searches:\n", kLargeKills, kLargeDeaths);
            std::printf("  speed-up over the linear reference: %.0fx (target at least 100000x)\n",
                        linearLarge / large);
            std::printf("  cost beside the typical pair %d/%d: %.2fx (target at most 5x)\n",
                        kTypicalKills, kTypicalDeaths, large / typical);
        }
    });
}
