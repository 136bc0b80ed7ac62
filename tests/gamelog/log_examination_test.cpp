#include "gamelog/log_examination.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "kd/int32_range.h"
#include "tests/support/edge_values.h"
#include "tests/support/log_chunks.h"
#include "tests/support/log_examination_of_pieces.h"

namespace {

struct ExaminedPiece {
    std::string piece;
    std::optional<std::string> name;
    std::optional<std::int32_t> kills;
    std::optional<std::int32_t> deaths;
};

void PrintTo(const ExaminedPiece& c, std::ostream* out) {
    *out << testing::PrintToString(c.piece);
}

class ExamineOnePieceTest : public testing::TestWithParam<ExaminedPiece> {};

TEST_P(ExamineOnePieceTest, YieldsWhatTheScansTake) {
    const ExaminedPiece& c = GetParam();
    const std::vector<std::string> pieces = {c.piece};
    const LogFindings findings = ExamineLogPieces(pieces);
    EXPECT_EQ(findings.name, c.name);
    EXPECT_EQ(findings.kills, c.kills);
    EXPECT_EQ(findings.deaths, c.deaths);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, ExamineOnePieceTest,
    testing::Values(
        ExaminedPiece{"\tNick: Player01\n", "Player01", {}, {}},
        ExaminedPiece{"\tKill: 152\n", {}, 152, {}}, ExaminedPiece{"\tDeath: 98\n", {}, {}, 98},
        ExaminedPiece{"  \tNick: Player01\n", "Player01", {}, {}},
        ExaminedPiece{"Kill: 7\n", {}, 7, {}}, ExaminedPiece{"    Kill:7\n", {}, 7, {}},
        ExaminedPiece{"Death:-2", {}, {}, -2}, ExaminedPiece{"\tKill: +12\n", {}, 12, {}},
        // Without a tab directly before it, Nick is not looked for.
        ExaminedPiece{"Nick: Player01\n", {}, {}, {}},
        ExaminedPiece{"\tNick: Two Words\n", "Two", {}, {}},
        // The import cuts it, in whole characters of the code page.
        ExaminedPiece{"\tNick: " + std::string(200, 'm'), std::string(200, 'm'), {}, {}},
        ExaminedPiece{"\tNick:\x82\xa0\x82\xa2\r\n", "\x82\xa0\x82\xa2", {}, {}},
        // The contained keyword passes the test, the scan from the start fails.
        ExaminedPiece{"\tNickname: X\n", {}, {}, {}}, ExaminedPiece{"\tNick: \n", {}, {}, {}},
        ExaminedPiece{"\tTotalKill: 5\n", {}, {}, {}},
        ExaminedPiece{"\tKill: 10\tDeath: 5\n", {}, 10, {}},
        ExaminedPiece{"\tkill: 3\n", {}, {}, {}}, ExaminedPiece{"\tKill: -\n", {}, {}, {}},
        ExaminedPiece{"\tKill: 99999999999\n", {}, kInt32Max, {}},
        ExaminedPiece{"\tDeath: -2147483649\n", {}, {}, kInt32Min},
        // Past a NUL byte, strstr and sscanf see nothing.
        ExaminedPiece{std::string("\tNick: A\0B\n", 11), "A", {}, {}},
        ExaminedPiece{std::string("\0\tKill: 5\n", 10), {}, {}, {}}));

TEST(ExamineLogPieces, TheLastPieceThatScansWins) {
    const std::vector<std::string> pieces = {
        "\tNickname: X\n", "\tNick: First\n",  "\tKill: 1\n",  "\tDeath: 9\n",    "\tNick:\n",
        "\tKill: x\n",     "\tNick: Second\n", "\tDeath: 4\n", "\tDeath: many\n", "\tNick:\n",
    };
    const LogFindings findings = ExamineLogPieces(pieces);
    EXPECT_EQ(findings.name, "Second");
    EXPECT_EQ(findings.kills, 1);
    EXPECT_EQ(findings.deaths, 4);
}

LogFindings ExamineLog(std::string_view log) {
    return ExamineLogPieces(PiecesOf(log));
}

TEST(ExamineLog, APieceThatStartsInsideALongLineIsExaminedAsALine) {
    const LogFindings findings =
        ExamineLog(std::string(255, '.') + "  Kill: 42 " + std::string(300, '.') + "\tDeath: 1");
    EXPECT_EQ(findings.kills, 42);
    EXPECT_FALSE(findings.deaths.has_value()) << "Death: is not at a piece's start";
}

TEST(ExamineLog, CarriageReturnsAndLineFeedsReadAlike) {
    const LogFindings withReturns =
        ExamineLog("[game]\r\n\tNick: Player01\r\n\tKill: 10\r\n\tDeath: 5\r\n");
    const LogFindings bare = ExamineLog("[game]\n\tNick: Player01\n\tKill: 10\n\tDeath: 5");
    for (const LogFindings& findings : {withReturns, bare}) {
        EXPECT_EQ(findings.name, "Player01");
        EXPECT_EQ(findings.kills, 10);
        EXPECT_EQ(findings.deaths, 5);
    }
}

}  // namespace
