#include "gamelog/game_log_import.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "chart/chart_drawing.h"
#include "gamelog/log_examination.h"
#include "gamelog/log_pieces.h"
#include "kd/count_text.h"
#include "kd/kd_arithmetic.h"
#include "kd/number_format.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

constexpr const char* kGameLogPath = R"(C:\Nexon\SuddenAttack\error.log)";
constexpr std::string_view kLogOpenErrorText =
    "ログファイルを開けません.SuddenAttackインストールフォルダを確認してください.";

struct ReadFileCloser {
    void operator()(void* file) const { CloseReadFile(file); }
};
using OpenLog = std::unique_ptr<void, ReadFileCloser>;

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

void ImportGameLog(const FormControls& form, KdHistory& history) {
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
    history.Append(KillPercent(kills, deaths));
    RedrawChart(form.main, history);
    history.RemoveLast();

    // Each text set runs the live recalculation, nested in this import.
    if (findings.kills) {
        SetWindowTextBytes(form.killField, FormatInteger(*findings.kills));
    }
    if (findings.deaths) {
        SetWindowTextBytes(form.deathField, FormatInteger(*findings.deaths));
    }
}
