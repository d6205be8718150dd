// Which context menu a right click opens, and what the tray adds to it.
#pragma once

#include <string>
#include <vector>

#include "doc/settings.h"

namespace vesm {

enum class MenuSource { Tray, Calendar };

// Menu 463, the one with the profile command, when Shift is held; 130 otherwise.
int ContextMenuResource(bool shiftHeld);

struct MenuInsertion {
    int position = 0;
    int commandId = 0;  // 0 for a separator
    std::string text;   // UTF-8; empty for a separator
};

// The navigation commands the tray menu offers in place of the margins when
// the calendar lets clicks pass through; inserted in this order.
std::vector<MenuInsertion> NavigationInsertions(MenuSource source, const Settings& settings);

}  // namespace vesm
