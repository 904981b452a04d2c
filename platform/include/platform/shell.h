// The device shell's calls: soft-key menu bars made from the program's bar and menu resources,
// full-screen dialogs, the title of the navigation bar, the tap-and-hold gesture and the Back key.
#pragma once

#include "platform/menus.h"
#include "platform/types.h"
#include "platform/user.h"

// The device's own keys, as the shell delivers them.
#define VK_TSOFT1 VK_F1
#define VK_TSOFT2 VK_F2
#define VK_TTALK VK_F3
#define VK_TEND VK_F4
#define VK_TBACK VK_ESCAPE
#define VK_TUP VK_UP
#define VK_TDOWN VK_DOWN
#define VK_TLEFT VK_LEFT
#define VK_TRIGHT VK_RIGHT
#define VK_TACTION VK_RETURN
#define VK_TSTAR VK_F8
#define VK_TPOUND VK_F9

// Modifiers in the low word of WM_HOTKEY's lParam.
#define MOD_ALT 0x0001
#define MOD_CONTROL 0x0002
#define MOD_SHIFT 0x0004
#define MOD_WIN 0x0008
#define MOD_KEYUP 0x1000

// Soft-key menu bars.
#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
};
using PSHMENUBARINFO = SHMENUBARINFO*;
// The device's record is 36 bytes; both that size and sizeof(SHMENUBARINFO) are accepted.
#define SHMENUBARINFO_DEVICE_SIZE 36

// Makes the bar from the RCDATA bar resource nToolBarId and the MENU resource it names (or, with
// SHCMBF_HMENU, from the menu nToolBarId alone, one button per pop-up); hwndMB receives the bar.
BOOL SHCreateMenuBar(SHMENUBARINFO* info);
// The bar of a window made by SHCreateMenuBar, or nullptr.
HWND SHFindMenuBar(HWND window);

// Messages to a bar.
#define SHCMBM_SETSUBMENU (WM_USER + 400)
#define SHCMBM_GETSUBMENU (WM_USER + 401)  // lParam: the command of the button; its pop-up
#define SHCMBM_GETMENU (WM_USER + 402)     // the bar's menu
#define SHCMBM_OVERRIDEKEY (WM_USER + 403)
#define SHCMBM_SETBKCOLOR (WM_USER + 406)

// SHCMBM_OVERRIDEKEY: wParam the key, lParam LOWORD the flags to change and HIWORD their values.
#define SHMBOF_NODEFAULT 0x00000001
#define SHMBOF_NOTIFY 0x00000002

// Button states and styles of a bar (toolbar values as the bar resource stores them).
#define TBSTATE_CHECKED 0x01
#define TBSTATE_PRESSED 0x02
#define TBSTATE_ENABLED 0x04
#define TBSTATE_HIDDEN 0x08
#define TBSTYLE_BUTTON 0x0000
#define TBSTYLE_SEP 0x0001
#define TBSTYLE_AUTOSIZE 0x0010
#define TBSTYLE_DROPDOWN 0x0008
#define TB_ENABLEBUTTON (WM_USER + 1)
#define TB_ISBUTTONENABLED (WM_USER + 9)
#define TB_BUTTONCOUNT (WM_USER + 24)

// Full-screen dialogs.
#define SHIDIM_FLAGS 0x0001
#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020

struct SHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};
using PSHINITDLGINFO = SHINITDLGINFO*;
BOOL SHInitDialog(PSHINITDLGINFO info);

#define SHDB_SHOW 0x0001
#define SHDB_HIDE 0x0002
BOOL SHDoneButton(HWND window, DWORD state);
// Readies the shell's extra controls for the program; every control class here is ready from the start.
BOOL SHInitExtraControls();

#define SHFS_SHOWTASKBAR 0x0001
#define SHFS_HIDETASKBAR 0x0002
#define SHFS_SHOWSIPBUTTON 0x0004
#define SHFS_HIDESIPBUTTON 0x0008
#define SHFS_SHOWSTARTICON 0x0010
#define SHFS_HIDESTARTICON 0x0020
BOOL SHFullScreen(HWND window, DWORD state);

// The title shown in the navigation bar at the top of the screen; nullptr goes back to the title
// of the foreground window.
BOOL SHSetNavBarText(HWND window, LPCWSTR text);

// The Back key handed on by a window that overrode it: to the focused window, where an edit control
// takes it as a backspace; elsewhere it closes the window's dialog as Cancel would.
void SHSendBackToFocusWindow(UINT message, WPARAM wParam, LPARAM lParam);

// The Back key's default handling for a program that overrode it: the device returns to the previous
// program, so no window of this program stays in front.
void SHNavigateBack();

// The input panel hook every dialog procedure calls first: no input panel on this device.
BOOL SHInputDialog(HWND dialog, UINT message, WPARAM wParam);

// Tap and hold.
#define SHRG_RETURNCMD 0x00000001
#define SHRG_NOTIFYPARENT 0x00000002
#define SHRG_LONGDELAY 0x00000008
#define SHRG_NOANIMATION 0x00000010
#define GN_CONTEXTMENU 1000
#define WM_CONTEXTMENU 0x007B

struct SHRGINFO {
    DWORD cbSize;
    HWND hwndClient;
    POINT ptDown;
    DWORD dwFlags;
};
using PSHRGINFO = SHRGINFO*;
// Called on WM_LBUTTONDOWN: waits while the stylus stays down at the point; GN_CONTEXTMENU when it
// is held there long enough, 0 when it lifts or moves away first. Without SHRG_RETURNCMD the window
// (or with SHRG_NOTIFYPARENT its parent) gets WM_CONTEXTMENU and its answer is returned.
DWORD SHRecognizeGesture(SHRGINFO* info);

// ---- File information and the system image list ----
struct SHFILEINFOW {
    HICON hIcon;
    int iIcon;
    DWORD dwAttributes;
    WCHAR szDisplayName[260];
    WCHAR szTypeName[80];
};
using SHFILEINFO = SHFILEINFOW;
#define SHGFI_LARGEICON 0x000000
#define SHGFI_SMALLICON 0x000001
#define SHGFI_ICON 0x000100
#define SHGFI_DISPLAYNAME 0x000200
#define SHGFI_ATTRIBUTES 0x000800
#define SHGFI_SYSICONINDEX 0x004000
#define SHGFI_USEFILEATTRIBUTES 0x000010
// With SHGFI_SYSICONINDEX the system image list (small or large icons; owned by the shell, never
// destroyed by callers) and the entry's index in it; otherwise nonzero on success. 0 when the path
// does not exist (unless SHGFI_USEFILEATTRIBUTES). SHGFI_ICON makes an icon the caller destroys.
DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT infoSize, UINT flags);
#define SHGetFileInfo SHGetFileInfoW
