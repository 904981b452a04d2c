// The stack of open modal dialogs that the wallet lock closes, newest first.
#pragma once

#include "platform/types.h"
#include "platform/user.h"

inline constexpr int kMaxOpenDlgs = 6;
// Sent to every dialog on the stack by CloseAllOpenDlgs; the dialog ends as if cancelled.
inline constexpr UINT kMsgCloseOpenDlg = WM_USER + 9;

// A push beyond kMaxOpenDlgs is not recorded.
void PushOpenDlg(HWND dialog);
void PopOpenDlg();
void CloseAllOpenDlgs();
// Forgets every entry without closing anything.
void ClearOpenDlgs();
