#include "app/hand_over.h"

#include <algorithm>

namespace {

constexpr std::size_t kIdBytes = 8;

// Enough for every start a player could make while the window is busy.
constexpr std::size_t kCarriedOutRemembered = 64;

}  // namespace

std::string EncodeHandOverRequest(const HandOverRequest& request) {
    std::string bytes;
    for (std::size_t i = 0; i < kIdBytes; ++i) {
        bytes += static_cast<char>((request.id >> (8 * i)) & 0xFFU);
    }
    bytes += request.dataFileKey;
    bytes += '\0';
    bytes += request.logPath;
    return bytes;
}

std::optional<HandOverRequest> DecodeHandOverRequest(std::string_view bytes) {
    const std::size_t separator = bytes.find('\0', kIdBytes);
    if (bytes.size() <= kIdBytes || separator == std::string_view::npos || separator == kIdBytes ||
        bytes.find('\0', separator + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    HandOverRequest request;
    for (std::size_t i = 0; i < kIdBytes; ++i) {
        request.id |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    }
    request.dataFileKey = bytes.substr(kIdBytes, separator - kIdBytes);
    request.logPath = bytes.substr(separator + 1);
    return request;
}

bool FirstTimeCarriedOut(std::vector<std::uint64_t>& carriedOut, std::uint64_t id) {
    if (std::ranges::find(carriedOut, id) != carriedOut.end()) {
        return false;
    }
    if (carriedOut.size() == kCarriedOutRemembered) {
        carriedOut.erase(carriedOut.begin());
    }
    carriedOut.push_back(id);
    return true;
}

HandOverStep NextHandOverStep(const HandOverAttempt& attempt) {
    if (attempt.claimTaken) {
        return HandOverStep::OpenOwnWindow;
    }
    if (attempt.answered) {
        return HandOverStep::Done;
    }
    return attempt.waitedMilliseconds >= kHandOverPatienceMilliseconds ? HandOverStep::GiveUp
                                                                       : HandOverStep::AskAgain;
}
