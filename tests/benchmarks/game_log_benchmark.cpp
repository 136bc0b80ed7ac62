// Examining a game log of 256 MB that arrives a chunk at a time, as the import reads it, beside
// the cost of merely counting its line feeds; and how much memory the examination holds. Then
// the whole import of a 10 MB log of nothing but Nick lines, into the form.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "commands/game_log_import.h"
#include "gamelog/log_examination.h"
#include "gamelog/log_pieces.h"
#include "tests/benchmarks/ratio_reporter.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

constexpr std::size_t kChunkBytes = 65536;
constexpr std::size_t kLogBytes = std::size_t{256} << 20U;

// One chunk of a plausible log, repeated to make the whole: mostly chatter, now and then a
// nickname and counts, and a long line that is cut into pieces.
const std::string& LogChunk() {
    static const std::string chunk = [] {
        std::string bytes;
        for (int line = 0; bytes.size() < kChunkBytes; ++line) {
            bytes += "[20:14:03] CGameClient::Update frame " + std::to_string(line) + "\r\n";
            if (line % 50 == 0) {
                bytes += "\tNick: Player01\r\n\tKill: " + std::to_string(line) +
                         "\r\n\tDeath: 7\r\n" + std::string(600, '#') + "\r\n";
            }
        }
        bytes.resize(kChunkBytes);
        return bytes;
    }();
    return chunk;
}

template <typename Reader>
void ReadWholeLog(Reader&& read) {
    for (std::size_t done = 0; done < kLogBytes; done += kChunkBytes) {
        read(std::string_view(LogChunk()));
    }
}

void CountLineFeeds(benchmark::State& state) {
    while (state.KeepRunning()) {
        std::size_t lines = 0;
        ReadWholeLog([&](std::string_view chunk) {
            lines += static_cast<std::size_t>(std::count(chunk.begin(), chunk.end(), '\n'));
        });
        benchmark::DoNotOptimize(lines);
    }
}

void ExamineLog(benchmark::State& state) {
    while (state.KeepRunning()) {
        LogFindings findings;
        LogPieceSplitter splitter(
            [&](std::string_view piece) { ExamineLogPiece(piece, findings); });
        ReadWholeLog([&](std::string_view chunk) { splitter.Feed(chunk); });
        splitter.Finish();
        benchmark::DoNotOptimize(findings);
    }
}

constexpr const char* kNickLogPath = "nicks.log";
constexpr std::string_view kNickLine = "\tNick: Player01\r\n";
constexpr std::size_t kNickLogBytes = std::size_t{10} << 20U;
int nameFieldSets = 0;

void ImportNickLog(benchmark::State& state) {
    FakeDisk()[kNickLogPath].bytes = Repeated(kNickLine, kNickLogBytes / kNickLine.size());
    while (state.KeepRunning()) {
        FakeForm form;
        nameFieldSets = 0;
        form.name.onTextSet = [] { ++nameFieldSets; };
        ImportLogFile(form.state, kNickLogPath);
        benchmark::DoNotOptimize(form.name.text);
    }
}

BENCHMARK(CountLineFeeds)->Name("line_feeds")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExamineLog)->Name("examine")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ImportNickLog)->Name("import_nicks")->Unit(benchmark::kMillisecond)->Iterations(3);

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    static_cast<void>(LogChunk());
    const long peakBefore = PeakResidentKilobytes();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter, "^(line_feeds|examine)/");
    const long peakGrowth = PeakResidentKilobytes() - peakBefore;
    // The import holds its own memory, which is not the examination's.
    benchmark::RunSpecifiedBenchmarks(&reporter, "^import_nicks/");
    const double baseline = reporter.Milliseconds("line_feeds");
    const double examine = reporter.Milliseconds("examine");
    if (baseline > 0.0 && examine > 0.0) {
        std::printf("\na %zu MB log examined in %.0f ms (%.0f MB/s)\n", kLogBytes >> 20U, examine,
                    static_cast<double>(kLogBytes >> 20U) / (examine / 1000.0));
        std::printf("  %.1fx the time of counting its line feeds\n", examine / baseline);
        std::printf(
            "  peak memory grew by %ld KB while reading it (target: flat, not the log's size)\n",
            peakGrowth);
    }
    if (const double import = reporter.Milliseconds("import_nicks"); import > 0.0) {
        std::printf("a %zu MB log of Nick lines imported in %.0f ms, NameField set %d time(s)\n",
                    kNickLogBytes >> 20U, import, nameFieldSets);
    }
    benchmark::Shutdown();
    return 0;
}
