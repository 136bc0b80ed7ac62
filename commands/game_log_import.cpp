#include "commands/game_log_import.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "commands/chart_drawing.h"
#include "commands/form_fields.h"
#include "commands/messages.h"
#include "gamelog/log_examination.h"
#include "gamelog/log_pieces.h"
#include "kd/kd_arithmetic.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/window_text.h"

namespace {

constexpr const char* kGameLogPath = R"(C:\Nexon\SuddenAttack\error.log)";

struct ReadFileCloser {
    void operator()(ReadHandle file) const { CloseReadFile(file); }
};
using OpenLog = std::unique_ptr<OpaqueReadFile, ReadFileCloser>;

// Reads the log to its end, or to a read error, a chunk at a time. NameField is set at once for
// each Nick piece, while the log is still being read.
LogFindings ExamineGameLog(const OpenLog& log, Window nameField) {
    LogFindings findings;
    LogPieceSplitter splitter([&](std::string_view piece) {
        if (const std::optional<std::string> name = ExamineLogPiece(piece, findings)) {
            SetWindowTextBytes(nameField, *name);
        }
    });
    std::array<char, 65536> chunk{};
    while (const std::size_t read = ReadSomeBytes(log.get(), chunk)) {
        splitter.Feed({chunk.data(), read});
    }
    splitter.Finish();
    return findings;
}

}  // namespace

void ImportGameLog(WindowState& state) {
    const FormControls& form = state.form;
    LogFindings findings;
    {
        const OpenLog log(OpenSharedForReading(kGameLogPath));
        if (!log) {
            ShowMessageBox(form.main, kLogOpenErrorText, kMessageBoxCaption);
            return;
        }
        findings = ExamineGameLog(log, form.nameField);
    }

    // A count the log does not hold leaves its field as it is, so the chart's provisional point
    // is made of the counts the fields are about to hold.
    const std::int32_t kills = findings.kills.value_or(ReadCountField(form.killField));
    const std::int32_t deaths = findings.deaths.value_or(ReadCountField(form.deathField));
    LendNewestValue(state.history, KillPercent(kills, deaths), [&](const KdHistory& history) {
        RedrawChart(form.main, history, state.plotCache);
    });

    SetCountFields(form, findings.kills, findings.deaths);
}
