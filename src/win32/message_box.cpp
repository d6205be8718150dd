#include "win32/message_box.h"

#include "win32/utf.h"

namespace vesm {

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

}  // namespace vesm
