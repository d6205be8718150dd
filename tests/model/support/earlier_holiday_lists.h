// Holiday lines of files from earlier versions with their built-in list as
// shipped: the first 13 rules, and the 14 rules of the current law without years.
#pragma once

#include <string>
#include <vector>

namespace vesm {

inline const std::vector<std::string> kFirstBuiltInHolidayLines = {
    "holiday=1`1`1`0`元旦",        "holiday=1`1`2`2`成人の日",   "holiday=1`2`11`0`建国記念日",
    "holiday=1`4`29`0`昭和の日",   "holiday=1`5`3`0`憲法記念日", "holiday=1`5`4`0`みどりの日",
    "holiday=1`5`5`0`子供の日",    "holiday=1`7`3`2`海の日",     "holiday=1`9`3`2`敬老の日",
    "holiday=1`10`2`2`体育の日",   "holiday=1`11`3`0`文化の日",  "holiday=1`11`23`0`勤労感謝の日",
    "holiday=1`12`23`0`天皇誕生日"};

inline const std::vector<std::string> kYearlessLawHolidayLines = {
    "holiday=1`1`1`0`元旦",        "holiday=1`1`2`2`成人の日",      "holiday=1`2`11`0`建国記念日",
    "holiday=1`2`23`0`天皇誕生日", "holiday=1`4`29`0`昭和の日",     "holiday=1`5`3`0`憲法記念日",
    "holiday=1`5`4`0`みどりの日",  "holiday=1`5`5`0`子供の日",      "holiday=1`7`3`2`海の日",
    "holiday=1`8`11`0`山の日",     "holiday=1`9`3`2`敬老の日",      "holiday=1`10`2`2`スポーツの日",
    "holiday=1`11`3`0`文化の日",   "holiday=1`11`23`0`勤労感謝の日"};

}  // namespace vesm
