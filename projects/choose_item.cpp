// The "Choose Item" picker. The contact array may be in company order for the contacts view; the
// picker shows names, so it puts the array into name order for its run and back afterwards, and
// the appointment month cache is put back to the shown month once every appointment was listed.
#include "projects/choose_item.h"

#include <string>

#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/cts_order.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/item_filters.h"
#include "core/kbd_model.h"
#include "core/month_cache.h"
#include "core/res_string.h"
#include "core/tsk_loading.h"
#include "lists/cts_match.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/owner_draw.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/image_lists.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/view_focus.h"

namespace {

// Row images of the small item-icon list.
constexpr int kTaskImage = 0;
constexpr int kContactImage = 1;
constexpr int kApptImage = 2;
constexpr int kFirstColumnWidth = 100;
// A key later than this after the previous one starts the typing afresh.
constexpr DWORD kTypeAheadTimeoutMs = 1750;
constexpr int kMaxKeypadDigits = 31;
// Refills of more contacts than this show the wait cursor.
constexpr int kWaitCursorContacts = 400;

struct ChooseState {
    LONG kind = kItemNone;
    LONG result = -1;
    WCHAR letter = 0;
    std::u16string typed;
    std::u16string digits;
    DWORD lastKey = 0;
    HIMAGELIST images = nullptr;
};

ChooseState g_Choose;

HWND ChooseList(HWND dialog) { return GetDlgItem(dialog, IDC_CHOOSE_ITEM_LIST); }

void AddRow(HWND list, const std::u16string& text, int image, LONG oid) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = copy.data();
    item.iImage = image;
    item.lParam = oid;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

WCHAR FoldLetter(WCHAR ch) { return (ch >= u'a' && ch <= u'z') ? static_cast<WCHAR>(ch - u'a' + u'A') : ch; }

// Only 'a' to 'z' fold, as everywhere the contacts view compares names with typed letters.
bool NameStartsWith(std::u16string_view name, std::u16string_view typed) {
    if (name.size() < typed.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (FoldLetter(name[i]) != FoldLetter(typed[i])) return false;
    return true;
}

bool ContactMatches(const CtsRecord& contact) {
    if (!g_Choose.digits.empty()) {
        return CtsMatchesKeys(contact, g_Choose.digits.c_str(), static_cast<int>(g_Choose.digits.size()) - 1, true,
                              g_Settings.searchCompany != 0);
    }
    const std::u16string typed = g_Choose.typed.empty() ? std::u16string(1, g_Choose.letter) : g_Choose.typed;
    if (g_Choose.letter == 0 && g_Choose.typed.empty()) return true;
    // The file-as name is the one the contacts are listed and compared by.
    return NameStartsWith(contact.fileAs, typed);
}

void FillContacts(HWND list) {
    const HCURSOR old = g_CtsList.Size() > kWaitCursorContacts ? SetCursor(LoadCursorW(nullptr, IDC_WAIT)) : nullptr;
    for (const CtsRecord& contact : g_CtsList)
        if (ContactMatches(contact)) AddRow(list, GetCtsDisplayName(contact, g_Settings.firstLast), kContactImage, contact.oid);
    if (old) SetCursor(old);
}

void FillAppts(HWND list) {
    const bool monthly = IsMonthLoadOn();
    if (monthly) ReloadAllAppts();
    for (const ApptRecord& appt : g_AllApptsArray) AddRow(list, appt.subject, kApptImage, appt.oid);
    if (monthly) {
        LoadApptsForMonth(0, 0);
        g_AllApptsArray.RemoveAll();
    }
}

void SelectFirstRow(HWND list) {
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) <= 0) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
    SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
}

LONG SelectedOid(HWND list) {
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return -1;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return static_cast<LONG>(item.lParam);
}

void Refill(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_CHOOSE_ITEM).c_str());
    FillChooseItemList(ChooseList(dialog));
}

bool WithinTimeout() { return GetTickCount() - g_Choose.lastKey <= kTypeAheadTimeoutMs; }

void TypeLetter(HWND dialog, WCHAR letter) {
    if (WithinTimeout() && (g_Choose.letter != 0 || !g_Choose.typed.empty())) {
        if (g_Choose.typed.empty()) g_Choose.typed.assign(1, g_Choose.letter);
        g_Choose.typed += letter;
    } else {
        g_Choose.letter = letter;
        g_Choose.typed.clear();
    }
    g_Choose.digits.clear();
    g_Choose.lastKey = GetTickCount();
    Refill(dialog);
}

void ClearTyping() {
    g_Choose.letter = 0;
    g_Choose.typed.clear();
    g_Choose.digits.clear();
}

// Digits of the phone keys: with the keypad search on they build a key sequence, otherwise each
// press cycles through the letters printed on its key.
void TypeKey(HWND dialog, WCHAR key) {
    const bool clearing = key == u'0' || key == u'1' || key == u' ' || key == u'#';
    if (g_Settings.smartNumSearch != 0) {
        if (!WithinTimeout()) g_Choose.digits.clear();
        if (clearing) {
            ClearTyping();
        } else if (static_cast<int>(g_Choose.digits.size()) < kMaxKeypadDigits) {
            g_Choose.digits += key;
            g_Choose.letter = 0;
            g_Choose.typed.clear();
        }
        g_Choose.lastKey = GetTickCount();
        Refill(dialog);
        return;
    }
    if (clearing) {
        if (g_Choose.letter == 0 && g_Choose.typed.empty()) return;
        ClearTyping();
    } else {
        WCHAR letter = g_Choose.letter;
        CycleKeypadLetter(key, letter);
        g_Choose.letter = letter;
        g_Choose.typed.clear();
    }
    g_Choose.lastKey = GetTickCount();
    Refill(dialog);
}

INT_PTR EndChoose(HWND dialog, INT_PTR result) {
    PopOpenDlg(dialog);
    EndDialog(dialog, result);
    return TRUE;
}

INT_PTR TakeChoice(HWND dialog) {
    g_Choose.result = SelectedOid(ChooseList(dialog));
    return EndChoose(dialog, kDlgAccept);
}

INT_PTR OnChooseInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SELECT_CANCEL_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    SetTitleText(dialog, LoadResString(IDS_CHOOSE_ITEM).c_str());
    const HWND list = ChooseList(dialog);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kFirstColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    FitDlgList(dialog, IDC_CHOOSE_ITEM_LIST, 0);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    g_Choose.images = CreateSmallIconImageList();
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_Choose.images));
    FillChooseItemList(list);
    SetFocus(list);
    PushOpenDlg(dialog);
    return FALSE;
}

INT_PTR OnChooseCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDM_DLG_DONE: return TakeChoice(dialog);
    case IDCANCEL:
    case IDM_DLG_CANCEL: return EndChoose(dialog, id);
    }
    return FALSE;
}

WCHAR UpperLetter(WCHAR ch) { return FoldLetter(ch); }
WCHAR LowerLetter(WCHAR ch) { return (ch >= u'A' && ch <= u'Z') ? static_cast<WCHAR>(ch - u'A' + u'a') : ch; }
bool IsLetter(WCHAR ch) { return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'); }
bool IsSearchKey(WCHAR ch) { return (ch >= u'0' && ch <= u'9') || ch == u' ' || ch == u'#'; }


// Thumb keyboards carry the digits on letter keys: with the keypad search on such a key is its
// digit; with it off a digit is the letter of its key.
INT_PTR OnChooseKey(HWND dialog, WORD key) {
    if (g_Choose.kind != kItemContact) return FALSE;
    const LONG model = g_Frame.kbdModelCode;
    // The '#' key arrives as its own virtual key; the digit keys and the blank as their characters.
    WCHAR ch = key == VK_TPOUND ? u'#' : static_cast<WCHAR>(key);
    if (g_Settings.smartNumSearch != 0 && IsLetter(ch)) {
        if (const WCHAR digit = KeyToDigit(model, ch)) ch = digit;
    }
    if (g_Settings.smartNumSearch == 0 && IsSearchKey(ch)) {
        WCHAR letter = ch;
        DigitCharToKeyLetter(model, letter, 0);
        if (IsLetter(letter)) ch = letter;
    }
    if (IsLetter(ch)) {
        TypeLetter(dialog, UpperLetter(RemapKbdKey(model, LowerLetter(ch))));
        return TRUE;
    }
    if (IsSearchKey(ch)) {
        TypeKey(dialog, ch);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnChooseNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom != IDC_CHOOSE_ITEM_LIST) return FALSE;
    if (header.code == static_cast<UINT>(NM_RETURN)) return TakeChoice(dialog);
    if (header.code == static_cast<UINT>(LVN_KEYDOWN))
        return OnChooseKey(dialog, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
    return FALSE;
}

}  // namespace

void FillChooseItemList(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    switch (g_Choose.kind) {
    case kItemTask:
        for (const TskRecord& task : g_TskList) AddRow(list, task.subject, kTaskImage, task.oid);
        break;
    case kItemAppt: FillAppts(list); break;
    case kItemContact: FillContacts(list); break;
    default: break;
    }
    SelectFirstRow(list);
    SetFocus(list);
}

INT_PTR CALLBACK ChooseItemDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnChooseInit(dialog);
    case WM_COMMAND: return OnChooseCommand(dialog, LOWORD(wParam));
    case WM_NOTIFY: return OnChooseNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN: return wParam == VK_RETURN ? TakeChoice(dialog) : FALSE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_CHOOSE_ITEM_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_CHOOSE_ITEM_LIST)
            DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ChooseList(dialog), 0);
        return TRUE;
    case WM_SIZE: FitDlgList(dialog, IDC_CHOOSE_ITEM_LIST, 1); return FALSE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

LONG ChooseItemDlg(HWND parent, LONG kind) {
    g_Choose = ChooseState{};
    g_Choose.kind = kind;
    // Company order shows the names out of order; the recently-viewed mode keeps name order.
    const bool byCompany = kind == kItemContact && (g_Settings.contactSort == kCtsModeCompany ||
                                                     (g_Settings.contactSort == kCtsModeRecent && g_CtsSortedByCompany));
    const bool restoreCompany = kind == kItemContact && g_Settings.contactSort == kCtsModeCompany;
    if (byCompany) {
        const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        const LONG mode = g_Settings.contactSort;
        SortCtsByName();
        g_Settings.contactSort = mode;
        SetCursor(old);
    }
    const INT_PTR ended = RunProgramDialog(IDD_CHOOSE_ITEM, parent, ChooseItemDlgProc);
    if (g_Choose.images) ImageList_Destroy(g_Choose.images);
    g_Choose.images = nullptr;
    if (restoreCompany) {
        const HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        SortCtsByCompany();
        SetCursor(old);
    }
    return ended == kDlgAccept ? g_Choose.result : -1;
}
