// What the rule and task records of the settings file share: backquote-
// separated fields and the date and time validity rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesm {

inline constexpr char kFieldSeparator = '`';

// Cuts the value at every backquote; "a``b" gives three fields, "" one.
std::vector<std::string_view> SplitListFields(std::string_view value);

// Reads a value of records of `fieldCount` fields each: `read` gets a record's
// first field and returns the record, or nothing when it is bad. Valid records
// are appended to `records`; returns whether a bad or incomplete one was met.
template <typename Record, typename Read>
bool ReadListRecords(std::string_view value, std::size_t fieldCount, std::vector<Record>& records,
                     Read read) {
    if (value.empty()) return false;
    std::vector<std::string_view> fields = SplitListFields(value);
    bool hadBadRecord = false;
    std::size_t at = 0;
    for (; at + fieldCount <= fields.size(); at += fieldCount) {
        std::optional<Record> record = read(&fields[at]);
        if (record) {
            records.push_back(std::move(*record));
        } else {
            hadBadRecord = true;
        }
    }
    return hadBadRecord || at != fields.size();
}

// Month 1..12; day-or-ordinal 1..the month's length in `year`; weekday 0..7;
// and an ordinal of at most 5 when a weekday is given.
bool IsValidRuleDate(int year, int month, int dayOrOrdinal, int weekday);
bool IsValidTime(int hour, int minute, int second);

// A name or task text as it can be written into one record: backquotes and
// line breaks would split the record, so they become blanks.
std::string ListText(std::string_view text);

}  // namespace vesm
