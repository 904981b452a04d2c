// The menu objects of this process: each handle names a list of items; a pop-up item holds the
// handle of the menu it opens. Every access goes through MenuLock(); nothing is called with it held
// that could come back here.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/menus.h"

namespace platform {

struct MenuItem {
    UINT type = MFT_STRING;  // MFT_STRING or MFT_SEPARATOR, with MFT_RADIOCHECK and the breaks
    UINT state = 0;          // MFS_GRAYED, MFS_CHECKED, MFS_DEFAULT
    UINT id = 0;
    HMENU subMenu = nullptr;
    std::u16string text;
    ULONG_PTR data = 0;

    bool IsSeparator() const { return (type & MFT_SEPARATOR) != 0; }
    bool IsGrayed() const { return (state & MFS_GRAYED) != 0; }
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
};

std::recursive_mutex& MenuLock();

// With MenuLock() held: the menu of a handle, nullptr (and ERROR_INVALID_MENU_HANDLE) when none.
Menu* PeekMenu(HMENU handle);

// Where an item lies: its menu and position.
struct ItemPlace {
    Menu* menu = nullptr;
    std::size_t index = 0;
    HMENU handle = nullptr;
    MenuItem& Item() const { return menu->items[index]; }
};
// With MenuLock() held: the item `item` of `menu` by position or by command (searching pop-ups
// depth first); an empty place when there is none.
ItemPlace FindItem(HMENU menu, UINT item, UINT flags);

// A copy of a menu's items for drawing and tracking outside the lock.
std::vector<MenuItem> MenuItems(HMENU menu);

}  // namespace platform
