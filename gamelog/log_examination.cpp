#include "gamelog/log_examination.h"

#include <utility>

#include "kd/number_scan.h"

namespace {

// A piece is a C string to strstr and sscanf: it ends at its first NUL byte.
std::string_view AsCString(std::string_view piece) {
    return piece.substr(0, piece.find('\0'));
}

bool Contains(std::string_view piece, std::string_view keyword) {
    return piece.find(keyword) != std::string_view::npos;
}

// "\tNick: %s".
std::optional<std::string> ScanNickname(std::string_view piece) {
    std::size_t position = 0;
    if (!ScanLiteral(piece, position, "Nick:")) {
        return std::nullopt;
    }
    const std::optional<std::string_view> token = ScanToken(piece, position);
    if (!token) {
        return std::nullopt;
    }
    return std::string(*token);
}

// "\tKill: %d" and "\tDeath: %d".
std::optional<std::int32_t> ScanKeywordCount(std::string_view piece, std::string_view keyword) {
    std::size_t position = 0;
    if (!ScanLiteral(piece, position, keyword)) {
        return std::nullopt;
    }
    return ScanCount(piece, position);
}

// A scan that fails leaves the target as it was.
template <typename T>
void KeepIfScanned(std::optional<T> scanned, std::optional<T>& target) {
    if (scanned) {
        target = std::move(scanned);
    }
}

}  // namespace

void ExamineLogPiece(std::string_view piece, LogFindings& findings) {
    piece = AsCString(piece);
    if (Contains(piece, "\tNick")) {
        KeepIfScanned(ScanNickname(piece), findings.name);
    }
    if (Contains(piece, "Kill:")) {
        KeepIfScanned(ScanKeywordCount(piece, "Kill:"), findings.kills);
    }
    if (Contains(piece, "Death:")) {
        KeepIfScanned(ScanKeywordCount(piece, "Death:"), findings.deaths);
    }
}

namespace {

template <class Finding>
std::optional<Finding> IfChanged(const std::optional<Finding>& before,
                                 const std::optional<Finding>& now) {
    return now != before ? now : std::nullopt;
}

}  // namespace

LogFindings ChangedFindings(const LogFindings& before, const LogFindings& now) {
    return {IfChanged(before.name, now.name), IfChanged(before.kills, now.kills),
            IfChanged(before.deaths, now.deaths)};
}
