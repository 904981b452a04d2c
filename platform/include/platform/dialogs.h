// Dialogs: windows made from DLGTEMPLATE resources with their controls, the modal loop of a dialog
// box, dialog units, the dialog item helpers, keyboard navigation between controls
// (IsDialogMessageW) and deferred window moves.
#pragma once

#include "platform/controls.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"

using DLGPROC = INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

// The class of dialogs made from templates that name none.
#define WC_DIALOG u"Dialog"

// Dialog styles.
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// What a control wants of the keyboard (WM_GETDLGCODE).
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Dialog messages.
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DM_REPOSITION (WM_USER + 2)
#define DC_HASDEFID 0x534B
#define WM_NEXTDLGCTL 0x0028

// Modal dialogs: -1 when the dialog cannot be made (a bad owner or template); else what EndDialog gave.
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner, DLGPROC proc,
                                LPARAM param);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
inline INT_PTR DialogBoxIndirectW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner, DLGPROC proc) {
    return DialogBoxIndirectParamW(instance, dialogTemplate, owner, proc, 0);
}
inline INT_PTR DialogBoxW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc) {
    return DialogBoxParamW(instance, templateName, owner, proc, 0);
}
// Modeless dialogs.
HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner, DLGPROC proc,
                                LPARAM param);
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
// Ends a modal dialog (also from within WM_INITDIALOG); the dialog goes when its loop returns.
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog units to pixels by the dialog's font.
BOOL MapDialogRect(HWND dialog, LPRECT rect);
// The base units of the system font: average character width in the low word, height in the high word.
LONG GetDialogBaseUnits();

// Dialog items.
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR out, int outChars);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);

// Keyboard navigation.
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Moving several windows as one step.
HDWP BeginDeferWindowPos(int count);
HDWP DeferWindowPos(HDWP positions, HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL EndDeferWindowPos(HDWP positions);
