// Message boxes with UTF-8 text and caption.
#pragma once

#include <windows.h>

#include <string_view>

namespace vesm {

// flags are the MB_ values; returns the IDxxx of the pressed button, 0 on failure.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);

}  // namespace vesm
