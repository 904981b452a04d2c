// The custom reminder of the list-style appointment editor: the rows of the custom reminder span,
// written back on Done after their numbers were checked, dropped on Cancel.
#include "editors/reminder_times_dlg.h"

#include "core/val_snap.h"
#include "editors/appt_form_services.h"
#include "editors/field_list.h"
#include "editors/number_rows.h"
#include "editors/reminders.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/view_focus.h"

namespace {

// The OK step: leaves that nested field list, then commits its rows.
int RestoreReminderSnaps() {
    // The rows are those of the list being left; the pop may free them.
    const ValSnapArray rows = FieldListRows();
    FieldListPop();
    return CommitChangedSnaps(rows);
}

INT_PTR OnReminderTimesInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitReminderSnapsDlg(dialog);
    return TRUE;
}

INT_PTR OnReminderTimesCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (!CheckNumberRows(dialog, IDC_REMINDER_FIELD_LIST, ReminderNumberRanges())) return TRUE;
        if (RestoreReminderSnaps()) EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL:
        FieldListPop();
        EndDialog(dialog, kDlgCancel);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnReminderTimesMeasure(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType == ODT_LISTVIEW && measure.CtlID == IDC_REMINDER_FIELD_LIST) MeasureFieldRow(measure);
    return FALSE;
}

INT_PTR OnReminderTimesDraw(HWND dialog, const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_LISTVIEW && item.hwndItem == GetDlgItem(dialog, IDC_REMINDER_FIELD_LIST) &&
        g_FieldList.listId == IDC_REMINDER_FIELD_LIST) {
        DrawFieldRow(item);
    }
    return FALSE;
}

INT_PTR OnReminderTimesChar(HWND dialog, WPARAM ch) {
    const bool taken = TypeNumberIntoRow(dialog, IDC_REMINDER_FIELD_LIST, static_cast<WCHAR>(ch), ReminderNumberRanges());
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, taken ? 1 : 0);
    return TRUE;
}

}  // namespace

void InitReminderSnapsDlg(HWND dialog) {
    SetTitleText(dialog, LoadResStr(IDS_ADVANCED_REMINDER_TIME).c_str());
    FieldListPush(g_FieldList.rows != nullptr ? FieldListSelRow(GetDlgItem(GetParent(dialog), g_FieldList.listId)) : -1);
    InitSettingsList(dialog, IDC_REMINDER_FIELD_LIST, true);
    InitReminderSnaps();
    SetFieldListTable(&ReminderSnaps(), IDC_REMINDER_FIELD_LIST);
    FieldListFillView(dialog, IDC_REMINDER_FIELD_LIST, 0);
    SetFocus(GetDlgItem(dialog, IDC_REMINDER_FIELD_LIST));
}

INT_PTR CALLBACK ReminderTimesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnReminderTimesInit(dialog);
    case WM_COMMAND: return OnReminderTimesCommand(dialog, LOWORD(wParam));
    case WM_MEASUREITEM: return OnReminderTimesMeasure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM: return OnReminderTimesDraw(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_SIZE: FitDlgList(dialog, IDC_REMINDER_FIELD_LIST, 1); return FALSE;
    case kMsgFieldRowChar: return OnReminderTimesChar(dialog, wParam);
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

INT_PTR ReminderTimesDlg(HWND owner) {
    return RunProgramDialog(IDD_REMINDER_TIMES, owner, ReminderTimesDlgProc);
}
