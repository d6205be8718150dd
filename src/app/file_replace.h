// Replacing a file in one step, so a crash or a full disk never leaves it
// half written.
#pragma once

#include <string>

namespace vesm {

// Writes bytes to a temporary file in the same folder, flushes it and moves it
// over path (MoveFileExW, which stays one step under Wine, unlike ReplaceFileW).
// Whatever lies at the temporary path is cleared or passed over for another
// name. On failure the previous file is untouched and the temporary removed.
bool ReplaceFileContents(const std::wstring& path, const std::string& bytes);

}  // namespace vesm
