#pragma once

#include <string>

// What a start of the program is asked to do: the log to import, if its command line names one
// (a file dropped onto the program's icon), and the data file it works on, each by its full path.
struct StartRequest {
    std::wstring logPath;  // empty: none
    std::wstring dataFilePath;
};

// kddata.ioy in the working folder, as always; but when the start names a file and the working
// folder is that file's own, which is how Windows starts a program that a file was dropped onto,
// and holds no kddata.ioy, the kddata.ioy beside the program, where the player keeps it. A
// player who keeps kddata.ioy in the game's folder, or starts the program from a shortcut that
// starts in it, keeps that one.
StartRequest ReadStartRequest();

// The same file or folder: by its identity when both exist, else as Windows compares paths, in
// full and without regard to case.
bool IsSameFile(const std::wstring& one, const std::wstring& other);
