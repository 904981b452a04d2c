// The list-style editors' custom recurrence dialog: the rows of the custom recurrence state in a
// field list over the editor's own, written back on OK and dropped on Cancel.
#include "editors/recur_list_dlg.h"

#include "core/screen_class.h"
#include "core/show_message.h"
#include "editors/appt_editor_state.h"
#include "editors/appt_list_editor.h"
#include "editors/custom_recur.h"
#include "editors/field_list.h"
#include "editors/number_rows.h"
#include "editors/recur_choices.h"
#include "editors/res_text.h"
#include "editors/tsk_list_editor.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/view_focus.h"

namespace {

constexpr int kTitleChars = 32;

struct EditorOccurs {
    int listId;
    LONG* occurs;
    void (*commitRows)();
};

EditorOccurs OccursOf(int forTask) {
    if (forTask != 0) return {IDC_TSK_FIELD_LIST, &g_TskEditor.occurs, CommitTskSnaps};
    return {IDC_APPT_FIELD_LIST, &g_ApptEditor.occurs, CommitApptSnaps};
}

// "Once" has nothing to edit: the Occurs row is selected so the user can change it.
void PointAtOccursRow(HWND editor, const EditorOccurs& of) {
    const LONG index = FindValSnapFor(of.occurs);
    if (index < 0) return;
    const HWND list = GetDlgItem(editor, of.listId);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, index);
    SetFocus(list);
}

void SetCountRowLock(HWND dialog) {
    const LONG index = FindValSnapFor(&g_CustomRecur.endsAfter);
    if (index < 0) return;
    const bool endsAfter = FieldListRows()[index].plainValue != 0;
    SetFieldRowLock(&g_CustomRecur.occurrences, GetDlgItem(dialog, IDC_RECUR_FIELD_LIST), !endsAfter);
}

INT_PTR OnRecurListInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitCustomRecurList(dialog);
    return TRUE;
}

INT_PTR OnRecurListCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        if (!CheckNumberRows(dialog, IDC_RECUR_FIELD_LIST, CustomRecurNumberRanges())) return TRUE;
        CommitCustomRecurList();
        EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL:
        CancelRecurListDlg();
        EndDialog(dialog, kDlgCancel);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnRecurListMeasure(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType == ODT_LISTVIEW && measure.CtlID == IDC_RECUR_FIELD_LIST) MeasureFieldRow(measure);
    return FALSE;
}

INT_PTR OnRecurListDraw(HWND dialog, const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_LISTVIEW && item.hwndItem == GetDlgItem(dialog, IDC_RECUR_FIELD_LIST) &&
        g_FieldList.listId == IDC_RECUR_FIELD_LIST) {
        DrawFieldRow(item);
    }
    return FALSE;
}

INT_PTR OnRecurListChar(HWND dialog, WPARAM ch) {
    const bool taken = TypeNumberIntoRow(dialog, IDC_RECUR_FIELD_LIST, static_cast<WCHAR>(ch), CustomRecurNumberRanges());
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, taken ? 1 : 0);
    return TRUE;
}

INT_PTR OnRecurListRowChanged(HWND dialog, WPARAM index) {
    const LONG endsAfterRow = FindValSnapFor(&g_CustomRecur.endsAfter);
    if (static_cast<LONG>(index) == endsAfterRow) SetCountRowLock(dialog);
    return TRUE;
}

}  // namespace

void InitCustomRecurList(HWND dialog) {
    SetTitleText(dialog, LoadResStr(IDS_CUSTOM_RECURRENCE, kTitleChars).c_str());
    FieldListPush(g_FieldList.rows != nullptr ? FieldListSelRow(GetDlgItem(GetParent(dialog), g_FieldList.listId)) : -1);
    InitSettingsList(dialog, IDC_RECUR_FIELD_LIST, true);
    BuildCustomRecurRows();
    SetFieldListTable(&CustomRecurRows(), IDC_RECUR_FIELD_LIST);
    FieldListFillView(dialog, IDC_RECUR_FIELD_LIST, 0);
    SetFocus(GetDlgItem(dialog, IDC_RECUR_FIELD_LIST));
}

INT_PTR CALLBACK ItemRecurListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnRecurListInit(dialog);
    case WM_COMMAND: return OnRecurListCommand(dialog, LOWORD(wParam));
    case WM_MEASUREITEM: return OnRecurListMeasure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM: return OnRecurListDraw(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_SIZE: FitDlgList(dialog, IDC_RECUR_FIELD_LIST, 1); return FALSE;
    case kMsgFieldRowChar: return OnRecurListChar(dialog, wParam);
    case kMsgFieldRowChanged: return OnRecurListRowChanged(dialog, wParam);
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

void ItemRecurListDlg(HWND editor, int forTask) {
    const EditorOccurs of = OccursOf(forTask);
    of.commitRows();
    const LONG choice = *of.occurs;
    if (choice == kRecurOnce) {
        ShowMessage(editor, LoadResStr(IDS_RECUR_NOT_ONCE).c_str(), MB_OK);
        PointAtOccursRow(editor, of);
        return;
    }
    g_CustomRecur.variant = choice == kRecurEveryXDays   ? kRecurVariantDaily
                            : choice == kRecurCustomWeek ? kRecurVariantWeekly
                                                         : kRecurVariantEndOnly;
    g_CustomRecur.landscapeAtOpen = IsLandscapeScreen() ? 1 : 0;
    if (RunProgramDialog(IDD_RECUR_LIST, editor, ItemRecurListDlgProc) == kDlgAccept) {
        g_CustomRecur.needsEdit = 0;
        g_CustomRecur.endEdited = 1;
    }
}

void OnEditorOccursRowChanged(HWND editor, int rowIndex, const void* occursVar, const void* startDateVar) {
    const ValSnapArray& rows = FieldListRows();
    if (rowIndex < 0 || rowIndex >= rows.Size() || !ValSnapIsFor(rows[rowIndex], occursVar)) return;
    DateRec start;
    start.wYear = kNoDateYear;
    const LONG startRow = FindValSnapFor(startDateVar);
    if (startRow >= 0) start = rows[startRow].dateValue;
    CheckRecurStart(editor, rows[rowIndex].indexValue, start);
}
