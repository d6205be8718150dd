// The scalar lines of the settings file: splitting a line into key and value,
// reading a value with its load check, and writing every scalar in file order.
#pragma once

#include <string>
#include <string_view>

#include "doc/settings.h"

namespace vesm {

struct SettingsLine {
    std::string_view key;    // empty for a line without "="
    std::string_view value;  // everything after the first "="
};

// Splits at the first "=". Nothing is trimmed: "numOfRow = 3" has the key
// "numOfRow " and matches no setting.
SettingsLine SplitSettingsLine(std::string_view line);

// Reads one scalar line into `settings`, applying the key's load check; a value
// that fails it stores the key's replacement, or leaves a profile value as it
// was. numOfPast is checked against the numOfMonth already in `settings`;
// `displayedMonth` (1..12) is what it becomes when the whole year is shown.
// Returns false when the key is not a scalar key (compared exactly, case
// included).
bool ApplyScalarLine(Settings& settings, const SettingsLine& line, int displayedMonth);

// Appends one "key=value" line per scalar, in file order, each ended by CRLF.
void AppendScalarLines(const Settings& settings, std::string& out);

}  // namespace vesm
