// The view rectangle of the main window and the dialogs by screen class, the bar and list-row
// heights that go with each class, the placing of the view windows, and the re-layout on turning.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

// Height of a title or tool bar.
int GetBarHeight();
// The window's client rectangle with its bottom edge adjusted for the screen class.
void GetViewClientRect(HWND window, RECT& rect);
// The area a view draws in: the main window's view client rectangle less the theme's margins.
void GetViewRect(RECT& rect);
// The row height of the owner-drawn list views.
UINT GetItemListRowHeight();
// Answers WM_MEASUREITEM of the owner-drawn list views.
void MeasureItemListRow(MEASUREITEMSTRUCT& measure);

// How a view window is placed.
enum PlaceMode : int {
    kPlaceList = 0,   // list views: the column is fitted and the selected row scrolled into view
    kPlaceTree = 1,   // tree views: without margins when "Margins on Tree Views" is off
    kPlacePlain = 2,  // a plain window
};
// Puts the view window into the main window's view rectangle, shows it and gives it the focus.
void PlaceViewWnd(HWND window, PlaceMode mode);
// The same placing without showing or focusing.
void MoveViewWnd(HWND window, PlaceMode mode);

// Column 0 of a list view as wide as the main window's view area, less the scroll bar when the
// rows do not fit on one page.
void FitListColumn(HWND list);

