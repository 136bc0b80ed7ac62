// The native build's stand-in for libFuzzer's driver: runs every file of the folders (or the
// files) on the command line through the fuzz target once, so that the seed corpus, and every
// input that once broke a property, stays a test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_check.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputFiles(const fs::path& argument) {
    if (!fs::is_directory(argument)) {
        return {argument};
    }
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void RunOnce(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(stream)),
                                  std::istreambuf_iterator<char>());
    Require(stream.good() || stream.eof(), "every input can be read");
    static_cast<void>(std::printf("%s\n", file.filename().c_str()));
    static_cast<void>(
        std::fflush(stdout));  // a broken property aborts: the last name printed is the culprit
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : InputFiles(argv[i])) {
            RunOnce(file);
            ++inputs;
        }
    }
    std::printf("%zu inputs, every property held\n", inputs);
    return inputs > 0 ? 0 : 1;
}
