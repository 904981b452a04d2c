// Keeping an outline list's view in step with its entry array: the view shows exactly the entries
// that are not hidden, in order, each as one item whose data is the entry's kind. Folding a header
// hides the unbroken run of child-kind entries after it; every change refills the view.
#include "ui/outline_list.h"

#include <unordered_map>
#include <vector>

#include "core/app_settings.h"
#include "core/view_id.h"
#include "platform/user.h"
#include "ui/layout.h"
#include "ui/list_view_calls.h"

namespace {

bool CollapsibleOn() { return g_Settings.cList != 0; }

bool IsHeaderKind(LONG kind, OutlineMode mode) {
    if (mode == OutlineMode::kSchedule) return kind == kSchedDayHeader || kind == kSchedDayHeader2;
    return kind == kRowHeader;
}

bool IsChildKind(LONG kind, OutlineMode mode) {
    if (mode == OutlineMode::kSchedule) {
        return kind == kSchedContact || kind == kSchedTask || kind == kSchedFurther || kind == kSchedFurther2 ||
               kind == kSchedAppt;
    }
    return kind == kRowItem || kind == kRowSpacer;
}

// The number of shown entries before the entry: its row in the view.
int RowOfEntry(const ListRowArray& entries, int index) {
    int row = 0;
    for (int i = 0; i < index && i < entries.Size(); ++i)
        if (!entries[i].hidden) ++row;
    return row;
}

int EntryAtRow(const ListRowArray& entries, int row) {
    if (row < 0) return -1;
    int shown = 0;
    for (int i = 0; i < entries.Size(); ++i) {
        if (entries[i].hidden) continue;
        if (shown == row) return i;
        ++shown;
    }
    return -1;
}

// The kinds each outline list's items were given by the last fill (the only way they change); a
// list whose item count differs is filled from empty.
std::unordered_map<HWND, std::vector<LONG>>& FilledKinds() {
    static std::unordered_map<HWND, std::vector<LONG>> kinds;
    // A closed list's record goes, so that a new window given its handle starts from empty.
    std::erase_if(kinds, [](const auto& held) { return !IsWindow(held.first); });
    return kinds;
}

// Far enough to scroll any list back to its top and left edge.
constexpr int kFarScroll = 1 << 28;

}  // namespace

void OutlineFillList(HWND list, const ListRowArray& entries) {
    if (!list) return;
    std::vector<LONG> kinds;
    kinds.reserve(static_cast<std::size_t>(entries.Size()));
    for (const ListRow& entry : entries)
        if (!entry.hidden) kinds.push_back(entry.kind);
    LvRedrawOff(list);
    // The items the view holds are kept where they can be, so a refill of thousands of rows (each
    // key of the contacts' search) costs only the rows that changed; the view is left as a fill from
    // empty leaves it: nothing selected, focused or marked, scrolled to the top.
    std::vector<LONG>& held = FilledKinds()[list];
    const auto count = static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    // Deleting many rows one by one from the end costs more than filling again.
    if (held.size() != count || count > 2 * kinds.size()) {
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        held.clear();
    } else {
        while (held.size() > kinds.size()) {
            held.pop_back();
            SendMessageW(list, LVM_DELETEITEM, held.size(), 0);
        }
        LVITEMW cleared{};
        cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
        SendMessageW(list, LVM_SETSELECTIONMARK, 0, -1);
        SendMessageW(list, LVM_SCROLL, static_cast<WPARAM>(-kFarScroll), -kFarScroll);
    }
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        if (row < held.size() && held[row] == kinds[row]) continue;
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = static_cast<int>(row);
        item.lParam = kinds[row];
        SendMessageW(list, row < held.size() ? LVM_SETITEMW : LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    held = std::move(kinds);
    LvRedrawOn(list);
    FitListColumn(list);
}

int OutlineGetRowEntry(int row, ListRow& out, const ListRowArray& entries) {
    const int index = EntryAtRow(entries, row);
    if (index < 0) return -1;
    out = entries[index];
    out.hidden = 0;
    return index;
}

int OutlineIsHeaderRow(HWND, int row, const ListRowArray& entries, OutlineMode mode) {
    const int index = EntryAtRow(entries, row);
    return index >= 0 && IsHeaderKind(entries[index].kind, mode) ? 1 : 0;
}

int OutlineIsGroupEnd(int index, const ListRowArray& entries) {
    if (index < 0 || index >= entries.Size()) return 0;
    if (index == entries.Size() - 1) return 1;
    const LONG next = entries[index + 1].kind;
    return next == kRowHeader || next == kRowSpacer ? 1 : 0;
}

int OutlineCanToggle(HWND, int row, const ListRowArray& entries, OutlineMode mode) {
    if (!CollapsibleOn()) return 0;
    const int index = EntryAtRow(entries, row);
    if (index < 0 || OutlineIsGroupEnd(index, entries)) return 0;
    const LONG kind = entries[index].kind;
    if (mode == OutlineMode::kItemLists) return kind == kRowHeader ? 1 : 0;
    return IsHeaderKind(kind, mode) && ViewId == kViewDates ? 1 : 0;
}

int OutlineSelCanToggle(HWND list, const ListRowArray& entries, OutlineMode mode) {
    if (!list) return 0;
    const int selection = LvSelMark(list);
    return selection < 0 ? 0 : OutlineCanToggle(list, selection, entries, mode);
}

int OutlineSetHidden(int index, ListRowArray& entries, LONG hide, OutlineMode mode) {
    int changed = 0;
    for (int i = index + 1; i < entries.Size() && IsChildKind(entries[i].kind, mode); ++i) {
        if (entries[i].hidden == hide) continue;
        entries[i].hidden = hide;
        changed = 1;
    }
    return changed;
}

void OutlineToggleSel(HWND list, ListRowArray& entries, OutlineMode mode, int row) {
    if (!CollapsibleOn() || !list) return;
    if (row == -1) row = LvSelMark(list);
    const int index = EntryAtRow(entries, row);
    if (index < 0) return;
    ListRow& header = entries[index];
    header.collapsed = header.collapsed ? 0 : 1;
    const int changed = OutlineSetHidden(index, entries, header.collapsed, mode);
    const bool unfolded = header.collapsed == 0;
    OutlineFillList(list, entries);
    LvSelectRow(list, row);
    LvEnsureVisible(list, unfolded && changed ? row + 1 : row);
    SetFocus(list);
}

void OutlineToggleAt(ListRowArray& entries, int index) {
    if (!CollapsibleOn() || index < 0 || index >= entries.Size()) return;
    ListRow& header = entries[index];
    header.collapsed = header.collapsed ? 0 : 1;
    OutlineSetHidden(index, entries, header.collapsed, OutlineMode::kItemLists);
}

void OutlineStartCollapsed(ListRowArray& entries, OutlineMode mode) {
    if (!CollapsibleOn() || g_Settings.startColl == 0) return;
    for (ListRow& entry : entries) {
        if (IsChildKind(entry.kind, mode)) entry.hidden = 1;
        if (IsHeaderKind(entry.kind, mode)) entry.collapsed = 1;
    }
}

int OutlineSelectById(HWND list, ListRowArray& entries, LONG id, ScrollTo scroll, OutlineMode mode) {
    if (id == -1 || !list) return 0;
    int index = 0;
    while (index < entries.Size() && entries[index].id != id) ++index;
    if (index >= entries.Size()) return 0;
    if (entries[index].hidden) {
        int header = index - 1;
        while (header >= 0 && !IsHeaderKind(entries[header].kind, mode)) --header;
        if (header >= 0) OutlineToggleSel(list, entries, mode, RowOfEntry(entries, header));
        // Without collapsible lists the group stays folded and the row has no place in the view.
        if (entries[index].hidden) return 0;
    }
    const int row = RowOfEntry(entries, index);
    LvSelectRow(list, row);
    if (scroll == ScrollTo::kYes) LvEnsureVisible(list, row);
    return 1;
}

void OutlineRemoveById(HWND list, ListRowArray& entries, LONG id) {
    for (int i = entries.Size() - 1; i >= 0; --i)
        if (entries[i].id == id) entries.RemoveAt(i);
    OutlineFillList(list, entries);
}

void OutlineCopyEntries(ListRowArray& target, const ListRowArray& source) {
    target.RemoveAll();
    for (const ListRow& entry : source) target.InsertAt(target.Size(), entry);
}

LONG OutlineGetSelId(HWND list, const ListRowArray& entries) {
    if (!list) return -1;
    const int index = EntryAtRow(entries, LvSelMark(list));
    return index < 0 ? -1 : entries[index].id;
}

LONG OutlineNextItemId(HWND list, const ListRowArray& entries, LONG& id, OutlineMode mode) {
    id = -1;
    if (!list) return -1;
    const int selection = LvSelMark(list);
    if (selection < 0) return -1;
    const int start = EntryAtRow(entries, selection);
    if (start < 0) return -1;
    for (int i = start + 1; i < entries.Size(); ++i) {
        if (entries[i].hidden) continue;
        const LONG kind = entries[i].kind;
        const bool item = mode == OutlineMode::kItemLists
                              ? kind == kRowItem
                              : kind == kSchedContact || kind == kSchedTask || kind == kSchedAppt;
        if (item) {
            id = entries[i].id;
            break;
        }
    }
    return id;
}

int OutlineTapRow(HWND list, POINT point, const ListRowArray& entries, OutlineMode mode) {
    const int row = ListHitTest(list, point.x, point.y);
    if (row < 0) return 0;
    if (OutlineIsHeaderRow(list, row, entries, mode) && !OutlineCanToggle(list, row, entries, mode)) return 0;
    LvSelectRow(list, row);
    return 1;
}

void OutlineTapToggleZone(int x, int y, HWND list, ListRowArray& entries, OutlineMode mode) {
    if (!OutlineSelCanToggle(list, entries, mode)) return;
    RECT r{};
    if (!LvRowRect(list, LvSelMark(list), r)) return;
    if (y >= r.top && y < r.bottom && x >= r.right - kOutlineToggleZone && x <= r.right)
        OutlineToggleSel(list, entries, mode, -1);
}
