// Text of the settings file kept together with the bytes it was read from, so
// that what nobody edits goes back byte for byte, even where code page 932 has
// two codes for one character or the bytes were no character at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesm {

struct FileText {
    std::string bytes;  // as they stood in the file
    std::string text;   // the UTF-8 they decoded to
};

// The UTF-8 text of some code page 932 bytes.
std::string DecodedText(std::string_view bytes);
// The text of some file bytes, remembered with them.
FileText ReadFileText(std::string_view bytes);

// The bytes to write for `text`: those it was read from while it still reads
// as them, else its code page 932 form, made safe for one list field.
std::string FileBytes(std::string_view bytesAsRead, std::string_view text);

// Cuts raw code page 932 bytes at every backquote that is a character of its
// own: a lead byte always takes the next byte with it, so the second byte of a
// double-byte character is never taken for a separator.
std::vector<std::string_view> SplitCp932Fields(std::string_view bytes);

}  // namespace vesm
