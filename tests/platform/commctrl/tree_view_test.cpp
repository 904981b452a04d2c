// The tree view: insertion order (first, last, sorted, after), walking, expanding with its
// notifications, selection by message, keys and stylus, hit tests, deletion and stale handles, drag.
#include <cstring>
#include <string>

#include "commctrl_fixture.h"

namespace {

using qvtest::ControlTest;

HTREEITEM Insert(HWND tv, HTREEITEM parent, HTREEITEM after, const WCHAR* text, LPARAM param = 0, int children = -2) {
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent;
    ins.hInsertAfter = after;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | (children != -2 ? TVIF_CHILDREN : 0);
    ins.item.pszText = const_cast<LPWSTR>(text);
    ins.item.lParam = param;
    ins.item.cChildren = children;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
}

HTREEITEM Next(HWND tv, UINT code, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

std::u16string Text(HWND tv, HTREEITEM item) {
    WCHAR buffer[64] = {};
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = buffer;
    it.cchTextMax = 64;
    SendMessageW(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    return buffer;
}

std::u16string ChildTexts(HWND tv, HTREEITEM parent) {
    std::u16string out;
    for (HTREEITEM c = Next(tv, TVGN_CHILD, parent); c; c = Next(tv, TVGN_NEXT, c)) out += Text(tv, c) + u" ";
    return out;
}

HTREEITEM Selection(HWND tv) { return Next(tv, TVGN_CARET, nullptr); }

RECT RowRect(HWND tv, HTREEITEM item, bool textOnly) {
    RECT rc{};
    std::memcpy(&rc, &item, sizeof item);  // the node travels in the rectangle
    SendMessageW(tv, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&rc));
    return rc;
}

struct TreeViewTest : ControlTest {
    HWND Tree(DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS) {
        return Make(WC_TREEVIEWW, style, 200, 160);
    }
};

TEST_F(TreeViewTest, InsertsFirstLastSortedAndAfterInTheirPlaces) {
    const HWND tv = Tree();
    const HTREEITEM root = Insert(tv, TVI_ROOT, TVI_LAST, u"Projects");
    for (const WCHAR* t : {u"beta", u"Alpha", u"alpha", u"Zeta"}) Insert(tv, root, TVI_SORT, t);
    EXPECT_EQ(ChildTexts(tv, root), u"Alpha alpha beta Zeta ");
    const HTREEITEM alpha = Next(tv, TVGN_CHILD, root);
    Insert(tv, root, TVI_FIRST, u"first");
    Insert(tv, root, TVI_LAST, u"last");
    Insert(tv, root, alpha, u"after Alpha");
    EXPECT_EQ(ChildTexts(tv, root), u"first Alpha after Alpha alpha beta Zeta last ");
    EXPECT_EQ(Next(tv, TVGN_PARENT, alpha), root);
    EXPECT_EQ(Next(tv, TVGN_PARENT, root), nullptr);
    EXPECT_EQ(Next(tv, TVGN_ROOT, nullptr), root);
    EXPECT_EQ(SendMessageW(tv, TVM_GETCOUNT, 0, 0), 8);
    // A parent that is not a node of this tree gets nothing inserted.
    EXPECT_EQ(Insert(tv, reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(0x7777)), TVI_LAST, u"lost"), nullptr);
}

TEST_F(TreeViewTest, ExpandingNotifiesAndTheParentMayRefuse) {
    const HWND tv = Tree();
    const HTREEITEM folder = Insert(tv, TVI_ROOT, TVI_LAST, u"folder", 7, 1);
    EXPECT_EQ(Next(tv, TVGN_NEXTVISIBLE, folder), nullptr);

    Log().answers[TVN_ITEMEXPANDINGW] = [](const NMHDR*) -> LRESULT { return TRUE; };
    EXPECT_FALSE(SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder)));
    EXPECT_FALSE(SendMessageW(tv, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(folder), TVIS_EXPANDED));
    Log().answers.clear();
    Log().Clear();

    // The filling the parent does while asked to expand shows at once.
    Log().answers[TVN_ITEMEXPANDINGW] = [tv](const NMHDR* hdr) -> LRESULT {
        const auto* nm = reinterpret_cast<const NMTREEVIEWW*>(hdr);
        if (nm->action == TVE_EXPAND) Insert(tv, nm->itemNew.hItem, TVI_SORT, u"child");
        return FALSE;
    };
    EXPECT_TRUE(SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder)));
    ASSERT_EQ(Log().Codes(), (std::vector<UINT>{TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDEDW}));
    EXPECT_EQ(Log().notes[0].action, static_cast<UINT>(TVE_EXPAND));
    EXPECT_EQ(Log().notes[0].newItem, folder);
    const HTREEITEM child = Next(tv, TVGN_CHILD, folder);
    EXPECT_EQ(Next(tv, TVGN_NEXTVISIBLE, folder), child);

    Log().Clear();
    SendMessageW(tv, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(folder));
    EXPECT_EQ(Log().notes.back().code, TVN_ITEMEXPANDEDW);
    EXPECT_EQ(Log().notes.back().action, static_cast<UINT>(TVE_COLLAPSE));
    EXPECT_EQ(Next(tv, TVGN_NEXTVISIBLE, folder), nullptr);

    // Once expanded before, a message expands without asking; the stylus always asks.
    Log().Clear();
    SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder));
    EXPECT_TRUE(Log().Of(TVN_ITEMEXPANDINGW).empty());
    SendMessageW(tv, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(folder));
    Log().Clear();
    const RECT label = RowRect(tv, folder, true);
    const int indent = static_cast<int>(SendMessageW(tv, TVM_GETINDENT, 0, 0));
    Tap(tv, label.left - indent / 2, (label.top + label.bottom) / 2);  // the button
    EXPECT_EQ(Log().Of(TVN_ITEMEXPANDINGW).size(), 1u);
    EXPECT_TRUE(SendMessageW(tv, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(folder), TVIS_EXPANDED));
    EXPECT_NE(Next(tv, TVGN_NEXTVISIBLE, folder), nullptr);
}

TEST_F(TreeViewTest, KeysWalkTheShownNodesOpenAndCloseAndReportSelection) {
    const HWND tv = Tree();
    const HTREEITEM a = Insert(tv, TVI_ROOT, TVI_LAST, u"a");
    const HTREEITEM a1 = Insert(tv, a, TVI_LAST, u"a1");
    const HTREEITEM a2 = Insert(tv, a, TVI_LAST, u"a2");
    const HTREEITEM b = Insert(tv, TVI_ROOT, TVI_LAST, u"b");
    SendMessageW(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
    ASSERT_EQ(Log().Of(TVN_SELCHANGEDW).size(), 1u);
    EXPECT_EQ(Log().Of(TVN_SELCHANGEDW)[0].newItem, a);
    EXPECT_EQ(Log().Of(TVN_SELCHANGEDW)[0].action, static_cast<UINT>(TVC_UNKNOWN));

    struct Step {
        WPARAM key;
        HTREEITEM expected;
    };
    const Step steps[] = {{VK_DOWN, b}, {VK_UP, a}, {VK_RIGHT, a} /* opens */, {VK_RIGHT, a1}, {VK_DOWN, a2},
                          {VK_LEFT, a} /* to the parent */, {VK_LEFT, a} /* closes */, {VK_DOWN, b}, {VK_HOME, a}};
    for (const Step& s : steps) {
        Key(tv, s.key);
        EXPECT_EQ(Text(tv, Selection(tv)), Text(tv, s.expected)) << s.key;
    }
    EXPECT_EQ(Log().Of(TVN_SELCHANGEDW).back().action, static_cast<UINT>(TVC_BYKEYBOARD));
    EXPECT_EQ(Log().Of(TVN_KEYDOWN).size(), std::size(steps));

    Log().answers[TVN_SELCHANGINGW] = [](const NMHDR*) -> LRESULT { return TRUE; };
    Key(tv, VK_DOWN);
    EXPECT_EQ(Selection(tv), a);
    Log().answers.clear();
    Log().Clear();
    Key(tv, VK_RETURN);
    EXPECT_EQ(Log().Codes(), (std::vector<UINT>{TVN_KEYDOWN, NM_RETURN}));
}

TEST_F(TreeViewTest, HitTestNamesThePartOfTheRowAndTapsSelect) {
    const HWND tv = Tree();
    const HTREEITEM a = Insert(tv, TVI_ROOT, TVI_LAST, u"alpha", 0, 1);
    const HTREEITEM b = Insert(tv, TVI_ROOT, TVI_LAST, u"beta");
    const RECT label = RowRect(tv, b, true);
    const RECT row = RowRect(tv, b, false);
    EXPECT_EQ(row.top, label.top);
    const int y = (label.top + label.bottom) / 2;
    const int indent = static_cast<int>(SendMessageW(tv, TVM_GETINDENT, 0, 0));
    struct Case {
        int x;
        int y;
        HTREEITEM item;
        UINT flags;
    };
    const Case cases[] = {
        {label.left + 1, y, b, TVHT_ONITEMLABEL},
        {label.right + 5, y, b, TVHT_ONITEMRIGHT},
        {label.left - indent / 2, y, b, TVHT_ONITEMINDENT},  // no children: no button
        {label.left - indent / 2, y - (row.bottom - row.top), a, TVHT_ONITEMBUTTON},
        {5, row.bottom + 40, nullptr, TVHT_NOWHERE},
    };
    for (const Case& c : cases) {
        TVHITTESTINFO hit{};
        hit.pt = POINT{c.x, c.y};
        EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))), c.item) << c.x << "," << c.y;
        EXPECT_EQ(hit.flags, c.flags) << c.x << "," << c.y;
    }
    Tap(tv, label.left + 1, y);
    EXPECT_EQ(Selection(tv), b);
    EXPECT_EQ(Log().Of(TVN_SELCHANGEDW).back().action, static_cast<UINT>(TVC_BYMOUSE));
    EXPECT_EQ(Log().Of(NM_CLICK).size(), 1u);
}

TEST_F(TreeViewTest, DeletingASubtreeNotifiesEachNodeAndLeavesItsHandlesDead) {
    const HWND tv = Tree();
    const HTREEITEM a = Insert(tv, TVI_ROOT, TVI_LAST, u"a");
    const HTREEITEM a1 = Insert(tv, a, TVI_LAST, u"a1");
    const HTREEITEM b = Insert(tv, TVI_ROOT, TVI_LAST, u"b");
    SendMessageW(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a1));
    Log().Clear();
    EXPECT_TRUE(SendMessageW(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a)));
    EXPECT_EQ(Log().Of(TVN_DELETEITEMW).size(), 2u);
    EXPECT_EQ(Selection(tv), b);  // the selection moves to the next sibling
    TVITEMW it{};
    it.mask = TVIF_PARAM;
    it.hItem = a1;
    EXPECT_FALSE(SendMessageW(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it)));
    EXPECT_FALSE(SendMessageW(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a)));
    EXPECT_FALSE(SendMessageW(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a1)));
    EXPECT_FALSE(SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a)));
    EXPECT_EQ(Next(tv, TVGN_NEXT, a), nullptr);
    EXPECT_EQ(SendMessageW(tv, TVM_GETCOUNT, 0, 0), 1);
    EXPECT_TRUE(SendMessageW(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    EXPECT_EQ(Selection(tv), nullptr);
    EXPECT_EQ(Next(tv, TVGN_ROOT, nullptr), nullptr);
}

TEST_F(TreeViewTest, ItemDataChildFlagAndDropHighlightReadBack) {
    const HWND tv = Tree();
    const HTREEITEM folder = Insert(tv, TVI_ROOT, TVI_LAST, u"dir", -1, 1);
    const HTREEITEM file = Insert(tv, folder, TVI_LAST, u"file", 0);
    TVITEMW set{};
    set.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    set.hItem = folder;
    set.lParam = 12600;
    set.iImage = set.iSelectedImage = 25;
    set.cChildren = 0;
    EXPECT_TRUE(SendMessageW(tv, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&set)));
    TVITEMW get{};
    get.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    get.hItem = folder;
    ASSERT_TRUE(SendMessageW(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get)));
    EXPECT_EQ(get.lParam, 12600);
    EXPECT_EQ(get.iImage, 25);
    EXPECT_EQ(get.iSelectedImage, 25);
    EXPECT_EQ(get.cChildren, 0);
    get.hItem = file;
    SendMessageW(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&get));
    EXPECT_EQ(get.cChildren, 0);

    SendMessageW(tv, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(folder));
    EXPECT_EQ(Next(tv, TVGN_DROPHILITE, nullptr), folder);
    EXPECT_TRUE(SendMessageW(tv, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(folder), TVIS_DROPHILITED));
    SendMessageW(tv, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
    EXPECT_EQ(Next(tv, TVGN_DROPHILITE, nullptr), nullptr);
}

TEST_F(TreeViewTest, SelectingAHiddenNodeOpensItsAncestorsAndCollapsingMovesTheSelectionUp) {
    const HWND tv = Tree();
    const HTREEITEM top = Insert(tv, TVI_ROOT, TVI_LAST, u"top");
    const HTREEITEM mid = Insert(tv, top, TVI_LAST, u"mid");
    const HTREEITEM leaf = Insert(tv, mid, TVI_LAST, u"leaf");
    SendMessageW(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(leaf));
    EXPECT_EQ(Next(tv, TVGN_LASTVISIBLE, nullptr), leaf);
    SendMessageW(tv, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(top));
    EXPECT_EQ(Selection(tv), top);
}

TEST_F(TreeViewTest, DraggingANodeWithTheStylusAsksTheParentOnce) {
    const HWND tv = Tree();
    Insert(tv, TVI_ROOT, TVI_LAST, u"a");
    const HTREEITEM b = Insert(tv, TVI_ROOT, TVI_LAST, u"b");
    const RECT label = RowRect(tv, b, true);
    const int y = (label.top + label.bottom) / 2;
    SendMessageW(tv, WM_LBUTTONDOWN, 1, MAKELPARAM(label.left + 2, y));
    SendMessageW(tv, WM_MOUSEMOVE, 1, MAKELPARAM(label.left + 3, y));  // within the drag distance
    EXPECT_TRUE(Log().Of(TVN_BEGINDRAGW).empty());
    SendMessageW(tv, WM_MOUSEMOVE, 1, MAKELPARAM(label.left + 20, y + 20));
    SendMessageW(tv, WM_MOUSEMOVE, 1, MAKELPARAM(label.left + 30, y + 30));
    SendMessageW(tv, WM_LBUTTONUP, 0, MAKELPARAM(label.left + 30, y + 30));
    ASSERT_EQ(Log().Of(TVN_BEGINDRAGW).size(), 1u);
    EXPECT_EQ(Log().Of(TVN_BEGINDRAGW)[0].newItem, b);
    EXPECT_TRUE(Log().Of(NM_CLICK).empty());
}

}  // namespace

namespace {

TEST_F(TreeViewTest, TypedLettersSelectTheShownNodeTheyBegin) {
    SYSTEMTIME noon{2026, 3, 0, 14, 12, 0, 0, 0};
    platform::testing::FreezeClock(noon);
    const HWND tv = Tree();
    const HTREEITEM home = Insert(tv, TVI_ROOT, TVI_LAST, u"Home");
    const HTREEITEM hobby = Insert(tv, home, TVI_LAST, u"Hobby");
    const HTREEITEM work = Insert(tv, TVI_ROOT, TVI_LAST, u"Work");
    SendMessageW(tv, WM_CHAR, u'w', 0);
    EXPECT_EQ(Selection(tv), work);
    platform::testing::AdvanceClock(2000);
    SendMessageW(tv, WM_CHAR, u'h', 0);
    EXPECT_EQ(Selection(tv), home);  // the closed folder hides "Hobby"
    SendMessageW(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(home));
    SendMessageW(tv, WM_CHAR, u'o', 0);
    SendMessageW(tv, WM_CHAR, u'b', 0);
    EXPECT_EQ(Selection(tv), hobby);
    platform::testing::ThawClock();
}

}  // namespace
