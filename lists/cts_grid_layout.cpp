// The contact grid's lines, scrolling, selection moves and hit tests. Everything walks the shown
// rows from the top row or from a row's own group, never the whole list, except the measure.
#include "lists/cts_grid.h"

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "ui/layout.h"

CtsGridState g_CtsGrid;
ListRowArray g_CtsRows;

namespace {

bool IsVisibleContact(const ListRow& row) { return row.kind == kRowItem && row.hidden == 0; }
bool IsHeader(const ListRow& row) { return row.kind == kRowHeader; }
// A row that starts or belongs to a line.
bool TakesSpace(const ListRow& row) { return IsHeader(row) || IsVisibleContact(row); }
bool IsSelectable(const ListRow& row, const CtsGridGeometry& geo) {
    return IsVisibleContact(row) || (geo.collapsible && IsHeader(row));
}

// The group's header above the row, or 0.
int GroupStart(const ListRowArray& rows, int row) {
    for (int i = row; i >= 0; --i) {
        if (IsHeader(rows[i])) return i;
    }
    return 0;
}

struct ScreenSize {
    bool (*test)();
    int cellPlain;
    int cellTabs;
    int picturePlain;
    int pictureTabs;
};

bool Vga() { return IsVgaScreen() != FALSE; }
bool Square320() { return IsSquare320Screen() != FALSE; }
bool Side176() { return IsSmallScreen176() != FALSE; }
bool Qvga() { return IsQvgaScreen() != FALSE; }
bool AnyScreen() { return true; }

// Cell heights and picture sizes by screen class, the first that applies.
constexpr ScreenSize kScreenSizes[] = {
    {Vga, 120, 112, 90, 82},
    {Square320, 61, 75, 45, 54},
    {Side176, 58, 58, 42, 42},
    {Qvga, 61, 55, 45, 40},
    {AnyScreen, 61, 55, 45, 45},
};

const ScreenSize& CurrentScreenSize() {
    for (const ScreenSize& size : kScreenSizes) {
        if (size.test()) return size;
    }
    return kScreenSizes[std::size(kScreenSizes) - 1];
}

bool LetterTabsOn() { return g_Settings.abcTb != 0; }

}  // namespace

int CtsGridColumns() {
    constexpr int kPortraitColumns = 4;
    constexpr int kLandscapeColumns = 5;
    constexpr int kOtherColumns = 3;
    if (IsQvgaScreen() || IsSquare320Screen() || IsVgaScreen())
        return IsLandscapeScreen() ? kLandscapeColumns : kPortraitColumns;
    return kOtherColumns;
}

int GetCtsCellHeight() {
    const ScreenSize& size = CurrentScreenSize();
    return LetterTabsOn() ? size.cellTabs : size.cellPlain;
}

int GetCtsPictureSize() {
    const ScreenSize& size = CurrentScreenSize();
    return LetterTabsOn() ? size.pictureTabs : size.picturePlain;
}

int CtsGridLineStart(const ListRowArray& rows, const CtsGridGeometry& geo, int row) {
    if (row < 0 || row >= rows.Size()) return -1;
    if (IsHeader(rows[row])) return row;
    const int group = GroupStart(rows, row);
    if (!IsVisibleContact(rows[row])) return group;
    int count = 0;
    for (int i = group; i < row; ++i) {
        if (IsVisibleContact(rows[i])) ++count;
    }
    int back = count % geo.columns;
    int i = row;
    while (back > 0) {
        --i;
        if (IsVisibleContact(rows[i])) --back;
    }
    return i;
}

int CtsGridNextLine(const ListRowArray& rows, const CtsGridGeometry& geo, int row) {
    if (row < 0 || row >= rows.Size()) return -1;
    if (!IsVisibleContact(rows[row])) {
        for (int i = row + 1; i < rows.Size(); ++i) {
            if (TakesSpace(rows[i])) return i;
        }
        return -1;
    }
    int inLine = 1;
    for (int i = row + 1; i < rows.Size(); ++i) {
        if (IsHeader(rows[i])) return i;
        if (!IsVisibleContact(rows[i])) continue;
        if (inLine == geo.columns) return i;
        ++inLine;
    }
    return -1;
}

int CtsGridPrevLine(const ListRowArray& rows, const CtsGridGeometry& geo, int row) {
    for (int i = row - 1; i >= 0; --i) {
        if (TakesSpace(rows[i])) return CtsGridLineStart(rows, geo, i);
    }
    return -1;
}

int CtsGridLineHeight(const ListRowArray& rows, const CtsGridGeometry& geo, int row) {
    if (row < 0 || row >= rows.Size()) return 0;
    if (IsHeader(rows[row])) return geo.headerHeight;
    return rows[row].kind == kRowItem ? geo.cellHeight : 0;
}

bool CtsGridRowVisible(const ListRowArray& rows, const CtsGridGeometry& geo, const CtsGridState& state, int row) {
    constexpr int kTopGap = 3;
    constexpr int kBottomSlack = 5;
    if (row < state.topRow) return false;
    int y = kTopGap;
    for (int line = state.topRow; line != -1;) {
        const int next = CtsGridNextLine(rows, geo, line);
        y += CtsGridLineHeight(rows, geo, line);
        if (y > geo.clientHeight - kBottomSlack) return false;
        if (next == -1 || row < next) return true;
        line = next;
    }
    return false;
}

int MeasureCtsGrid(const ListRowArray& rows, const CtsGridGeometry& geo) {
    return WalkCtsGrid(rows, geo, 0, [](int, const RECT&) {}, [](int, int) {}, false);
}

void BuildCtsRows(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    state.topRow = 0;
    state.scrollPos = 0;
    state.selection = -1;
    for (int i = 0; i < rows.Size(); ++i) {
        if (IsSelectable(rows[i], geo)) {
            state.selection = i;
            return;
        }
    }
}

bool CtsGridLineDown(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    const int next = CtsGridNextLine(rows, geo, state.topRow);
    if (next == -1) return false;
    state.scrollPos += CtsGridLineHeight(rows, geo, state.topRow);
    state.topRow = next;
    return true;
}

bool CtsGridLineUp(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.topRow <= 0) return false;
    const int previous = CtsGridPrevLine(rows, geo, state.topRow);
    if (previous < 0) return false;
    state.topRow = previous;
    state.scrollPos -= CtsGridLineHeight(rows, geo, previous);
    if (state.scrollPos < 0) state.scrollPos = 0;
    return true;
}

bool CtsGridThumbTrack(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state, int position,
                       int rangeMax) {
    if (position < state.scrollPos) {
        if (!CtsGridLineUp(rows, geo, state)) return false;
        int above = 0;
        for (int line = 0; line != -1 && line < state.topRow; line = CtsGridNextLine(rows, geo, line))
            above += CtsGridLineHeight(rows, geo, line);
        state.scrollPos = above;
        return true;
    }
    if (position >= rangeMax) {
        const bool moved = CtsGridLineDown(rows, geo, state);
        state.scrollPos = rangeMax;
        return moved;
    }
    if (position >= state.scrollPos + CtsGridLineHeight(rows, geo, state.topRow)) return CtsGridLineDown(rows, geo, state);
    return false;
}

void EnsureCtsSelVisible(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.selection < 0) return;
    while (state.selection < state.topRow && CtsGridLineUp(rows, geo, state)) {
    }
    if (state.topRow > 0 && IsHeader(rows[state.topRow - 1])) CtsGridLineUp(rows, geo, state);
}

namespace {

void ScrollSelIntoView(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    while (!CtsGridRowVisible(rows, geo, state, state.selection) && CtsGridLineDown(rows, geo, state)) {
    }
}

bool MoveRight(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.selection < 0) {
        BuildCtsRows(rows, geo, state);
        return state.selection >= 0;
    }
    for (int i = state.selection + 1; i < rows.Size(); ++i) {
        if (IsSelectable(rows[i], geo)) {
            state.selection = i;
            ScrollSelIntoView(rows, geo, state);
            return true;
        }
    }
    return false;
}

bool MoveLeft(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.selection <= 0) return false;
    for (int i = state.selection - 1; i >= 0; --i) {
        if (IsSelectable(rows[i], geo)) {
            state.selection = i;
            EnsureCtsSelVisible(rows, geo, state);
            return true;
        }
    }
    return false;
}

// The contact one line further in the walking direction, or the first selectable row of the
// next group when the walk crosses a header.
int VerticalTarget(const ListRowArray& rows, const CtsGridGeometry& geo, int from, int step) {
    int count = 0;
    bool crossed = false;
    for (int i = from + step; i >= 0 && i < rows.Size(); i += step) {
        if (IsHeader(rows[i])) {
            if (geo.collapsible) return i;
            crossed = true;
        } else if (IsVisibleContact(rows[i])) {
            if (++count == geo.columns || crossed) return i;
        }
        if (step < 0 && i == 0) return 0;
    }
    return -1;
}

bool MoveDown(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.selection < 0 || IsHeader(rows[state.selection])) return MoveRight(rows, geo, state);
    const int target = VerticalTarget(rows, geo, state.selection, 1);
    if (target < 0) return false;
    state.selection = target;
    ScrollSelIntoView(rows, geo, state);
    return true;
}

bool MoveUp(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state) {
    if (state.selection <= 0) return false;
    if (IsHeader(rows[state.selection])) return MoveLeft(rows, geo, state);
    const int target = VerticalTarget(rows, geo, state.selection, -1);
    if (target < 0) return false;
    state.selection = target;
    EnsureCtsSelVisible(rows, geo, state);
    return true;
}

}  // namespace

bool CtsGridMoveSel(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state, GridKey key) {
    if (state.selection >= rows.Size()) state.selection = -1;
    switch (key) {
    case GridKey::Right: return MoveRight(rows, geo, state);
    case GridKey::Left: return MoveLeft(rows, geo, state);
    case GridKey::Down: return MoveDown(rows, geo, state);
    case GridKey::Up: return MoveUp(rows, geo, state);
    }
    return false;
}

int CtsGridHitTest(const ListRowArray& rows, const CtsGridGeometry& geo, const CtsGridState& state, POINT point,
                   RECT* cell) {
    int hit = -1;
    RECT found{};
    const auto inside = [&point](const RECT& r) {
        return point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom;
    };
    const int width = geo.cellWidth * geo.columns;
    WalkCtsGrid(
        rows, geo, state.topRow,
        [&](int index, const RECT& r) {
            if (hit < 0 && inside(r)) {
                hit = index;
                found = r;
            }
        },
        [&](int index, int y) {
            const RECT r{0, y, width, y + geo.headerHeight};
            if (hit < 0 && inside(r)) {
                hit = index;
                found = r;
            }
        },
        true);
    if (cell) *cell = found;
    return hit;
}

void ToggleCtsGroup(ListRowArray& rows, int header) {
    if (header < 0 || header >= rows.Size() || !IsHeader(rows[header])) return;
    const LONG collapsed = rows[header].collapsed ? 0 : 1;
    rows[header].collapsed = collapsed;
    for (int i = header + 1; i < rows.Size() && !IsHeader(rows[i]); ++i) rows[i].hidden = collapsed;
}

CtsGridGeometry CurrentCtsGridGeometry() {
    CtsGridGeometry geo;
    geo.columns = CtsGridColumns();
    RECT view{};
    GetViewRect(view);
    geo.cellWidth = (view.right - view.left) / geo.columns;
    geo.cellHeight = GetCtsCellHeight();
    constexpr int kHeaderBandGap = 8;
    geo.headerHeight = static_cast<int>(GetItemListRowHeight()) + kHeaderBandGap;
    geo.clientHeight = view.bottom - view.top;
    if (g_CtsGrid.window) {
        RECT client{};
        GetClientRect(g_CtsGrid.window, &client);
        geo.cellWidth = (client.right - client.left) / geo.columns;
        geo.clientHeight = client.bottom - client.top;
    }
    geo.collapsible = g_Settings.cList != 0;
    return geo;
}
