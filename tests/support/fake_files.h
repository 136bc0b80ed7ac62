#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// An in-memory stand-in for the file operations of platform/files.h, linked into the native
// tests, with faults to order.
struct FakeFile {
    std::string bytes;
    bool readOnly = false;
    bool locked = false;  // held open by another program that denies reading and writing
    int identity = 0;     // another number: another file put in its place
};

// The files on the fake disk, by path.
std::map<std::string, FakeFile>& FakeDisk();

// The operations that fail from now on, by name: "read" (stops halfway, also when reading a
// little at a time), "check", "create", "write" (writes half, then fails), "flush", "close",
// "move", "remove" (the file stays).
void FailFileOperation(std::string_view operation);

// Thrown by the file operation at which a crash was ordered: the program ends there, and the
// disk keeps what had reached it.
struct SimulatedCrash {};

// Faults by an operation's position in FileOperationLog(), 0 being the first since the last
// ResetFakeDisk(): that operation fails as above, or the program crashes before it takes
// effect (a write halfway through its bytes).
void FailFileOperationAt(std::size_t position);
void CrashAtFileOperation(std::size_t position);

// No faults from now on; the files and the log stay as they are.
void ClearFileFaults();

// Every operation called since the last ResetFakeDisk(), by the names above ("remove",
// "open-read" and "close-read" too).
const std::vector<std::string>& FileOperationLog();

// Files opened for reading a little at a time and not closed yet.
int OpenReadHandleCount();

// An empty disk, no faults and an empty log.
void ResetFakeDisk();
