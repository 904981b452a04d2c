// Window, control and soft-key button values that the resource script needs. The resource compiler
// cannot read the platform's C++ headers, so the published values the script uses are repeated here;
// program code takes them from the platform's headers and never includes this file.
#pragma once

#ifndef RC_INVOKED
#error "rc_styles.h is for the resource script only"
#endif

// Window styles.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

// Dialog and control styles.
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define ES_AUTOHSCROLL 0x0080L
#define SS_BITMAP 0x000EL
#define SS_CENTERIMAGE 0x0200L

// Soft-key bar buttons.
#define I_IMAGENONE 0xFFFE
#define TBSTATE_ENABLED 0x04
#define TBSTYLE_DROPDOWN 0x08
#define TBSTYLE_AUTOSIZE 0x10
#define NOMENU 0xFFFF
// Raw data takes no expressions: TBSTYLE_AUTOSIZE | TBSTYLE_DROPDOWN, for buttons that open a pop-up.
#define TBSTYLE_AUTOSIZE_DROPDOWN 0x18

// Tree views (the file picker).
#define TVS_HASBUTTONS 0x0001L
#define TVS_HASLINES 0x0002L
#define TVS_LINESATROOT 0x0004L
#define TVS_SHOWSELALWAYS 0x0020L

// List boxes and up-down buttons (the month picker's spin lists).
#define LBS_NOTIFY 0x0001L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define UDS_ALIGNRIGHT 0x0004L
#define UDS_AUTOBUDDY 0x0010L
#define UDS_ARROWKEYS 0x0020L
#define UDS_HORZ 0x0040L

// List views and check boxes of the list dialogs.
#define WS_VSCROLL 0x00200000L
#define BS_AUTOCHECKBOX 0x0003L
#define LVS_REPORT 0x0001
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_NOCOLUMNHEADER 0x4000
#define LVS_OWNERDRAWFIXED 0x0400
