// Loading a data file of a million history lines, beside the cost of merely finding its line
// breaks (the least any reader must do) and of keeping the values in the history.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "history/data_file_format.h"
#include "history/kd_history.h"
#include "tests/benchmarks/ratio_reporter.h"

namespace {

constexpr int kLines = 1'000'000;

const std::string& MillionLineFile() {
    static const std::string file = [] {
        std::string bytes = "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n";
        for (int i = 0; i < kLines; ++i) {
            bytes += "K = 0 D = 0 K/D = " + std::to_string(i % 100) + ".125\r\n";
        }
        return bytes;
    }();
    return file;
}

void FindLineBreaks(benchmark::State& state) {
    const std::string& file = MillionLineFile();
    while (state.KeepRunning()) {
        std::size_t lines = 0;
        for (std::size_t at = file.find('\n'); at != std::string::npos;
             at = file.find('\n', at + 1)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void ParseFile(benchmark::State& state) {
    while (state.KeepRunning()) {
        benchmark::DoNotOptimize(ParseDataFile(MillionLineFile()));
    }
}

void ParseFileIntoHistory(benchmark::State& state) {
    while (state.KeepRunning()) {
        KdHistory history;
        const std::optional<DataFileContents> contents = ParseDataFile(MillionLineFile());
        history.Append(contents->values);
        benchmark::DoNotOptimize(history.Average());
    }
}

BENCHMARK(FindLineBreaks)->Name("line_breaks")->Unit(benchmark::kMillisecond);
BENCHMARK(ParseFile)->Name("parse")->Unit(benchmark::kMillisecond);
BENCHMARK(ParseFileIntoHistory)->Name("parse_into_history")->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    return RunPrintingRatios(argc, argv, [](const RatioReporter& reporter) {
        const double baseline = reporter.Milliseconds("line_breaks");
        const double load = reporter.Milliseconds("parse_into_history");
        if (baseline > 0.0 && load > 0.0) {
            std::printf("\n%d history lines (%zu bytes) read into the history in %.0f ms\n", kLines,
                        MillionLineFile().size(), load);
            std::printf("  %.1fx the time of finding their line breaks (target: well within 1 s)\n",
                        load / baseline);
        }
    });
}
