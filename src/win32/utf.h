// Text is UTF-8 inside the program and UTF-16 at the Win32 boundary; these
// two conversions are the only crossing point.
#pragma once

#include <string>
#include <string_view>

namespace vesm {

// Invalid UTF-8 becomes U+FFFD rather than being dropped.
std::wstring Widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace vesm
