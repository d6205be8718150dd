// Settings files from UTF-8 lines as the program writes them (code page 932,
// CRLF), and back.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "doc/cp932_codec.h"

namespace vesm {

inline std::string SettingsBytes(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return EncodeCp932(text);
}

// The lines of a file, split at CRLF only, so a stray LF or CR would show.
inline std::vector<std::string> FileLines(const std::string& bytes) {
    std::string text = DecodeCp932(bytes);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace vesm
