#include "app/running_window.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "app/main_window.h"

namespace {

// Marks a request as this program's: any program may send WM_COPYDATA.
constexpr ULONG_PTR kHandOverRequest = 0x544C594D;  // "TLYM"
constexpr UINT kAnswerMilliseconds = 2000;
constexpr ULONGLONG kPatienceMilliseconds = 5000;
constexpr DWORD kAttemptPause = 200;

// The mutex's name: the data file's path, upper case, hashed (a name may not hold a backslash).
std::wstring ClaimName(const std::wstring& dataFilePath) {
    std::wstring upper = dataFilePath;
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (const wchar_t unit : upper) {
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ULL;
    }
    std::array<char, 16> digits{};
    const std::to_chars_result written =
        std::to_chars(digits.data(), digits.data() + digits.size(), hash, 16);
    return L"Local\\Tallymere-" + std::wstring(digits.data(), written.ptr);
}

// The data file's path, a NUL, then the log's path (empty for none).
std::wstring RequestText(const StartRequest& start) {
    return start.dataFilePath + L'\0' + start.logPath;
}

bool AnswersYes(HWND window, const std::wstring& text) {
    COPYDATASTRUCT request{kHandOverRequest, static_cast<DWORD>(text.size() * sizeof(wchar_t)),
                           const_cast<wchar_t*>(text.data())};
    DWORD_PTR answer = FALSE;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                               SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMilliseconds, &answer) != 0 &&
           answer == TRUE;
}

HWND WindowWithDataFile(const std::wstring& text) {
    for (HWND window = FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr);
         window != nullptr; window = FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) {
        if (AnswersYes(window, text)) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

bool ClaimDataFile(const std::wstring& dataFilePath) {
    // Kept open until the process ends.
    HANDLE claim = CreateMutexW(nullptr, FALSE, ClaimName(dataFilePath).c_str());
    return claim == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool HandOverToRunningWindow(const StartRequest& start) {
    const std::wstring text = RequestText(start);
    const ULONGLONG deadline = GetTickCount64() + kPatienceMilliseconds;
    while (GetTickCount64() < deadline) {
        if (HWND window = WindowWithDataFile(text)) {
            if (IsIconic(window) != FALSE) {
                ShowWindow(window, SW_RESTORE);
            }
            SetForegroundWindow(window);
            return true;
        }
        Sleep(kAttemptPause);
    }
    return false;
}

std::optional<std::wstring> LogHandedOver(const COPYDATASTRUCT& request,
                                          const std::wstring& ownDataFile) {
    if (request.dwData != kHandOverRequest || request.lpData == nullptr ||
        request.cbData % sizeof(wchar_t) != 0) {
        return std::nullopt;
    }
    const std::wstring text(static_cast<const wchar_t*>(request.lpData),
                            request.cbData / sizeof(wchar_t));
    const std::size_t separator = text.find(L'\0');
    if (separator == std::wstring::npos || !IsSameFile(text.substr(0, separator), ownDataFile)) {
        return std::nullopt;
    }
    return text.substr(separator + 1);
}
