#include "gamelog/log_pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/log_chunks.h"

namespace {

struct SplitCase {
    std::string log;
    std::vector<std::string> pieces;
};

const std::string k254(254, 'x');
const std::string k255(255, 'x');

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.log);
}

class LogPieceSplitterTest : public testing::TestWithParam<SplitCase> {};

TEST_P(LogPieceSplitterTest, CutsAsTextModeFgetsWithA256ByteBuffer) {
    const SplitCase& c = GetParam();
    // However the bytes arrive, a carriage return at the end of a chunk included.
    for (const std::size_t chunkSize : {c.log.size() + 1, std::size_t{1}, std::size_t{2},
                                        std::size_t{3}, std::size_t{7}, std::size_t{256}}) {
        EXPECT_EQ(PiecesFedInChunks(c.log, chunkSize), c.pieces) << "chunks of " << chunkSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Logs, LogPieceSplitterTest,
    testing::Values(SplitCase{"", {}}, SplitCase{"a\r\nb\r\n", {"a\n", "b\n"}},
                    SplitCase{"a\nb", {"a\n", "b"}},
                    // A return not followed by a line feed is an ordinary character.
                    SplitCase{"a\rb\r", {"a\rb\r"}}, SplitCase{"\r\r\n\n", {"\r\n", "\n"}},
                    SplitCase{std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
                    // 254 characters and the line feed fill one piece; 255 leave the line
                    // feed a piece of its own. The dropped return takes no room.
                    SplitCase{k254 + "\n", {k254 + "\n"}}, SplitCase{k254 + "\r\n", {k254 + "\n"}},
                    SplitCase{k255 + "\r\nb", {k255, "\n", "b"}},
                    SplitCase{k255 + k255 + "yz", {k255, k255, "yz"}}));

}  // namespace
