#include "frame/popup_menu.h"

#include "win32/utf.h"

namespace vesm {

namespace {

void Insert(HMENU popup, const MenuInsertion& item) {
    if (item.commandId == 0) {
        InsertMenuW(popup, static_cast<UINT>(item.position), MF_BYPOSITION | MF_SEPARATOR, 0,
                    nullptr);
        return;
    }
    const std::wstring text = Widen(item.text);
    InsertMenuW(popup, static_cast<UINT>(item.position), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(item.commandId), text.c_str());
}

}  // namespace

HMENU LoadContextMenu(HINSTANCE instance, const PopupRequest& request, const Settings& settings) {
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(ContextMenuResource(request.shiftHeld)));
    if (menu == nullptr) return nullptr;
    HMENU popup = GetSubMenu(menu, 0);
    for (const MenuInsertion& item : NavigationInsertions(request.source, settings)) {
        Insert(popup, item);
    }
    return menu;
}

void TrackContextMenu(HWND owner, const PopupRequest& request, const Settings& settings) {
    HMENU menu = LoadContextMenu(GetModuleHandleW(nullptr), request, settings);
    if (menu == nullptr) return;
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, request.at.x, request.at.y, 0, owner,
                   nullptr);
    // A tray menu closes properly only when the owner gets a message after it.
    if (request.source == MenuSource::Tray) PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

}  // namespace vesm
