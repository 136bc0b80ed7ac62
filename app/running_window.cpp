#include "app/running_window.h"

#include <array>
#include <atomic>
#include <charconv>
#include <cstdint>

#include "platform/win32_paths.h"
#include "platform/win32_wide_text.h"

namespace {

constexpr UINT kAnswerMilliseconds = 1000;
constexpr DWORD kAttemptPause = 200;

std::wstring Hexadecimal(std::uint64_t value) {
    std::array<char, 16> digits{};
    const std::to_chars_result written =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return {digits.data(), written.ptr};
}

std::wstring Upper(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring ClaimName(const std::wstring& key) {
    return L"Local\\Tallymere-" + key;
}

std::wstring PublicationName(const std::wstring& key) {
    return ClaimName(key) + L"-window";
}

// The published window and its process, in one value that is written and read whole: a
// window handle's value fits 32 bits (32- and 64-bit programs share them).
std::uint64_t Published(HWND window) {
    return (std::uint64_t{GetCurrentProcessId()} << 32U) | HandleToULong(window);
}

// The window published under the claim, while it still is that process's window; null when
// none is published (yet).
HWND PublishedWindow(const std::wstring& key) {
    HANDLE publication = OpenFileMappingW(FILE_MAP_READ, FALSE, PublicationName(key).c_str());
    if (publication == nullptr) {
        return nullptr;
    }
    std::uint64_t published = 0;
    if (auto* view = static_cast<std::uint64_t*>(
            MapViewOfFile(publication, FILE_MAP_READ, 0, 0, sizeof published))) {
        published = std::atomic_ref<std::uint64_t>(*view).load();
        UnmapViewOfFile(view);
    }
    CloseHandle(publication);
    HWND window = static_cast<HWND>(LongToHandle(static_cast<LONG>(published & 0xFFFFFFFFU)));
    DWORD process = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &process) == 0 ||
        process != published >> 32U) {
        return nullptr;
    }
    return window;
}

// One start's id: its process and the moment it asks.
std::uint64_t NewRequestId() {
    return (std::uint64_t{GetCurrentProcessId()} << 32U) | GetTickCount();
}

bool AnswersYes(HWND window, std::string& request) {
    COPYDATASTRUCT message{kHandOverRequest, static_cast<DWORD>(request.size()), request.data()};
    DWORD_PTR answer = FALSE;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message),
                               SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMilliseconds, &answer) != 0 &&
           answer == TRUE;
}

// The program that held the claim has ended, and this one takes it.
bool TakeClaim(DataFileClaim& claim) {
    if (claim.mutex == nullptr) {
        return false;
    }
    const DWORD waited = WaitForSingleObject(claim.mutex, 0);
    claim.held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return claim.held;
}

void BringToFront(HWND window) {
    if (IsIconic(window) != FALSE) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
}

}  // namespace

std::wstring ClaimKey(const std::wstring& dataFilePath) {
    const std::wstring full = FullPath(dataFilePath);
    const std::wstring folder = FolderOf(full);
    if (const std::optional<FileIdentity> identity = IdentityOf(folder)) {
        return Hexadecimal(identity->volume) + L"-" + Hexadecimal(identity->index) + L"-" +
               Upper(full.substr(folder.size()));
    }
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (const wchar_t unit : Upper(full)) {
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ULL;
    }
    return L"path-" + Hexadecimal(hash);
}

DataFileClaim ClaimDataFile(const std::wstring& dataFilePath) {
    DataFileClaim claim;
    claim.key = ClaimKey(dataFilePath);
    // Kept open, and owned, until the process ends.
    claim.mutex = CreateMutexW(nullptr, FALSE, ClaimName(claim.key).c_str());
    TakeClaim(claim);
    return claim;
}

void PublishWindow(DataFileClaim& claim, HWND window) {
    if (!claim.held) {
        return;
    }
    // Kept open until the process ends: the publication lives as long as someone holds it.
    if (claim.publication == nullptr) {
        claim.publication =
            CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                               sizeof(std::uint64_t), PublicationName(claim.key).c_str());
    }
    if (claim.publication == nullptr) {
        return;
    }
    if (auto* view = static_cast<std::uint64_t*>(
            MapViewOfFile(claim.publication, FILE_MAP_WRITE, 0, 0, sizeof(std::uint64_t)))) {
        std::atomic_ref<std::uint64_t>(*view).store(Published(window));
        UnmapViewOfFile(view);
    }
}

HandOverOutcome HandOverToRunningWindow(DataFileClaim& claim, const StartRequest& start) {
    std::string request = EncodeHandOverRequest(
        {NewRequestId(), Utf8FromWide(claim.key), Utf8FromWide(start.logPath)});
    const ULONGLONG begin = GetTickCount64();
    for (;;) {
        HandOverAttempt attempt;
        attempt.claimTaken = TakeClaim(claim);
        HWND window = attempt.claimTaken ? nullptr : PublishedWindow(claim.key);
        attempt.answered = window != nullptr && AnswersYes(window, request);
        attempt.waitedMilliseconds = GetTickCount64() - begin;
        switch (NextHandOverStep(attempt)) {
            case HandOverStep::OpenOwnWindow:
                return HandOverOutcome::ClaimTaken;
            case HandOverStep::Done:
                BringToFront(window);
                return HandOverOutcome::HandedOver;
            case HandOverStep::GiveUp:
                return HandOverOutcome::NoAnswer;
            case HandOverStep::AskAgain:
                Sleep(kAttemptPause);
                break;
        }
    }
}

std::optional<HandOverRequest> HandOverFor(const COPYDATASTRUCT& message,
                                           const std::wstring& ownDataFile) {
    if (message.dwData != kHandOverRequest || message.lpData == nullptr) {
        return std::nullopt;
    }
    std::optional<HandOverRequest> request = DecodeHandOverRequest(
        std::string_view(static_cast<const char*>(message.lpData), message.cbData));
    if (!request || request->dataFileKey != Utf8FromWide(ClaimKey(ownDataFile))) {
        return std::nullopt;
    }
    return request;
}
