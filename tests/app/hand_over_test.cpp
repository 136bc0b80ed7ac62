#include "app/hand_over.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HandOverRequest, ComesBackAsSentAndNothingElsePassesForOne) {
    for (const HandOverRequest& request : std::vector<HandOverRequest>{
             {0, "1a2b-3c-KDDATA.IOY", ""},
             {0xFFEEDDCCBBAA9988ULL, "path-9f", "C:\\ログ 置き場\\error.log"}}) {
        EXPECT_EQ(DecodeHandOverRequest(EncodeHandOverRequest(request)), request);
    }
    const std::string id(8, '\x01');
    for (const std::string& bytes :
         std::vector<std::string>{"", id, id + "key",                  // no NUL before the log
                                  id + std::string("\0log", 4),        // no key
                                  id + std::string("key\0lo\0g", 8)})  // a NUL inside the log
    {
        EXPECT_EQ(DecodeHandOverRequest(bytes), std::nullopt) << testing::PrintToString(bytes);
    }
}

// The last attempt may answer after the patience ran out: it counts.
TEST(NextHandOverStep, AsksAgainUntilThePatienceRunsOutUnlessAnsweredOrFreed) {
    const std::uint64_t patience = kHandOverPatienceMilliseconds;
    EXPECT_EQ(NextHandOverStep({false, false, patience - 1}), HandOverStep::AskAgain);
    EXPECT_EQ(NextHandOverStep({false, false, patience}), HandOverStep::GiveUp);
    EXPECT_EQ(NextHandOverStep({false, true, patience + 900}), HandOverStep::Done);
    EXPECT_EQ(NextHandOverStep({true, false, patience + 900}), HandOverStep::OpenOwnWindow);
}

}  // namespace
