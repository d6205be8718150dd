// Numbers as the settings file has always been read: C-style decimal
// conversion, forgiving of anything after the digits.
#pragma once

#include <string_view>

namespace vesm {

// Skips leading white space, takes an optional sign and the digits after it and
// ignores the rest; text without leading digits reads as 0. Values beyond the
// int range are clamped to it instead of overflowing.
int ReadCNumber(std::string_view text);

}  // namespace vesm
