// Drop-down combo boxes, up-down controls with their buddies (a number edit, a spin list) and scroll
// bars of windows and of the scroll bar control.
#include "control_fixture.h"

namespace ctltest {
namespace {

class ComboTest : public ControlTest {
protected:
    HWND MakeCombo(int id = 6) {
        const HWND combo = Make(WC_COMBOBOXW, CBS_DROPDOWNLIST, id, u"", {10, 10, 110, 30});
        for (const char16_t* text : {u"Low", u"Normal", u"High"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return combo;
    }
};

TEST_F(ComboTest, ItemsAndSelectionThroughCbMessages) {
    const HWND combo = MakeCombo();
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(TextOf(combo), u"Normal");
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 7, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    WCHAR text[16] = {};
    EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_EQ(std::u16string(text), u"High");
    EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), CB_ERR);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(TextOf(combo), u"");
}

TEST_F(ComboTest, ArrowsChangeTheSelectionOfAClosedList) {
    const HWND combo = MakeCombo();
    SetFocus(combo);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);  // already on the last item
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Count(6, CBN_SELCHANGE), 3);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboTest, ATapDropsTheListAndATapOnAnItemChoosesIt) {
    const HWND combo = MakeCombo();
    Tap(combo, 5, 5);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Count(6, CBN_DROPDOWN), 1);
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    RECT field{};
    GetWindowRect(combo, &field);
    EXPECT_EQ(dropped.top, field.bottom);
    // The list lies below the field; tap its third row.
    POINT pt{dropped.left + 5, dropped.top + 1};
    const HWND list = WindowFromPoint(pt);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list, combo);
    const int rowHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    Tap(list, 5, 2 * rowHeight + rowHeight / 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(Count(6, CBN_SELCHANGE), 1);
    EXPECT_EQ(Count(6, CBN_SELENDOK), 1);
    EXPECT_EQ(Count(6, CBN_CLOSEUP), 1);
}

TEST_F(ComboTest, EscapePutsBackTheSelectionADropChanged) {
    const HWND combo = MakeCombo();
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    MSG escape{combo, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(SendMessageW(combo, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&escape)) & DLGC_WANTMESSAGE);
    SendMessageW(combo, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Count(6, CBN_SELENDCANCEL), 1);
    EXPECT_FALSE(SendMessageW(combo, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&escape)) & DLGC_WANTMESSAGE);
}

class UpDownTest : public ControlTest {};

TEST_F(UpDownTest, ArrowsStepWithinTheRangeAndWriteTheBuddy) {
    const HWND edit = Make(WC_EDITW, ES_NUMBER, 1, u"", {10, 10, 60, 30});
    const HWND spin = Make(UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 2, u"", {0, 0, 12, 20});
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
    RECT e{}, s{};
    GetWindowRect(edit, &e);
    GetWindowRect(spin, &s);
    EXPECT_EQ(s.left, e.right);  // beside the buddy, which gave up the room
    EXPECT_EQ(e.right - e.left + s.right - s.left, 50);
    SendMessageW(spin, UDM_SETRANGE32, 0, 3);
    SendMessageW(spin, UDM_SETPOS32, 0, 2);
    EXPECT_EQ(TextOf(edit), u"2");
    Tap(spin, 5, 2);   // upper half: up
    Tap(spin, 5, 2);   // already at the top
    EXPECT_EQ(TextOf(edit), u"3");
    Tap(spin, 5, 18);  // lower half: down
    EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, 0), 2);
    // Each step was reported to the parent.
    const auto scrolls = std::count_if(Log().notices.begin(), Log().notices.end(), [](const Notice& n) {
        return n.message == WM_VSCROLL && LOWORD(n.code) == SB_THUMBPOSITION;
    });
    EXPECT_EQ(scrolls, 2);
    // What the user typed in the buddy counts.
    SetWindowTextW(edit, u"1");
    EXPECT_EQ(LOWORD(SendMessageW(spin, UDM_GETPOS, 0, 0)), 1);
    SetWindowTextW(edit, u"x");
    EXPECT_NE(HIWORD(SendMessageW(spin, UDM_GETPOS, 0, 0)), 0);
}

TEST_F(UpDownTest, RangeAndPositionFollowTheDocumentedPacking) {
    const HWND spin = Make(UPDOWN_CLASSW, 0, 2, u"", {0, 0, 12, 20});
    // The default range runs from 100 down to 0: the up arrow goes towards 0.
    EXPECT_EQ(SendMessageW(spin, UDM_GETRANGE, 0, 0), MAKELRESULT(0, 100));
    SendMessageW(spin, UDM_SETRANGE, 0, MAKELPARAM(10, 5));
    EXPECT_EQ(SendMessageW(spin, UDM_SETPOS, 0, MAKELPARAM(50, 0)), 5);  // the new range moved it to 5
    EXPECT_EQ(LOWORD(SendMessageW(spin, UDM_GETPOS, 0, 0)), 10);  // cut to the range
    SendMessageW(spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(-3), 0));
    EXPECT_EQ(LOWORD(SendMessageW(spin, UDM_GETPOS, 0, 0)), 5);
    EXPECT_EQ(SendMessageW(spin, UDM_SETBASE, 7, 0), 0);
    EXPECT_EQ(SendMessageW(spin, UDM_GETBASE, 0, 0), 10);
}

TEST_F(UpDownTest, AListBoxBuddyStepsItsSelectionAndWrapsWhenAsked) {
    const HWND list = Make(WC_LISTBOXW, LBS_NOTIFY, 3, u"", {10, 10, 60, 26});
    for (const char16_t* text : {u"Once", u"Daily", u"Weekly"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    const HWND spin = Make(UPDOWN_CLASSW, UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_WRAP, 4, u"", {0, 0, 12, 16});
    Tap(spin, 5, 14);  // down: the next row
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    Tap(spin, 5, 1);
    Tap(spin, 5, 1);   // up from the first row wraps to the last
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Count(3, LBN_SELCHANGE), 3);
    SetWindowLongW(spin, GWL_STYLE, GetWindowLongW(spin, GWL_STYLE) & ~UDS_WRAP);
    Tap(spin, 5, 14);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Count(3, LBN_SELCHANGE), 3);
}

class ScrollBarTest : public ControlTest {};

TEST_F(ScrollBarTest, AWindowBarAppearsWhenTheRangeNeedsItAndKeepsItsPositionInside) {
    const HWND child = Make(WC_STATICW, 0, 1, u"", {0, 0, 100, 100});
    RECT before{};
    GetClientRect(child, &before);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 20, 95, 0};
    EXPECT_EQ(SetScrollInfo(child, SB_VERT, &info, TRUE), 80);  // the last page starts at 80
    RECT with{};
    GetClientRect(child, &with);
    EXPECT_EQ(with.right, before.right - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(GetScrollPos(child, SB_VERT), 80);
    int low = 0, high = 0;
    EXPECT_TRUE(GetScrollRange(child, SB_VERT, &low, &high));
    EXPECT_EQ(high, 99);
    // A range that fits on one page needs no bar.
    info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 9, 20, 0, 0};
    SetScrollInfo(child, SB_VERT, &info, TRUE);
    RECT without{};
    GetClientRect(child, &without);
    EXPECT_EQ(without.right, before.right);
    EXPECT_EQ(SetScrollInfo(child, 7, &info, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(reinterpret_cast<HWND>(0x4711), SB_VERT, &info));
}

TEST_F(ScrollBarTest, TheControlReportsArrowsPagesAndADraggedThumb) {
    const HWND bar = Make(WC_SCROLLBARW, SBS_VERT, 9, u"", {0, 0, 16, 160});
    SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
    SetScrollPos(bar, SB_CTL, 0, FALSE);
    const auto requests = [] {
        std::vector<int> out;
        for (const Notice& n : Log().notices)
            if (n.message == WM_VSCROLL && LOWORD(n.code) != SB_ENDSCROLL) out.push_back(LOWORD(n.code));
        return out;
    };
    Tap(bar, 8, 4);     // top arrow
    Tap(bar, 8, 155);   // bottom arrow
    Tap(bar, 8, 120);   // below the thumb
    EXPECT_EQ(requests(), (std::vector<int>{SB_LINEUP, SB_LINEDOWN, SB_PAGEDOWN}));
    Log().notices.clear();
    // Drag the thumb (at the top, as the position is 0) down to the bottom.
    SendMessageW(bar, WM_LBUTTONDOWN, 0, MAKELPARAM(8, 20));
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(8, 400));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 400));
    ASSERT_GE(Log().notices.size(), 2u);
    EXPECT_EQ(LOWORD(Log().notices[0].code), SB_THUMBTRACK);
    EXPECT_EQ(HIWORD(Log().notices[0].code), 100);
    EXPECT_EQ(LOWORD(Log().notices[1].code), SB_THUMBPOSITION);
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 0);  // the parent moves it, not the bar
}

}  // namespace
}  // namespace ctltest

namespace ctltest {
namespace {

TEST_F(ComboTest, ATapOutsideTheDroppedListClosesIt) {
    const HWND combo = MakeCombo();
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    Tap(combo, 5, 5);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    const HWND list = GetCapture();
    ASSERT_NE(list, nullptr);
    // Far to the right of the list, in the list's own coordinates.
    Tap(list, 400, 5);
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Count(6, CBN_CLOSEUP), 1);
}

TEST_F(ComboTest, AListWithoutRoomBelowOpensAboveTheField) {
    const HWND combo = Make(WC_COMBOBOXW, CBS_DROPDOWNLIST, 6, u"", {10, 290, 110, 380});
    for (const char16_t* text : {u"Low", u"Normal", u"High"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped{}, field{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    GetWindowRect(combo, &field);
    EXPECT_EQ(dropped.bottom, field.top);
}

}  // namespace
}  // namespace ctltest
