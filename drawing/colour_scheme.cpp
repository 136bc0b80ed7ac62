#include "drawing/colour_scheme.h"

namespace {

Colour HighContrastColour(Ink ink, const SystemColours& system) {
    switch (ink) {
        case Ink::Background:
        case Ink::PlotFill:
            return system.window;
        case Ink::Grid:
            return system.grayText;
        case Ink::HistoryLine:
            return system.highlight;
        case Ink::FormLabel:
        case Ink::PanelOutline:
        case Ink::PlotOutline:
        case Ink::AverageLine:
        case Ink::AxisLabel:
        case Ink::Title:
            break;
    }
    return system.windowText;
}

}  // namespace

ColourScheme SchemeFor(const Theme& theme) {
    if (!theme.highContrast) {
        return kNormalColours;
    }
    ColourScheme scheme{.dashedAverage = true};
    for (std::size_t ink = 0; ink < kInkCount; ++ink) {
        scheme.colours[ink] = HighContrastColour(static_cast<Ink>(ink), theme.system);
    }
    return scheme;
}
