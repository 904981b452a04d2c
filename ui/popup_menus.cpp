// Pop-up menus loaded from the program's resources: each is the first submenu of its menu resource
// and is destroyed after it closes.
#include "ui/popup_menus.h"

#include <array>
#include <memory>

#include "core/frame_state.h"
#include "platform/menus.h"
#include "platform/system.h"
#include "platform/user.h"

namespace {

struct MenuCloser {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuPtr = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuCloser>;

MenuPtr LoadProgramMenu(UINT menuId) { return MenuPtr(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId))); }

struct ItemMenu {
    LONG kind;
    UINT menuId;
};
constexpr std::array<ItemMenu, 3> kItemMenus = {{
    {kItemTask, IDM_TASK_ITEM_MENU},
    {kItemAppt, IDM_APPT_ITEM_MENU},
    {kItemContact, IDM_CONTACT_ITEM_MENU},
}};

// Where the "Set Date" menu opens, whatever the field.
constexpr int kSetDateMenuX = 115;
constexpr int kSetDateMenuY = 100;

}  // namespace

void TrackPopupMenuById(HWND window, int x, int y, UINT menuId) {
    const MenuPtr menu = LoadProgramMenu(menuId);
    if (!menu) return;
    const HMENU popup = GetSubMenu(menu.get(), 0);
    if (popup) TrackPopupMenuEx(popup, 0, x, y, window, nullptr);
}

void ShowSoftKeyPopup(int x, int y) {
    for (const ItemMenu& m : kItemMenus) {
        if (m.kind == g_CurItem.kind) TrackPopupMenuById(g_Frame.mainWnd, x, y, m.menuId);
    }
}

UINT ShowSetDatePopup(HWND window) {
    const MenuPtr menu = LoadProgramMenu(kSetDateMenu);
    if (!menu) return 0;
    const HMENU popup = GetSubMenu(menu.get(), 0);
    if (!popup) return 0;
    return static_cast<UINT>(TrackPopupMenuEx(popup, TPM_RETURNCMD, kSetDateMenuX, kSetDateMenuY, window, nullptr));
}
