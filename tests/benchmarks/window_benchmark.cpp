// tallymere.exe timed from outside, as a player meets it: the start with a data file of 100,
// 100,000 and 1,000,000 history lines (from CreateProcess until the window waits for input), and
// a keystroke with each history (WM_SETTEXT on the kill field, which runs the recalculation,
// then UpdateWindow, which paints the chart before it returns). Prints each figure beside the
// 100-line one.
// Usage: window_benchmark [PATH\tallymere.exe]      the program beside it by default
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/window/program_launch.h"

namespace {

constexpr int kKeystrokes = 15;
constexpr int kRounds = 7;
// Wine is still tearing the previous program down for a while after it ended.
constexpr DWORD kSettleMilliseconds = 500;
constexpr std::array<int, 3> kLineCounts{100, 100'000, 1'000'000};

double Seconds() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Values between 40 and 70, so that every keystroke below stays on the same scale.
std::string DataFileOf(int lines) {
    std::string bytes = "[Info Of You]\r\nNAME = Taro\r\nCLAN = Alpha\r\n";
    for (int i = 1; i < lines; ++i) {
        bytes += "K = 0 D = 0 K/D = " + std::to_string(40 + (i * 7919LL) % 30) + ".125\r\n";
    }
    bytes += "K = 12 D = 8 K/D = 60.000\r\n";
    return bytes;
}

std::string FolderWithDataFile(int lines) {
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    std::string folder = std::string(temporary) + "tallymere-benchmark-" +
                         std::to_string(GetCurrentProcessId()) + "-" + std::to_string(lines);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string bytes = DataFileOf(lines);
    HANDLE file = CreateFileA((folder + "\\kddata.ioy").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return folder;
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

struct Timing {
    double startSeconds = 0.0;
    double keystrokeSeconds = 0.0;
};

// The median of keystrokes that alternate between two kill counts.
double KeystrokeSeconds(HWND window, HWND killField) {
    std::vector<double> samples;
    for (int i = 0; i < kKeystrokes; ++i) {
        const char* text = i % 2 == 0 ? "13" : "12";
        const double before = Seconds();
        SendMessageA(killField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        UpdateWindow(window);
        samples.push_back(Seconds() - before);
    }
    return Median(samples);
}

std::optional<Timing> TimeOneStart(const std::string& path, const std::string& folder) {
    Sleep(kSettleMilliseconds);
    const double before = Seconds();
    LaunchedProgram program = LaunchProgram(path, folder);
    Timing timing{.startSeconds = Seconds() - before};
    if (program.process.hProcess == nullptr || program.window == nullptr) {
        CloseProgram(program);
        return std::nullopt;
    }
    timing.keystrokeSeconds =
        KeystrokeSeconds(program.window, GetDlgItem(program.window, IDC_KILL));
    CloseProgram(program);
    return timing;
}

// The medians of a few starts with each data file, each start with its keystrokes. The files
// take turns, so that whatever else the machine does falls on all of them alike.
std::optional<std::vector<Timing>> TimeProgram(const std::string& path) {
    std::vector<std::string> folders;
    folders.reserve(kLineCounts.size());
    for (const int lines : kLineCounts) {
        folders.push_back(FolderWithDataFile(lines));
    }
    std::vector<std::vector<double>> starts(folders.size());
    std::vector<std::vector<double>> keystrokes(folders.size());
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < folders.size(); ++i) {
            const std::optional<Timing> timing = TimeOneStart(path, folders[i]);
            if (!timing) {
                return std::nullopt;
            }
            starts[i].push_back(timing->startSeconds);
            keystrokes[i].push_back(timing->keystrokeSeconds);
        }
    }
    std::vector<Timing> timings;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        DeleteFileA((folders[i] + "\\kddata.ioy").c_str());
        RemoveDirectoryA(folders[i].c_str());
        timings.push_back(
            {.startSeconds = Median(starts[i]), .keystrokeSeconds = Median(keystrokes[i])});
    }
    return timings;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        (void)std::fputs("usage: window_benchmark [PATH\\tallymere.exe]\n", stderr);
        return 2;
    }
    const std::string path = argc == 2 ? argv[1] : ProgramPath();
    const std::optional<std::vector<Timing>> timings = TimeProgram(path);
    if (!timings) {
        (void)std::fprintf(stderr, "%s did not start\n", path.c_str());
        return 1;
    }
    const Timing& baseline = timings->front();
    std::printf("%10s %12s %8s %14s %8s\n", "lines", "start (ms)", "ratio", "keystroke (ms)",
                "ratio");
    for (std::size_t i = 0; i < timings->size(); ++i) {
        const Timing& timing = (*timings)[i];
        std::printf("%10d %12.1f %7.2fx %14.2f %7.2fx\n", kLineCounts[i], timing.startSeconds * 1e3,
                    timing.startSeconds / baseline.startSeconds, timing.keystrokeSeconds * 1e3,
                    timing.keystrokeSeconds / baseline.keystrokeSeconds);
    }
    return 0;
}
