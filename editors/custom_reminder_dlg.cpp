// The custom reminder dialog 7248: a check box and three numbers, read back on Done.
#include "editors/custom_reminder_dlg.h"

#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

namespace {

constexpr int kNumberChars = 15;  // 14 characters and the terminator

struct SpanField {
    int id;
    LONG CustomReminderState::*field;
};

constexpr SpanField kSpanFields[] = {
    {IDC_REMIND_DAYS, &CustomReminderState::days},
    {IDC_REMIND_HOURS, &CustomReminderState::hours},
    {IDC_REMIND_MINUTES, &CustomReminderState::minutes},
};

void FillCustomReminder(HWND dialog) {
    ZeroUnusedCustomReminder();
    CheckDlgButton(dialog, IDC_USE_CUSTOM_REMINDER, g_CustomReminder.useCustom ? BST_CHECKED : BST_UNCHECKED);
    for (const SpanField& f : kSpanFields) {
        SetDlgItemTextW(dialog, f.id, platform::FormatW(u"%d", static_cast<int>(g_CustomReminder.*f.field)).c_str());
        SubclassControl(GetDlgItem(dialog, f.id), KeypadField::kNo, DateMenu::kNo);
    }
}

// Text that is no number reads as 0; no range is checked here.
void ReadCustomReminder(HWND dialog) {
    for (const SpanField& f : kSpanFields) {
        WCHAR text[kNumberChars] = {};
        GetDlgItemTextW(dialog, f.id, text, kNumberChars);
        g_CustomReminder.*f.field = _wtol(text);
    }
    g_CustomReminder.useCustom = IsDlgButtonChecked(dialog, IDC_USE_CUSTOM_REMINDER) == BST_CHECKED ? 1 : 0;
}

INT_PTR OnCustomReminderInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kOverride)) EndDialog(dialog, -1);
    SetTitleText(dialog, LoadResStr(IDS_ADVANCED_REMINDER_TIME).c_str());
    FillCustomReminder(dialog);
    return TRUE;
}

INT_PTR OnCustomReminderCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        ReadCustomReminder(dialog);
        EndDialog(dialog, IDM_DLG_DONE);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL:
        EndDialog(dialog, id);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnCustomReminderNotify(HWND dialog, const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_RETURN)) return FALSE;
    ReadCustomReminder(dialog);
    EndDialog(dialog, static_cast<INT_PTR>(header.idFrom));
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK CustomReminderDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnCustomReminderInit(dialog);
    case WM_COMMAND: return OnCustomReminderCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY: return OnCustomReminderNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void CustomReminderDlg(HWND form) {
    const LONG wasCustom = g_CustomReminder.useCustom;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CUSTOM_REMINDER), form, CustomReminderDlgProc, 0);
    UpdateReminderListAfterCustom(form, wasCustom);
}
