#include "drawing/colour_scheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The colours of two of Windows' own high-contrast themes.
constexpr SystemColours kHighContrastBlack{0x00000000, 0x00FFFFFF, 0x00FFEB1A, 0x003FF23F};
constexpr SystemColours kHighContrastWhite{0x00FFFFFF, 0x00000000, 0x009C2437, 0x00000060};

constexpr std::array<Ink, 8> kForegrounds{Ink::FormLabel, Ink::PanelOutline, Ink::PlotOutline,
                                          Ink::Grid,      Ink::HistoryLine,  Ink::AverageLine,
                                          Ink::AxisLabel, Ink::Title};

TEST(SchemeFor, TheNormalThemeKeepsTheWindowsOwnColoursWhateverTheSystemsAre) {
    for (const SystemColours& system : {SystemColours{}, kHighContrastBlack, kHighContrastWhite}) {
        EXPECT_EQ(SchemeFor({false, system}), kNormalColours);
    }
    EXPECT_FALSE(kNormalColours.dashedAverage);
    // The colours the window has always had, the two stock brushes' among them.
    EXPECT_EQ(kNormalColours.Of(Ink::Background), 0x00C0C0C0U);
    EXPECT_EQ(kNormalColours.Of(Ink::PlotFill), 0x00FFFFFFU);
    EXPECT_EQ(kNormalColours.Of(Ink::FormLabel), 0x00FF6400U);
    EXPECT_EQ(kNormalColours.Of(Ink::AxisLabel), 0x0000FFFFU);
}

class HighContrastSchemeTest : public testing::TestWithParam<SystemColours> {};

TEST_P(HighContrastSchemeTest, TakesOnlyTheSystemsColours) {
    const SystemColours& system = GetParam();
    const ColourScheme scheme = SchemeFor({true, system});
    const std::array<Colour, 4> systemColours{system.window, system.windowText, system.highlight,
                                              system.grayText};
    for (std::size_t ink = 0; ink < kInkCount; ++ink) {
        EXPECT_NE(std::ranges::find(systemColours, scheme.colours[ink]), systemColours.end())
            << "ink " << ink;
    }
    EXPECT_EQ(scheme.Of(Ink::Background), system.window);
    EXPECT_EQ(scheme.Of(Ink::PlotFill), system.window);
    EXPECT_EQ(scheme.Of(Ink::HistoryLine), system.highlight);
    EXPECT_TRUE(scheme.dashedAverage) << "told from the history line by more than its colour";
}

TEST_P(HighContrastSchemeTest, DrawsEveryForegroundInAnotherColourThanItsBackground) {
    const ColourScheme scheme = SchemeFor({true, GetParam()});
    for (const Ink ink : kForegrounds) {
        EXPECT_NE(scheme.Of(ink), scheme.Of(Ink::Background)) << static_cast<int>(ink);
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, HighContrastSchemeTest,
                         testing::Values(kHighContrastBlack, kHighContrastWhite));

}  // namespace
