// Game logs of any size and content, imported as command 1009 imports the game's log: what the
// form then shows. Each import ends silently, closes the log and keeps the history as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "commands/game_log_import.h"
#include "gamelog/log_pieces.h"
#include "tests/support/example_files.h"
#include "tests/support/fake_files.h"
#include "tests/support/fake_form.h"

namespace {

using namespace std::string_literals;

constexpr std::size_t kTenMegabytes = std::size_t{10} << 20U;

struct ShownAfterImport {
    std::string name;
    std::string kills;
    std::string deaths;
};

struct BadLogCase {
    const char* description;
    std::function<std::string()> log;
    ShownAfterImport shown;
};

void PrintTo(const BadLogCase& c, std::ostream* out) {
    *out << c.description;
}

// The form before each import.
const ShownAfterImport kBefore{"Before", "3", "4"};

// A keyword yields only at the start of a piece, and a long line's pieces start every 255 bytes.
std::string TenMegabyteLine() {
    const std::size_t piecesBefore = kTenMegabytes / LogPieceSplitter::kPieceLimit;
    return std::string(piecesBefore * LogPieceSplitter::kPieceLimit, 'x') + "\tKill: 77" +
           std::string(1000, 'y') + "\r\n\tDeath: 5\r\n";
}

std::string MillionLines() {
    std::string log;
    for (int i = 0; i < 1'000'000; ++i) {
        log += "\tKill: " + std::to_string(i) + "\r\n";
    }
    return log;
}

class BadGameLogTest : public testing::TestWithParam<BadLogCase> {
protected:
    void SetUp() override {
        ResetFakeDisk();
        ResetRecording();
        form_.name.text = kBefore.name;
        form_.kill.text = kBefore.kills;
        form_.death.text = kBefore.deaths;
        form_.history.Append(40.0);
    }

    FakeForm form_;
};

TEST_P(BadGameLogTest, ShowsWhatTheLogYieldsAndNothingElse) {
    const BadLogCase& c = GetParam();
    FakeDisk()[kGameLogPath].bytes = c.log();
    ImportGameLog(form_.state);
    EXPECT_EQ(form_.name.text, c.shown.name);
    EXPECT_EQ(form_.kill.text, c.shown.kills);
    EXPECT_EQ(form_.death.text, c.shown.deaths);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    EXPECT_EQ(form_.history.Count(), 1U);
    EXPECT_EQ(OpenReadHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, BadGameLogTest,
    testing::Values(
        BadLogCase{"an empty log", [] { return std::string(); }, kBefore},
        BadLogCase{"binary: every byte value once", EveryByteValueOnce, kBefore},
        BadLogCase{"NUL bytes inside lines: each piece ends at its first",
                   [] { return "\tNick: A\0B\n\tKi\0ll: 4\n\0\tDeath: 5\n\tDeath: 6\0 7\n"s; },
                   {"A", "3", "6"}},
        BadLogCase{"a UTF-8 byte-order mark hides the first line's keyword",
                   [] {
                       return std::string(
                           "\xef\xbb\xbf\tNick: Player01\r\n\tKill: 10\r\n"
                           "\tDeath: 5\r\n");
                   },
                   {"Before", "10", "5"}},
        BadLogCase{"carriage returns alone: one line, one piece, its first keyword only",
                   [] { return std::string("\tNick: A\r\tKill: 10\r\tDeath: 5\r"); },
                   {"A", "3", "4"}},
        BadLogCase{"a line of 10 MB", TenMegabyteLine, {"Before", "77", "5"}},
        BadLogCase{"a million lines", MillionLines, {"Before", "999999", "4"}},
        BadLogCase{"counts beyond 32 bits, held to them",
                   [] { return std::string("\tKill: 99999999999\n\tDeath: -2147483649\n"); },
                   {"Before", "2147483647", "-2147483648"}},
        BadLogCase{
            "counts that are no integers, or negative",
            [] { return std::string("\tKill: nan\n\tDeath: inf\n\tKill: 1e308\n\tDeath: -5\n"); },
            {"Before", "1", "-5"}},
        BadLogCase{"a nickname of 300 bytes, cut to the 63 the name buffer holds",
                   [] { return "\tNick: " + std::string(300, 'N') + "\n"; },
                   {std::string(63, 'N'), "3", "4"}}));

}  // namespace
