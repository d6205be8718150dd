// The rule lists in effect when no settings file was read completely, as the
// encoded values the settings file would carry.
#pragma once

#include <string_view>

namespace vesm {

// The national holidays with fixed rules under the current holiday law; the
// equinox days and the derived holidays are computed, not listed.
inline constexpr std::string_view kBuiltInHolidays =
    "1`1`1`0`元旦`1`1`2`2`成人の日`1`2`11`0`建国記念日`1`2`23`0`天皇誕生日`1`4`29`0`昭和の日`"
    "1`5`3`0`憲法記念日`1`5`4`0`みどりの日`1`5`5`0`子供の日`1`7`3`2`海の日`1`8`11`0`山の日`"
    "1`9`3`2`敬老の日`1`10`2`2`スポーツの日`1`11`3`0`文化の日`1`11`23`0`勤労感謝の日";

inline constexpr std::string_view kBuiltInSpecialDays =
    "2`2`14`0`バレンタインデー`2`3`3`0`ひな祭り`2`3`14`0`ホワイトデー`2`5`2`1`母の日`"
    "2`6`3`1`父の日`2`7`7`0`七夕`2`12`24`0`クリスマスイブ`2`12`25`0`クリスマス`"
    "2`12`31`0`大晦日";

}  // namespace vesm
