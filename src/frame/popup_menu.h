// Loading, filling and tracking the frame's context menus.
#pragma once

#include <windows.h>

#include "doc/settings.h"
#include "frame/context_menu.h"

namespace vesm {

struct PopupRequest {
    MenuSource source = MenuSource::Calendar;
    bool shiftHeld = false;
    POINT at{};  // screen coordinates
};

// The loaded menu resource with the tray's additions in its first popup; the
// caller destroys it. Null when the resource cannot be loaded.
HMENU LoadContextMenu(HINSTANCE instance, const PopupRequest& request, const Settings& settings);

// Shows the menu modally, owned by the frame, which then receives the command.
void TrackContextMenu(HWND owner, const PopupRequest& request, const Settings& settings);

}  // namespace vesm
