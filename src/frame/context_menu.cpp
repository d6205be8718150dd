#include "frame/context_menu.h"

#include "res/resource.h"

namespace vesm {

int ContextMenuResource(bool shiftHeld) {
    return shiftHeld ? IDR_CONTEXT_PROFILE : IDR_CONTEXT;
}

// Both menus open with the options, task list and two iCalendar items and a
// separator, so the navigation block goes at the same place in either.
std::vector<MenuInsertion> NavigationInsertions(MenuSource source, const Settings& settings) {
    if (source != MenuSource::Tray || settings.mouseTransparent != 1) return {};
    return {
        {5, ID_MONTH_PREVIOUS, "前月へ（&B)"},
        {6, ID_MONTH_NEXT, "翌月へ（&F)"},
        {7, ID_MONTH_SELECT, "表示月を指定（&S)"},
        {8, ID_MONTH_CURRENT, "表示月を元に戻す（&U)"},
        {9, 0, ""},
    };
}

}  // namespace vesm
