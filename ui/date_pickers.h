// The three pickers drawn in large type: the go-to-date wheel, the select-date grid and the
// select-time wheel, with the state words each leaves its result in.
#pragma once

#include "platform/types.h"
#include "ui/offscreen.h"

// Where a tap on a wheel went down; x and y are -1 when no tap is pending.
struct WheelTap {
    LONG x = -1;
    LONG y = -1;
    LONG active = 0;
    LONG columnChanged = 0;
};

// Columns are display positions: column 2 is always the year.
struct GoToDateWheel {
    LONG year = 0;
    LONG month = 0;
    LONG day = 0;
    LONG column = 0;
    WheelTap tap;
};
extern GoToDateWheel g_GoToDate;

// The date the grid shows and, after an accepted grid, the chosen one.
struct SelectDateGrid {
    LONG month = 0;
    LONG day = 0;
    LONG year = 0;
};
extern SelectDateGrid g_SelectDateGrid;

// Column 2 (AM/PM) exists only on a 12-hour clock.
struct SelectTimeWheel {
    LONG hour = 0;
    LONG minute = 0;
    LONG column = 0;
    WheelTap tap;
};
extern SelectTimeWheel g_SelectTime;

// The grid's month picture and its place in the dialog.
struct SelectDateGridView {
    OffscreenBuffer picture;
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
};
extern SelectDateGridView g_SelectDateGridView;

// Set while the select-date grid is open: the month cache then holds the grid's months.
extern LONG g_MonthCacheReload;

// Years the go-to-date wheel runs through.
inline constexpr LONG kWheelFirstYear = 1940;
inline constexpr LONG kWheelLastYear = 2050;
// A pen moving farther than this between down and up is a drag, not a tap.
inline constexpr LONG kWheelDragSlack = 8;

// True when the picker ended with "Select" (20071); the result is in its state.
bool SelectTimeDlg(HWND parent, LONG hour, LONG minute);

INT_PTR CALLBACK SelectTimeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SelectTimeCtlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
HRESULT SubclassSelectTimeCtl(HWND control);

void PaintSelectTime(HWND dialog, HDC dc);

int SelectTimeKey(HWND dialog, UINT key);
void SelectTimeDigit(HWND dialog, int digit);
void SelectTimeStepUp();
void SelectTimeStepDown();
void SelectTimeTapStep();
void SelectTimeTapDown(HWND dialog, int x, int y);
void SelectTimeTapUp(HWND dialog, int x, int y);

