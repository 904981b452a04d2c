// The field list's table and stack, its list view set-up and its navigation: moving between the
// selectable rows, stepping a row's value with Left and Right, and the rows that lock others.
#include "editors/field_list.h"

#include <iterator>

#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/prj_cats.h"
#include "core/screen_class.h"
#include "platform/gdi.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_options.h"
#include "resources/resource.h"
#include "ui/dlg_services.h"
#include "ui/list_view_calls.h"
#include "ui/subclass.h"

FieldListState g_FieldList;

namespace {

constexpr int kColumnWidth = 100;
constexpr int kStripSize = 12;
constexpr int kStripSizeVga = 32;
constexpr COLORREF kStripMask = RGB(255, 0, 255);

ValSnapArray& EmptyTable() {
    static ValSnapArray rows;
    return rows;
}

bool IsSelectable(const ValSnap& row) { return row.kind != kFieldHeader && row.locked == 0; }

// Rows a changed row locks or unlocks: with lockWhenOn the dependents lock while the row is on.
struct DependentRule {
    LONG* changed;
    LONG* dependents[3];
    bool lockWhenOn;
};

// Built on each call: the rows watch the live records, which exist for the whole run.
void ForEachRule(auto&& visit) {
    AppSettings& s = g_Settings;
    PrjOptions& p = g_PrjOptions;
    const DependentRule rules[] = {
        {&s.splitMonth, {&s.botSplit, &s.nextMonthPrev, nullptr}, false},
        {&s.useBarWork, {&s.barWorkStart, &s.barWorkEnd, nullptr}, false},
        {&s.scheduleTasks, {&s.datedOnly, &s.overdueToday, &s.activeTasks}, true},
        {&s.cList, {&s.startColl, nullptr, nullptr}, false},
        {&s.listEdit, {&s.compressDlg, nullptr, nullptr}, true},
        {&s.ctsIcon, {&s.photo, nullptr, nullptr}, true},
        {&p.outFolder, {&p.poomBelow, &p.ctsCom, &p.showCat}, false},
    };
    for (const DependentRule& rule : rules) visit(rule);
}

// The value a check row holds now, whichever of the check kinds it is.
bool RowIsOn(const ValSnap& row) { return row.plainValue != 0; }

void StepDate(ValSnap& row, int days) {
    if (row.kind == kFieldDateOrNone && row.dateValue.wYear == kNoDateYear) return;
    DateAddDays(row.dateValue, days);
}

void StepHour(ValSnap& row, int hours) {
    constexpr int kHours = 24;
    row.dateValue.wHour = static_cast<WORD>((row.dateValue.wHour + hours + kHours) % kHours);
}

void StepRow(HWND dialog, int listId, int direction) {
    const HWND list = GetDlgItem(dialog, listId);
    const int index = FieldListSelRow(list);
    if (index < 0) return;
    ValSnap row = FieldListRows()[index];
    if (row.locked != 0) return;
    switch (row.kind) {
    case kFieldChoice: direction < 0 ? ValSnapListPrev(row) : ValSnapListNext(row); break;
    case kFieldNumbered: direction < 0 ? ValSnapPrev(row) : ValSnapNext(row); break;
    case kFieldDate:
    case kFieldDateOrNone: StepDate(row, direction); break;
    case kFieldTime: StepHour(row, direction); break;
    default: return;
    }
    StoreFieldRow(list, index, row);
}

void MakeVisible(HWND list, int row) {
    if (row >= 0) LvEnsureVisible(list, row);
}

void FinishMove(HWND list, bool focus) {
    LvRedrawOn(list);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    if (focus) SetFocus(list);
}

// No row to move to: the options list hands the focus to its page selector.
void LeaveList(HWND dialog, int listId) {
    if (listId == IDC_OPTIONS_LIST) SetFocus(GetDlgItem(dialog, IDC_OPTIONS_PAGES));
}

HRESULT SubclassSettingsList(HWND list) { return InstallSubclass(list, SettingsListProc); }

}  // namespace

void SetFieldListTable(ValSnapArray* rows, int listId) {
    g_FieldList.rows = rows;
    g_FieldList.listId = listId;
}

ValSnapArray& FieldListRows() { return g_FieldList.rows ? *g_FieldList.rows : EmptyTable(); }

bool FieldListHasRows() { return g_FieldList.rows != nullptr && g_FieldList.rows->Size() > 0; }

void FieldListPush(int selectedRow) {
    if (g_FieldList.depth + 1 >= kFieldStackDepth) return;
    FieldListState::Saved& saved = g_FieldList.stack[++g_FieldList.depth];
    saved.rows = g_FieldList.rows;
    saved.listId = g_FieldList.listId;
    saved.selected = selectedRow;
}

void FieldListPop() {
    if (g_FieldList.depth < 0) return;
    FieldListState::Saved& saved = g_FieldList.stack[g_FieldList.depth--];
    g_FieldList.rows = saved.rows;
    g_FieldList.listId = saved.listId;
    g_FieldList.restoredRow = saved.selected;
    saved = FieldListState::Saved{};
}

void FieldStackReset() {
    for (FieldListState::Saved& saved : g_FieldList.stack) saved = FieldListState::Saved{};
    g_FieldList.depth = -1;
    g_FieldList.restoredRow = -1;
}

void ResetFieldListStack() { FieldStackReset(); }

HRESULT InitSettingsList(HWND dialog, int listId, bool fit) {
    const HWND list = GetDlgItem(dialog, listId);
    if (list == nullptr) return E_FAIL;
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = kColumnWidth;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    if (fit) FitDlgList(dialog, listId, 0);
    const HRESULT installed = SubclassSettingsList(list);
    if (installed != S_OK) return installed;
    const LRESULT style = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style | LVS_EX_FULLROWSELECT);
    FreeFieldIconList();
    const bool vga = IsVgaScreen() != 0;
    const int size = vga ? kStripSizeVga : kStripSize;
    g_FieldList.strip = ImageList_Create(size, size, ILC_COLOR | ILC_MASK, kFieldStripPictures, kFieldStripGrow);
    if (const HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(vga ? IDB_FIELD_STRIP_VGA : IDB_FIELD_STRIP))) {
        ImageList_AddMasked(g_FieldList.strip, bitmap, kStripMask);
        DeleteObject(bitmap);
    }
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_FieldList.strip));
    return S_OK;
}

void FreeFieldIconList() {
    if (g_FieldList.strip != nullptr) ImageList_Destroy(g_FieldList.strip);
    g_FieldList.strip = nullptr;
}

void FieldListFillView(HWND dialog, int listId, int select) {
    const HWND list = GetDlgItem(dialog, listId);
    if (list == nullptr) return;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const ValSnapArray& rows = FieldListRows();
    for (int i = 0; i < rows.Size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = const_cast<LPWSTR>(rows[i].label.c_str());
        item.lParam = i;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (select < 0 || rows.Size() == 0) return;
    const int row = select < rows.Size() ? select : 0;
    LvSelectRow(list, row);
    LvEnsureVisible(list, row);
}

int FieldListSelRow(HWND list) {
    if (list == nullptr) return -1;
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 && row < FieldListRows().Size() ? row : -1;
}

void FieldListUp(HWND dialog, int listId, bool /*focus*/) {
    const HWND list = GetDlgItem(dialog, listId);
    const ValSnapArray& rows = FieldListRows();
    const int mark = LvSelMark(list);
    for (int i = (mark < 0 ? rows.Size() : mark) - 1; i >= 0; --i) {
        if (!IsSelectable(rows[i])) continue;
        LvRedrawOff(list);
        LvSelectRow(list, i);
        MakeVisible(list, i);
        // A section's header scrolls in with its first row.
        if (i > 0 && rows[i - 1].kind == kFieldHeader) MakeVisible(list, i - 1);
        // Up always takes the focus; the flag matters to Down alone.
        FinishMove(list, true);
        return;
    }
    LeaveList(dialog, listId);
}

void FieldListDown(HWND dialog, int listId, bool focus) {
    const HWND list = GetDlgItem(dialog, listId);
    const ValSnapArray& rows = FieldListRows();
    const int mark = LvSelMark(list);
    const bool noneBefore = mark < 0 || FieldListSelRow(list) < 0;
    for (int i = noneBefore ? 0 : mark + 1; i < rows.Size(); ++i) {
        if (!IsSelectable(rows[i])) continue;
        LvRedrawOff(list);
        LvSelectRow(list, i);
        MakeVisible(list, i);
        if (noneBefore && i > 0 && rows[i - 1].kind == kFieldHeader) MakeVisible(list, i - 1);
        FinishMove(list, focus);
        return;
    }
    LeaveList(dialog, listId);
}

void FieldRowDecrease(HWND dialog, int listId) { StepRow(dialog, listId, -1); }

void FieldRowIncrease(HWND dialog, int listId) { StepRow(dialog, listId, 1); }

void StoreFieldRow(HWND list, int index, const ValSnap& row) {
    ValSnapArray& rows = FieldListRows();
    if (index < 0 || index >= rows.Size()) return;
    rows[index] = row;
    if (list == nullptr) return;
    // The editor that just closed left the dialog to repaint too: it goes first, or its background
    // would cover the rows painted here.
    UpdateWindow(GetParent(list));
    SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
    UpdateWindow(list);
    SetFocus(list);
    if (row.rowFlag == 0) return;
    UpdateDependentRows(GetParent(list), index, GetDlgCtrlID(list));
    SendMessageW(GetParent(list), kMsgFieldRowChanged, static_cast<WPARAM>(index), 0);
}

void UpdateDependentRows(HWND dialog, int row, int listId) {
    ValSnapArray& rows = FieldListRows();
    if (row < 0 || row >= rows.Size()) return;
    const ValSnap& changed = rows[row];
    const HWND list = GetDlgItem(dialog, listId);
    const bool on = RowIsOn(changed);
    ForEachRule([&](const DependentRule& rule) {
        if (!ValSnapIsFor(changed, rule.changed)) return;
        const bool lock = rule.lockWhenOn ? on : !on;
        for (LONG* dependent : rule.dependents) {
            if (dependent == nullptr) continue;
            SetFieldRowLock(dependent, list, lock);
            // The grid list shows no photos: its row is set on while the grid is on.
            if (rule.changed == &g_Settings.ctsIcon && lock) {
                const LONG index = FindValSnapFor(dependent);
                if (index >= 0 && rows[index].plainValue == 0) {
                    rows[index].plainValue = 1;
                    if (list) SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
                }
            }
        }
    });
}

bool SetFieldRowLock(const void* variable, HWND list, bool locked) {
    const LONG index = FindValSnapFor(variable);
    if (index < 0) return false;
    ValSnap& row = FieldListRows()[index];
    const LONG flag = locked ? 1 : 0;
    if (row.locked == flag) return false;
    row.locked = flag;
    if (list != nullptr) {
        SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
        UpdateWindow(list);
    }
    return true;
}

LONG FindValSnapFor(const void* variable) {
    if (variable == nullptr) return -1;
    const ValSnapArray& rows = FieldListRows();
    for (int i = 0; i < rows.Size(); ++i) {
        if (ValSnapIsFor(rows[i], variable)) return i;
    }
    return -1;
}

std::u16string GetRowChoiceText(const ValSnap& row) {
    if (row.indexValue < 0 || row.indexValue >= row.choices.Size()) return {};
    return row.choices[row.indexValue];
}

int NthPlainCategory(int n) {
    if (n < 0) return -1;
    int seen = 0;
    for (int i = 0; i < g_CatList.Size(); ++i) {
        if (IsPrjCat(g_CatList[i].name)) continue;
        if (seen++ == n) return i;
    }
    return -1;
}

std::u16string FormatTimeOfDay(int hour, int minute) {
    constexpr int kNoon = 12;
    if (g_Settings.hours24 != 0) return platform::FormatW(u"%d:%02d%s", hour, minute, u"");
    int shown = hour > kNoon ? hour - kNoon : hour;
    if (hour == 0 || hour == 2 * kNoon) shown = kNoon;
    const bool morning = hour < kNoon || hour == 2 * kNoon;
    return platform::FormatW(u"%d:%02d%s", shown, minute, morning ? u"am" : u"pm");
}

void ListHourChoices(ValSnap& row) {
    constexpr int kHours = 24;
    row.choices.RemoveAll();
    for (int hour = 0; hour < kHours; ++hour) row.choices.Append(FormatTimeOfDay(hour, 0));
}
