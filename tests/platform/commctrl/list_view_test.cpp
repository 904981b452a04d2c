// The list view: items and columns, bad indexes, selection by keys and stylus with the parent's
// notifications, owner-drawn row heights, scrolling, the icon grid, finding and sorting.
#include <string>

#include "commctrl_fixture.h"

namespace {

using qvtest::ControlTest;

int Add(HWND lv, int index, const WCHAR* text, LPARAM param = 0) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<LPWSTR>(text);
    item.lParam = param;
    return static_cast<int>(SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

std::u16string TextOf(HWND lv, int index, int subItem = 0) {
    WCHAR buffer[64] = {};
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = 64;
    SendMessageW(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void AddColumn(HWND lv, int index, int width) {
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    col.cx = width;
    SendMessageW(lv, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}

int Mark(HWND lv) { return static_cast<int>(SendMessageW(lv, LVM_GETSELECTIONMARK, 0, 0)); }
int Selected(HWND lv) { return static_cast<int>(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
RECT Bounds(HWND lv, int index) {
    RECT rc{};
    rc.left = LVIR_BOUNDS;
    SendMessageW(lv, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

HWND MakeReport(ControlTest&, HWND lv, int rows) {
    AddColumn(lv, 0, 150);
    for (int i = 0; i < rows; ++i) Add(lv, i, (u"row " + std::u16string(1, static_cast<char16_t>(u'A' + i))).c_str(), 100 + i);
    return lv;
}

struct ListViewTest : ControlTest {
    HWND Report(int rows, DWORD style = LVS_SINGLESEL, int height = 100) {
        return MakeReport(*this, Make(WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | style, 200, height), rows);
    }
};

TEST_F(ListViewTest, ItemsColumnsAndSubItemsReadBackAsStored) {
    const HWND lv = Make(WC_LISTVIEWW, LVS_REPORT);
    AddColumn(lv, 0, 80);
    AddColumn(lv, 1, 60);
    EXPECT_EQ(Add(lv, 0, u"first", 11), 0);
    EXPECT_EQ(Add(lv, 99, u"last", 33), 1);  // past the end: appended
    EXPECT_EQ(Add(lv, 1, u"middle", 22), 1);
    LVITEMW sub{};
    sub.iSubItem = 1;
    sub.pszText = const_cast<LPWSTR>(u"second column");
    EXPECT_TRUE(SendMessageW(lv, LVM_SETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&sub)));

    EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TextOf(lv, 0), u"first");
    EXPECT_EQ(TextOf(lv, 1), u"middle");
    EXPECT_EQ(TextOf(lv, 2), u"last");
    EXPECT_EQ(TextOf(lv, 2, 1), u"second column");
    EXPECT_EQ(TextOf(lv, 0, 1), u"");
    LVITEMW item{};
    item.mask = LVIF_PARAM | LVIF_IMAGE;
    item.iItem = 1;
    ASSERT_TRUE(SendMessageW(lv, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.lParam, 22);
    EXPECT_EQ(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 1, 0), 60);
    EXPECT_EQ(Log().Of(LVN_INSERTITEM).size(), 3u);
    const RECT last = Bounds(lv, 2);
    LVHITTESTINFO hit{};
    hit.pt = POINT{100, (last.top + last.bottom) / 2};  // in the second column
    EXPECT_EQ(SendMessageW(lv, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 2);
    EXPECT_EQ(hit.iSubItem, 1);
    hit.pt.x = 150;  // beyond the columns
    EXPECT_EQ(SendMessageW(lv, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);

    // A short buffer gets a cut, terminated text.
    WCHAR small[4] = {u'x', u'x', u'x', u'x'};
    LVITEMW cut{};
    cut.pszText = small;
    cut.cchTextMax = 4;
    EXPECT_EQ(SendMessageW(lv, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&cut)), 3);
    EXPECT_EQ(std::u16string(small), u"mid");
}

TEST_F(ListViewTest, BadIndexesAndMissingRecordsFailWithTheDocumentedResult) {
    const HWND lv = Report(2);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    WCHAR buffer[8] = {u'?', 0};
    item.pszText = buffer;
    item.cchTextMax = 8;
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
    };
    item.iItem = 2;
    LVITEMW badSub = item;
    badSub.iItem = 0;
    badSub.iSubItem = 5;
    RECT rc{};
    const Case cases[] = {
        {"get past the end", LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item), FALSE},
        {"get a missing column", LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&badSub), FALSE},
        {"set a missing column", LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&badSub), FALSE},
        {"get without a record", LVM_GETITEMW, 0, 0, FALSE},
        {"insert without a record", LVM_INSERTITEMW, 0, 0, -1},
        {"delete -1", LVM_DELETEITEM, static_cast<WPARAM>(-1), 0, FALSE},
        {"delete past the end", LVM_DELETEITEM, 2, 0, FALSE},
        {"rectangle past the end", LVM_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&rc), FALSE},
        {"rectangle without a record", LVM_GETITEMRECT, 0, 0, FALSE},
        {"state past the end", LVM_GETITEMSTATE, 9, LVIS_SELECTED, 0},
        {"hit test without a record", LVM_HITTEST, 0, 0, -1},
        {"ensure visible past the end", LVM_ENSUREVISIBLE, 5, 0, FALSE},
        {"column width of a missing column", LVM_GETCOLUMNWIDTH, 4, 0, 0},
        {"next after the last", LVM_GETNEXTITEM, 1, LVNI_ALL, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(SendMessageW(lv, c.message, c.wParam, c.lParam), c.expected) << c.what;
    EXPECT_EQ(std::u16string(buffer), u"?");
    EXPECT_EQ(SendMessageW(lv, LVM_SETSELECTIONMARK, 0, 9), -1);
    EXPECT_EQ(Mark(lv), -1);  // a mark past the end is not kept
    EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(ListViewTest, SortedStyleInsertsByTextIgnoringCase) {
    const HWND lv = Make(WC_LISTVIEWW, LVS_REPORT | LVS_SORTASCENDING);
    AddColumn(lv, 0, 100);
    for (const WCHAR* t : {u"pear", u"Apple", u"fig", u"apple"}) Add(lv, 0, t);
    EXPECT_EQ(TextOf(lv, 0), u"Apple");
    EXPECT_EQ(TextOf(lv, 1), u"apple");
    EXPECT_EQ(TextOf(lv, 2), u"fig");
    EXPECT_EQ(TextOf(lv, 3), u"pear");
}

TEST_F(ListViewTest, ArrowKeysMoveTheSelectionTheMarkAndTheShownRows) {
    const HWND lv = Report(20);
    const int perPage = static_cast<int>(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(perPage, 2);
    Key(lv, VK_DOWN);  // nothing focused yet: the first row
    EXPECT_EQ(Selected(lv), 0);
    struct Step {
        WPARAM key;
        int expected;
    };
    const Step steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_END, 19}, {VK_DOWN, 19},
                          {VK_HOME, 0}, {VK_UP, 0},   {VK_NEXT, perPage - 1}};
    for (const Step& s : steps) {
        Key(lv, s.key);
        EXPECT_EQ(Selected(lv), s.expected) << s.key;
        EXPECT_EQ(Mark(lv), s.expected) << s.key;
        EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
        const int top = static_cast<int>(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0));
        EXPECT_TRUE(s.expected >= top && s.expected < top + perPage) << "row " << s.expected << " top " << top;
    }
    // Each key is told first; each move deselects one row and selects the next.
    EXPECT_EQ(Log().Of(LVN_KEYDOWN).size(), std::size(steps) + 1);
    EXPECT_EQ(Log().Of(LVN_KEYDOWN).front().key, VK_DOWN);
    const auto changes = Log().Of(LVN_ITEMCHANGED);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back().item, perPage - 1);
    EXPECT_EQ(changes.back().newState & LVIS_SELECTED, static_cast<UINT>(LVIS_SELECTED));

    Log().Clear();
    Key(lv, VK_RETURN);
    EXPECT_EQ(Log().Codes(), (std::vector<UINT>{LVN_KEYDOWN, NM_RETURN, LVN_ITEMACTIVATE}));
}

TEST_F(ListViewTest, StylusSelectsTheRowUnderItAndTellsTheParent) {
    const HWND lv = Report(5);
    const RECT third = Bounds(lv, 2);
    SendMessageW(lv, WM_LBUTTONDOWN, 1, MAKELPARAM(10, (third.top + third.bottom) / 2));
    EXPECT_EQ(GetCapture(), lv);  // the stylus stays the list's until it comes up
    SendMessageW(lv, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), lv);
    EXPECT_EQ(Selected(lv), 2);
    EXPECT_EQ(Mark(lv), 2);
    ASSERT_EQ(Log().Of(NM_CLICK).size(), 1u);
    EXPECT_EQ(Log().Of(NM_CLICK)[0].item, 2);
    EXPECT_EQ(Log().Of(NM_SETFOCUS).size(), 1u);

    SendMessageW(lv, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, (third.top + third.bottom) / 2));
    ASSERT_EQ(Log().Of(NM_DBLCLK).size(), 1u);
    EXPECT_EQ(Log().Of(NM_DBLCLK)[0].item, 2);

    // Below the last row: nothing is hit and the selection goes.
    const RECT last = Bounds(lv, 4);
    Tap(lv, 10, last.bottom + 2);
    EXPECT_EQ(Selected(lv), -1);
    EXPECT_EQ(Log().Of(NM_CLICK).back().item, -1);
}

TEST_F(ListViewTest, OwnerDrawnRowsTakeTheHeightTheParentMeasures) {
    Log().measuredHeight = 26;
    const HWND lv = Report(10, LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 110);
    const RECT row = Bounds(lv, 1);
    ASSERT_FALSE(Log().measures.empty());
    EXPECT_EQ(Log().measures[0].CtlType, static_cast<UINT>(ODT_LISTVIEW));
    EXPECT_EQ(Log().measures[0].CtlID, 100u);
    EXPECT_EQ(row.bottom - row.top, 26);
    EXPECT_EQ(row.top, 26);
    EXPECT_EQ(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0), 110 / 26);
    LVHITTESTINFO hit{};
    hit.pt = POINT{140, 30};
    EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_TRUE(hit.flags & LVHT_ONITEM);
}

TEST_F(ListViewTest, ScrollingMovesByWholeRowsAndEnsureVisibleShowsTheRow) {
    const HWND lv = Report(30);
    const int h = static_cast<int>(Bounds(lv, 0).bottom - Bounds(lv, 0).top);
    const int perPage = static_cast<int>(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0));
    SendMessageW(lv, LVM_SCROLL, 0, h - 6);  // more than half a row: one row
    EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 1);
    SendMessageW(lv, LVM_SCROLL, 0, h / 3);  // less than half: none
    EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(Bounds(lv, 1).top, 0);
    SendMessageW(lv, LVM_ENSUREVISIBLE, 20, FALSE);
    EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 20 - perPage + 1);
    SendMessageW(lv, LVM_SCROLL, 0, 1000 * h);  // never past the last page
    EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 30 - perPage);
    LVHITTESTINFO hit{};
    hit.pt = POINT{5, h + 1};
    EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 30 - perPage + 1);
    SendMessageW(lv, WM_VSCROLL, MAKEWPARAM(6 /* top */, 0), 0);
    EXPECT_EQ(SendMessageW(lv, LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(ListViewTest, SingleSelectionKeepsOneAndARefusedChangeLeavesTheState) {
    const HWND lv = Report(4);
    LVITEMW state{};
    state.state = state.stateMask = LVIS_SELECTED;
    SendMessageW(lv, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    SendMessageW(lv, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(SendMessageW(lv, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(Selected(lv), 3);

    Log().answers[LVN_ITEMCHANGING] = [](const NMHDR*) -> LRESULT { return TRUE; };
    SendMessageW(lv, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(Selected(lv), 3);
    Log().answers.clear();

    const HWND multi = Report(4, 0);
    SendMessageW(multi, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(SendMessageW(multi, LVM_GETSELECTEDCOUNT, 0, 0), 4);
}

TEST_F(ListViewTest, DeletingKeepsMarkAndFocusOnTheirItemsAndTellsTheParent) {
    const HWND lv = Report(5);
    Key(lv, VK_DOWN);
    Key(lv, VK_DOWN);
    Key(lv, VK_DOWN);  // row 2
    SendMessageW(lv, LVM_DELETEITEM, 0, 0);
    EXPECT_EQ(Mark(lv), 1);
    EXPECT_EQ(Selected(lv), 1);
    EXPECT_EQ(TextOf(lv, 1), u"row C");
    SendMessageW(lv, LVM_DELETEITEM, 1, 0);
    EXPECT_EQ(Mark(lv), -1);
    EXPECT_EQ(SendMessageW(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), -1);

    Log().Clear();
    SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);  // the parent answers 0: one LVN_DELETEITEM per item
    EXPECT_EQ(Log().Codes(), (std::vector<UINT>{LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM, LVN_DELETEITEM}));
    EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 0);
    Key(lv, VK_DOWN);  // an empty list takes keys without harm
    EXPECT_EQ(Selected(lv), -1);
}

TEST_F(ListViewTest, IconViewLaysItemsOutInAGridThatTheArrowsWalk) {
    const HWND lv = Make(WC_LISTVIEWW, LVS_ICON | LVS_SINGLESEL, 240, 200);
    for (int i = 0; i < 7; ++i) Add(lv, i, u"icon");
    const RECT first = Bounds(lv, 0), second = Bounds(lv, 1);
    const int cellWidth = static_cast<int>(second.left - first.left);
    ASSERT_GT(cellWidth, 0);
    const int columns = 240 / cellWidth;
    const RECT below = Bounds(lv, columns);
    EXPECT_EQ(below.left, first.left);
    EXPECT_GT(below.top, first.top);
    LVHITTESTINFO hit{};
    hit.pt = POINT{(below.left + below.right) / 2, (below.top + below.bottom) / 2};
    EXPECT_EQ(SendMessageW(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), columns);
    Key(lv, VK_HOME);
    Key(lv, VK_DOWN);
    EXPECT_EQ(Selected(lv), columns);
    Key(lv, VK_RIGHT);
    EXPECT_EQ(Selected(lv), columns + 1);
}

int CALLBACK ByParamDescending(LPARAM a, LPARAM b, LPARAM) { return a > b ? -1 : a < b ? 1 : 0; }

TEST_F(ListViewTest, FindAndSortWorkOnTextAndItemData) {
    const HWND lv = Report(4);
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = 102;
    EXPECT_EQ(SendMessageW(lv, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 2);
    find.flags = LVFI_STRING | LVFI_PARTIAL;
    find.psz = u"ROW";
    EXPECT_EQ(SendMessageW(lv, LVM_FINDITEMW, 1, reinterpret_cast<LPARAM>(&find)), 2);
    find.flags = LVFI_STRING | LVFI_WRAP;
    find.psz = u"row a";
    EXPECT_EQ(SendMessageW(lv, LVM_FINDITEMW, 2, reinterpret_cast<LPARAM>(&find)), 0);
    find.flags = LVFI_STRING;
    EXPECT_EQ(SendMessageW(lv, LVM_FINDITEMW, 2, reinterpret_cast<LPARAM>(&find)), -1);

    Key(lv, VK_DOWN);  // row A selected
    SendMessageW(lv, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ByParamDescending));
    EXPECT_EQ(TextOf(lv, 0), u"row D");
    EXPECT_EQ(Selected(lv), 3);  // the selection stays with its item
    EXPECT_EQ(Mark(lv), 3);
}

}  // namespace

namespace {

WNDPROC g_previous = nullptr;

// Takes the Down key for itself and hands everything else on.
LRESULT CALLBACK EatDown(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_DOWN) return 0;
    return CallWindowProcW(g_previous, hwnd, message, wParam, lParam);
}

TEST_F(ListViewTest, SubclassedListKeepsItsStateAndGetsWhatTheSubclassPassesOn) {
    const HWND lv = Report(5);
    g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(lv, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(EatDown)));
    ASSERT_NE(g_previous, nullptr);
    Key(lv, VK_END);
    EXPECT_EQ(Selected(lv), 4);
    Key(lv, VK_DOWN);
    Key(lv, VK_UP);
    EXPECT_EQ(Selected(lv), 3);
    EXPECT_EQ(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0), 5);
}

}  // namespace

namespace {

TEST_F(ListViewTest, TypedLettersSelectTheItemTheyBeginAndARepeatedLetterStepsOn) {
    SYSTEMTIME noon{2026, 3, 0, 14, 12, 0, 0, 0};
    platform::testing::FreezeClock(noon);
    const HWND lv = Make(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL);
    AddColumn(lv, 0, 100);
    for (const WCHAR* t : {u"Apple", u"Banana", u"Berry", u"Cherry", u"Chestnut"}) Add(lv, 99, t);
    struct Step {
        const char16_t* typed;
        DWORD pauseBefore;
        int expected;
    };
    const Step steps[] = {{u"b", 2000, 1}, {u"b", 0, 2}, {u"b", 0, 1}, {u"che", 2000, 3}, {u"s", 0, 4}, {u"x", 2000, 4},
                          {u" ", 2000, 4}};
    for (const Step& s : steps) {
        platform::testing::AdvanceClock(s.pauseBefore);
        for (const char16_t* c = s.typed; *c; ++c) SendMessageW(lv, WM_CHAR, *c, 0);
        EXPECT_EQ(Selected(lv), s.expected) << static_cast<char>(s.typed[0]);
    }
    platform::testing::ThawClock();
}

}  // namespace
