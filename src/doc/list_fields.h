// What the rule and task records of the settings file share: backquote-
// separated fields and the date and time validity rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesm {

inline constexpr char kFieldSeparator = '`';

// Reads `fieldTotal` fields as records of `fieldCount` fields each: `read`
// gets the index of a record's first field and returns whether the record was
// good. Returns whether a bad or incomplete record was met.
template <typename Read>
bool ReadListRecords(std::size_t fieldTotal, std::size_t fieldCount, Read read) {
    bool hadBadRecord = false;
    std::size_t at = 0;
    for (; at + fieldCount <= fieldTotal; at += fieldCount) {
        if (!read(at)) hadBadRecord = true;
    }
    return hadBadRecord || at != fieldTotal;
}

// A leap year, in which every day a yearly rule can name exists.
inline constexpr int kRuleValidityYear = 2000;

// Month 1..12; day-or-ordinal 1..the month's length in `year`; weekday 0..7;
// and an ordinal of at most 5 when a weekday is given.
bool IsValidRuleDate(int year, int month, int dayOrOrdinal, int weekday);
bool IsValidTime(int hour, int minute, int second);

// A name or task text as it can be written into one record: backquotes and
// line breaks would split the record, so they become blanks.
std::string ListText(std::string_view text);

}  // namespace vesm
