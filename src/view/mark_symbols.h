// The symbols that mark today, special days and task days, by index. Index 0
// means no mark and is never drawn; the options page lists the same entries.
#pragma once

#include <array>
#include <string_view>

namespace vesm {

inline constexpr std::array<std::string_view, 14> kMarkSymbols = {
    "表示なし", "＿", "☆", "★", "◇", "◆", "△", "▲", "▽", "▼", "〇", "●", "□", "■",
};

inline constexpr int kNoMark = 0;
inline constexpr int kLastMark = 13;

inline constexpr std::string_view kMarkFontFace = "ＭＳ ゴシック";

}  // namespace vesm
