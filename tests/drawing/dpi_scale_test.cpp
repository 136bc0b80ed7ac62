#include "drawing/dpi_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SizeCase {
    int dpi;
    FrameSize frameAt96;
    FrameSize frameAtDpi;
    WindowSize outer;
};

// The client area is the 96-DPI one (505 x 332 less the 96-DPI frame) scaled, rounded as Windows
// rounds; the frame is the one measured for the window's own DPI, whatever the system's is.
TEST(OuterSizeAtDpi, ScalesTheClientAreaAndTakesTheFrameOfTheWindowsDpi) {
    const std::vector<SizeCase> cases{
        {96, {{6, 48}, 96}, {{6, 48}, 96}, {505, 332}},
        {96, {{8, 60}, 96}, {{8, 60}, 96}, {505, 332}},      // a taller caption
        {120, {{6, 48}, 96}, {{8, 58}, 120}, {632, 413}},    // 499 x 284 scaled: 623.75 x 355
        {144, {{6, 48}, 96}, {{10, 69}, 144}, {759, 495}},   // 748.5 x 426: a half rounds up
        {192, {{6, 48}, 96}, {{12, 91}, 192}, {1010, 659}},  // on a system of 96 DPI
        // Measured at the system's 120 DPI alone, the 96-DPI frame is that one scaled down to
        // 6.4 x 46.4, the client area 499 x 286 scaled to 623.75 x 357.5.
        {120, {{8, 58}, 120}, {{8, 58}, 120}, {632, 416}},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(OuterSizeAtDpi({505, 332}, c.frameAt96, c.frameAtDpi, c.dpi), c.outer) << c.dpi;
    }
}

}  // namespace
