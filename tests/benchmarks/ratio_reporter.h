#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Keeps each run's time per iteration, by name, beside the usual console table, so that a
// benchmark can print its figures as ratios against a baseline measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            nanoseconds_[run.run_name.function_name] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // 0 for a run that did not take place.
    [[nodiscard]] double Nanoseconds(const std::string& name) const {
        const auto found = nanoseconds_.find(name);
        return found == nanoseconds_.end() ? 0.0 : found->second;
    }

    [[nodiscard]] double Milliseconds(const std::string& name) const {
        return Nanoseconds(name) / 1e6;
    }

private:
    std::map<std::string, double> nanoseconds_;
};

// A benchmark program's main: runs the benchmarks the command line asks for, then hands their
// figures to `printRatios`.
template <class PrintRatios>
int RunPrintingRatios(int argc, char** argv, const PrintRatios& printRatios) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
