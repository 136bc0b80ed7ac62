#include "history/data_file.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include "chart/chart_drawing.h"
#include "history/data_file_format.h"
#include "history/file_replacement.h"
#include "kd/count_text.h"
#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

constexpr const char* kDataFileName = "kddata.ioy";
constexpr int kFieldTextLimit = 255;  // bytes, the terminating NUL included

constexpr std::string_view kEmptyFieldText = "未入力の項目があります.";
constexpr std::string_view kOpenErrorText = "ファイルのオープンエラー.";
constexpr std::string_view kWriteErrorText = "ファイルの書き込みエラー.";
constexpr std::string_view kBothZeroText = "KILL数とDEATH数が両方とも0のため保存できません.";
constexpr std::string_view kNegativeText = "KILL数とDEATH数には0以上の数を入力してください.";
constexpr std::string_view kSavedText = "保存しました。";

// Set when the data file exists but could not be read whole at start: replacing it then would
// lose the history that could not be read, so Save refuses for the rest of the run.
bool replaceRefused = false;

void Tell(const FormControls& form, std::string_view text) {
    ShowMessageBox(form.main, text, kMessageBoxCaption);
}

void FillForm(const FormControls& form, KdHistory& history, const DataFileContents& contents) {
    for (const double value : contents.values) {
        history.Append(value);
    }
    SetWindowTextBytes(form.nameField, contents.name);
    SetWindowTextBytes(form.clanField, contents.clan);
    // Setting a count runs the live recalculation, nested in this load.
    if (contents.kills) {
        SetWindowTextBytes(form.killField, FormatInteger(*contents.kills));
    }
    if (contents.deaths) {
        SetWindowTextBytes(form.deathField, FormatInteger(*contents.deaths));
    }
    if (history.Count() > 0) {
        SetWindowTextBytes(form.averageResult, FormatFixed(history.Average(), 3));
    }
}

// Shows what could be read of the data file; throws when it is too large to hold.
void ReadIntoForm(const FormControls& form, KdHistory& history) {
    const FileRead file = ReadWholeFile(kDataFileName);
    replaceRefused = file.outcome == ReadOutcome::Unreadable;
    if (file.outcome == ReadOutcome::Missing) {
        return;
    }
    std::string_view bytes = file.bytes;
    if (replaceRefused) {
        // Without the line the read broke off in.
        bytes = bytes.substr(0, bytes.find_last_of("\r\n") + 1);
    }
    if (const std::optional<DataFileContents> contents = ParseDataFile(bytes)) {
        FillForm(form, history, *contents);
    }
}

// For a file that could not be held whole: nothing of it stays, and Save never replaces it.
void RefuseReplacing(KdHistory& history) {
    history.Clear();
    replaceRefused = true;
}

std::span<const double> NewestEarlierValues(const KdHistory& history) {
    const std::span<const double> values = history.Values();
    return values.last(std::min(values.size(), kEarlierValuesKept));
}

}  // namespace

void LoadDataFile(const FormControls& form, KdHistory& history) {
    history.Clear();
    // A file larger than memory or the history holds counts as unreadable.
    try {
        ReadIntoForm(form, history);
    } catch (const std::bad_alloc&) {
        RefuseReplacing(history);
    } catch (const std::length_error&) {
        RefuseReplacing(history);
    }
}

void SaveDataFile(const FormControls& form, KdHistory& history) {
    const std::string name = GetWindowTextBytes(form.nameField, kFieldTextLimit);
    const std::string clan = GetWindowTextBytes(form.clanField, kFieldTextLimit);
    const std::string killText = GetWindowTextBytes(form.killField, kFieldTextLimit);
    const std::string deathText = GetWindowTextBytes(form.deathField, kFieldTextLimit);
    if (name.empty() || clan.empty() || killText.empty() || deathText.empty()) {
        Tell(form, kEmptyFieldText);
        return;
    }
    // The counts as the result boxes show them.
    const std::int32_t kills = ReadCountField(form.killField);
    const std::int32_t deaths = ReadCountField(form.deathField);
    if (kills < 0 || deaths < 0) {
        Tell(form, kNegativeText);
        return;
    }
    if (kills == 0 && deaths == 0) {
        Tell(form, kBothZeroText);
        return;
    }
    if (replaceRefused) {
        Tell(form, kOpenErrorText);
        return;
    }
    const double percent = KillPercent(kills, deaths);
    const std::string bytes =
        ComposeDataFile(name, clan, NewestEarlierValues(history), kills, deaths, percent);
    switch (ReplaceFileContents(kDataFileName, bytes)) {
        case ReplaceOutcome::NotOpened:
            Tell(form, kOpenErrorText);
            return;
        case ReplaceOutcome::NotWritten:
            Tell(form, kWriteErrorText);
            return;
        case ReplaceOutcome::Replaced:
            break;
    }
    history.Append(percent);
    RedrawChart(form.main, history);
    Tell(form, kSavedText);
}
