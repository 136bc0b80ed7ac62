#pragma once

#include <string>
#include <string_view>

#include "res/version.h"

// Every text the program shows in a message box, and the boxes' captions.

// The caption of every box that reports on an action (Save, the game log import, a failure).
inline constexpr std::string_view kMessageBoxCaption = "メッセージボックス";

// Save.
inline constexpr std::string_view kEmptyFieldText = "未入力の項目があります.";
inline constexpr std::string_view kNegativeCountText =
    "KILL数とDEATH数には0以上の数を入力してください.";
inline constexpr std::string_view kBothCountsZeroText =
    "KILL数とDEATH数が両方とも0のため保存できません.";
inline constexpr std::string_view kOpenErrorText = "ファイルのオープンエラー.";
inline constexpr std::string_view kWriteErrorText = "ファイルの書き込みエラー.";
inline constexpr std::string_view kSavedText = "保存しました。";

// The game log import.
inline constexpr std::string_view kLogOpenErrorText =
    "ログファイルを開けません.SuddenAttackインストールフォルダを確認してください.";

// A log the player gives, by its path.
inline std::string FileNotOpenedText(std::string_view path) {
    return "ファイル「" + std::string(path) + "」を開けません.";
}
inline std::string NothingFoundText(std::string_view path) {
    return "ファイル「" + std::string(path) +
           "」にはニックネームもKILL数もDEATH数も見つかりません.";
}

// The Game menu's lines on the followed log: which file, and when it was last read.
inline std::string FollowedLogText(std::string_view path) {
    return "追うログ: " + std::string(path);
}
inline constexpr std::string_view kLogReadAtLabel = "最後に読んだ時刻: ";
inline constexpr std::string_view kLogNotReadText = "まだ読んでいません";
// A second start whose data file is open in a window that does not answer: it opens no window of
// its own beside that one, which would save over the same file.
inline std::string UnansweredDataFileText(std::string_view path) {
    return "データファイル「" + std::string(path) +
           "」は応答しないTallymereのウィンドウで開かれています.しばらく待ってからもう一度起動して"
           "ください.";
}

// Any command that ran out of memory, or of room in the history, and stopped.
inline constexpr std::string_view kOutOfMemoryText = "メモリが足りないため、処理を中断しました.";

// The Help menu's boxes.
inline constexpr std::string_view kVersionCaption = "バージョン情報";
inline constexpr std::string_view kVersionText =
    "Created by the Tallymere project\n\n\n"
    "URL: なし\n\n\n\n\n"
    "version: " TALLYMERE_VERSION_TEXT;
inline constexpr std::string_view kHelpCaption = "ヘルプ情報";
inline constexpr std::string_view kHelpText = "ヘルプは付属のIndex.htmlをご覧ください.";
