#include "drawing/colour_scheme.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

// The window's own colours whatever the system's, unless high contrast is on: then every ink but
// the backgrounds stands out from the system's background in another of its colours.
TEST(SchemeFor, TakesTheSystemsColoursInHighContrastAlone) {
    constexpr SystemColours kBlack{0x00000000, 0x00FFFFFF, 0x00FFEB1A, 0x003FF23F};
    EXPECT_EQ(SchemeFor({false, kBlack}), kNormalColours);
    const ColourScheme scheme = SchemeFor({true, kBlack});
    for (std::size_t ink = 0; ink < kInkCount; ++ink) {
        const Colour colour = scheme.colours[ink];
        const bool background =
            static_cast<Ink>(ink) == Ink::Background || static_cast<Ink>(ink) == Ink::PlotFill;
        EXPECT_EQ(colour == kBlack.window, background) << "ink " << ink;
        EXPECT_TRUE(colour == kBlack.window || colour == kBlack.windowText ||
                    colour == kBlack.highlight || colour == kBlack.grayText);
    }
    EXPECT_EQ(scheme.Of(Ink::HistoryLine), kBlack.highlight);
    EXPECT_TRUE(scheme.dashedAverage && !kNormalColours.dashedAverage) << "the average line";
}

}  // namespace
