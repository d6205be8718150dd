#include "win32/unexpected.h"

#include <string>

#include "win32/message_box.h"

namespace vesm {

void ReportUnexpectedError(HWND owner, const char* what) {
    std::string text = "予期しないエラーが発生しました。";
    if (what != nullptr && *what != '\0') {
        text += "\n";
        text += what;
    }
    ShowMessageBox(owner, text, "vesmira", MB_OK | MB_ICONWARNING);
}

}  // namespace vesm
