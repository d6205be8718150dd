// The settings file's text encoding: always code page 932 (Shift-JIS with the
// Windows extensions), whatever the machine's ANSI code page. One
// implementation per platform: iconv natively, the Win32 code page API on
// Windows.
#pragma once

#include <string>
#include <string_view>

namespace vesm {

// Code page 932 bytes to UTF-8. Bytes that are not valid code page 932 become
// a replacement character; decoding never fails.
std::string DecodeCp932(std::string_view bytes);

// UTF-8 to code page 932. Characters code page 932 cannot hold, and invalid
// UTF-8, become "?".
std::string EncodeCp932(std::string_view utf8);

// Whether the UTF-8 text survives EncodeCp932 unchanged, for dialogs that
// refuse text the settings file could not keep.
bool CanEncodeCp932(std::string_view utf8);

}  // namespace vesm
