// The contacts view: showing it (or asking for it while the contacts load), the refill that builds
// its rows by the view mode, the fill routines of the four modes and the letter tabs' refill.
#include "lists/cts_view.h"

#include <array>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/cmd_line.h"
#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/prj_cats.h"
#include "core/res_string.h"
#include "core/text_util.h"
#include "core/view_id.h"
#include "lists/cts_grid.h"
#include "lists/cts_list.h"
#include "lists/cts_match.h"
#include "lists/cts_recent.h"
#include "lists/cts_type_ahead.h"
#include "lists/letter_tabs.h"
#include "lists/list_commands.h"
#include "lists/wait_cursor.h"
#include "platform/shell.h"
#include "platform/threads.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/outline_list.h"
#include "ui/view_calls.h"
#include "ui/view_focus.h"

CtsViewState g_CtsViewState;

namespace {

constexpr UINT kTalkKey = VK_F3;

void AddRow(LONG kind, LONG id = -1, const std::u16string& text = {}) {
    ListRow row;
    row.kind = kind;
    row.id = id;
    row.text = text;
    g_CtsRows.Append(row);
}

bool Shown(const CtsRecord& contact) { return CtsPassCatFilter(contact, kCatKindContacts) != 0; }
bool GridMode() { return g_Settings.ctsIcon != 0; }

void AddNothingRowWhenEmpty() {
    if (g_CtsRows.IsEmpty()) AddRow(kRowNothing);
}

// Two-line rows with pictures part the groups on their own.
void OpenGroup(const std::u16string& caption) {
    if (!g_CtsRows.IsEmpty() && g_Settings.photo == 0) AddRow(kRowSpacer);
    AddRow(kRowHeader, -1, caption);
}

template <class Test>
void AddGroup(const std::u16string& caption, Test&& belongs) {
    bool opened = g_Settings.hideEmptyCat == 0;
    if (opened) OpenGroup(caption);
    for (const CtsRecord& contact : g_CtsList) {
        if (!belongs(contact) || !Shown(contact)) continue;
        if (!opened) {
            OpenGroup(caption);
            opened = true;
        }
        AddRow(kRowItem, contact.oid);
    }
}

bool SameNoCase(const std::u16string& a, const std::u16string& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

void SelectFirstRow() {
    if (GridMode()) {
        BuildCtsRows(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid);
    } else if (g_CtsListWnd) {
        SelectNextListRow(g_CtsListWnd, QueryOnly::kNo, RowRules::kItemLists);
    }
}

void RedrawMainNow() {
    if (!g_Frame.mainWnd) return;
    InvalidateRect(g_Frame.mainWnd, nullptr, FALSE);
    UpdateWindow(g_Frame.mainWnd);
}

using FillRoutine = void (*)();
constexpr std::array<FillRoutine, 4> kModeFills = {FillCtsByName, FillCtsByCompany, FillCtsByCategory, FillCtsRecent};

}  // namespace

// The rows to the list, or to the grid from its top; the grid's picture of the old rows goes.
void RefreshCtsView() {
    if (GridMode()) {
        BuildCtsRows(g_CtsRows, CurrentCtsGridGeometry(), g_CtsGrid);
        RedrawCtsIcons(true);
        ReleaseCtsListBuffer();
        if (g_CtsGrid.window) {
            InvalidateRect(g_CtsGrid.window, nullptr, FALSE);
            UpdateWindow(g_CtsGrid.window);
        }
    } else {
        OutlineFillList(g_CtsListWnd, g_CtsRows);
    }
}

bool FillCtsRows() {
    if (g_Settings.smartNumSearch != 0 && g_KeypadKeys.last >= 0) {
        FillCtsByKeypad();
        return true;
    }
    const LONG mode = g_Settings.contactSort;
    if (mode < 0 || mode >= static_cast<LONG>(kModeFills.size())) return false;
    kModeFills[static_cast<std::size_t>(mode)]();
    return true;
}

void ReLoadCts(bool selectFirst) {
    if (FillCtsRows()) RefreshCtsView();
    if (selectFirst) SelectFirstRow();
}

void FillCtsByName() {
    if (g_CtsTypeAhead.letter != 0 || (g_CtsTypeAhead.extend != 0 && !g_CtsTypeAhead.text.empty())) {
        FillCtsByLetter();
        return;
    }
    g_CtsRows.RemoveAll();
    for (const CtsRecord& contact : g_CtsList) {
        if (Shown(contact)) AddRow(kRowItem, contact.oid);
    }
    AddNothingRowWhenEmpty();
}

void FillCtsByCompany() {
    g_CtsRows.RemoveAll();
    const std::u16string noCompany = LoadResString(IDS_NO_COMPANY);
    std::u16string header;
    bool headed = false;
    bool headerIsNoCompany = false;
    for (const CtsRecord& contact : g_CtsList) {
        if (!Shown(contact)) continue;
        const bool empty = contact.company.empty();
        const std::u16string name = empty ? noCompany : contact.company;
        const bool sameGroup = headed && (empty ? headerIsNoCompany : !headerIsNoCompany && SameNoCase(name, header));
        if (!sameGroup) {
            AddRow(kRowHeader, -1, name);
            header = name;
            headerIsNoCompany = empty;
            headed = true;
        }
        AddRow(kRowItem, contact.oid);
    }
    AddNothingRowWhenEmpty();
    OutlineStartCollapsed(g_CtsRows, OutlineMode::kItemLists);
}

void FillCtsByCategory() {
    g_CtsRows.RemoveAll();
    for (const CatRecord& category : g_CatList) {
        if (IsPrjCat(category.name)) continue;
        AddGroup(category.name, [&category](const CtsRecord& c) { return CtsHasCat(c, category.name); });
    }
    AddGroup(LoadResString(IDS_NO_CATEGORY), [](const CtsRecord& c) { return c.categories.IsEmpty(); });
    AddNothingRowWhenEmpty();
    OutlineStartCollapsed(g_CtsRows, OutlineMode::kItemLists);
}

void FillCtsRecent() {
    PruneCtsViewPairs();
    g_CtsViewState.recentEmpty = 0;
    g_CtsRows.RemoveAll();
    if (g_CtsViewPairs.IsEmpty()) {
        AddRow(kRowNothing);
        g_CtsViewState.recentEmpty = 1;
        return;
    }
    for (const CtsViewPair& pair : g_CtsViewPairs) AddRow(kRowItem, pair.key);
}

void ReFillCtsView(UINT command) {
    g_CtsViewState.recentEmpty = 0;
    WaitCursor wait(g_CtsList.Size() > kWaitCursorContacts);
    SortCtsByName();
    OnCtsLetterTab(command);
    if (FillCtsRows()) RefreshCtsView();
    SelectFirstRow();
    SetViewTitle();
}

void ShowContactsView() { ShowCtsView(false); }

void SelectCurCts() {
    if (CheckCtsSelected(false)) {
        // Opened from the list, not from outside: Back shows the list with this contact selected
        // again, also when a change in between filled the list anew.
        views::ShowCtsPreview(0);
        return;
    }
    if (!GridMode() && g_CtsListWnd && OutlineSelCanToggle(g_CtsListWnd, g_CtsRows, OutlineMode::kItemLists))
        OutlineToggleSel(g_CtsListWnd, g_CtsRows, OutlineMode::kItemLists, -1);
}

bool CtsSelRowIsItem() {
    if (GridMode()) {
        const int selection = g_CtsGrid.selection;
        return selection >= 0 && selection < g_CtsRows.Size() && g_CtsRows[selection].kind == kRowItem;
    }
    return GetCtsListSelOid() != -1;
}

void ShowCtsView(bool reselect) {
    if (g_ViewShown[ShownView::Contacts] == 0) return;
    // Waits for the load, or reads the contacts now when the load left them out.
    if (!ContactsReadyOrDefer(kStartContacts)) return;
    CreateCtsList(g_Frame.mainWnd);
    CreateCtsIconWnd(g_Frame.mainWnd);
    ViewId = kViewContacts;
    g_Main.backArmed = 0;
    HideAllViewWindows();
    CreateViewMenuBar(&g_MenuBars.contacts, 0, g_Frame.mainWnd, kShowBar);
    if (g_MenuBars.contacts) {
        SendMessageW(g_MenuBars.contacts, SHCMBM_OVERRIDEKEY, kTalkKey,
                     MAKELPARAM(SHMBOF_NODEFAULT | SHMBOF_NOTIFY, SHMBOF_NODEFAULT | SHMBOF_NOTIFY));
    }
    SetViewTitle();
    ReLoadCts(!reselect);
    if (g_Settings.abcTb != 0 && g_CtsAbcToolbar) {
        MoveCtsListWnd();  // the tabs may have been made while they were off, with no place yet
        ShowWindow(g_CtsAbcToolbar, SW_SHOW);
    }
    if (GridMode()) {
        if (reselect) CtsListSelById(g_CurItem.oid);
        if (g_CtsGrid.window) PlaceViewWnd(g_CtsGrid.window, kPlacePlain);
    } else {
        if (reselect) OutlineSelectById(g_CtsListWnd, g_CtsRows, g_CurItem.oid, ScrollTo::kYes, OutlineMode::kItemLists);
        if (g_CtsListWnd) PlaceViewWnd(g_CtsListWnd, kPlaceList);
    }
    SizeCtsListWnd(GridMode() ? g_CtsGrid.window : g_CtsListWnd);
    RedrawMainNow();
}

void ResetContactSortState() { g_CtsSortedByCompany = -1; }
