// The calls that change a menu's items: adding, changing and removing them, their enabled and
// checked states, and MENUITEMINFOW.
#include <algorithm>

#include "platform/system.h"
#include "shell/menu_table.h"

namespace platform {
namespace {

constexpr DWORD kNoItemState = static_cast<DWORD>(-1);
constexpr UINT kEnableBits = MF_GRAYED | MF_DISABLED;

// An item as the classic calls describe it; false for flags the device does not take.
bool ItemFromFlags(UINT flags, UINT_PTR idNewItem, LPCWSTR text, MenuItem& out) {
    if (flags & (MF_BITMAP | MF_OWNERDRAW)) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return false;
    }
    out = MenuItem{};
    out.type = flags & (MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK);
    out.state = (flags & kEnableBits ? MFS_GRAYED : 0) | (flags & (MF_CHECKED | MF_DEFAULT));
    if (flags & MF_POPUP) {
        const HMENU sub = reinterpret_cast<HMENU>(idNewItem);
        if (!PeekMenu(sub)) return false;
        out.subMenu = sub;
    } else {
        out.id = static_cast<UINT>(idNewItem);
    }
    if (!(flags & MF_SEPARATOR) && text) out.text = text;
    return true;
}

BOOL Insert(HMENU menu, UINT item, UINT flags, UINT_PTR idNewItem, LPCWSTR text, bool append) {
    const std::lock_guard guard(MenuLock());
    MenuItem made;
    if (!PeekMenu(menu) || !ItemFromFlags(flags, idNewItem, text, made)) return FALSE;
    Menu* target = PeekMenu(menu);
    std::size_t index = target->items.size();
    if (!append) {
        const ItemPlace place = FindItem(menu, item, flags);
        if (place.menu) {
            target = place.menu;
            index = place.index;
        } else if (!(flags & MF_BYPOSITION)) {
            return FALSE;  // no item with that command to insert before
        }
    }
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(made));
    return TRUE;
}

BOOL Remove(HMENU menu, UINT item, UINT flags, bool destroyPopup) {
    HMENU popup = nullptr;
    {
        const std::lock_guard guard(MenuLock());
        const ItemPlace place = FindItem(menu, item, flags);
        if (!place.menu) return FALSE;
        popup = place.Item().subMenu;
        place.menu->items.erase(place.menu->items.begin() + static_cast<std::ptrdiff_t>(place.index));
    }
    if (destroyPopup && popup) DestroyMenu(popup);
    return TRUE;
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
    return Insert(menu, 0, flags, idNewItem, text, true);
}

BOOL InsertMenuW(HMENU menu, UINT item, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
    return Insert(menu, item, flags, idNewItem, text, false);
}

BOOL ModifyMenuW(HMENU menu, UINT item, UINT flags, UINT_PTR idNewItem, LPCWSTR text) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, flags);
    MenuItem made;
    if (!place.menu || !ItemFromFlags(flags, idNewItem, text, made)) return FALSE;
    made.data = place.Item().data;
    place.Item() = std::move(made);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, true); }

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, false); }

DWORD EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, enable);
    if (!place.menu) return kNoItemState;
    UINT& state = place.Item().state;
    const DWORD previous = state & kEnableBits;
    state = (state & ~kEnableBits) | ((enable & kEnableBits) ? MFS_GRAYED : 0);
    return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, check);
    if (!place.menu) return kNoItemState;
    UINT& state = place.Item().state;
    const DWORD previous = state & MF_CHECKED;
    state = (state & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    const std::lock_guard guard(MenuLock());
    const ItemPlace firstPlace = FindItem(menu, first, flags);
    const ItemPlace lastPlace = FindItem(menu, last, flags);
    const ItemPlace checkPlace = FindItem(menu, check, flags);
    if (!firstPlace.menu || firstPlace.menu != lastPlace.menu || checkPlace.menu != firstPlace.menu) return FALSE;
    const std::size_t from = std::min(firstPlace.index, lastPlace.index);
    const std::size_t to = std::max(firstPlace.index, lastPlace.index);
    if (checkPlace.index < from || checkPlace.index > to) return FALSE;
    for (std::size_t i = from; i <= to; ++i) {
        MenuItem& it = firstPlace.menu->items[i];
        if (it.IsSeparator()) continue;
        it.state &= ~MF_CHECKED;
        if (i == checkPlace.index) {
            it.state |= MF_CHECKED;
            it.type |= MFT_RADIOCHECK;
        }
    }
    return TRUE;
}

BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!place.menu) return FALSE;
    const MenuItem& it = place.Item();
    if (info->fMask & MIIM_STATE) info->fState = it.state;
    if (info->fMask & MIIM_ID) info->wID = it.id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it.subMenu;
    if (info->fMask & MIIM_CHECKMARKS) info->hbmpChecked = info->hbmpUnchecked = nullptr;
    if (info->fMask & MIIM_DATA) info->dwItemData = it.data;
    if (info->fMask & MIIM_TYPE) {
        info->fType = it.type;
        if (!it.IsSeparator()) {
            // With a buffer the text is copied (cut to fit); without one only its length is given.
            if (info->dwTypeData && info->cch > 0) {
                const std::size_t n = std::min<std::size_t>(it.text.size(), info->cch - 1);
                std::copy_n(it.text.begin(), n, info->dwTypeData);
                info->dwTypeData[n] = 0;
                info->cch = static_cast<UINT>(n);
            } else {
                info->cch = static_cast<UINT>(it.text.size());
            }
        }
    }
    return TRUE;
}

BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::lock_guard guard(MenuLock());
    const ItemPlace place = FindItem(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!place.menu) return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu && !PeekMenu(info->hSubMenu)) return FALSE;
    MenuItem& it = place.Item();
    if (info->fMask & MIIM_STATE) it.state = (info->fState & kEnableBits ? MFS_GRAYED : 0) | (info->fState & (MFS_CHECKED | MFS_DEFAULT));
    if (info->fMask & MIIM_ID) it.id = info->wID;
    if (info->fMask & MIIM_SUBMENU) it.subMenu = info->hSubMenu;
    if (info->fMask & MIIM_DATA) it.data = info->dwItemData;
    if (info->fMask & MIIM_TYPE) {
        it.type = info->fType & (MFT_SEPARATOR | MFT_RADIOCHECK | MFT_MENUBARBREAK | MFT_MENUBREAK);
        if (!it.IsSeparator()) it.text = info->dwTypeData ? info->dwTypeData : u"";
    }
    return TRUE;
}

// Menus are drawn only when tracked; nothing stays on screen to redraw.
BOOL DrawMenuBar(HWND) { return TRUE; }
