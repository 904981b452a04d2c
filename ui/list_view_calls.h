// Thin wrappers over the list-view messages the list routines send, so the routines read as what
// they do with a row rather than as message packing.
#pragma once

#include "platform/commctrl.h"
#include "platform/user.h"

inline int LvCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
inline int LvSelMark(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)); }
inline void LvSetSelMark(HWND list, int row) { SendMessageW(list, LVM_SETSELECTIONMARK, 0, row); }

// The item data of a row, 0 for a row that does not exist.
inline LPARAM LvRowData(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

// Selection mark, selected and focused.
inline void LvSelectRow(HWND list, int row) {
    LvSetSelMark(list, row);
    LVITEMW item{};
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

inline void LvEnsureVisible(HWND list, int row) { SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
inline void LvRedrawOn(HWND list) { SendMessageW(list, WM_SETREDRAW, TRUE, 0); }
inline void LvRedrawOff(HWND list) { SendMessageW(list, WM_SETREDRAW, FALSE, 0); }

inline bool LvRowRect(HWND list, int row, RECT& rect, int part = LVIR_BOUNDS) {
    rect = RECT{};
    rect.left = part;
    return SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != 0;
}
