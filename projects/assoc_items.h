// The Associated Items dialog of the current task or appointment: the phone numbers, mail and web
// addresses and contact names found in its texts, then its links; choosing one acts on it.
#pragma once

#include <string>

#include "platform/types.h"

// What the chosen row asks for.
enum AssocChoice : LONG {
    kAssocNone = 0,
    kAssocDial = 2,
    kAssocMail = 4,
    kAssocWeb = 5,
    kAssocLink = 13,
};

struct AssocResult {
    LONG choice = kAssocNone;
    std::u16string text;  // up to kMaxAssocText characters
};
extern AssocResult g_AssocResult;
inline constexpr std::size_t kMaxAssocText = 1024;

// 0 when there was nothing to show, else 1.
int ShowAssocItemsDlg(HWND parent);
INT_PTR CALLBACK AssocItemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Carriage returns and line feeds become blanks.
std::u16string FlattenLines(std::u16string text);
// The words of the text as rows; the count of rows added goes up with each.
void FillTextItemsList(HWND list, const std::u16string& text, int& rows);
