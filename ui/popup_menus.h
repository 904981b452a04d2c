// Pop-up menus from the program's menu resources: the item menu of a tap-and-hold and the date
// field's "Set Date" menu.
#pragma once

#include "platform/types.h"
#include "resources/resource.h"

inline constexpr UINT kSetDateMenu = IDM_SET_DATE_MENU;
inline constexpr UINT kCmdNoDate = IDM_NO_DATE;
inline constexpr UINT kCmdSetDate = IDM_SET_DATE;

// The first submenu of menu `menuId`, tracked for the window at the screen point; its command arrives
// as WM_COMMAND.
void TrackPopupMenuById(HWND window, int x, int y, UINT menuId);
// The item menu of the current item kind at the screen point, for the main window; none for no item.
void ShowSoftKeyPopup(int x, int y);
// The chosen command of the "Set Date" menu, 0 when none.
UINT ShowSetDatePopup(HWND window);
