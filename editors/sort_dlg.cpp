// The "Select Sort" dialog (list 1071): in contacts mode a list of the four view modes, in tasks mode
// the three task sort levels and their directions as a field list, each row a snapshot of its setting.
#include "editors/sort_dlg.h"

#include <array>
#include <string>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/frame_state.h"
#include "core/main_messages.h"
#include "core/res_string.h"
#include "core/tsk_loading.h"
#include "editors/field_list.h"
#include "lists/cts_type_ahead.h"
#include "lists/cts_view.h"
#include "lists/list_commands.h"
#include "lists/task_view.h"
#include "lists/wait_cursor.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/frame_calls.h"
#include "ui/list_view_calls.h"
#include "ui/view_focus.h"

SortDlgState g_SortDlg;

namespace {

constexpr UINT kSortBar = IDM_DONE_CANCEL_BAR;  // bar 22006
constexpr int kContactsColumn = 100;
constexpr UINT kEnterKey = 13;
constexpr LONG kStoredSkip = 2;  // Category: first-level only

// The rows of the contacts mode, in the order of the view modes.
constexpr std::array<const WCHAR*, 4> kContactModes = {u"Name", u"Company", u"Category", u"Recently Viewed"};
constexpr std::array<UINT, 7> kFirstLevelChoices = {IDS_SORT_NAME,        IDS_SORT_PRIORITY,  IDS_SORT_CATEGORY,
                                                    IDS_SORT_SENSITIVITY, IDS_SORT_COMPLETED, IDS_SORT_DUE_DATE,
                                                    IDS_ADV_PRIORITY};
constexpr std::array<UINT, 6> kLevelChoices = {IDS_SORT_NAME,      IDS_SORT_PRIORITY, IDS_SORT_SENSITIVITY,
                                               IDS_SORT_COMPLETED, IDS_SORT_DUE_DATE, IDS_ADV_PRIORITY};

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_SORT_LIST); }

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}


void SetRowText(HWND list, int row, const std::u16string& text, bool insert) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<WCHAR*>(text.c_str());
    SendMessageW(list, insert ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

template <std::size_t N>
void AddChoices(ValSnap& snap, const std::array<UINT, N>& ids) {
    for (UINT id : ids) snap.choices.Append(LoadResString(id));
}

void AddField(const std::u16string& label, LONG kind, LONG* live) {
    ValSnap snap;
    ValSnapSet(snap, label, kind, live, nullptr);
    g_SortDlg.taskSortFields.Append(snap);
}

void FitList(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    MoveWindow(ListOf(dialog), 0, 0, client.right, client.bottom, TRUE);
    SendMessageW(ListOf(dialog), LVM_SETCOLUMNWIDTH, 0, client.right - GetSystemMetrics(SM_CXVSCROLL));
}

void InsertColumn(HWND list, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void InitSortDlgCts(HWND dialog) {
    HWND list = ListOf(dialog);
    InsertColumn(list, kContactsColumn);
    FitList(dialog);
    for (std::size_t i = 0; i < kContactModes.size(); ++i) {
        SetRowText(list, static_cast<int>(i), kContactModes[i], true);
    }
    const LONG mode = g_Settings.contactSort;
    if (mode >= 0 && mode < static_cast<LONG>(kContactModes.size())) LvSelectRow(list, static_cast<int>(mode));
}

void InitSortDlgTsk(HWND dialog) {
    const HWND list = ListOf(dialog);
    // The levels are field rows, drawn and edited by the field list like the options.
    SetWindowLongW(list, GWL_STYLE, GetWindowLongW(list, GWL_STYLE) | LVS_OWNERDRAWFIXED);
    InitSettingsList(dialog, IDC_SORT_LIST, true);
    BuildTskSortFields();
    SetFieldListTable(&g_SortDlg.taskSortFields, IDC_SORT_LIST);
    FieldListFillView(dialog, IDC_SORT_LIST, 0);
    SetFocus(list);
}

void Accept(HWND dialog) {
    ApplySortDlg(dialog);
    EndDialog(dialog, kDlgAccept);
}

INT_PTR OnSortNotify(HWND dialog, LPARAM lParam) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_SORT_LIST || header.code != LVN_KEYDOWN) return FALSE;
    if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == kEnterKey) Accept(dialog);
    return TRUE;
}

// The field list asks before it edits a row on Enter: here Enter is OK.
INT_PTR OnSortKey(HWND dialog, WPARAM key) {
    if (g_SortDlg.mode != SortDlgMode::Tasks || key != VK_RETURN) return FALSE;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    Accept(dialog);
    return TRUE;
}

bool IsTaskFieldList(HWND dialog, UINT controlId) {
    return g_SortDlg.mode == SortDlgMode::Tasks && controlId == IDC_SORT_LIST && g_FieldList.listId == IDC_SORT_LIST &&
           GetDlgItem(dialog, IDC_SORT_LIST) != nullptr;
}

INT_PTR OnSortCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDM_DLG_DONE: Accept(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK SortDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, kSortBar, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        SetTitleText(dialog, LoadResString(IDS_SELECT_SORT).c_str());
        if (g_SortDlg.mode == SortDlgMode::Tasks) {
            InitSortDlgTsk(dialog);
        } else {
            InitSortDlgCts(dialog);
        }
        return FALSE;
    case WM_COMMAND: return OnSortCommand(dialog, wParam);
    case WM_NOTIFY: return OnSortNotify(dialog, lParam);
    case WM_KEYDOWN: return OnSortKey(dialog, wParam);
    case WM_MEASUREITEM:
        if (!IsTaskFieldList(dialog, static_cast<UINT>(wParam))) return FALSE;
        MeasureFieldRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (!IsTaskFieldList(dialog, static_cast<UINT>(wParam))) return FALSE;
        DrawFieldRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SIZE: FitList(dialog); return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY:
        SetTitleText(GetParent(dialog), nullptr);
        if (g_FieldList.listId == IDC_SORT_LIST) {
            FreeFieldIconList();
            SetFieldListTable(nullptr, 0);
        }
        return FALSE;
    }
    return FALSE;
}

void AfterTasksOk() {
    FillTskList(true);
    SaveSettings();
}

void AfterContactsOk() {
    ClearCtsTypeAhead();
    SetViewTitle();
    {
        WaitCursor wait(g_CtsList.Size() > kWaitCursorContacts);
        ReLoadCts(true);
    }
    SaveSettings();
}

}  // namespace

LONG SortLevelStoredValue(LONG index) { return index < kStoredSkip ? index : index + 1; }
LONG SortLevelIndex(LONG stored) { return stored > 1 ? stored - 1 : stored; }

void BuildTskSortFields() {
    g_SortDlg.taskSortFields.RemoveAll();
    g_SortDlg.working2 = SortLevelIndex(g_Settings.taskSort2);
    g_SortDlg.working3 = SortLevelIndex(g_Settings.taskSort3);
    AddField(LoadResString(IDS_SORT_TASKS), kSnapCaption, nullptr);
    AddField(LoadResString(IDS_SORT_LEVEL1), kSnapRange, &g_Settings.taskSort);
    AddChoices(g_SortDlg.taskSortFields[g_SortDlg.taskSortFields.Size() - 1], kFirstLevelChoices);
    AddField(LoadResString(IDS_SORT_ASCENDING), kSnapPlain, &g_Settings.taskSortAsc1);
    AddField(LoadResString(IDS_SORT_LEVEL2), kSnapRange, &g_SortDlg.working2);
    AddChoices(g_SortDlg.taskSortFields[g_SortDlg.taskSortFields.Size() - 1], kLevelChoices);
    AddField(LoadResString(IDS_SORT_ASCENDING), kSnapPlain, &g_Settings.taskSortAsc2);
    AddField(LoadResString(IDS_SORT_LEVEL3), kSnapRange, &g_SortDlg.working3);
    AddChoices(g_SortDlg.taskSortFields[g_SortDlg.taskSortFields.Size() - 1], kLevelChoices);
    AddField(LoadResString(IDS_SORT_ASCENDING), kSnapPlain, &g_Settings.taskSortAsc3);
}

bool ApplyTskSort() {
    bool changed = false;
    for (const ValSnap& snap : g_SortDlg.taskSortFields) {
        if (!ValSnapChanged(snap)) continue;
        ValSnapCommit(snap);
        changed = true;
        if (snap.live == &g_SortDlg.working2) g_Settings.taskSort2 = SortLevelStoredValue(g_SortDlg.working2);
        if (snap.live == &g_SortDlg.working3) g_Settings.taskSort3 = SortLevelStoredValue(g_SortDlg.working3);
    }
    if (changed) LoadTskList(1);
    return changed;
}

void ApplySortDlg(HWND dialog) {
    if (g_SortDlg.mode == SortDlgMode::Tasks) {
        ApplyTskSort();
        return;
    }
    const int row = SelectedRow(ListOf(dialog));
    if (row < 0) return;
    g_Settings.contactSortMirror = row;
    if (row == kCtsModeCompany) {
        SortCtsByCompany();
    } else if (row == kCtsModeName) {
        SortCtsByName();
    } else {
        g_Settings.contactSort = row;
    }
}

INT_PTR SortDlg(SortDlgMode mode) {
    g_SortDlg.mode = mode;
    const INT_PTR result = RunProgramDialog(IDD_SELECT_SORT, g_Frame.mainWnd, SortDlgProc);
    if (result == kDlgAccept) {
        if (mode == SortDlgMode::Tasks) {
            AfterTasksOk();
        } else {
            AfterContactsOk();
        }
    }
    g_SortDlg.taskSortFields.RemoveAll();
    FocusCurrentView();
    return result;
}

void SortDlg(int tasks) { SortDlg(tasks != 0 ? SortDlgMode::Tasks : SortDlgMode::Contacts); }
