#pragma once

#include <windows.h>

#include <optional>
#include <string>

// tallymere.exe started as a player starts it, in a working folder of the caller's choice, and
// closed as a player closes it.
struct LaunchedProgram {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;  // its main window once shown; null if none was shown in ten seconds,
                            // or the program ended without one
};

// tallymere.exe, beside the test program.
std::string ProgramPath();

// Starts the program, with `arguments` after its path on the command line, and waits for its
// main window (StartProgram does not). Null process handle when it did not start. Paths are UTF-8.
LaunchedProgram StartProgram(const std::string& path, const std::string& workingFolder,
                             const std::string& arguments = {});
LaunchedProgram LaunchProgram(const std::string& path, const std::string& workingFolder,
                              const std::string& arguments = {});

// Closes the main window and waits for the program to end: its exit code, or nothing when it
// did not end within ten seconds. Releases the process handles either way.
std::optional<DWORD> CloseProgram(LaunchedProgram& program);
