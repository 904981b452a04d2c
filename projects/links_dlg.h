// The Links dialog of the current item: its links to other items, files and web addresses, adding
// and removing them, and opening one after the dialog has closed.
#pragma once

#include <string>

#include "platform/types.h"

// What an opened row leads to. Not the link table's kinds: here a file is 4 and a web address 5.
enum PendingKind : LONG {
    kPendingNone = 0,
    kPendingTask = 1,
    kPendingAppt = 2,
    kPendingContact = 3,
    kPendingFile = 4,
    kPendingWeb = 5,
};

inline constexpr std::size_t kMaxPendingText = 520;

struct PendingLink {
    LONG kind = kPendingNone;
    LONG target = -1;
    std::u16string text;  // the path or address of kinds 4 and 5
    bool pending = false;
    bool changed = false;
};
extern PendingLink g_PendingLink;

// From the main menu: the task and contact views need their selection first.
void ShowLinksDlg();
void ShowLinksDlgFor(HWND parent);
// The same over the owner, for callers that checked their selection themselves.
void ShowLinksDlg(HWND owner);
// 0 task, 1 contact, 2 appointment; -1 when the target is gone or the kind is no item kind.
int GetLinkTargetText(LONG target, LONG kind, std::u16string& text);
INT_PTR CALLBACK LinksDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Opens the pending link: the item's preview, the file's program or the browser.
void OpenPendingLink();
