// The "Select Categories" dialog 7302: the picker's rows shown in a field list, ticked there, with
// a category's colour and icon changed through the pickers and new categories made on the way. The
// caller's field list is pushed while it runs and popped on every way out.
#include "editors/cat_picker.h"

#include <string>

#include "editors/field_list.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/color_picker.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/icon_picker.h"
#include "ui/view_focus.h"

namespace {

constexpr int kTitleChars = 32;
constexpr LONG kCategoryPalette = 2;
constexpr int kClassChars = 64;

// The selected row of the caller's field list, kept with it on the stack.
int CallerSelectedRow() {
    const HWND focus = GetFocus();
    WCHAR name[kClassChars] = {};
    if (!focus || GetClassNameW(focus, name, kClassChars) == 0 || std::u16string(name) != WC_LISTVIEWW) return -1;
    return static_cast<int>(SendMessageW(focus, LVM_GETSELECTIONMARK, 0, 0));
}

HWND PickerList(HWND dialog) { return GetDlgItem(dialog, kCatPickerListId); }

// The row under the selection mark of the list, or -1.
int MarkedRow(HWND dialog, int listId) {
    const auto mark = static_cast<int>(SendDlgItemMessageW(dialog, listId, LVM_GETSELECTIONMARK, 0, 0));
    return mark >= 0 && mark < CatPickerRows().Size() ? mark : -1;
}

void RedrawRow(HWND dialog, int listId, int row) {
    const HWND list = GetDlgItem(dialog, listId);
    SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
    UpdateWindow(list);
    SetFocus(list);
    g_CatsEditedFlag = 1;
}

INT_PTR EndPicker(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR OnSelectCatsInit(HWND dialog) {
    // Without its bar the dialog ends before anything is pushed, so nothing is left to pop.
    if (!InitDlgMenuBar(dialog, IDM_SELECT_CATS_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitSelectCatsDlg(dialog);
    PushOpenDlg(dialog);
    return TRUE;
}

INT_PTR OnSelectCatsCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE:
        CommitCatPicker(dialog);
        return EndPicker(dialog, IDM_DLG_DONE);
    case IDCANCEL:
    case IDM_DLG_CANCEL:
        FieldListPop();
        return EndPicker(dialog, id);
    case IDM_SET_CAT_ICON: EditCatStyle(dialog, kCatPickerListId); return TRUE;
    case IDM_SET_CAT_COLOR: EditCatColor(dialog, kCatPickerListId); return TRUE;
    case IDM_NEW_CAT_IN_PICKER: NewCatInPicker(dialog); return TRUE;
    }
    return FALSE;
}

INT_PTR OnSelectCatsPaint(HWND dialog) {
    PAINTSTRUCT paint{};
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    return TRUE;
}

}  // namespace

void InitSelectCatsDlg(HWND dialog) {
    FieldListPush(CallerSelectedRow());
    SetTitleText(dialog, LoadResStr(IDS_SELECT_CATEGORIES, kTitleChars + 1).c_str());
    InitSettingsList(dialog, kCatPickerListId, true);
    BuildCatPickerRows();
    TickCatPickerRows(g_CatPickerText);
    SetFieldListTable(&CatPickerRows(), kCatPickerListId);
    FieldListFillView(dialog, kCatPickerListId, 0);
    SetFocus(PickerList(dialog));
}

void CommitCatPicker(HWND) {
    FieldListPop();
    CommitCatPickerRows();
}

void EditCatColor(HWND dialog, int listId) {
    const int row = MarkedRow(dialog, listId);
    if (row < 0) return;
    const auto colour = static_cast<COLORREF>(CatPickerRows()[row].plainValue);
    if (!PickColorDlg(dialog, CatPickerStartColour(colour), kCategoryPalette)) return;
    CatPickerRows()[row].plainValue = static_cast<LONG>(PickedColor);
    RedrawRow(dialog, listId, row);
}

void EditCatStyle(HWND dialog, int listId) {
    const int row = MarkedRow(dialog, listId);
    if (row < 0) return;
    if (!PickIconDlg(dialog, CatPickerRows()[row].secondValue)) return;
    CatPickerRows()[row].secondValue = PickedIcon;
    RedrawRow(dialog, listId, row);
}

INT_PTR CALLBACK SelectCatsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnSelectCatsInit(dialog);
    case WM_MEASUREITEM:
        if (wParam == static_cast<WPARAM>(kCatPickerListId)) MeasureFieldRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == static_cast<WPARAM>(kCatPickerListId)) DrawFieldRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_PAINT: return OnSelectCatsPaint(dialog);
    case WM_SIZE: FitDlgList(dialog, kCatPickerListId, 1); return FALSE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) return FALSE;
        CommitCatPicker(dialog);
        // The list asks with SendMessage, which answers with DWLP_MSGRESULT: say Enter was taken, or the
        // list goes on to edit a row of the table the picker restored.
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return EndPicker(dialog, IDM_DLG_DONE);
    case kMsgEndDialog:
        // The sweep that sends this empties the open-dialog stack itself.
        FieldListPop();
        EndDialog(dialog, IDM_DLG_CANCEL);
        return TRUE;
    case WM_COMMAND: return OnSelectCatsCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}

bool SelectCatsDlg(HWND window, const std::u16string& text) {
    g_CatPickerText = text;  // a copy first: the caller may pass g_CatPickerText itself
    g_CatsEditedFlag = 0;
    return RunProgramDialog(IDD_SELECT_CATS, window, SelectCatsDlgProc) == IDM_DLG_DONE;
}
