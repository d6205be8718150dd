// Window and dialog procedures must not let an exception escape into the
// system's code; what one catches is shown to the user here.
#pragma once

#include <windows.h>

namespace vesm {

void ReportUnexpectedError(HWND owner, const char* what);

}  // namespace vesm
