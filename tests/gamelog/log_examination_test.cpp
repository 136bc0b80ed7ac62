#include "gamelog/log_examination.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/log_chunks.h"
#include "tests/support/log_examination_of_pieces.h"

namespace {

struct PieceCase {
    std::string piece;
    std::optional<std::string> name;
    std::optional<std::int32_t> kills;
    std::optional<std::int32_t> deaths;
};

void PrintTo(const PieceCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.piece);
}

class ExamineOnePieceTest : public testing::TestWithParam<PieceCase> {};

TEST_P(ExamineOnePieceTest, YieldsWhatTheScansTake) {
    const PieceCase& c = GetParam();
    const std::vector<std::string> pieces = {c.piece};
    const LogFindings findings = ExamineLogPieces(pieces);
    EXPECT_EQ(findings.name, c.name);
    EXPECT_EQ(findings.kills, c.kills);
    EXPECT_EQ(findings.deaths, c.deaths);
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Pieces, ExamineOnePieceTest,
    testing::Values(PieceCase{"\tNick: Player01\n", {"Player01"}, {}, {}},
                    PieceCase{"\tKill: 152\n", {}, 152, {}}, PieceCase{"\tDeath: 98\n", {}, {}, 98},
                    PieceCase{"  \tNick: Player01\n", {"Player01"}, {}, {}},
                    PieceCase{"Kill: 7\n", {}, 7, {}}, PieceCase{"    Kill:7\n", {}, 7, {}},
                    PieceCase{"Death:-2", {}, {}, -2}, PieceCase{"\tKill: +12\n", {}, 12, {}},
                    // Without a tab directly before it, Nick is not looked for.
                    PieceCase{"Nick: Player01\n", {}, {}, {}},
                    PieceCase{"\tNick: Two Words\n", {"Two"}, {}, {}},
                    PieceCase{"\tNick:\x82\xa0\x82\xa2\r\n", {"\x82\xa0\x82\xa2"}, {}, {}},
                    // The contained keyword passes the test, the scan from the start fails.
                    PieceCase{"\tNickname: X\n", {}, {}, {}}, PieceCase{"\tNick: \n", {}, {}, {}},
                    PieceCase{"\tTotalKill: 5\n", {}, {}, {}},
                    PieceCase{"\tKill: 10\tDeath: 5\n", {}, 10, {}},
                    PieceCase{"\tkill: 3\n", {}, {}, {}}, PieceCase{"\tKill: -\n", {}, {}, {}},
                    PieceCase{"\tKill: 99999999999\n", {}, kMax, {}},
                    PieceCase{"\tDeath: -2147483649\n", {}, {}, kMin},
                    // Past a NUL byte, strstr and sscanf see nothing.
                    PieceCase{std::string("\tNick: A\0B\n", 11), {"A"}, {}, {}},
                    PieceCase{std::string("\0\tKill: 5\n", 10), {}, {}, {}}));

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
