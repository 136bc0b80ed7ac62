#pragma once

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
};

// The files on the fake disk, by path.
std::map<std::string, FakeFile>& FakeDisk();

// The operations that fail from now on, by name: "read" (stops halfway, also when reading a
// little at a time), "check", "create", "write" (writes half, then fails), "flush", "close",
// "move".
void FailFileOperation(std::string_view operation);

// Every operation called since the last ResetFakeDisk(), by the names above ("remove",
// "open-read" and "close-read" too).
const std::vector<std::string>& FileOperationLog();

// Files opened for reading a little at a time and not closed yet.
int OpenReadHandleCount();

// An empty disk, no faults and an empty log.
void ResetFakeDisk();
