// The rich ink control ("InkX"): a page that takes handwriting and drawings from the stylus and
// typed text from the keys, and keeps them as one block of bytes that only the control reads.
#pragma once

#include "platform/user.h"

#define WC_INKXW u"InkX"

// The control's own style bit that programs set when they create it.
#define IS_INKX_DEFAULT 0x0004L

// Messages (WM_USER-based).
#define IM_GETDRAWMODE (WM_USER + 254)  // returns IM_DRAWING in drawing mode, else IM_TYPING
#define IM_SETDRAWMODE (WM_USER + 284)  // wParam IM_TYPING or IM_DRAWING
#define IM_SETINPUTMODE (WM_USER + 287)  // wParam the input mode value, kept as given
#define IM_GETZOOM (WM_USER + 289)  // returns the zoom in percent
#define IM_SETZOOM (WM_USER + 290)  // lParam the zoom in percent (IM_ZOOM_MIN to IM_ZOOM_MAX)
#define IM_GETINPUTMODE (WM_USER + 323)
#define IM_SETTYPINGSTATE (WM_USER + 329)  // wParam 1 after switching to typing, 0 after drawing
#define IM_GETDATALEN (WM_USER + 514)  // returns the length of the data in bytes
#define IM_GETDATA (WM_USER + 515)  // wParam size, lParam buffer; returns the bytes copied
#define IM_SETDATA (WM_USER + 516)  // wParam size, lParam bytes; TRUE when they were read
#define IM_REFRESHMODE (WM_USER + 519)
#define IM_SHOWVOICEBAR (WM_USER + 530)  // wParam 1 shows, 0 hides the voice recording bar

#define IM_TYPING 0
#define IM_DRAWING 3
#define IM_ZOOM_MIN 75
#define IM_ZOOM_MAX 300
#define IM_ZOOM_DEFAULT 100

// Registers the "InkX" class; true when it is there afterwards.
BOOL InitInkX();
