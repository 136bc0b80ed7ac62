#include "commands/data_file_commands.h"

#include <algorithm>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

#include "commands/chart_painting.h"
#include "commands/file_replacement.h"
#include "commands/form_fields.h"
#include "commands/messages.h"
#include "history/data_file_format.h"
#include "kd/kd_arithmetic.h"
#include "kd/result_texts.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/window_text.h"

namespace {

void Tell(const FormControls& form, std::string_view text) {
    ShowMessageBox(form.main, text, kMessageBoxCaption);
}

// What can be read of the data file, its name and clan as the file holds them. A file that
// exists but cannot be read whole is shown without the line the read broke off in, and is never
// replaced during this run.
std::optional<DataFileContents> ReadDataFile(WindowState& state) {
    const FileRead file = ReadWholeFile(state.dataFilePath);
    state.dataFileReplaceable = file.outcome != ReadOutcome::Unreadable;
    if (file.outcome == ReadOutcome::Missing) {
        return std::nullopt;
    }
    std::string_view bytes = file.bytes;
    if (!state.dataFileReplaceable) {
        bytes = WholeLines(bytes);
    }
    state.loaded.utf8 = bytes.starts_with(kUtf8ByteOrderMark);
    if (state.loaded.utf8) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return ParseDataFile(bytes);
}

// The values of the data file, held in the history; nullopt when the file is missing or holds
// more than memory or the history does, which then counts as unreadable: nothing of it stays.
std::optional<DataFileContents> ReadIntoHistory(WindowState& state) {
    try {
        std::optional<DataFileContents> contents = ReadDataFile(state);
        if (contents) {
            state.history.Append(contents->values);
        }
        return contents;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    state.history.Clear();
    state.dataFileReplaceable = false;
    return std::nullopt;
}

// Shows the name or the clan, and keeps its bytes for Save.
void FillIdentityField(Window field, const std::string& bytes, bool utf8, LoadedText& loaded) {
    SetWindowTextUtf8(field, utf8 ? bytes : DecodeAnsi(bytes));
    loaded = {bytes, GetWindowTextUtf8(field)};
}

void FillForm(WindowState& state, const DataFileContents& contents) {
    const FormControls& form = state.form;
    LoadedIdentity& loaded = state.loaded;
    FillIdentityField(form.nameField, contents.name, loaded.utf8, loaded.name);
    FillIdentityField(form.clanField, contents.clan, loaded.utf8, loaded.clan);
    SetCountFields(form, contents.kills, contents.deaths);
    // The recalculations that setting the counts ran included the current percentage; after a
    // load the box shows the loaded values alone, or nothing when there are none, and so does
    // the chart.
    ShowSavedValuesAlone(state);
    const KdHistory& history = state.history;
    SetWindowTextUtf8(form.averageResult,
                      history.Count() > 0 ? AverageText(history.Average()) : std::string());
}

// The name or the clan on its way into the file: the field's text, and the bytes it was loaded
// from while it shows them unchanged and the file's limit keeps them whole.
struct IdentityField {
    std::string_view text;
    std::optional<std::string_view> loadedBytes;
};

IdentityField FieldToSave(std::string_view text, const LoadedText& loaded, bool utf8) {
    if (text != loaded.shown) {
        return {text, std::nullopt};
    }
    const bool fits = utf8 ? EncodeAnsi(text, kNameByteLimit).textBytes == text.size()
                           : loaded.bytes.size() <= kNameByteLimit;
    return {text, fits ? std::optional<std::string_view>(loaded.bytes) : std::nullopt};
}

// The field's bytes in the file's encoding; nullopt when the ANSI code page cannot hold it.
// Both encodings keep the same characters: those whose ANSI form fits the limit.
std::optional<std::string> IdentityBytes(const IdentityField& field, bool loadedUtf8, bool utf8) {
    if (field.loadedBytes && loadedUtf8 == utf8) {
        return std::string(*field.loadedBytes);
    }
    AnsiText ansi = EncodeAnsi(field.text, kNameByteLimit);
    if (utf8) {
        return std::string(field.text.substr(0, ansi.textBytes));
    }
    if (!ansi.representable) {
        return std::nullopt;
    }
    return std::move(ansi.bytes);
}

// The data file's bytes: in the ANSI code page, as every version wrote it, when the name and
// the clan can be written in it; else in UTF-8 behind its byte order mark, so that no character
// turns into a "?". A file loaded in UTF-8 stays so while a field in it is unchanged.
std::string DataFileBytes(const LoadedIdentity& loaded, const IdentityField& name,
                          const IdentityField& clan, std::span<const double> earlierValues,
                          std::int32_t kills, std::int32_t deaths, double percent) {
    if (!loaded.utf8 || (!name.loadedBytes && !clan.loadedBytes)) {
        const std::optional<std::string> ansiName = IdentityBytes(name, loaded.utf8, false);
        const std::optional<std::string> ansiClan = IdentityBytes(clan, loaded.utf8, false);
        if (ansiName && ansiClan) {
            return ComposeDataFile(*ansiName, *ansiClan, earlierValues, kills, deaths, percent);
        }
    }
    return std::string(kUtf8ByteOrderMark) +
           ComposeDataFile(*IdentityBytes(name, loaded.utf8, true),
                           *IdentityBytes(clan, loaded.utf8, true), earlierValues, kills, deaths,
                           percent);
}

std::span<const double> NewestEarlierValues(const KdHistory& history) {
    const std::span<const double> values = history.Values();
    return values.last(std::min(values.size(), kEarlierValuesKept));
}

// The box that refuses a Save before any file is touched, if one does.
std::optional<std::string_view> SaveRefusal(const WindowState& state, std::int32_t kills,
                                            std::int32_t deaths) {
    if (HasNegativeCount(kills, deaths)) {
        return kNegativeCountText;
    }
    if (kills == 0 && deaths == 0) {
        return kBothCountsZeroText;
    }
    if (!state.dataFileReplaceable) {
        return kOpenErrorText;
    }
    return std::nullopt;
}

std::optional<std::string_view> ReplaceFailure(ReplaceOutcome outcome) {
    switch (outcome) {
        case ReplaceOutcome::NotOpened:
            return kOpenErrorText;
        case ReplaceOutcome::NotWritten:
            return kWriteErrorText;
        case ReplaceOutcome::Replaced:
            break;
    }
    return std::nullopt;
}

}  // namespace

void LoadDataFile(WindowState& state) {
    ShowSavedValuesAlone(state);
    state.history.Clear();
    if (const std::optional<DataFileContents> contents = ReadIntoHistory(state)) {
        FillForm(state, *contents);
    }
}

void SaveDataFile(WindowState& state) {
    const FormControls& form = state.form;
    const std::string name = GetWindowTextUtf8(form.nameField);
    const std::string clan = GetWindowTextUtf8(form.clanField);
    const std::string killText = GetWindowTextUtf8(form.killField);
    const std::string deathText = GetWindowTextUtf8(form.deathField);
    if (name.empty() || clan.empty() || killText.empty() || deathText.empty()) {
        Tell(form, kEmptyFieldText);
        return;
    }
    // The counts as the result boxes show them.
    const std::int32_t kills = ReadCountField(form.killField);
    const std::int32_t deaths = ReadCountField(form.deathField);
    if (const std::optional<std::string_view> refusal = SaveRefusal(state, kills, deaths)) {
        Tell(form, *refusal);
        return;
    }
    const double percent = KillPercent(kills, deaths);
    const LoadedIdentity& loaded = state.loaded;
    const std::string bytes =
        DataFileBytes(loaded, FieldToSave(name, loaded.name, loaded.utf8),
                      FieldToSave(clan, loaded.clan, loaded.utf8),
                      NewestEarlierValues(state.history), kills, deaths, percent);
    // Room for the new value is made before the file is touched: once the file holds it, the
    // history must hold it too, and when the file is not replaced, the history must not.
    state.history.Append(percent);
    ReplaceOutcome outcome = ReplaceOutcome::NotWritten;
    try {
        outcome = ReplaceFileContents(state.dataFilePath, bytes);
    } catch (...) {
        state.history.RemoveLast();
        throw;
    }
    if (const std::optional<std::string_view> failure = ReplaceFailure(outcome)) {
        state.history.RemoveLast();
        Tell(form, *failure);
        return;
    }
    // Saved: the chart shows the history alone, the new value as its newest.
    ShowSavedValuesAlone(state);
    Tell(form, kSavedText);
}
