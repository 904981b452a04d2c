// The Attendees dialog 7289: one owner-drawn list of the attendees by display name, contacts added
// through the chooser and removed by the selection mark. The array is edited in place; the opener
// keeps a copy to put back on Cancel.
#include "editors/attendees_dlg.h"

#include <string>

#include "core/app_settings.h"
#include "core/cts_fields.h"
#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "editors/appt_form.h"
#include "editors/appt_form_fields.h"
#include "editors/attendees.h"
#include "editors/res_text.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/choose_item.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"
#include "ui/view_focus.h"

namespace {

constexpr int kColumnWidth = 100;
constexpr int kAttendeeImage = 1;
constexpr LONG kContactKind = 3;
constexpr const WCHAR* kNoAttendees = u"No Attendees Selected...";

HWND AttendeeListView(HWND dialog) { return GetDlgItem(dialog, IDC_ATTENDEE_LIST); }

void InsertRow(HWND list, int row, const std::u16string& text, bool withImage) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | (withImage ? LVIF_IMAGE | LVIF_PARAM : 0);
    item.iItem = row;
    item.pszText = copy.data();
    item.iImage = kAttendeeImage;
    item.lParam = -1;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}


INT_PTR OnAttendeesInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_ATTENDEES_BAR, BackKey::kOverride)) EndDialog(dialog, kDlgFailed);
    InitAttendeesDlg(dialog);
    return TRUE;
}

INT_PTR OnAttendeesCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: EndDialog(dialog, IDM_DLG_DONE); return TRUE;
    case IDCANCEL:
    case IDM_DLG_CANCEL: EndDialog(dialog, id); return TRUE;
    case IDM_ADD_ATTENDEE: AddAttendeesFromCts(dialog); return TRUE;
    case IDM_REMOVE_ATTENDEE: RemoveSelAttendee(dialog); return TRUE;
    }
    return FALSE;
}

}  // namespace

void InitAttendeesDlg(HWND dialog) {
    SetTitleText(dialog, LoadResStr(IDS_ATTENDEES).c_str());
    const HWND list = AttendeeListView(dialog);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FitDlgList(dialog, IDC_ATTENDEE_LIST, 0);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(CreateSmallIconImageList()));
    FillAttendeesList(dialog);
    SetFocus(list);
}

void FillAttendeesList(HWND dialog) {
    const HWND list = AttendeeListView(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    if (g_AttendeeArray.Size() == 0) {
        InsertRow(list, 0, kNoAttendees, false);
        return;
    }
    for (int i = 0; i < g_AttendeeArray.Size(); ++i) InsertRow(list, i, g_AttendeeArray[i].name, true);
    LvSelectRow(list, 0);
}

bool AddAttendeeFromCtsOid(HWND dialog, LONG oid) {
    const LONG slot = FindOidSlot(oid);
    if (slot < 0 || slot >= g_CtsList.Size()) return false;
    const std::u16string name = GetCtsDisplayName(g_CtsList[slot], g_Settings.firstLast);
    std::u16string address;
    GetCtsEmailByOid(address, oid);
    if (address.empty()) {
        const std::u16string text = platform::FormatW(LoadResStr(IDS_ATTENDEE_NO_EMAIL_FMT).c_str(), name.c_str());
        MessageBoxW(dialog, text.c_str(), nullptr, MB_ICONEXCLAMATION);
        return false;
    }
    AttendInsertSorted(name, address);
    g_ApptEditFlags.attendeesChanged = 1;
    FillAttendeesList(dialog);
    return true;
}

void AddAttendeesFromCts(HWND dialog) {
    const auto oid = static_cast<LONG>(ChooseItemDlg(dialog, kContactKind));
    if (oid < 0) return;
    AddAttendeeFromCtsOid(dialog, oid);
}

void RemoveSelAttendee(HWND dialog) {
    const auto mark = static_cast<int>(SendMessageW(AttendeeListView(dialog), LVM_GETSELECTIONMARK, 0, 0));
    if (mark < 0 || AttendArrRemoveAt(mark) < 0) return;
    g_ApptEditFlags.attendeesChanged = 1;
    FillAttendeesList(dialog);
}

INT_PTR CALLBACK AttendeesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnAttendeesInit(dialog);
    case WM_COMMAND: return OnAttendeesCommand(dialog, LOWORD(wParam));
    case WM_SIZE: FitDlgList(dialog, IDC_ATTENDEE_LIST, 1); return FALSE;
    case WM_MEASUREITEM:
        if (wParam == IDC_ATTENDEE_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_ATTENDEE_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), AttendeeListView(dialog), 0);
        return TRUE;
    case WM_HOTKEY:
        if (HIWORD(lParam) == VK_ESCAPE) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

void AttendeesDlg(HWND owner) {
    const AttendeeList saved = g_AttendeeArray;
    const LONG savedChanged = g_ApptEditFlags.attendeesChanged;
    const INT_PTR result = RunProgramDialog(IDD_ATTENDEES, owner, AttendeesDlgProc);
    // Escape ends the dialog as IDCANCEL: a cancel like the soft key's.
    if (result == IDM_DLG_CANCEL || result == IDCANCEL) {
        g_AttendeeArray = saved;
        g_ApptEditFlags.attendeesChanged = savedChanged;
        return;
    }
    SetApptFormTitle(owner);
}
