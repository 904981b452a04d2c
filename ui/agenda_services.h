// What the calendar's agenda view window uses of the toolkit: themed header bands and item boxes,
// busy-status colours, hiding the view windows, the item pop-up menu and the selection records.
#pragma once

#include "platform/types.h"

// A header band in the theme's title bar style across the window's width; its height.
int DrawThemedBar(HDC dc, HWND window, int x, int y, const WCHAR* left, const WCHAR* right, LONG first, int draw);
// An item box in the theme's colours.
void DrawThemedItemBox(HDC dc, const RECT& rect, LONG alternate, LONG selected);
// The theme's free, tentative, busy or out-of-office colour.
COLORREF GetViewColor(LONG busyStatus);
// 0xD7D7D7 on a dark theme background (with the flag: the theme's first colour), else 0x646455.
COLORREF GetGreyForBackground(LONG useFirst);
void HideAllViewWindows();
// The current item's pop-up menu (22112 appointment, 22113 task, 22114 contact) at a client point.
void ShowSoftKeyPopup(int x, int y);
// 1 when a links key opened the Links dialog of the selected item.
int HandleLinksKey(UINT key);
void RememberLastView();
// Where a preview returns to: 4 opened from outside the lists, else by the current view.
void RememberPreviewOrigin(LONG outside);
LONG GetPreviewOrigin();
void ResetSelection();
