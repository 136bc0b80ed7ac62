// Starts the program at the given path from its own folder, as a double-click does, waits for
// its window and closes it. Exits with 0 when the program showed its window and ended with 0.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/window/program_launch.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        (void)std::fputs("usage: start_program PATH\\tallymere.exe\n", stderr);
        return 2;
    }
    const std::string path = argv[1];
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    LaunchedProgram program = LaunchProgram(path, folder);
    if (program.process.hProcess == nullptr) {
        (void)std::fprintf(stderr, "%s did not start (error %lu)\n", path.c_str(), GetLastError());
        return 1;
    }
    const bool shown = program.window != nullptr;
    const std::optional<DWORD> exitCode = CloseProgram(program);
    if (!shown || exitCode != 0U) {
        (void)std::fprintf(stderr, "%s: window %s, exit code %ld\n", path.c_str(),
                           shown ? "shown" : "not shown",
                           exitCode ? static_cast<long>(*exitCode) : -1L);
        return 1;
    }
    (void)std::printf("%s started from its folder, showed its window and ended with 0\n",
                      path.c_str());
    return 0;
}
