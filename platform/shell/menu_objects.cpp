// Menu handles: creating, loading from MENU resources, destroying, and the calls that read a menu.
#include <algorithm>
#include <atomic>
#include <unordered_map>

#include "platform/system.h"
#include "resources/menu_template.h"
#include "shell/menu_table.h"

namespace platform {
namespace {

// Menu handles are numbers from their own space, never reused.
constexpr std::uintptr_t kFirstMenuHandle = 0x6D000010;
constexpr std::uintptr_t kMenuHandleStep = 0x10;
// The high byte of GetMenuState for a pop-up holds its count of items.
constexpr int kPopupCountShift = 8;
constexpr UINT kNoItem = static_cast<UINT>(-1);

struct MenuTable {
    std::unordered_map<HMENU, std::unique_ptr<Menu>> menus;
    std::uintptr_t next = kFirstMenuHandle;
};

MenuTable& Table() {
    static MenuTable table;
    return table;
}

HMENU AddMenu(bool popup) {
    const std::lock_guard guard(MenuLock());
    MenuTable& t = Table();
    const HMENU handle = reinterpret_cast<HMENU>(t.next);
    t.next += kMenuHandleStep;
    auto menu = std::make_unique<Menu>();
    menu->popup = popup;
    t.menus.emplace(handle, std::move(menu));
    return handle;
}

// With MenuLock() held.
void DestroyTree(HMENU handle) {
    const auto it = Table().menus.find(handle);
    if (it == Table().menus.end()) return;
    const std::unique_ptr<Menu> menu = std::move(it->second);
    Table().menus.erase(it);
    for (const MenuItem& item : menu->items)
        if (item.subMenu) DestroyTree(item.subMenu);
}

MenuItem ItemFromTemplate(const MenuTemplateItem& stored) {
    MenuItem item;
    const WORD flags = stored.flags & static_cast<WORD>(~kMenuItemEnd);
    item.text = std::u16string(stored.text);
    if (stored.IsSeparator()) item.type = MFT_SEPARATOR;
    item.type |= flags & (MF_MENUBARBREAK | MF_MENUBREAK);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (item.state & (MF_GRAYED | MF_DISABLED)) item.state = (item.state & ~MFS_GRAYED) | MFS_GRAYED;
    item.id = stored.id;
    return item;
}

HMENU BuildMenu(const std::vector<MenuTemplateItem>& items, bool popup) {
    const HMENU handle = AddMenu(popup);
    for (const MenuTemplateItem& stored : items) {
        MenuItem item = ItemFromTemplate(stored);
        if (stored.IsPopup()) item.subMenu = BuildMenu(stored.items, true);
        const std::lock_guard guard(MenuLock());
        PeekMenu(handle)->items.push_back(std::move(item));
    }
    return handle;
}

ItemPlace FindByCommand(HMENU handle, UINT id) {
    Menu* menu = Table().menus.count(handle) ? Table().menus[handle].get() : nullptr;
    if (!menu) return {};
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.subMenu) {
            if (const ItemPlace inner = FindByCommand(item.subMenu, id); inner.menu) return inner;
        } else if (item.id == id && !item.IsSeparator()) {
            return {menu, i, handle};
        }
    }
    return {};
}

}  // namespace

std::recursive_mutex& MenuLock() {
    static std::recursive_mutex lock;
    return lock;
}

Menu* PeekMenu(HMENU handle) {
    const auto it = Table().menus.find(handle);
    if (it != Table().menus.end()) return it->second.get();
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return nullptr;
}

ItemPlace FindItem(HMENU handle, UINT item, UINT flags) {
    Menu* menu = PeekMenu(handle);
    if (!menu) return {};
    if (flags & MF_BYPOSITION) {
        if (item >= menu->items.size()) return {};
        return {menu, item, handle};
    }
    return FindByCommand(handle, item);
}

std::vector<MenuItem> MenuItems(HMENU handle) {
    const std::lock_guard guard(MenuLock());
    const Menu* menu = PeekMenu(handle);
    return menu ? menu->items : std::vector<MenuItem>{};
}

}  // namespace platform

using namespace platform;

HMENU CreateMenu() { return AddMenu(false); }

HMENU CreatePopupMenu() { return AddMenu(true); }

BOOL DestroyMenu(HMENU menu) {
    const std::lock_guard guard(MenuLock());
    if (!PeekMenu(menu)) return FALSE;
    DestroyTree(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    const std::lock_guard guard(MenuLock());
    return Table().menus.count(menu) ? TRUE : FALSE;
}

HMENU LoadMenuW(HINSTANCE instance, LPCWSTR name) {
    const auto items = LoadMenuTemplate(instance, name);
    if (!items) return nullptr;
    return BuildMenu(*items, false);
}

HMENU GetSubMenu(HMENU menu, int position) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return position >= 0 && place.menu ? place.Item().subMenu : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    const std::lock_guard guard(MenuLock());
    const Menu* m = PeekMenu(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (position < 0 || !place.menu || place.Item().subMenu) return kNoItem;
    return place.Item().id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, flags);
    if (!place.menu) return kNoItem;
    const MenuItem& it = place.Item();
    UINT state = it.state | (it.type & (MFT_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK));
    if (it.subMenu) {
        const Menu* sub = PeekMenu(it.subMenu);
        const UINT count = sub ? static_cast<UINT>(std::min<std::size_t>(sub->items.size(), 0xFF)) : 0;
        state = (count << kPopupCountShift) | (state & 0xFF) | MF_POPUP;
    }
    return state;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR out, int outChars, UINT flags) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, flags);
    if (!place.menu) return 0;
    const std::u16string& text = place.Item().text;
    if (!out || outChars <= 0) return static_cast<int>(text.size());
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(outChars - 1));
    std::copy_n(text.begin(), n, out);
    out[n] = 0;
    return static_cast<int>(n);
}
