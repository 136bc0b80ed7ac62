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
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/window_text.h"

namespace {

constexpr const char* kGameLogPath = R"(C:\Nexon\SuddenAttack\error.log)";

struct ReadFileCloser {
    void operator()(ReadHandle file) const { CloseReadFile(file); }
};
using OpenLog = std::unique_ptr<OpaqueReadFile, ReadFileCloser>;

// Reads the log to its end, or to a read error, a chunk at a time.
LogFindings ExamineGameLog(const OpenLog& log) {
    LogFindings findings;
    LogPieceSplitter splitter([&](std::string_view piece) { ExamineLogPiece(piece, findings); });
    std::array<char, 65536> chunk{};
    while (const std::size_t read = ReadSomeBytes(log.get(), chunk)) {
        splitter.Feed({chunk.data(), read});
    }
    splitter.Finish();
    return findings;
}

// What the log at `path` holds; nullopt when it cannot be opened.
std::optional<LogFindings> ReadLog(const std::string& path) {
    const OpenLog log(OpenSharedForReading(path));
    if (!log) {
        return std::nullopt;
    }
    return ExamineGameLog(log);
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

}  // namespace

void ImportGameLog(WindowState& state) {
    const FormControls& form = state.form;
    const std::optional<LogFindings> findings = ReadLog(kGameLogPath);
    if (!findings) {
        ShowMessageBox(form.main, kLogOpenErrorText, kMessageBoxCaption);
        return;
    }
    FillForm(form, *findings);
}

void ImportLogFile(WindowState& state, const std::string& path) {
    const FormControls& form = state.form;
    const std::optional<LogFindings> findings = ReadLog(path);
    if (!findings) {
        ShowMessageBox(form.main, FileNotOpenedText(path), kMessageBoxCaption);
        return;
    }
    if (!findings->name && !findings->kills && !findings->deaths) {
        ShowMessageBox(form.main, NothingFoundText(path), kMessageBoxCaption);
        return;
    }
    FillForm(form, *findings);
}
