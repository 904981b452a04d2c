// Tracking pop-up menus: the drawn pop-up windows, one per open level, and the loop that runs while
// a menu is open. The loop takes the thread's keys and stylus input itself; everything else is
// dispatched as usual, and actions queued for modal loops (the test API's) run when it is idle.
//
// Levels: level 0 is the menu tracked; opening a pop-up item pushes a level, Left or Escape pops one.
// An item is chosen by Enter or by a tap on it (the stylus lifted there after coming down on the open
// menu: the lift that ends the hold that opened a menu chooses nothing); a grayed item is never chosen. A press
// outside every level, a soft key, WM_QUIT or the owner's end closes them all with nothing chosen.
#pragma once

#include <string>
#include <vector>

#include "platform/menus.h"
#include "shell/menu_table.h"

namespace platform {

// Runs the menu and returns the command chosen, 0 for none. `initIndex` is the position the owner's
// WM_INITMENUPOPUP names for level 0.
UINT TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, int initIndex);

// For the painter: the items of an open pop-up window and the selected one (-1 for none).
struct PopupView {
    std::vector<MenuItem> items;
    int selected = -1;
};
bool ViewOfPopup(HWND popup, PopupView& out);

// The size of a pop-up of these items, and the row of an item in it (client coordinates).
SIZE PopupSize(const std::vector<MenuItem>& items);
RECT PopupRow(const std::vector<MenuItem>& items, int index);

// True while the calling thread tracks a menu; the texts of the innermost open level (for tests).
bool MenuIsOpen();
std::vector<std::u16string> OpenMenuTexts();

}  // namespace platform
