#include "doc/file_text.h"

#include <algorithm>

#include "doc/cp932_codec.h"
#include "doc/list_fields.h"

namespace vesm {

namespace {

// Plain ASCII is the same in code page 932 and UTF-8; most fields are numbers.
bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::string DecodedText(std::string_view bytes) {
    return IsAscii(bytes) ? std::string(bytes) : DecodeCp932(bytes);
}

FileText ReadFileText(std::string_view bytes) {
    return {std::string(bytes), DecodedText(bytes)};
}

// Decoding again costs a save what keeping the decoded text would cost every
// copy of a record, and records are copied on every paint.
std::string FileBytes(std::string_view bytesAsRead, std::string_view text) {
    if (DecodedText(bytesAsRead) == text) return std::string(bytesAsRead);
    std::string safe = ListText(text);
    return IsAscii(safe) ? safe : EncodeCp932(safe);
}

std::vector<std::string_view> SplitCp932Fields(std::string_view bytes) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (IsLeadByte(static_cast<unsigned char>(bytes[at]))) {
            ++at;
        } else if (bytes[at] == kFieldSeparator) {
            fields.push_back(bytes.substr(start, at - start));
            start = at + 1;
        }
    }
    fields.push_back(bytes.substr(std::min(start, bytes.size())));
    return fields;
}

}  // namespace vesm
