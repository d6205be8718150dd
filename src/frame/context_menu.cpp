#include "frame/context_menu.h"

#include "res/resource.h"

namespace vesm {

int ContextMenuResource(bool shiftHeld) {
    return shiftHeld ? IDR_CONTEXT_PROFILE : IDR_CONTEXT;
}

// Both menus open with the options and task list items and a separator, so the
// navigation block goes at the same place in either.
std::vector<MenuInsertion> NavigationInsertions(MenuSource source, const Settings& settings) {
    if (source != MenuSource::Tray || settings.mouseTransparent != 1) return {};
    return {
        {3, ID_MONTH_PREVIOUS, "前月へ（&B)"},
        {4, ID_MONTH_NEXT, "翌月へ（&F)"},
        {5, ID_MONTH_SELECT, "表示月を指定（&S)"},
        {6, ID_MONTH_CURRENT, "表示月を元に戻す（&U)"},
        {7, 0, ""},
    };
}

}  // namespace vesm
