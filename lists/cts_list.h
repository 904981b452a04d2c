// The contacts list (control 2350): an owner-drawn list view of the shown contact rows below or
// above the letter tabs, its row heights and picture sizes, and the current contact.
#pragma once

#include "platform/commctrl.h"
#include "platform/types.h"

extern HWND g_CtsListWnd;

HWND CreateCtsList(HWND mainWindow);
// With the letter tabs on: the tabs go to the top or the bottom of the main window's client area,
// and the list takes the rest.
void MoveCtsListWnd();
void SizeCtsListWnd(HWND list);
// Row height of the list and the picture size of a two-line row, by screen and settings.
int CtsListRowHeight();
int GetCtsRowHeight();
// Takes the current contact as the global selection; with ask, says so when there is none.
bool CheckCtsSelected(bool ask);
// With collapsible lists on, the grid's selected row is a header.
bool SelCtsRowIsHeader();
// The id of the grid's selected row, -1 none.
LONG GetSelCtsRowId();
// The OID under the list's selected row, -1 for none or a header.
LONG GetCtsListSelOid();
// Paints one contact row in the one-line or, with "PHOTO", the two-line layout.
void DrawCtsListRow(HDC dc, const RECT& row, LONG oid, bool selected, bool plain);
