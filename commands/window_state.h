#pragma once

#include <optional>
#include <string>

#include "chart/plot_cache.h"
#include "history/kd_history.h"
#include "platform/window.h"

// The main window and the form's eight controls, set once when the window is created. The Save
// button's handle is not kept.
struct FormControls {
    Window main = nullptr;
    Window nameField = nullptr;
    Window clanField = nullptr;
    Window killField = nullptr;
    Window deathField = nullptr;
    Window kdResult = nullptr;
    Window plusOneResult = nullptr;
    Window minusOneResult = nullptr;
    Window averageResult = nullptr;
};

// The name or the clan as kddata.ioy held it at start, and the text its field showed then.
// While the field still shows that text, Save writes the bytes back as they were, whatever they
// are: a byte that is no character of the code page is not turned into one.
struct LoadedText {
    std::string bytes;
    std::string shown;
};

struct LoadedIdentity {
    LoadedText name;
    LoadedText clan;
    bool utf8 = false;  // the file was UTF-8 behind its byte order mark
};

// Everything the window keeps while it lives, and the one thing every command takes: commands
// change it and ask for a repaint, and WM_PAINT draws from it. Beyond it the form's controls hold
// the texts themselves: the name, the clan, the counts and the results.
struct WindowState {
    FormControls form;
    KdHistory history;
    // The percentage of the counts the fields hold, while they are valid: the chart shows it as
    // its newest point.
    std::optional<double> currentPercent;
    // The plot of the chart's older values from one paint to the next, so that a keystroke's
    // paint does not grow with the history.
    PlotCache plotCache;
    // The data file, UTF-8: kddata.ioy in the working folder unless the start chose another.
    std::string dataFilePath = "kddata.ioy";
    // False when kddata.ioy exists but could not be read whole at start: replacing it would lose
    // the history that could not be read, so Save refuses for the rest of the run.
    bool dataFileReplaceable = true;
    LoadedIdentity loaded;
};
