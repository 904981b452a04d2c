// The About box: the version line, the device's OEM text on request, and the hidden keys that give
// support staff the device's details and the keyboard test.
#pragma once

#include <string>

#include "platform/types.h"

struct AboutState {
    LONG showOem = 0;    // set by a diagnostic key; every later opening shows the OEM line
    LONG landscape = 0;  // the orientation when the box opened
};
extern AboutState g_About;

// The layout for the screen as it is now.
UINT AboutTemplateId();
INT_PTR ShowAboutDlg(HWND owner);
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void FillAboutText(HWND dialog);
// The device's OEM text, at most 256 characters.
std::u16string GetOemInfoText();
