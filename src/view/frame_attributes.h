// What each paint applies to the frame window: its size, its translucency,
// whether it stays on top and whether clicks pass through it.
#pragma once

#include <windows.h>

#include "doc/settings.h"
#include "view/geometry.h"

namespace vesm {

void ApplyFrameAttributes(HWND frame, const Settings& settings, Size window);

}  // namespace vesm
