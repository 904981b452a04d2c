// What the dialog manager keeps for each dialog beyond its window: its procedure, the font and
// base units its template asked for, how it ended, and the control that had the focus.
//
// A modal dialog goes: made (controls, WM_SETFONT, WM_INITDIALOG) -> shown -> running its loop ->
// ended (EndDialog sets `ended` and the result; the loop returns) -> destroyed by the dialog call.
// EndDialog during WM_INITDIALOG ends it before it is shown.
#pragma once

#include <memory>

#include "platform/dialogs.h"
#include "platform/resources.h"

namespace platform {

class ModalLoop;

// The window extra bytes of a dialog: DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
constexpr int kDialogExtraBytes = DWLP_USER + static_cast<int>(sizeof(LONG_PTR));

struct DialogUnits {
    int x = 0;  // average character width
    int y = 0;  // character height
};

struct DialogState {
    DLGPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    DialogUnits units;
    HFONT font = nullptr;  // made from the template, released with the dialog
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
    ModalLoop* loop = nullptr;
    HWND savedFocus = nullptr;
    int defaultId = 0;  // 0: none set with DM_SETDEFID
};

std::shared_ptr<DialogState> FindDialog(HWND hwnd);
std::shared_ptr<DialogState> AddDialog(HWND hwnd);
void ForgetDialog(HWND hwnd);

// The dialog's procedure as it stands now (DWLP_DLGPROC may have been replaced).
DLGPROC CurrentDialogProc(HWND hwnd, const DialogState& state);

// Registers the dialog class and the standard controls, once.
void EnsureDialogClasses();

// The base units of a template's font (or of the system font without one); `font` gets the font
// made for the dialog, or nullptr.
DialogUnits UnitsOfFont(const std::u16string_view face, WORD pointSize, WORD weight, bool italic, HFONT* font);
void ReleaseDialogFont(HFONT font);

// a * b / c rounded to the nearest, as the platform's MulDiv does.
int ScaleRound(int a, int b, int c);

// Focus to a control as the keyboard gives it: an edit gets its text selected.
void FocusControl(HWND control, bool selectText);

}  // namespace platform
