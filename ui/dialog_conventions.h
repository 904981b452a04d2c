// What every dialog of the program shares: its result codes, the soft-key bar it gets when it opens,
// the stack of open dialogs that the wallet's lock closes at once, and opening a dialog by template.
#pragma once

#include "core/main_messages.h"
#include "platform/types.h"

// Result codes; the dialog bars' "Done" and "Cancel" send the same numbers as commands.
inline constexpr INT_PTR kDlgAccept = 20071;
inline constexpr INT_PTR kDlgCancel = 20072;
// EndDialog's value when the soft-key bar could not be made.
inline constexpr INT_PTR kDlgFailed = -1;

inline constexpr int kOpenDlgSlots = 6;

// The stack of open dialogs, slot 0 the oldest; top is -1 when empty.
struct OpenDlgStack {
    LONG top = -1;
    HWND slots[kOpenDlgSlots] = {};
};
extern OpenDlgStack g_OpenDlgs;

// A seventh dialog over six recorded ones is not recorded.
void PushOpenDlg(HWND dialog);
// Takes the dialog's own entry off; nothing when it was never recorded.
void PopOpenDlg(HWND dialog);
// Sends kMsgEndDialog (a dialog ends with kDlgCancel on it) from the newest to the oldest, then empties the stack.
void CloseAllOpenDlgs();
// Forgets every entry without closing anything.
void ClearOpenDlgs();

enum class BackKey : int { kDefault = 0, kOverride = 1 };
// A full-screen dialog with the soft-key bar `barId`; with kOverride the Back key reaches the dialog
// as WM_HOTKEY. 1 on success, 0 when the dialog or the bar could not be set up.
int InitDlgMenuBar(HWND dialog, UINT barId, BackKey back);

// Opens dialog template `templateId` of the program modally over `parent`; its result code, or -1
// when the template is missing or the dialog cannot be made.
INT_PTR RunProgramDialog(UINT templateId, HWND parent, INT_PTR(CALLBACK* proc)(HWND, UINT, WPARAM, LPARAM),
                         LPARAM param = 0);

// The Back key overridden by InitDlgMenuBar arrives as WM_HOTKEY with VK_ESCAPE in the high word.
bool IsBackHotKey(UINT message, LPARAM lParam);
