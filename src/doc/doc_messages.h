// The texts the document shows, kept together so tests and the shell compare
// against the same strings.
#pragma once

#include <string_view>

namespace vesm {

inline constexpr std::string_view kAppDataFolderMessage =
    "アプリケーションデータフォルダパス取得失敗(SHGetSpecialFolderPath)";
inline constexpr std::string_view kProductFolderMessage =
    "アプリケーションデータフォルダにカレンダー用のフォルダを作成できませんでした";
inline constexpr std::string_view kUserFolderMessage =
    "カレンダー用のフォルダにユーザー名のフォルダを作成できませんでした";
inline constexpr std::string_view kOpenFailedMessage =
    "カレンダー初期化ファイルのオープンに失敗しました。";
inline constexpr std::string_view kRetryQuestion =
    "再試行しますか？（推奨）\n（無視を押すと設定値がリセットされますのでご注意ください）";
inline constexpr std::string_view kRetryCaption =
    "カレンダーの初期化ファイルのオープンに失敗しました。";
inline constexpr std::string_view kYearRangeMessage = "このカレンダーは1980年～2099年対応です。";
inline constexpr std::string_view kRuleDataMessage =
    "祝日または記念日のデータに誤りがあります。祝日または記念日を再設定してください。";
inline constexpr std::string_view kTaskDataMessage =
    "予定表のデータに誤りがあります。予定表を再設定してください。";

}  // namespace vesm
