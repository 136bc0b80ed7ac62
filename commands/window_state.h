#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/saved_values_chart.h"
#include "drawing/colour_scheme.h"
#include "drawing/dpi_scale.h"
#include "gamelog/log_examination.h"
#include "history/data_file_format.h"
#include "history/kd_history.h"
#include "platform/clock.h"
#include "platform/drawing.h"
#include "platform/files.h"
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

// The percentage of the counts being changed, and what the chart keeps of the saved values
// beside it.
struct ProvisionalPoint {
    double percent;
    SavedValuesChart saved;
};

// A change notification on a folder (a Windows handle), as the window keeps it.
struct OpaqueFolderWatch;
using FolderWatch = OpaqueFolderWatch*;

// The game's log, followed while the player plays.
struct FollowedLog {
    bool on = false;
    // The log given last, when the program started or by a drop (UTF-8, in full); none: the
    // game's usual one.
    std::string givenPath;
    // The log as it was last read, what that reading took from it, and when.
    std::optional<FileStamp> readStamp;
    LogFindings taken;
    std::optional<TimeOfDay> readAt;
    // Kept by the window: the change notification on the log's folder, and the log it is for.
    FolderWatch watch = nullptr;
    std::string watchedPath;
};

// Everything the window keeps while it lives, and the one thing every command takes: commands
// change it and ask for a repaint, and WM_PAINT draws from it without changing it. Beyond it the
// form's controls hold the texts themselves: the name, the clan, the counts and the results.
struct WindowState {
    FormControls form;
    // The values loaded and saved.
    KdHistory history;
    // The percentage of the counts the player changed since the last load or Save, while they
    // are valid: the chart shows it as its newest point, and the average box counts it.
    std::optional<ProvisionalPoint> provisional;
    // The data file, UTF-8: kddata.ioy in the working folder unless the start chose another.
    std::string dataFilePath{kDataFileName};
    // False when kddata.ioy exists but could not be read whole at start: replacing it would lose
    // the history that could not be read, so Save refuses for the rest of the run.
    bool dataFileReplaceable = true;
    LoadedIdentity loaded;
    // The logs waiting to be imported (UTF-8 paths): the one the program was started with, and
    // those a second start handed over.
    std::vector<std::string> pendingImports;
    FollowedLog follow;
    // The ids of the latest requests a second start handed over: a request that comes again is
    // not carried out again.
    std::vector<std::uint64_t> handOversCarriedOut;
    // The control that had the focus when the window was last left; it gets it back.
    Window focusToRestore = nullptr;
    // The window's dots per inch, and the font of its texts and controls made for them.
    int dpi = kLayoutDpi;
    Font font = nullptr;
    // The colours of the theme Windows shows, taken at creation and at each change of theme.
    ColourScheme colours = kNormalColours;
    // True while a command runs: the commands it causes on the way (the recalculation of each
    // count a load or an import sets) are part of it.
    bool commandRunning = false;
};
