#include "commands/game_log_import.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "commands/form_fields.h"
#include "commands/messages.h"
#include "gamelog/log_examination.h"
#include "gamelog/log_pieces.h"
#include "kd/number_format.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/window_text.h"

namespace {

struct ReadFileCloser {
    void operator()(ReadHandle file) const { CloseReadFile(file); }
};
using OpenLog = std::unique_ptr<OpaqueReadFile, ReadFileCloser>;

// Whether the bytes after the log's last line feed are examined: by an import, as they always
// were; not while following, when they are a line the game has not finished writing.
enum class UnfinishedLine { Taken, Left };

// What a reading of the log found, and the log as it was when read.
struct LogRead {
    LogFindings findings;
    FileStamp stamp;
};

// Reads the log to its end, or to a read error, a chunk at a time.
LogRead ReadOpenLog(const OpenLog& log, UnfinishedLine unfinished) {
    LogRead read{LogFindings{}, StampOf(log.get())};
    LogPieceSplitter splitter(
        [&](std::string_view piece) { ExamineLogPiece(piece, read.findings); });
    std::array<char, 65536> chunk{};
    while (const std::size_t count = ReadSomeBytes(log.get(), chunk)) {
        splitter.Feed({chunk.data(), count});
    }
    if (unfinished == UnfinishedLine::Taken) {
        splitter.Finish();
    }
    return read;
}

// What the log at `path` holds; nullopt when it cannot be opened.
std::optional<LogRead> ReadLog(std::string_view path) {
    const OpenLog log(OpenSharedForReading(std::string(path)));
    if (!log) {
        return std::nullopt;
    }
    return ReadOpenLog(log, UnfinishedLine::Taken);
}

// A reading of the followed log is the baseline of the next.
void RememberReading(WindowState& state, std::string_view path, const LogRead& read) {
    if (path == FollowedLogPath(state)) {
        FollowedLog& follow = state.follow;
        follow.readStamp = read.stamp;
        follow.taken = read.findings;
        follow.readAt = LocalTimeOfDay();
    }
}

// The last nickname goes into NameField, once however many the log holds; the game writes it in
// the system's ANSI code page. Then the counts go into their fields; each text set runs the live
// recalculation, nested in this import.
void FillForm(const FormControls& form, const LogFindings& findings) {
    if (findings.name) {
        SetWindowTextUtf8(form.nameField, DecodeAnsi(AnsiPrefix(*findings.name, kNicknameLimit)));
    }
    SetCountFields(form, findings.kills, findings.deaths);
}

// "09:05:07".
std::string TimeText(const TimeOfDay& time) {
    std::string text;
    for (const int part : {time.hour, time.minute, time.second}) {
        text += text.empty() ? "" : ":";
        text += (part < 10 ? "0" : "") + FormatInteger(part);
    }
    return text;
}

}  // namespace

void ImportGameLog(WindowState& state) {
    const std::optional<LogRead> read = ReadLog(kUsualGameLogPath);
    if (!read) {
        ShowMessageBox(state.form.main, kLogOpenErrorText, kMessageBoxCaption);
        return;
    }
    RememberReading(state, kUsualGameLogPath, *read);
    FillForm(state.form, read->findings);
}

void ImportLogFile(WindowState& state, const std::string& path) {
    FollowedLog& follow = state.follow;
    if (path != follow.givenPath) {
        // Another log: nothing was taken from it yet.
        follow.givenPath = path;
        follow.readStamp.reset();
        follow.taken = {};
        follow.readAt.reset();
    }
    follow.on = true;
    const FormControls& form = state.form;
    const std::optional<LogRead> read = ReadLog(path);
    if (!read) {
        ShowMessageBox(form.main, FileNotOpenedText(path), kMessageBoxCaption);
        return;
    }
    RememberReading(state, path, *read);
    const LogFindings& findings = read->findings;
    if (!findings.name && !findings.kills && !findings.deaths) {
        ShowMessageBox(form.main, NothingFoundText(path), kMessageBoxCaption);
        return;
    }
    FillForm(form, findings);
}

std::string FollowedLogPath(const WindowState& state) {
    const std::string& given = state.follow.givenPath;
    return given.empty() ? std::string(kUsualGameLogPath) : given;
}

void ToggleFollowing(WindowState& state) {
    state.follow.on = !state.follow.on;
    state.follow.readStamp.reset();
    ReadFollowedLog(state);
}

void ReadFollowedLog(WindowState& state) {
    FollowedLog& follow = state.follow;
    if (!follow.on) {
        return;
    }
    LogFindings changed;
    {
        const OpenLog log(OpenSharedForReading(FollowedLogPath(state)));
        if (!log || StampOf(log.get()) == follow.readStamp) {
            return;
        }
        const LogRead read = ReadOpenLog(log, UnfinishedLine::Left);
        changed = ChangedFindings(follow.taken, read.findings);
        RememberReading(state, FollowedLogPath(state), read);
    }
    // The log is closed before the form changes.
    FillForm(state.form, changed);
}

std::string FollowedLogLine(const WindowState& state) {
    return FollowedLogText(FollowedLogPath(state));
}

std::string LogReadAtLine(const WindowState& state) {
    const std::optional<TimeOfDay>& readAt = state.follow.readAt;
    return std::string(kLogReadAtLabel) +
           (readAt ? TimeText(*readAt) : std::string(kLogNotReadText));
}
