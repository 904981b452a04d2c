// The forms' custom recurrence dialog: every N days, or every N weeks on chosen weekdays, and the
// end of the series (a date, a count, or none); the date and the count exclude each other.
#include "editors/custom_recur_dlg.h"

#include "core/screen_class.h"
#include "core/show_message.h"
#include "editors/custom_recur.h"
#include "editors/recur_choices.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
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

constexpr int kNumberChars = 16;  // 15 characters and the terminator

// Sunday first; Thursday's box breaks the run of identifiers.
constexpr int kWeekdayBoxes[kDaysInWeek] = {IDC_RECUR_SUN, IDC_RECUR_MON, IDC_RECUR_TUE, IDC_RECUR_WED,
                                            IDC_RECUR_THU, IDC_RECUR_FRI, IDC_RECUR_SAT};
constexpr int kIntervalControls[] = {IDC_RECUR_GROUP, IDC_RECUR_EVERY_LABEL, IDC_RECUR_EVERY, IDC_RECUR_UNIT};

bool PickerHasDate(HWND dialog, SYSTEMTIME& date) {
    return DateTime_GetSystemtime(GetDlgItem(dialog, IDC_RECUR_END_DATE), &date) == GDT_VALID;
}

LONG ReadNumber(HWND dialog, int id) {
    WCHAR text[kNumberChars] = {};
    GetDlgItemTextW(dialog, id, text, kNumberChars);
    return _wtol(text);
}

bool IsLandscape() { return IsLandscapeScreen() != FALSE; }

INT_PTR OnCustomRecurInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kOverride)) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    InitCustomRecurDlg(dialog);
    return TRUE;
}

INT_PTR OnCustomRecurCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDM_DLG_DONE:
        ReadCustomRecurDlg(dialog);
        EndDialog(dialog, IDM_DLG_DONE);
        return TRUE;
    case IDM_DLG_CANCEL:
        EndDialog(dialog, IDM_DLG_CANCEL);
        return TRUE;
    case IDC_RECUR_AFTER:
        if (HIWORD(wParam) == BN_CLICKED) SyncEndDateToAfter(dialog);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnCustomRecurNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom == IDC_RECUR_END_DATE && header.code == static_cast<UINT>(NM_KILLFOCUS)) SyncAfterToEndDate(dialog);
    return FALSE;
}

INT_PTR OnCustomRecurSize(HWND dialog) {
    const LONG landscape = IsLandscape() ? 1 : 0;
    if (landscape != g_CustomRecur.landscapeAtOpen) {
        g_CustomRecur.landscapeAtOpen = landscape;
        RelayoutDlgForOrientation(dialog, landscape ? IDD_CUSTOM_RECUR_WIDE : IDD_CUSTOM_RECUR);
    }
    return FALSE;
}

INT_PTR OnCustomRecurPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}

}  // namespace

void InitCustomRecurDlg(HWND dialog) {
    const CustomRecurState& state = g_CustomRecur;
    SetTitleText(dialog, LoadResStr(IDS_CUSTOM_RECURRENCE).c_str());
    if (state.variant != kRecurVariantWeekly) {
        for (int id : kWeekdayBoxes) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    }
    if (state.variant == kRecurVariantDaily) {
        SetDlgItemTextW(dialog, IDC_RECUR_GROUP, LoadResStr(IDS_CUSTOM_DAILY).c_str());
        SetDlgItemTextW(dialog, IDC_RECUR_UNIT, LoadResStr(IDS_DAYS).c_str());
    } else if (state.variant == kRecurVariantEndOnly) {
        for (int id : kIntervalControls) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    } else {
        for (int day = 0; day < kDaysInWeek; ++day) {
            CheckDlgButton(dialog, kWeekdayBoxes[day], state.weekdays[day] != 0 ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    SetDlgItemTextW(dialog, IDC_RECUR_EVERY, platform::FormatW(u"%d", static_cast<int>(state.everyN)).c_str());
    SetDlgItemTextW(dialog, IDC_RECUR_COUNT, platform::FormatW(u"%d", static_cast<int>(state.occurrences)).c_str());
    for (int id : {IDC_RECUR_EVERY, IDC_RECUR_COUNT, IDC_RECUR_END_DATE}) SubclassControl(GetDlgItem(dialog, id), KeypadField::kNo, DateMenu::kNo);
    CheckDlgButton(dialog, IDC_RECUR_AFTER, state.endsAfter != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (state.endsAfter == 0) EnableWindow(GetDlgItem(dialog, IDC_RECUR_COUNT), FALSE);
    const HWND picker = GetDlgItem(dialog, IDC_RECUR_END_DATE);
    if (state.endDateSet != 0) {
        SYSTEMTIME end = state.endDate;
        static_cast<void>(DateTime_SetSystemtime(picker, GDT_VALID, &end));
    } else {
        static_cast<void>(DateTime_SetSystemtime(picker, GDT_NONE, nullptr));
    }
}

int ReadCustomRecurDlg(HWND dialog) {
    CustomRecurState& state = g_CustomRecur;
    state.everyN = ReadNumber(dialog, IDC_RECUR_EVERY);
    for (int day = 0; day < kDaysInWeek; ++day) {
        state.weekdays[day] = IsDlgButtonChecked(dialog, kWeekdayBoxes[day]) == BST_CHECKED ? 1 : 0;
    }
    SYSTEMTIME end{};
    if (PickerHasDate(dialog, end)) {
        DateAssignByVal(state.endDate, end);
        state.endDateSet = 1;
        state.endsAfter = 0;
    } else {
        state.endDateSet = 0;
        state.endsAfter = IsDlgButtonChecked(dialog, IDC_RECUR_AFTER) == BST_CHECKED ? 1 : 0;
    }
    state.occurrences = ReadNumber(dialog, IDC_RECUR_COUNT);
    return 1;
}

void SyncAfterToEndDate(HWND dialog) {
    SYSTEMTIME end{};
    if (!PickerHasDate(dialog, end)) return;
    CheckDlgButton(dialog, IDC_RECUR_AFTER, BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, IDC_RECUR_COUNT), FALSE);
}

void SyncEndDateToAfter(HWND dialog) {
    const bool after = IsDlgButtonChecked(dialog, IDC_RECUR_AFTER) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_RECUR_COUNT), after ? TRUE : FALSE);
    if (after) static_cast<void>(DateTime_SetSystemtime(GetDlgItem(dialog, IDC_RECUR_END_DATE), GDT_NONE, nullptr));
}

INT_PTR CALLBACK CustomRecurDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnCustomRecurInit(dialog);
    case WM_COMMAND: return OnCustomRecurCommand(dialog, wParam);
    case WM_NOTIFY: return OnCustomRecurNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE: return OnCustomRecurSize(dialog);
    case WM_PAINT: return OnCustomRecurPaint(dialog);
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void CustomRecurDlg(HWND form) {
    const LONG choice = static_cast<LONG>(SendDlgItemMessageW(form, kOccursListId, LB_GETCURSEL, 0, 0));
    if (choice == kRecurOnce) {
        ShowMessage(form, LoadResStr(IDS_RECUR_NOT_ONCE).c_str(), MB_OK);
        return;
    }
    g_CustomRecur.landscapeAtOpen = IsLandscape() ? 1 : 0;
    g_CustomRecur.variant = choice == kRecurEveryXDays   ? kRecurVariantDaily
                            : choice == kRecurCustomWeek ? kRecurVariantWeekly
                                                         : kRecurVariantEndOnly;
    const UINT templateId = IsQvgaScreen() && IsLandscape() ? IDD_CUSTOM_RECUR_WIDE : IDD_CUSTOM_RECUR;
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), form, CustomRecurDlgProc, 0);
    if (result == IDM_DLG_DONE) {
        g_CustomRecur.needsEdit = 0;
        g_CustomRecur.endEdited = 1;
    }
}
