// The rule lists in effect when no settings file was read completely, as the
// encoded values the settings file would carry.
#pragma once

#include <string_view>

namespace vesm {

// The national holidays with fixed rules as the holiday law had them year by
// year, each rule with the years it held in; the equinox days and the derived
// holidays are computed, not listed. Rules on one date are written oldest
// first, the order they keep when the list is sorted by date.
inline constexpr std::string_view kBuiltInHolidays =
    "1`1`1`0`元旦`"
    "1`1`2`2`成人の日`2000``"
    "1`1`15`0`成人の日``1999`"
    "1`2`11`0`建国記念日`"
    "1`2`23`0`天皇誕生日`2020``"
    "1`2`24`0`昭和天皇の大喪の礼`1989`1989`"
    "1`4`29`0`天皇誕生日``1988`"
    "1`4`29`0`みどりの日`1989`2006`"
    "1`4`29`0`昭和の日`2007``"
    "1`5`1`0`天皇の即位の日`2019`2019`"
    "1`5`3`0`憲法記念日`"
    "1`5`4`0`みどりの日`2007``"
    "1`5`5`0`子供の日`"
    "1`6`9`0`皇太子徳仁親王の結婚の儀`1993`1993`"
    "1`7`3`2`海の日`2003`2019`"
    "1`7`3`2`海の日`2022``"
    "1`7`20`0`海の日`1996`2002`"
    "1`7`22`0`海の日`2021`2021`"
    "1`7`23`0`海の日`2020`2020`"
    "1`7`23`0`スポーツの日`2021`2021`"
    "1`7`24`0`スポーツの日`2020`2020`"
    "1`8`8`0`山の日`2021`2021`"
    "1`8`10`0`山の日`2020`2020`"
    "1`8`11`0`山の日`2016`2019`"
    "1`8`11`0`山の日`2022``"
    "1`9`15`0`敬老の日``2002`"
    "1`9`3`2`敬老の日`2003``"
    "1`10`2`2`体育の日`2000`2019`"
    "1`10`2`2`スポーツの日`2022``"
    "1`10`10`0`体育の日``1999`"
    "1`10`22`0`即位礼正殿の儀`2019`2019`"
    "1`11`3`0`文化の日`"
    "1`11`12`0`即位礼正殿の儀`1990`1990`"
    "1`11`23`0`勤労感謝の日`"
    "1`12`23`0`天皇誕生日`1989`2018";

inline constexpr std::string_view kBuiltInSpecialDays =
    "2`2`14`0`バレンタインデー`2`3`3`0`ひな祭り`2`3`14`0`ホワイトデー`2`5`2`1`母の日`"
    "2`6`3`1`父の日`2`7`7`0`七夕`2`12`24`0`クリスマスイブ`2`12`25`0`クリスマス`"
    "2`12`31`0`大晦日";

}  // namespace vesm
