// The search dialog, its result list and history, and the options dialog of the kinds searched.
// Searching every appointment reads them all from the store; the shown month is read again right
// after, so the calendar views keep their month.
#include "extras/search.h"

#include "extras/extra_commands.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "calendar/calendar_nav.h"
#include "core/app_settings.h"
#include "core/appt_readers.h"
#include "core/cts_record.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/reg_key.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/settings_key.h"
#include "core/text_util.h"
#include "core/tsk_loading.h"
#include "lists/cts_match.h"
#include "lists/task_view.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/agenda_services.h"
#include "ui/dialog_conventions.h"
#include "ui/frame_calls.h"
#include "ui/image_lists.h"
#include "ui/list_subclass.h"
#include "ui/view_focus.h"
#include "ui/theme_colors.h"

SearchState g_Search;

namespace {

constexpr UINT kMsgRunSearch = 1031;
constexpr INT_PTR kSearchEndEnter = 13;
constexpr int kSearchTextChars = 4096;
constexpr DWORD kHistoryReadBytes = 1024;
constexpr int kApptRowChars = 256;  // 255 characters and the terminator
constexpr const WCHAR* kHistoryValues[kSearchHistorySlots] = {u"SEARCH1", u"SEARCH2", u"SEARCH3"};

// The dialog's measures by screen class.
constexpr int kBigScreenSide = 480;
constexpr int kRowHeightBig = 40;
constexpr int kRowHeight320 = 26;
constexpr int kRowHeight = 20;
constexpr int kButtonWidthBig = 60;
constexpr int kButtonWidth = 38;
constexpr int kEdge = 2;
constexpr int kTop = 4;
constexpr int kGapBeforeButton = 6;
constexpr int kDropDepth = 80;
constexpr int kListGap = 6;
constexpr int kBottomGap = 8;
constexpr int kColumnSlack = 6;

// The settings that choose the kinds, with their check boxes.
struct SearchOption {
    int control;
    LONG AppSettings::*setting;
};
constexpr SearchOption kSearchOptions[] = {
    {IDC_SEARCH_TASKS, &AppSettings::searchTasks},
    {IDC_SEARCH_APPTS, &AppSettings::searchAppts},
    {IDC_SEARCH_CONTACTS, &AppSettings::searchContacts},
};

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SEARCH_LIST); }

std::u16string ApptRowText(const ApptRecord& appt) {
    std::u16string day;
    FormatMonthDay(day, appt.start);
    std::u16string time;
    FormatTime(time, appt.start, g_Settings.hours24 != 0, true, false);
    WCHAR text[kApptRowChars] = {};
    _snwprintf(text, kApptRowChars - 1, u"%s %s: %s", day.c_str(), time.c_str(), appt.subject.c_str());
    return text;
}

void FindAppts(const std::u16string& text, std::vector<SearchRow>& rows) {
    const bool monthShown = g_ApptCache.loaded != 0;
    ReloadAllAppts();
    for (const ApptRecord& appt : g_AllApptsArray)
        if (ApptMatchText(appt, text)) rows.push_back({ApptRowText(appt), kSearchImageAppt, appt.oid});
    // The calendar views get their month back.
    if (monthShown) LoadApptsForMonth(1, 0);
    g_AllApptsArray.RemoveAll();
}

void InsertRow(HWND list, int index, const SearchRow& row) {
    std::u16string text = row.text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = text.data();
    item.iImage = row.image;
    item.lParam = row.oid;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::u16string ComboText(HWND dialog) {
    WCHAR text[kSearchTextChars] = {};
    GetDlgItemTextW(dialog, IDC_SEARCH_TEXT, text, kSearchTextChars);
    return text;
}

void ShowChosenItem() {
    HideAllViewWindows();
    RememberLastView();
    switch (g_CurItem.kind) {
    case kItemAppt: ShowApptPreview(1); break;
    case kItemTask: ShowTskPreview(); break;
    case kItemContact: ShowCtsPreview(1); break;
    default: break;
    }
}

BOOL OnSearchInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_SEARCH_BAR, BackKey::kOverride)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    InitSearchDlg(dialog);
    return TRUE;
}

void OnSearchEnd(HWND dialog, INT_PTR result) {
    g_ListNotices.searchPrompt = 0;
    if (HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(List(dialog), LVM_GETIMAGELIST, LVSIL_SMALL, 0)))
        ImageList_Destroy(images);
    EndDialog(dialog, result);
}

// A text picked from the history becomes the text to search for.
void TakeHistoryText(HWND dialog) {
    HWND history = GetDlgItem(dialog, IDC_SEARCH_HISTORY);
    const LRESULT index = SendMessageW(history, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    WCHAR text[kSearchTextChars] = {};
    if (SendMessageW(history, CB_GETLBTEXTLEN, index, 0) >= kSearchTextChars) return;
    SendMessageW(history, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, text);
}

BOOL OnSearchCommand(HWND dialog, UINT command, UINT code) {
    if (command == IDC_SEARCH_HISTORY) {
        if (code == CBN_SELCHANGE) TakeHistoryText(dialog);
        return TRUE;
    }
    switch (command) {
    case IDC_SEARCH_GO: RunSearch(dialog); return TRUE;
    case IDM_NEXT_VIEW:  // the "View" soft key
        SaveSearchHistory();
        OpenSearchResult(dialog);
        OnSearchEnd(dialog, IDM_NEXT_VIEW);
        return TRUE;
    case IDOK:
        // The Action key in the text field searches, as the list's hint tells the user.
        if (GetFocus() == GetDlgItem(dialog, IDC_SEARCH_TEXT)) {
            RunSearch(dialog);
            return TRUE;
        }
        [[fallthrough]];
    case IDM_DLG_CANCEL:
        SaveSearchHistory();
        OnSearchEnd(dialog, command);
        return TRUE;
    case IDM_SETUP_SEARCH: SearchOptionsDlg(dialog); return TRUE;
    default: return FALSE;
    }
}

BOOL OnSearchNotify(HWND dialog, const NMHDR& header) {
    if (header.idFrom != IDC_SEARCH_LIST || header.code != NM_RETURN) return FALSE;
    OpenSearchResult(dialog);
    OnSearchEnd(dialog, kSearchEndEnter);
    return TRUE;
}

}  // namespace

std::vector<SearchRow> FindSearchRows(const std::u16string& text) {
    std::vector<SearchRow> rows;
    if (g_Settings.searchAppts) FindAppts(text, rows);
    if (g_Settings.searchTasks)
        for (const TskRecord& task : g_TskList)
            if (MatchSearchText(task, text)) rows.push_back({task.subject, kSearchImageTask, task.oid});
    if (g_Settings.searchContacts)
        for (const CtsRecord& contact : g_CtsList)
            if (CtsMatchesText(contact, text)) rows.push_back({contact.fileAs, kSearchImageContact, contact.oid});
    if (rows.empty()) rows.push_back({LoadResString(IDS_NO_ITEMS_TO_DISPLAY, u"No Items To Display."), kSearchImageNone, -1});
    return rows;
}

int AddSearchHistory(const std::u16string& text) {
    if (text.empty()) return 0;
    // A text longer than a slot is kept cut to the slot, as the registry value can hold it.
    const std::u16string entry = text.substr(0, kSearchSlotChars);
    for (const std::u16string& slot : g_Search.history)
        if (_wcsicmp(slot.c_str(), entry.c_str()) == 0) return 0;
    for (int i = kSearchHistorySlots - 1; i > 0; --i) g_Search.history[i] = g_Search.history[i - 1];
    g_Search.history[0] = entry;
    return 1;
}

void FillSearchHistory(HWND combo, int selection) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& slot : g_Search.history)
        if (!slot.empty()) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(slot.c_str()));
    if (selection != -1) SendMessageW(combo, CB_SETCURSEL, selection, 0);
}

void LoadSearchHistory() {
    for (std::u16string& slot : g_Search.history) slot.clear();
    RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) != ERROR_SUCCESS) return;
    for (int i = 0; i < kSearchHistorySlots; ++i) key.ReadText(kHistoryValues[i], kHistoryReadBytes, g_Search.history[i]);
}

LONG SaveSearchHistory() {
    RegKey key;
    const LONG opened = key.Create(HKEY_CURRENT_USER, kSettingsKey);
    if (opened != ERROR_SUCCESS) return opened;
    for (int i = 0; i < kSearchHistorySlots; ++i) {
        const LONG status = key.WriteText(kHistoryValues[i], g_Search.history[i]);
        if (status != ERROR_SUCCESS) return status;
    }
    return 0;
}

void LayoutSearchDlg(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const bool big = GetSystemMetrics(SM_CXSCREEN) >= kBigScreenSide && GetSystemMetrics(SM_CYSCREEN) >= kBigScreenSide;
    const int row = big ? kRowHeightBig : IsSquare320Screen() ? kRowHeight320 : kRowHeight;
    const int button = big ? kButtonWidthBig : kButtonWidth;
    const int buttonLeft = client.right - kEdge - button;
    MoveWindow(GetDlgItem(dialog, IDC_SEARCH_GO), buttonLeft, kTop, button, row, TRUE);
    MoveWindow(GetDlgItem(dialog, IDC_SEARCH_TEXT), kEdge, kTop, buttonLeft - kGapBeforeButton - kEdge, row, TRUE);
    const int historyTop = kTop + row + kListGap;
    MoveWindow(GetDlgItem(dialog, IDC_SEARCH_HISTORY), kEdge, historyTop, client.right - 2 * kEdge, row + kDropDepth, TRUE);
    const int listTop = historyTop + row + kListGap;
    const int listWidth = client.right - 2 * kEdge;
    MoveWindow(List(dialog), kEdge, listTop, listWidth, client.bottom - kBottomGap - listTop, TRUE);
    SendMessageW(List(dialog), LVM_SETCOLUMNWIDTH, 0, listWidth - GetSystemMetrics(SM_CXVSCROLL) - kColumnSlack);
    // The controls' former places are painted over, not left showing their old pixels.
    InvalidateRect(dialog, nullptr, TRUE);
}

void InitSearchDlg(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_SEARCH_ENTRY, u"..::Search").c_str());
    HWND list = List(dialog);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(CreateSmallIconImageList()));
    SubclassItemList(list, CheckStrip::kNo);
    // The rows are the list control's own: their text takes the theme's colours, as the list's
    // background does, not the control's black on a dark theme.
    SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ThemeColor(kThemeBackground)));
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ThemeColor(kThemeBackground)));
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ThemeColor(kThemeTextColor)));
    LayoutSearchDlg(dialog);
    LoadSearchHistory();
    FillSearchHistory(GetDlgItem(dialog, IDC_SEARCH_HISTORY), -1);
    // The list shows how to search until the first search.
    g_ListNotices.searchPrompt = 1;
}

void RunSearch(HWND dialog) {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::u16string typed = ComboText(dialog);
    if (AddSearchHistory(typed)) FillSearchHistory(GetDlgItem(dialog, IDC_SEARCH_HISTORY), 0);
    const std::u16string text = TrimSpaces(typed);
    if (text.empty()) {
        SetCursor(previous);
        return;
    }
    HWND list = List(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<SearchRow> rows = FindSearchRows(text);
    for (std::size_t i = 0; i < rows.size(); ++i) InsertRow(list, static_cast<int>(i), rows[i]);
    SetCursor(previous);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
    g_ListNotices.searchPrompt = 0;
    InvalidateRect(list, nullptr, TRUE);
    SetFocus(list);
}

void OpenSearchResult(HWND dialog) {
    HWND list = List(dialog);
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected < 0) return;
    LVITEMW item{};
    item.mask = LVIF_IMAGE | LVIF_PARAM;
    item.iItem = selected;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) || item.lParam == -1) return;
    g_Search.resultChosen = 1;
    g_CurItem.oid = static_cast<LONG>(item.lParam);
    switch (item.iImage) {
    case kSearchImageTask: g_CurItem.kind = kItemTask; break;
    case kSearchImageContact: g_CurItem.kind = kItemContact; break;
    default: {
        g_CurItem.kind = kItemAppt;
        ApptRecord appt;
        if (!LoadApptFromPOOM(g_CurItem.oid, appt)) break;
        const bool otherMonth = appt.start.wYear != g_SelectedDate.wYear || appt.start.wMonth != g_SelectedDate.wMonth;
        g_SelectedDate = DateRec(appt.start.wYear, appt.start.wMonth, appt.start.wDay);
        // The calendar goes to that month as a month step does: its grid and its appointments.
        if (otherMonth) RefreshAppts();
        break;
    }
    }
}

void SearchDlg() {
    g_Search.resultChosen = 0;
    RunProgramDialog(IDD_SEARCH, g_Frame.mainWnd, SearchDlgProc);
    if (g_Search.resultChosen)
        ShowChosenItem();
    else
        FocusCurrentView();  // the keys go back to the view the search was opened over
}

void ShowSearchDlg() { SearchDlg(); }

INT_PTR CALLBACK SearchDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnSearchInit(dialog);
    case WM_COMMAND: return OnSearchCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return OnSearchNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case kMsgRunSearch: RunSearch(dialog); return TRUE;
    case WM_KEYDOWN:  // Enter and double-taps on the list, from its item-list subclass
        if (wParam != VK_RETURN) return FALSE;
        OpenSearchResult(dialog);
        OnSearchEnd(dialog, kSearchEndEnter);
        return TRUE;
    case WM_HOTKEY:
        if (IsBackHotKey(message, lParam)) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case WM_SIZE: LayoutSearchDlg(dialog); return TRUE;
    case kMsgEndDialog: OnSearchEnd(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

void InitSearchOptsDlg(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_SEARCH_OPTIONS, u"Search Options").c_str());
    for (const SearchOption& option : kSearchOptions)
        CheckDlgButton(dialog, option.control, g_Settings.*option.setting ? BST_CHECKED : BST_UNCHECKED);
}

void ReadSearchOpts(HWND dialog) {
    for (const SearchOption& option : kSearchOptions)
        g_Settings.*option.setting = IsDlgButtonChecked(dialog, option.control) == BST_CHECKED ? 1 : 0;
}

INT_PTR SearchOptionsDlg(HWND parent) { return RunProgramDialog(IDD_SEARCH_OPTIONS, parent, SearchOptionsDlgProc); }

INT_PTR CALLBACK SearchOptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if (!InitDlgMenuBar(dialog, IDM_DONE_CANCEL_BAR, BackKey::kDefault)) {
            EndDialog(dialog, kDlgFailed);
            return TRUE;
        }
        InitSearchOptsDlg(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_DLG_DONE:
        case IDOK:
            ReadSearchOpts(dialog);
            SaveSettings();
            EndDialog(dialog, kDlgAccept);
            return TRUE;
        case IDM_DLG_CANCEL:
        case IDCANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
        default: return FALSE;
        }
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}
