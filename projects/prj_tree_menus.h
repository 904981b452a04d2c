// The project tree's context menus: which menu a node gets, and the texts and enabled entries that
// follow from where the node stands.
#pragma once

#include "platform/commctrl.h"
#include "platform/menus.h"
#include "platform/types.h"

// The menu of a node, 0 for a node that has none.
UINT PrjNodeMenuId(HTREEITEM node);
// With the action key a folder (the "Projects" root, a project, the Appointments group) that holds
// nodes keeps the key for itself and gets no menu.
bool PrjMenuWantedOnKey(HTREEITEM node);
void SetItemMenuState(HMENU menu, HTREEITEM node);
void SetFolderMenuState(HMENU menu, HTREEITEM node);
void SetAddMenuState(HMENU menu, HTREEITEM node);
void SetMenuItemText(HMENU menu, UINT command, const WCHAR* text);
