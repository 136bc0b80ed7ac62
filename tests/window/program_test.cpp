// tallymere.exe itself, started as a player starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/window/program_launch.h"
#include "tests/window/window_test_support.h"

namespace {

TEST(Program, StartsShowsItsWindowAndEndsWithZeroWhenClosed) {
    const std::string folder = EnterFreshWorkingFolder();
    LaunchedProgram program = LaunchProgram(ProgramPath(), folder);
    ASSERT_NE(program.process.hProcess, nullptr) << ProgramPath();
    EXPECT_NE(program.window, nullptr) << "no window shown within ten seconds";
    if (program.window != nullptr) {
        EXPECT_EQ(WindowText(program.window), "Tallymere");
        RECT outer{};
        GetWindowRect(program.window, &outer);
        EXPECT_EQ(outer.right - outer.left, 505);
        EXPECT_EQ(outer.bottom - outer.top, 332);
    }
    EXPECT_EQ(CloseProgram(program), 0U);

    // Closing without Save writes nothing.
    EXPECT_EQ(GetFileAttributesA((folder + "\\kddata.ioy").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
