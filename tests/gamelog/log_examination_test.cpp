#include "gamelog/log_examination.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/log_chunks.h"
#include "tests/support/log_examination_of_pieces.h"

namespace {

using Names = std::vector<std::string>;

struct PieceCase {
    std::string piece;
    Names namesWritten;
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
    const LogExamination examination = ExamineLogPieces(pieces);
    EXPECT_EQ(examination.namesWritten, c.namesWritten);
    EXPECT_EQ(examination.findings.kills, c.kills);
    EXPECT_EQ(examination.findings.deaths, c.deaths);
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

TEST(ExamineLogPieces, TheLastPieceThatScansWinsAndEveryNickPieceWritesTheName) {
    const std::vector<std::string> pieces = {
        "\tNickname: X\n",  // nothing has scanned yet: NameField stays as it is
        "\tNick: First\n", "\tKill: 1\n",      "\tDeath: 9\n",
        "\tNick:\n",  // fails, and writes the name buffer again
        "\tKill: x\n",     "\tNick: Second\n", "\tDeath: 4\n", "\tDeath: many\n",
    };
    const LogExamination examination = ExamineLogPieces(pieces);
    EXPECT_EQ(examination.namesWritten, (Names{"First", "First", "Second"}));
    EXPECT_EQ(examination.findings.name, "Second");
    EXPECT_EQ(examination.findings.kills, 1);
    EXPECT_EQ(examination.findings.deaths, 4);
}

TEST(ExamineLogPieces, ANicknameIsCutToWhatTheNameBufferHolds) {
    const std::string exact(kNicknameLimit, 'n');
    const std::string longer(kNicknameLimit + 40, 'm');
    const std::vector<std::string> pieces = {"\tNick: " + exact + "\n", "\tNick: " + longer};
    EXPECT_EQ(ExamineLogPieces(pieces).namesWritten,
              (Names{exact, std::string(kNicknameLimit, 'm')}));
}

LogExamination ExamineLog(std::string_view log) {
    return ExamineLogPieces(PiecesOf(log));
}

TEST(ExamineLog, APieceThatStartsInsideALongLineIsExaminedAsALine) {
    const LogExamination examination =
        ExamineLog(std::string(255, '.') + "  Kill: 42 " + std::string(300, '.') + "\tDeath: 1");
    EXPECT_EQ(examination.findings.kills, 42);
    EXPECT_FALSE(examination.findings.deaths.has_value()) << "Death: is not at a piece's start";
}

TEST(ExamineLog, CarriageReturnsAndLineFeedsReadAlike) {
    const LogExamination withReturns =
        ExamineLog("[game]\r\n\tNick: Player01\r\n\tKill: 10\r\n\tDeath: 5\r\n");
    const LogExamination bare = ExamineLog("[game]\n\tNick: Player01\n\tKill: 10\n\tDeath: 5");
    for (const LogExamination& examination : {withReturns, bare}) {
        EXPECT_EQ(examination.namesWritten, Names{"Player01"});
        EXPECT_EQ(examination.findings.kills, 10);
        EXPECT_EQ(examination.findings.deaths, 5);
    }
}

}  // namespace
