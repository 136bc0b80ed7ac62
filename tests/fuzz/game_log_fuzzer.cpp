// A game log of any bytes. However the bytes arrive, the pieces are those that text-mode fgets
// with a 256-byte buffer returns; each piece yields what strstr, sscanf and strtol take from it;
// and the import puts exactly those findings into the form and closes the log again.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "commands/game_log_import.h"
#include "gamelog/log_pieces.h"
#include "kd/number_format.h"
#include "platform/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"
#include "tests/support/log_chunks.h"
#include "tests/support/log_examination_of_pieces.h"

namespace {

constexpr const char* kLogPath = R"(C:\Nexon\SuddenAttack\error.log)";
constexpr std::size_t kLargestChunk = 300;

// The oracle's pieces: every CR LF made LF first, then a cut after each LF and at 255 bytes.
std::vector<std::string> ReferencePieces(std::string_view log) {
    std::string text;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (!(log[i] == '\r' && i + 1 < log.size() && log[i + 1] == '\n')) {
            text += log[i];
        }
    }
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        pieces.back() += c;
        if (c == '\n' || pieces.back().size() == LogPieceSplitter::kPieceLimit) {
            pieces.emplace_back();
        }
    }
    if (pieces.back().empty()) {
        pieces.pop_back();
    }
    return pieces;
}

// "\tKill: %d" as glibc reads it: sscanf matches the keyword, and strtol, which holds a number
// beyond its range to the range's end, takes the number; held to 32 bits as the program does.
std::optional<std::int32_t> CountAfter(const char* text, const char* keywordFormat) {
    int consumed = -1;
    static_cast<void>(std::sscanf(text, keywordFormat, &consumed));
    if (consumed < 0) {
        return std::nullopt;
    }
    const char* number = text + consumed;
    char* end = nullptr;
    const long value = std::strtol(number, &end, 10);
    if (end == number) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(std::clamp<long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The oracle's examination: strstr and glibc's sscanf on the piece as a C string.
void ExamineWithLibc(const std::string& piece, LogFindings& findings) {
    const char* text = piece.c_str();
    if (std::strstr(text, "\tNick") != nullptr) {
        std::vector<char> name(piece.size() + 1);
        if (std::sscanf(text, "\tNick: %s", name.data()) == 1) {
            findings.name = name.data();
        }
    }
    if (std::strstr(text, "Kill:") != nullptr) {
        if (const std::optional<std::int32_t> kills = CountAfter(text, "\tKill:%n")) {
            findings.kills = kills;
        }
    }
    if (std::strstr(text, "Death:") != nullptr) {
        if (const std::optional<std::int32_t> deaths = CountAfter(text, "\tDeath:%n")) {
            findings.deaths = deaths;
        }
    }
}

bool IsNickname(const std::optional<std::string>& name) {
    return !name || (!name->empty() && std::ranges::none_of(*name, [](char c) {
        return c == '\0' || std::isspace(static_cast<unsigned char>(c)) != 0;
    }));
}

void RequireExaminedAsLibcDoes(const std::vector<std::string>& pieces) {
    const LogFindings findings = ExamineLogPieces(pieces);
    LogFindings expected;
    for (const std::string& piece : pieces) {
        ExamineWithLibc(piece, expected);
    }
    Require(findings.name == expected.name, "the nickname is the last one sscanf takes");
    Require(findings.kills == expected.kills && findings.deaths == expected.deaths,
            "the counts are those sscanf takes, clamped");
    Require(IsNickname(findings.name), "a nickname is a word without white space");
}

std::string TextAfterImport(std::optional<std::int32_t> found, const char* before) {
    return found ? FormatInteger(*found) : before;
}

void RequireImportFillsTheForm(std::string_view log, const std::vector<std::string>& pieces) {
    ResetFakeDisk();
    ResetRecording();
    FakeDisk()[kLogPath].bytes = log;
    FakeForm form;
    form.kill.text = "1";
    form.death.text = "2";
    std::vector<std::string> namesSet;
    form.name.onTextSet = [&] { namesSet.push_back(form.name.text); };
    ImportGameLog(form.state);

    const LogFindings expected = ExamineLogPieces(pieces);
    std::vector<std::string> namesShown;
    if (expected.name) {
        // The game writes the system's code page; the name buffer holds 63 bytes.
        namesShown.push_back(DecodeAnsi(expected.name->substr(0, kNicknameLimit)));
    }
    Require(namesSet == namesShown, "NameField is set once, to the last nickname");
    Require(form.kill.text == TextAfterImport(expected.kills, "1") &&
                form.death.text == TextAfterImport(expected.deaths, "2"),
            "the count fields hold the counts found, or what they held");
    Require(form.history.Count() == 0, "the provisional point is taken back");
    Require(RecordedMessageBoxes().empty() && OpenReadHandleCount() == 0,
            "a readable log is imported silently and closed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes bytes(data, size);
    const std::size_t chunkSize = 1 + bytes.Take<std::uint16_t>() % kLargestChunk;
    const std::string_view log = bytes.Rest();

    const std::vector<std::string> pieces = PiecesOf(log);
    Require(PiecesFedInChunks(log, chunkSize) == pieces, "chunks of any size cut alike");
    Require(pieces == ReferencePieces(log), "the pieces are those text-mode fgets returns");
    RequireExaminedAsLibcDoes(pieces);
    RequireImportFillsTheForm(log, pieces);
    return 0;
}
