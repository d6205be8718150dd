// The text layer of iCalendar: TEXT escaping and content lines folded at
// 75 octets.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vesm::ical {

// A short formatted field: numbers into a date, a time or a key.
template <typename... Numbers>
std::string Printf(const char* format, Numbers... numbers) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, numbers...);
    return buffer;
}

// The second to last bytes of a UTF-8 character: a cut must not fall before one.
bool IsContinuationByte(char c);

// ASCII letters upper-cased, every other byte kept: names are compared
// without case, and UTF-8 in them passes unchanged.
std::string Upper(std::string_view text);

// Backslash, semicolon, comma and line breaks escaped for a TEXT value.
std::string EscapeText(std::string_view text);
// The inverse; "\N" is a line break too, and an unknown escape keeps its character.
std::string UnescapeText(std::string_view value);

// One content line ended by CRLF, folded so no physical line exceeds 75
// octets and no UTF-8 character is split.
std::string FoldLine(std::string_view line);

}  // namespace vesm::ical
