// The soft-key bar of every view: which bar a view shows in each left-button style, one bar
// window kept per view, the Back key passed on to the program, and the adjusting of the pop-up
// menus when they open (item texts and the views that are switched on).
#pragma once

#include "ui/frame_calls.h"

#include "platform/types.h"
#include "ui/menu_bar_slots.h"

// The bar identifier of a view in a left-button style; the month bar when useDefault is set or
// the view has no bar of its own.
UINT ViewMenuBarId(LONG viewId, LONG style, int useDefault);
// Shows the current view's bar from its slot; 0 for a view without a slot.
LONG RecreateViewMenuBar();
// Hides the bar on screen and shows this one, unless it is already the one on screen.
void SwitchShownWindow(HWND bar);
// Destroys every view's bar and clears the slots; the record of the shown bar stays.
void DestroyViewMenuBars();

// The texts and states of the current item's commands in the menu that opens.
void SetContextMenuTexts(int unused, HMENU menu);
// "Saved Views" and the views menu pruned to the views that are switched on.
void BuildViewMenu(int unused, HMENU menu, int force);
// Sets the text of a menu entry by its command; nothing for an absent entry.
void SetMenuEntryText(HMENU menu, UINT command, const WCHAR* text);
// The text of the category filter entry: "Filter(On)" while the current view's filter is on.
void SetFilterEntryText(HMENU menu);
