#include "tests/support/fake_files.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>

#include "platform/files.h"

namespace {

struct FakeDiskState {
    std::map<std::string, FakeFile> files;
    std::set<std::string, std::less<>> failing;
    static constexpr std::size_t kNowhere = std::numeric_limits<std::size_t>::max();
    std::size_t failAt = kNowhere;
    std::size_t crashAt = kNowhere;
    std::vector<std::string> log;
    std::map<std::intptr_t, std::string> openFiles;  // handle -> path
    struct Reading {
        std::string bytes;  // as far as the file can be read
        std::size_t position = 0;
        FileStamp stamp;
    };
    std::map<std::intptr_t, Reading> readings;
    std::intptr_t nextHandle = 1;
};

FakeDiskState& State() {
    static FakeDiskState state;
    return state;
}

enum class Fault { None, Failure, Crash };

// Logs the operation and tells what is to become of it.
Fault FaultOf(std::string_view operation) {
    const std::size_t position = State().log.size();
    State().log.emplace_back(operation);
    if (position == State().crashAt) {
        return Fault::Crash;
    }
    const bool fails = position == State().failAt || State().failing.contains(operation);
    return fails ? Fault::Failure : Fault::None;
}

// Logs the operation; true when it is to fail. A crash ordered here ends the program at once.
bool Fails(std::string_view operation) {
    const Fault fault = FaultOf(operation);
    if (fault == Fault::Crash) {
        throw SimulatedCrash{};
    }
    return fault == Fault::Failure;
}

std::string& OpenFileBytes(WriteHandle file) {
    const std::string& path = State().openFiles.at(reinterpret_cast<std::intptr_t>(file));
    return State().files[path].bytes;
}

}  // namespace

std::map<std::string, FakeFile>& FakeDisk() {
    return State().files;
}

void FailFileOperation(std::string_view operation) {
    State().failing.emplace(operation);
}

void FailFileOperationAt(std::size_t position) {
    State().failAt = position;
}

void CrashAtFileOperation(std::size_t position) {
    State().crashAt = position;
}

void ClearFileFaults() {
    State().failing.clear();
    State().failAt = FakeDiskState::kNowhere;
    State().crashAt = FakeDiskState::kNowhere;
}

const std::vector<std::string>& FileOperationLog() {
    return State().log;
}

int OpenReadHandleCount() {
    return static_cast<int>(State().readings.size());
}

void ResetFakeDisk() {
    State() = FakeDiskState{};
}

FileRead ReadWholeFile(const std::string& path) {
    const bool fails = Fails("read");
    const auto found = State().files.find(path);
    if (found == State().files.end()) {
        return {ReadOutcome::Missing, {}};
    }
    if (found->second.locked) {
        return {ReadOutcome::Unreadable, {}};
    }
    if (fails) {
        const std::string& bytes = found->second.bytes;
        return {ReadOutcome::Unreadable, bytes.substr(0, bytes.size() / 2)};
    }
    return {ReadOutcome::Read, found->second.bytes};
}

ReadHandle OpenSharedForReading(const std::string& path) {
    State().log.emplace_back("open-read");
    const auto found = State().files.find(path);
    if (found == State().files.end() || found->second.locked) {
        return nullptr;
    }
    const std::string& bytes = found->second.bytes;
    const bool fails = State().failing.contains("read");
    const std::intptr_t handle = State().nextHandle++;
    // The bytes stand for the time of the last write: any write changes the stamp.
    const FileStamp stamp{static_cast<std::uint64_t>(found->second.identity), bytes.size(),
                          std::hash<std::string>{}(bytes)};
    State().readings[handle] = {fails ? bytes.substr(0, bytes.size() / 2) : bytes, 0, stamp};
    return reinterpret_cast<ReadHandle>(handle);  // NOLINT(performance-no-int-to-ptr)
}

std::size_t ReadSomeBytes(ReadHandle file, std::span<char> buffer) {
    auto& reading = State().readings.at(reinterpret_cast<std::intptr_t>(file));
    const std::size_t count = std::min(buffer.size(), reading.bytes.size() - reading.position);
    std::copy_n(reading.bytes.data() + reading.position, count, buffer.data());
    reading.position += count;
    return count;
}

FileStamp StampOf(ReadHandle file) {
    return State().readings.at(reinterpret_cast<std::intptr_t>(file)).stamp;
}

void CloseReadFile(ReadHandle file) {
    State().log.emplace_back("close-read");
    State().readings.erase(reinterpret_cast<std::intptr_t>(file));
}

bool CanReplaceFile(const std::string& path) {
    if (Fails("check")) {
        return false;
    }
    const auto found = State().files.find(path);
    return found == State().files.end() || (!found->second.readOnly && !found->second.locked);
}

WriteHandle CreateFileBeside(const std::string& path, std::string& createdPath) {
    if (Fails("create")) {
        return nullptr;
    }
    // As on Windows: a name no file has yet, stepping past the ones that are taken.
    for (int attempt = 1;; ++attempt) {
        createdPath = path + ".fake." + std::to_string(attempt) + ".saving";
        if (!State().files.contains(createdPath)) {
            break;
        }
    }
    State().files[createdPath] = FakeFile{};
    const std::intptr_t handle = State().nextHandle++;
    State().openFiles[handle] = createdPath;
    return reinterpret_cast<WriteHandle>(handle);
}

bool WriteAllBytes(WriteHandle file, std::string_view bytes) {
    const Fault fault = FaultOf("write");
    if (fault == Fault::None) {
        OpenFileBytes(file) += bytes;
        return true;
    }
    OpenFileBytes(file) += bytes.substr(0, bytes.size() / 2);
    if (fault == Fault::Crash) {
        throw SimulatedCrash{};
    }
    return false;
}

bool FlushToDisk(WriteHandle /*file*/) {
    return !Fails("flush");
}

bool CloseWrittenFile(WriteHandle file) {
    State().openFiles.erase(reinterpret_cast<std::intptr_t>(file));
    return !Fails("close");
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    if (Fails("move")) {
        return false;
    }
    auto& files = State().files;
    files[to] = files.at(from);
    files.erase(from);
    return true;
}

void RemoveFileQuietly(const std::string& path) {
    if (!Fails("remove")) {
        State().files.erase(path);
    }
}
