// Selection moves of the owner-drawn lists: around the caption rows of the dialog lists, and by the
// outline rules that skip the header, spacer and notice rows of the item and schedule lists.
#include <cstdlib>

#include "core/app_settings.h"
#include "core/view_id.h"
#include "platform/user.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"

namespace {

bool IsCaption(HWND list, int row) { return LvRowData(list, row) == kCaptionRowData; }

// Redraw on, the window brought up to date; the focus when asked.
void FinishMove(HWND list, bool focus) {
    LvRedrawOn(list);
    UpdateWindow(list);
    if (focus) SetFocus(list);
}

bool HeadersSelectable() { return g_Settings.cList != 0; }

bool IsHeaderKind(LONG kind, RowRules rules) {
    if (rules == RowRules::kSchedule) return kind == kSchedDayHeader || kind == kSchedDayHeader2;
    return kind == kRowHeader;
}

// Rows the outline moves step over.
bool SkipsRow(LONG kind, RowRules rules) {
    if (rules == RowRules::kItemLists) {
        if (kind == kRowHeader && HeadersSelectable()) return false;
        return kind >= kRowPrivateHidden && kind <= kRowSeparator;
    }
    if (kind == kSchedFurther || kind == kSchedFurther2) return true;
    if (kind == kSchedDayHeader || kind == kSchedDayHeader2) return !(HeadersSelectable() && ViewId == kViewDates);
    return false;
}

LONG KindAt(HWND list, int row) { return static_cast<LONG>(LvRowData(list, row)); }

// The extra row that is scrolled into view after the found row, so its group header stays shown.
int RowAboveToShow(HWND list, int found, RowRules rules, bool headerRule) {
    if (found < 1) return -1;
    const LONG above = KindAt(list, found - 1);
    if (headerRule && IsHeaderKind(above, rules)) return found - 1;
    if (rules == RowRules::kSchedule && found >= 2 && above == kSchedFurther) return found - 2;
    return -1;
}

void ShowFoundRow(HWND list, int found, int extra) {
    LvEnsureVisible(list, found);
    if (extra >= 0) LvEnsureVisible(list, extra);
}

}  // namespace

int SelectPrevRowSkipSep(HWND list) {
    if (!list) return 0;
    const int selection = LvSelMark(list);
    if (selection == -1) return 1;
    int row = selection - 1;
    while (row >= 0 && IsCaption(list, row)) --row;
    if (row < 0) return 0;
    LvSelectRow(list, row);
    LvEnsureVisible(list, row > 0 && IsCaption(list, row - 1) ? row - 1 : row);
    FinishMove(list, true);
    return 1;
}

int SelectNextRowSkipSep(HWND list, GiveFocus focus) {
    if (!list) return 0;
    const int count = LvCount(list);
    if (count <= 0) return 0;
    int row = LvSelMark(list) + 1;
    bool fromTop = row <= 1;
    for (bool wrapped = false;;) {
        while (row < count && IsCaption(list, row)) ++row;
        if (row < count) break;
        if (fromTop || wrapped) return 0;
        LvSetSelMark(list, -1);
        row = 0;
        fromTop = true;
        wrapped = true;
    }
    LvSelectRow(list, row);
    const bool showCaption = fromTop && row > 0 && IsCaption(list, row - 1);
    LvEnsureVisible(list, showCaption ? row - 1 : row);
    FinishMove(list, focus == GiveFocus::kYes);
    return 1;
}

int SelectNextListRow(HWND list, QueryOnly query, RowRules rules) {
    if (!list) return 0;
    const int count = LvCount(list);
    if (count <= 0) return 0;
    int row = LvSelMark(list) + 1;
    bool fromTop = row <= 1;
    int found = -1;
    // One full pass at most: a list without a selectable row changes nothing.
    for (int steps = 0; steps < count; ++steps, ++row) {
        if (row >= count) {
            if (query == QueryOnly::kYes) return 0;
            row = 0;
            fromTop = true;
        }
        if (!SkipsRow(KindAt(list, row), rules)) {
            found = row;
            break;
        }
    }
    if (query == QueryOnly::kYes) return found == 1 || found < 0 ? 0 : found;
    if (found < 0) return 0;
    LvSelectRow(list, found);
    const int extra = found == 1 ? 0 : RowAboveToShow(list, found, rules, fromTop);
    ShowFoundRow(list, found, extra);
    FinishMove(list, true);
    return found;
}

int SelectPrevListRow(HWND list, QueryOnly query, RowRules rules) {
    if (!list) return -1;
    const int count = LvCount(list);
    const int selection = LvSelMark(list);
    if (selection == -1 || count <= 0) return -1;
    int row = selection - 1;
    int found = -1;
    for (int steps = 0; steps < count; ++steps, --row) {
        if (row < 0) {
            if (query == QueryOnly::kYes) return -1;
            row = count - 1;
        }
        if (!SkipsRow(KindAt(list, row), rules)) {
            found = row;
            break;
        }
    }
    if (found < 0) return -1;
    const bool headerRule = found != count - 1;
    if (query == QueryOnly::kYes) {
        const bool headerAbove = headerRule && found >= 1 && IsHeaderKind(KindAt(list, found - 1), rules);
        return headerAbove ? found - 1 : found;
    }
    LvSelectRow(list, found);
    ShowFoundRow(list, found, RowAboveToShow(list, found, rules, headerRule));
    FinishMove(list, true);
    return found;
}

void RedrawSelRow(HWND list) {
    if (!list) return;
    const int selection = LvSelMark(list);
    if (selection == -1) return;
    SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(selection), selection);
    UpdateWindow(list);
}

void EnsureSelRowVisible(HWND list) {
    if (!list) return;
    const int selection = LvSelMark(list);
    if (selection != -1) LvEnsureVisible(list, selection);
}

int ListHitTest(HWND list, int x, int y) {
    if (!list) return -1;
    LVHITTESTINFO info{};
    info.pt = POINT{x, y};
    return static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

int IsListRowMarked(HWND list, int row) {
    if (!list || row < 0 || row >= LvCount(list)) return 0;
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage == 1 ? 1 : 0;
}

int ListTapSelect(HWND list, POINT point) {
    const int row = ListHitTest(list, point.x, point.y);
    if (row < 0) return 0;
    LvSelectRow(list, row);
    return 1;
}
