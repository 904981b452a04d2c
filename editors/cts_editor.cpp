// New, edit, copy and delete of contacts, and the program's own contact dialog.
#include "editors/cts_editor.h"
#include "editors/new_category.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/pending_view.h"
#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/show_message.h"
#include "core/store_full.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "editors/editor_state.h"
#include "editors/item_commands.h"
#include "editors/res_text.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_recent.h"
#include "lists/cts_view.h"
#include "lists/list_commands.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_tree_items.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/dialog_conventions.h"
#include "ui/frame_calls.h"
#include "ui/offscreen.h"
#include "ui/outline_list.h"
#include "ui/subclass.h"
#include "ui/view_focus.h"

namespace {

constexpr int kFieldChars = 4096;  // 4095 characters and the terminator
constexpr int kNotesChars = 1000;
constexpr LONG kKindContact = kItemContact;

// Preview origins of the contact preview.
constexpr LONG kOriginDay = 1;
constexpr LONG kOriginDates = 2;
constexpr LONG kOriginContacts = 3;
constexpr LONG kOriginOutside = 4;
constexpr LONG kOriginProjects = 7;

struct CtsTextField {
    int id;
    HRESULT (IContact::*get)(BSTR*);
    HRESULT (IContact::*put)(LPCWSTR);
};

// First and last name, the three phones, e-mail, web page and company, in the order they are saved.
constexpr CtsTextField kCtsTextFields[] = {
    {IDC_CTS_FIRST_NAME, &IContact::get_FirstName, &IContact::put_FirstName},
    {IDC_CTS_LAST_NAME, &IContact::get_LastName, &IContact::put_LastName},
    {IDC_CTS_MOBILE, &IContact::get_MobileTelephoneNumber, &IContact::put_MobileTelephoneNumber},
    {IDC_CTS_HOME_PHONE, &IContact::get_HomeTelephoneNumber, &IContact::put_HomeTelephoneNumber},
    {IDC_CTS_WORK_PHONE, &IContact::get_BusinessTelephoneNumber, &IContact::put_BusinessTelephoneNumber},
    {IDC_CTS_EMAIL, &IContact::get_Email1Address, &IContact::put_Email1Address},
    {IDC_CTS_WEB_PAGE, &IContact::get_WebPage, &IContact::put_WebPage},
    {IDC_CTS_COMPANY, &IContact::get_CompanyName, &IContact::put_CompanyName},
};

struct CtsDateField {
    int id;
    HRESULT (IContact::*get)(DATE*);
    HRESULT (IContact::*put)(DATE);
};

constexpr CtsDateField kCtsDateFields[] = {
    {IDC_CTS_BIRTHDAY, &IContact::get_Birthday, &IContact::put_Birthday},
    {IDC_CTS_ANNIVERSARY, &IContact::get_Anniversary, &IContact::put_Anniversary},
};

bool UsesDeviceEditor() { return GetOsMajorVersion() >= kOsMajor5; }

void RedrawViewOrMain() { RedrawNow(g_Agenda.wnd && ViewId == kViewDates ? g_Agenda.wnd : g_Frame.mainWnd); }

// Starts the edit thread on the contact and shows the device's editor for it.
void DisplayInDeviceEditor(IContact* contact, LONG oid) {
    if (!StartItemEditThread(g_Frame.mainWnd, kKindContact, oid))
        MessageBoxW(nullptr, u"Error: Edit Thread Failed.", u"", MB_ICONEXCLAMATION);
    contact->Display();
}

void SelectCatRows(HWND dialog, const std::u16string& text) {
    const HWND list = GetDlgItem(dialog, IDC_ITEM_CATEGORIES);
    size_t begin = 0;
    while (begin < text.size()) {
        size_t comma = text.find(u',', begin);
        if (comma == std::u16string::npos) comma = text.size();
        const std::u16string name = TrimSpaces(std::u16string_view(text).substr(begin, comma - begin));
        for (int row = 0; row < g_CatList.Size(); ++row) {
            if (!name.empty() && platform::CompareNoCase(g_CatList[row].name, name) == 0)
                SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(row, row));
        }
        begin = comma + 1;
    }
}

std::u16string SelectedCatText(HWND dialog) {
    std::u16string text;
    const HWND list = GetDlgItem(dialog, IDC_ITEM_CATEGORIES);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count && row < g_CatList.Size(); ++row) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0)
            text += g_CatList[static_cast<int>(row)].name + u",";
    }
    return text;
}

INT_PTR OnCtsDlgInit(HWND dialog, bool edit) {
    if (!InitDlgMenuBar(dialog, IDM_TSK_FORM_BAR, BackKey::kOverride)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    PushOpenDlg(dialog);
    SetTitleText(dialog, LoadResStr(edit ? IDS_EDIT_CONTACT : IDS_NEW_CONTACT, kEditorTitleChars).c_str());
    InitCtsDlgPickers(dialog);
    if (edit) FillCtsDlgByOid(dialog);
    return TRUE;
}

INT_PTR CtsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, bool edit) {
    switch (message) {
    case WM_INITDIALOG: return OnCtsDlgInit(dialog, edit);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_NEW_CATEGORY: NewCatCmd(dialog); return TRUE;
        case IDOK:
        case IDM_DLG_DONE:
            // A save the store refused keeps the dialog open with what was typed.
            if (!(edit ? SaveCtsDlgPOOM(dialog) : CreateCtsFromDlg(dialog))) return TRUE;
            ApplyPendingViewChange();
            EndDialog(dialog, kDlgAccept);
            return TRUE;
        case IDCANCEL:
        case IDM_DLG_CANCEL:
            ApplyPendingViewChange();
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_HOTKEY:
        if (HIWORD(lParam) != VK_ESCAPE) return FALSE;
        SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        PopOpenDlg(dialog);
        SetTitleText(GetParent(dialog), nullptr);
        return FALSE;
    }
    return FALSE;
}

void ShowViewAfterCtsDelete(LONG oid) {
    switch (ViewId) {
    case kViewContactPreview:
        switch (GetPreviewOrigin()) {
        case kOriginDates:
        case kOriginOutside: GoBackView(); break;
        case kOriginDay: ShowDayView(); break;
        case kOriginContacts: ShowContactsView(); break;
        case kOriginProjects: ShowProjectsView(); break;
        default: break;
        }
        break;
    case kViewContacts: {
        const LONG selected = OutlineGetSelId(g_CtsListWnd, g_CtsRows);
        OutlineRemoveById(g_CtsListWnd, g_CtsRows, oid);
        if (selected != kNoId && selected != oid)
            OutlineSelectById(g_CtsListWnd, g_CtsRows, selected, ScrollTo::kYes, RowRules::kItemLists);
        if (g_Settings.ctsIcon) {
            ReleaseContactGridBuffer();
            RedrawNow(g_Frame.mainWnd);
        }
        FocusCurrentView();
        break;
    }
    case kViewDay:
        ResetSelection();
        ShowDayView();
        break;
    case kViewDates:
        ResetSelection();
        RedrawViewOrMain();
        break;
    default: break;
    }
}

bool ConfirmCtsDelete() {
    if (!g_Settings.confirmDel) return true;
    const int slot = IdIndexGet(g_CurItem.oid, g_CtsIdIndex);
    if (slot < 0 || slot >= g_CtsList.Size()) return false;
    const std::u16string name = GetCtsDisplayName(g_CtsList[slot], g_Settings.firstLast);
    const std::u16string text = platform::FormatW(LoadResStr(IDS_CONFIRM_DELETE_CONTACT_FMT).c_str(), name.c_str());
    if (ShowMessage(g_Frame.mainWnd, text.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES) return true;
    FocusCurrentView();
    return false;
}

}  // namespace

INT_PTR CALLBACK NewCtsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CtsDlgProc(dialog, message, wParam, lParam, false);
}

INT_PTR CALLBACK EditCtsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CtsDlgProc(dialog, message, wParam, lParam, true);
}

void NewContactCmd() {
    if (!UsesDeviceEditor()) {
        RunProgramDialog(IDD_CTS_FORM, g_Frame.mainWnd, NewCtsDlgProc);
        return;
    }
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IDispatch> item;
    if (!app || FAILED(app->CreateItem(olContactItem, item.Out()))) return;
    const PoomPtr<IContact> contact = QueryPoom<IContact>(item.Get(), IID_IContact);
    if (contact) DisplayInDeviceEditor(contact.Get(), kNoId);
}

void EditContactCmd() {
    if (UsesDeviceEditor()) EditItemThreadStart();
    else RunProgramDialog(IDD_CTS_FORM, g_Frame.mainWnd, EditCtsDlgProc);
}

void EditItemThreadStart() {
    if (g_CurItem.oid == kNoId) return;
    if (const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), g_CurItem.oid, IID_IContact))
        DisplayInDeviceEditor(contact.Get(), g_CurItem.oid);
    FocusCurrentView();
}

void InitCtsDlgPickers(HWND dialog) {
    for (const CtsDateField& field : kCtsDateFields) {
        const HWND picker = GetDlgItem(dialog, field.id);
        (void)DateTime_SetSystemtime(picker, GDT_NONE, nullptr);
        SubclassControl(picker, KeypadField::kYes, DateMenu::kNo);
    }
    for (const CatRecord& cat : g_CatList)
        SendDlgItemMessageW(dialog, IDC_ITEM_CATEGORIES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cat.name.c_str()));
}

void FillCtsDlgByOid(HWND dialog) {
    if (g_CurItem.oid == kNoId) return;
    if (const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), g_CurItem.oid, IID_IContact))
        FillCtsDlg(dialog, contact.Get());
}

void FillCtsDlg(HWND dialog, IContact* contact) {
    for (const CtsTextField& field : kCtsTextFields) {
        BSTR text = nullptr;
        (contact->*field.get)(&text);
        SetDlgItemTextW(dialog, field.id, TakeBstr(text).c_str());
    }
    BSTR notes = nullptr;
    contact->get_Body(&notes);
    SetDlgItemTextW(dialog, IDC_ITEM_NOTES, TakeBstr(notes).c_str());
    for (const CtsDateField& field : kCtsDateFields) {
        DATE value = POOM_NO_DATE;
        (contact->*field.get)(&value);
        DateRec date;
        if (!PoomDateToDateRec(GetPoomApp(), value, date)) continue;
        SYSTEMTIME time = date;
        (void)DateTime_SetSystemtime(GetDlgItem(dialog, field.id), GDT_VALID, &time);
    }
    BSTR cats = nullptr;
    if (SUCCEEDED(contact->get_Categories(&cats))) SelectCatRows(dialog, TakeBstr(cats));
}

bool SaveContactFromDialog(HWND dialog, IContact* contact) {
    if (!contact) {
        ShowMessage(dialog, u"Error: Contact Null Error(SCD).", MB_ICONEXCLAMATION);
        return false;
    }
    for (const CtsTextField& field : kCtsTextFields) (contact->*field.put)(DlgItemText(dialog, field.id, kFieldChars).c_str());
    for (const CtsDateField& field : kCtsDateFields) {
        SYSTEMTIME time{};
        DATE value = POOM_NO_DATE;
        if (DateTime_GetSystemtime(GetDlgItem(dialog, field.id), &time) == GDT_VALID)
            value = DateRecToPoom(GetPoomApp(), DateRec(time.wYear, time.wMonth, time.wDay));
        (contact->*field.put)(value);
    }
    contact->put_Body(DlgItemText(dialog, IDC_ITEM_NOTES, kNotesChars).c_str());
    contact->put_Categories(SelectedCatText(dialog).c_str());
    const HRESULT saved = contact->Save();
    if (saved != S_OK) {
        const std::u16string text =
            IsStoreFull(saved) ? StoreFullText(olContactItem)
                               : platform::FormatW(u"Error: Contact Save(SCD) - Failed(%d)", static_cast<int>(saved));
        ShowMessage(dialog, text.c_str(), MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CreateCtsFromDlg(HWND dialog) {
    IPOutlookApp* app = GetPoomApp();
    PoomPtr<IDispatch> item;
    if (!app || FAILED(app->CreateItem(olContactItem, item.Out())) || !item) {
        ShowMessage(dialog, u"Error: Contact Creation Failed(NC).", MB_ICONEXCLAMATION);
        return false;
    }
    LONG oid = kNoId;
    {
        const PoomPtr<IContact> contact = QueryPoom<IContact>(item.Get(), IID_IContact);
        g_ChangeMarks.ownChange = 1;
        if (!SaveContactFromDialog(dialog, contact.Get())) {
            g_ChangeMarks.ownChange = 0;
            return false;
        }
        if (!contact || FAILED(contact->get_Oid(&oid))) oid = kNoId;
    }
    ReloadCtsByOid(oid);
    if (ViewId == kViewContacts) ReLoadCts(true);
    if (g_PrjTreeUpdateFlag) {
        PrjTreeCtsSaved(oid);
        g_PrjTreeUpdateFlag = 0;
    }
    return true;
}

bool SaveCtsDlgPOOM(HWND dialog) {
    const LONG oid = g_CurItem.oid;
    if (oid == kNoId) return true;
    {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
        g_ChangeMarks.ownChange = 1;
        if (!SaveContactFromDialog(dialog, contact.Get())) {
            g_ChangeMarks.ownChange = 0;
            return false;
        }
    }
    RemoveCtsFromLists(oid, 1);
    ReloadCtsByOid(oid);
    if (ViewId == kViewContacts) ReLoadCts(true);
    return true;
}

void CopyContactCmd() {
    SyncSchedSel();
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemContact) return;
    LONG copyOid = kNoId;
    {
        const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), g_CurItem.oid, IID_IContact);
        if (!contact) return;
        PoomPtr<IContact> copy;
        ShowWhenStoreFull(contact->Copy(copy.Out()), olContactItem, g_Frame.mainWnd);
        if (!copy) return;
        g_ChangeMarks.ownChange = 1;
        copy->get_Oid(&copyOid);
    }
    ReloadCtsByOid(copyOid);
    if (ViewId == kViewContacts) {
        ReLoadCts(true);
        OutlineSelectById(g_CtsListWnd, g_CtsRows, copyOid, ScrollTo::kYes, RowRules::kItemLists);
    }
    FreeBackBuffers();
    RedrawViewOrMain();
}

void CopyCurrentCts() { CopyContactCmd(); }

int DeleteContact() {
    SyncSchedSel();
    if (g_CurItem.oid == kNoId || g_CurItem.kind != kItemContact) return 0;
    if (!ConfirmCtsDelete()) return 0;
    const LONG oid = g_CurItem.oid;
    // The contact leaves memory, links and indexes only when the store let it go.
    const PoomPtr<IContact> contact = GetPoomItem<IContact>(GetPoomApp(), oid, IID_IContact);
    g_ChangeMarks.ownChange = 1;
    if (!contact || FAILED(contact->Delete())) {
        g_ChangeMarks.ownChange = 0;
        ShowMessage(g_Frame.mainWnd, kItemNotDeletedText, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    if (RemoveItemLinks(oid)) SaveLinkInfoFile();
    RemoveCtsFromLists(oid, 0);
    RemoveCtsViewPairs(oid);
    ShowViewAfterCtsDelete(oid);
    return 1;
}

void DeleteCtsCmd() { DeleteContact(); }
