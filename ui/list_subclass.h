// The subclassed list views and the project tree: the theme background behind their rows, the
// notices of an empty contact or search list, Enter and double-taps forwarded to the dialog or view,
// the pen gestures, and the project tree's drag and drop.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

// The search result list.
inline constexpr int kIdSearchResultList = 1125;

// Notices over an empty list: the contacts list and the search set emptyList while nothing
// matches, the search sets searchPrompt while it waits for its text.
struct ListNotices {
    LONG emptyList = 0;
    LONG searchPrompt = 0;
};
extern ListNotices g_ListNotices;

// Fills the main window's view area with the theme's picture or background colour.
void DrawViewBkgnd(HDC dc);
// WM_ERASEBKGND of the subclassed lists.
void EraseListBkgnd(HDC dc, HWND list);
void DrawSearchEmpty(HDC dc, HWND list, bool searchList);
void DrawSearchPrompt(HDC dc, HWND list);
// On Up and Down over a background picture: repaints the whole list when it is about to scroll.
void ListArrowRedraw(HWND list, UINT key);
void RedrawIfSelOffView(HWND list, UINT key);

LRESULT CALLBACK ListKeysProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ItemListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// ItemListProc whose rows act on a pen-down in their check strip at the left.
LRESULT CALLBACK ItemListProcAlt(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HRESULT SubclassListKeys(HWND window);
enum class CheckStrip : int { kNo = 0, kYes = 1 };
HRESULT SubclassItemList(HWND window, CheckStrip variant);

// The width of the check strip at the left of a row.
int CheckStripWidth();

