// The list box: items and their failures, sorting, one and several selections moved by the keys and
// the stylus, owner-drawn rows measured and drawn by the parent, scrolling.
#include "control_fixture.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"

namespace ctltest {
namespace {

class ListBoxTest : public ControlTest {
protected:
    HWND MakeList(DWORD style, int id = 5, RECT r = {0, 0, 100, 60}) {
        const HWND list = Make(WC_LISTBOXW, style, id, u"", r);
        for (const char16_t* text : {u"Delta", u"alpha", u"Charlie", u"bravo", u"Echo"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return list;
    }
    static std::u16string Item(HWND list, int index) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) return u"<err>";
        std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
};

TEST_F(ListBoxTest, SortedListsKeepTheirItemsInOrderWithoutRegardToCase) {
    const HWND list = MakeList(LBS_SORT);
    std::vector<std::u16string> items;
    for (int i = 0; i < 5; ++i) items.push_back(Item(list, i));
    EXPECT_EQ(items, (std::vector<std::u16string>{u"alpha", u"bravo", u"Charlie", u"Delta", u"Echo"}));
    // LB_INSERTSTRING goes where it is told, sorted or not.
    EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"zulu")), 0);
    EXPECT_EQ(Item(list, 0), u"zulu");
}

TEST_F(ListBoxTest, BadIndexesGiveLbErrAndChangeNothing) {
    const HWND list = MakeList(0);
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case kCases[] = {
        {LB_GETTEXTLEN, 5, 0}, {LB_GETTEXTLEN, static_cast<WPARAM>(-1), 0}, {LB_GETTEXT, 9, 0},
        {LB_DELETESTRING, 5, 0}, {LB_SETCURSEL, 5, 0}, {LB_GETSEL, 7, 0}, {LB_GETITEMDATA, 5, 0},
        {LB_SETITEMDATA, 5, 1}, {LB_SETTOPINDEX, 5, 0}, {LB_GETITEMRECT, 5, 0},
        {LB_INSERTSTRING, 7, reinterpret_cast<LPARAM>(u"x")}, {LB_SETCARETINDEX, 5, 0},
        // Several-selection messages on a single-selection list.
        {LB_SETSEL, TRUE, 0}, {LB_GETSELCOUNT, 0, 0}, {LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 2)},
        {LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"nothing")},
    };
    for (const Case& c : kCases) EXPECT_EQ(SendMessageW(list, c.message, c.wParam, c.lParam), LB_ERR) << std::hex << c.message;
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    // -1 clears the selection and answers LB_ERR, as documented.
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxTest, DeletingAndInsertingMoveTheSelectionWithItsItem) {
    const HWND list = MakeList(0);
    SendMessageW(list, LB_SETCURSEL, 3, 0);
    SendMessageW(list, LB_SETITEMDATA, 3, 77);
    EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 2, 0), 77);
    SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"new"));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
    SendMessageW(list, LB_DELETESTRING, 3, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, FindingAndSelectingByText) {
    const HWND list = MakeList(0);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"CH")), 2);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ch")), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ECHO")), 4);
    // The search starts after the given item and wraps.
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 4, reinterpret_cast<LPARAM>(u"d")), 0);
    EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"br")), 3);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndNotify) {
    const HWND list = MakeList(LBS_NOTIFY);
    SetFocus(list);
    const std::vector<std::pair<UINT, int>> steps{{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 4}, {VK_DOWN, 4},
                                                  {VK_UP, 3},   {VK_HOME, 0}, {VK_UP, 0}};
    for (const auto& [key, expected] : steps) {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), expected) << key;
    }
    // Only real changes are reported.
    EXPECT_EQ(Count(5, LBN_SELCHANGE), 5);
    SendMessageW(list, WM_CHAR, u'e', 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 4);
    // Changes made by the program are not reported.
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(Count(5, LBN_SELCHANGE), 6);
}

TEST_F(ListBoxTest, TheStylusSelectsTheRowUnderItAndADoubleTapSaysSo) {
    const HWND list = MakeList(LBS_NOTIFY, 5, {0, 0, 100, 200});
    RECT row{};
    ASSERT_EQ(SendMessageW(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row)), 0);
    Tap(list, 5, (row.top + row.bottom) / 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(GetFocus(), list);
    // Below the last row nothing changes.
    Tap(list, 5, 190);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(HIWORD(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 190))), 1);
    SendMessageW(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, row.top + 1));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, row.top + 1));
    EXPECT_EQ(Count(5, LBN_DBLCLK), 1);
    // Dragging moves the selection with the pen.
    SendMessageW(list, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 1));
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, row.top + 1));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, row.top + 1));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxTest, SeveralSelectionsToggleAndSelectRanges) {
    const HWND list = MakeList(LBS_MULTIPLESEL | LBS_NOTIFY, 5, {0, 0, 100, 200});
    EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 1, 0), LB_ERR);
    SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 1));
    RECT row{};
    SendMessageW(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    Tap(list, 5, row.top + 1);
    Tap(list, 5, row.top + 1);
    Tap(list, 5, row.top + 1);
    int selected[8] = {};
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(selected)), 2);
    EXPECT_EQ(selected[0], 1);
    EXPECT_EQ(selected[1], 3);
    EXPECT_EQ(SendMessageW(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(selected)), 1);
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_GT(SendMessageW(list, LB_GETSEL, 4, 0), 0);
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 0);
    SendMessageW(list, LB_SELITEMRANGEEX, 4, 2);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 0);  // last before first deselects
    SendMessageW(list, LB_SELITEMRANGEEX, 2, 4);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 3);
    EXPECT_EQ(Count(5, LBN_SELCHANGE), 4);
}

TEST_F(ListBoxTest, OwnerDrawnRowsAreMeasuredOnceAndDrawnByTheParent) {
    Log().measureHeight = 24;
    const HWND list = Make(WC_LISTBOXW, LBS_OWNERDRAWFIXED, 9, u"", {0, 0, 100, 100});
    ASSERT_EQ(Log().measured.size(), 1u);
    EXPECT_EQ(Log().measured[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(Log().measured[0].CtlID, 9u);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 24);
    // Without LBS_HASSTRINGS the "string" is the item data.
    SendMessageW(list, LB_ADDSTRING, 0, 1234);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 0, 0), 1234);
    EXPECT_EQ(SendMessageW(list, LB_SETITEMHEIGHT, 0, 300), LB_ERR);
}

TEST_F(ListBoxTest, VariableRowsAreMeasuredOneByOneAndDeletedRowsReported) {
    const HWND list = Make(WC_LISTBOXW, LBS_OWNERDRAWVARIABLE, 9, u"", {0, 0, 100, 100});
    EXPECT_TRUE(Log().measured.empty());  // nothing to measure until rows come
    for (const LPARAM data : {100, 200}) {
        Log().measureHeight = static_cast<UINT>(data / 10);
        SendMessageW(list, LB_ADDSTRING, 0, data);
    }
    ASSERT_EQ(Log().measured.size(), 2u);
    EXPECT_EQ(Log().measured[1].itemID, 1u);
    EXPECT_EQ(Log().measured[1].itemData, 200u);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 10);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 1, 0), 20);
    RECT second{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(second.top, 10);
    EXPECT_EQ(second.bottom, 30);
    // Removing rows tells the owner which data went, so it can free it.
    struct Deleted {
        static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_DELETEITEM) items().push_back(reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->itemData);
            return ParentProc(hwnd, message, wParam, lParam);
        }
        static std::vector<ULONG_PTR>& items() {
            static std::vector<ULONG_PTR> v;
            return v;
        }
    };
    Deleted::items().clear();
    SetWindowLongPtrW(parent_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Deleted::Proc));
    SendMessageW(list, LB_DELETESTRING, 0, 0);
    DestroyWindow(list);
    EXPECT_EQ(Deleted::items(), (std::vector<ULONG_PTR>{100, 200}));
}

TEST_F(ListBoxTest, KeepsTheFocusedRowInViewAndScrollsWithItsBar) {
    const HWND list = Make(WC_LISTBOXW, WS_VSCROLL, 5, u"", {0, 0, 100, 60});
    for (int i = 0; i < 40; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"row"));
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int page = 60 / height;
    SendMessageW(list, LB_SETCURSEL, 20, 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    EXPECT_LE(top, 20);
    EXPECT_GT(top + page, 20);
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
    SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), page);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), page);
    // The stylus on the bar: the lower arrow steps a row, the thumb dragged to the bottom shows the end.
    RECT client{};
    GetClientRect(list, &client);
    const int barX = client.right + 2;
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    Tap(list, barX, client.bottom - 2);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    SendMessageW(list, WM_LBUTTONDOWN, 0, MAKELPARAM(barX, arrow + 1));
    EXPECT_EQ(GetCapture(), list);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(barX, client.bottom + 100));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(barX, client.bottom + 100));
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 40 - page);
    EXPECT_EQ(GetCapture(), nullptr);
    // The top never goes past the point where the last row sits at the bottom.
    SendMessageW(list, LB_SETTOPINDEX, 39, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 40 - page);
}


// Without LBS_NOINTEGRALHEIGHT a list is as high as a whole number of rows: made, moved or given
// taller rows, it gives up the part a further row would not fill; one lower than a row grows to one.
TEST_F(ListBoxTest, ShowsWholeRowsOnlyUnlessToldNotTo) {
    const auto clientHeight = [](HWND list) {
        RECT r{};
        GetClientRect(list, &r);
        return static_cast<int>(r.bottom);
    };
    const HWND plain = MakeList(0, 5, {0, 0, 100, 61});
    const HWND framed = MakeList(WS_BORDER | WS_VSCROLL, 6, {0, 70, 100, 133});
    const HWND exact = MakeList(LBS_NOINTEGRALHEIGHT, 7, {0, 140, 100, 201});
    const int row = static_cast<int>(SendMessageW(plain, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(row, 0);
    ASSERT_LT(row, 30);
    for (const HWND list : {plain, framed}) {
        EXPECT_EQ(clientHeight(list) % row, 0) << clientHeight(list);
        EXPECT_GT(clientHeight(list), 61 - 2 - row);
    }
    EXPECT_EQ(clientHeight(exact), 61);
    MoveWindow(plain, 0, 0, 100, 3 * row + row / 2, TRUE);
    EXPECT_EQ(clientHeight(plain), 3 * row);
    SendMessageW(plain, LB_SETITEMHEIGHT, 0, 2 * row);
    EXPECT_EQ(clientHeight(plain), 2 * row);
    const HWND low = MakeList(0, 8, {0, 210, 100, 210 + row - 2});
    EXPECT_EQ(clientHeight(low), row);
}

// A dialog's controls are made first and given the dialog's font after. A list made with a small
// font and then given a large one is fitted again from the height it was made with, not from its
// first fitting: a list of one row grows to show that row whole, a taller one keeps the whole rows
// that height holds, and no row's text is drawn past the list's foot.
TEST_F(ListBoxTest, ALargerFontFitsWholeRowsAgainFromTheHeightGiven) {
    const auto font = [](LONG height) {
        LOGFONTW lf{};
        lf.lfHeight = height;
        lf.lfWeight = FW_NORMAL;
        std::char_traits<char16_t>::copy(lf.lfFaceName, u"Tahoma", 6);
        return CreateFontIndirectW(&lf);
    };
    const HFONT small = font(-11);
    const HFONT large = font(-24);
    const auto clientHeight = [](HWND list) {
        RECT r{};
        GetClientRect(list, &r);
        return static_cast<int>(r.bottom);
    };
    const auto rowOf = [](HWND list) { return static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)); };
    const HWND one = MakeList(WS_BORDER, 5, {0, 0, 100, 20});  // 18 inside, as a one-row spin list
    const HWND several = MakeList(0, 6, {0, 100, 100, 200});
    for (const HWND list : {one, several}) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(small), FALSE);
    const int smallRow = rowOf(one);
    ASSERT_GT(smallRow, 0);
    ASSERT_LE(smallRow, 18);
    EXPECT_EQ(clientHeight(one), 18 / smallRow * smallRow);
    EXPECT_EQ(clientHeight(several), 100 / smallRow * smallRow);

    platform::testing::DrawRecord record;
    for (const HWND list : {one, several}) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(large), TRUE);
    const int largeRow = rowOf(one);
    ASSERT_GT(largeRow, 18);
    EXPECT_EQ(clientHeight(one), largeRow);
    EXPECT_EQ(clientHeight(several), 100 / largeRow * largeRow);
    platform::testing::PumpUntilIdle();
    for (const HWND list : {one, several}) {
        SCOPED_TRACE(GetDlgCtrlID(list));
        RECT client{};
        GetClientRect(list, &client);
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
        int shown = 0;
        for (const auto& text : record.ScreenTexts()) {
            RECT overlap{};
            if (!IntersectRect(&overlap, &text.rect, &client)) continue;
            ++shown;
            EXPECT_LE(text.rect.bottom, client.bottom) << std::string(text.text.begin(), text.text.end());
        }
        EXPECT_EQ(shown, clientHeight(list) / largeRow);
    }
    DestroyWindow(one);
    DestroyWindow(several);
    DeleteObject(small);
    DeleteObject(large);
}

}  // namespace
}  // namespace ctltest
