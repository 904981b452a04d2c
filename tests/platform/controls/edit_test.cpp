// The edit control as the program drives it: typing with the style filters, notifications, the
// selection messages, undo, the limit, lines, and the caret placed by the stylus.
#include "control_fixture.h"

namespace ctltest {
namespace {

class EditTest : public ControlTest {};

TEST_F(EditTest, TypingFollowsTheStyleFilters) {
    struct Case {
        DWORD style;
        std::u16string_view typed;
        std::u16string_view text;
    };
    constexpr Case kCases[] = {
        {0, u"Ab1 ", u"Ab1 "},
        {ES_NUMBER, u"1a2-3", u"123"},
        {ES_UPPERCASE, u"abC", u"ABC"},
        {ES_LOWERCASE, u"AbC", u"abc"},
        {ES_READONLY, u"abc", u""},
        {0, u"ab\bc", u"ac"},
        {0, u"a\rb\tc", u"abc"},  // a single-line edit takes no line breaks or tabs
        {ES_MULTILINE, u"a\rb", u"a\r\nb"},
    };
    for (const Case& c : kCases) {
        const HWND edit = Make(WC_EDITW, c.style, 1);
        Type(edit, c.typed);
        EXPECT_EQ(TextOf(edit), c.text) << "style " << c.style;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, StylesAddedAfterCreationTakeEffect) {
    const HWND edit = Make(WC_EDITW, 0, 1);
    SetWindowLongW(edit, GWL_STYLE, GetWindowLongW(edit, GWL_STYLE) | ES_NUMBER);
    Type(edit, u"x5");
    EXPECT_EQ(TextOf(edit), u"5");
    // The password style shows '*' but keeps and gives back the plain text.
    SetWindowLongW(edit, GWL_STYLE, GetWindowLongW(edit, GWL_STYLE) | ES_PASSWORD);
    SendMessageW(edit, EM_SETPASSWORDCHAR, u'*', 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), u'*');
    Type(edit, u"6");
    EXPECT_EQ(TextOf(edit), u"56");
    SendMessageW(edit, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD, 0);
}

TEST_F(EditTest, ChangesNotifyAndSetTheModifyFlag) {
    const HWND edit = Make(WC_EDITW, 0, 7, u"start");
    EXPECT_EQ(TextOf(edit), u"start");
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    Type(edit, u"ab");
    EXPECT_EQ(Count(7, EN_CHANGE), 2);
    EXPECT_EQ(Count(7, EN_UPDATE), 2);
    EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    // Text set by the program clears the flag; a single-line edit still reports the change.
    SetWindowTextW(edit, u"new");
    EXPECT_FALSE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(Count(7, EN_CHANGE), 3);
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));
    // A multi-line edit does not report text set by the program.
    const HWND notes = Make(WC_EDITW, ES_MULTILINE, 8);
    SetWindowTextW(notes, u"x");
    EXPECT_EQ(Count(8, EN_CHANGE), 0);
    SetFocus(edit);
    SetFocus(notes);
    EXPECT_EQ(Count(7, EN_SETFOCUS), 1);
    EXPECT_EQ(Count(7, EN_KILLFOCUS), 1);
}

TEST_F(EditTest, TheLimitStopsTypingAndSaysSo) {
    const HWND edit = Make(WC_EDITW, 0, 3);
    SendMessageW(edit, EM_LIMITTEXT, 4, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 4);
    Type(edit, u"abcdef");
    EXPECT_EQ(TextOf(edit), u"abcd");
    EXPECT_EQ(Count(3, EN_MAXTEXT), 2);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"123456"));
    EXPECT_EQ(TextOf(edit), u"1234");
}

TEST_F(EditTest, SelectionMessagesFollowTheDocumentedRules) {
    const HWND edit = Make(WC_EDITW, 0, 1, u"hello world");
    struct Case {
        int start;
        int end;
        DWORD selStart;
        DWORD selEnd;
    };
    constexpr Case kCases[] = {
        {0, -1, 0, 11}, {6, 11, 6, 11}, {8, 2, 2, 8}, {3, 100, 3, 11}, {-1, 0, 11, 11},  // -1 drops the selection at the caret
    };
    for (const Case& c : kCases) {
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
        DWORD start = 99, end = 99;
        const LRESULT packed = SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, c.selStart) << c.start << "," << c.end;
        EXPECT_EQ(end, c.selEnd) << c.start << "," << c.end;
        EXPECT_EQ(packed, MAKELRESULT(c.selStart, c.selEnd));
    }
    SendMessageW(edit, EM_SETSEL, 6, 11);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"there"));
    EXPECT_EQ(TextOf(edit), u"hello there");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(edit), u"hello world");
}

TEST_F(EditTest, CutCopyPasteAndClear) {
    const HWND edit = Make(WC_EDITW, 0, 1, u"abcdef");
    SendMessageW(edit, EM_SETSEL, 1, 3);
    SendMessageW(edit, WM_CUT, 0, 0);
    EXPECT_EQ(TextOf(edit), u"adef");
    SendMessageW(edit, EM_SETSEL, 4, 4);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(edit), u"adefbc");
    SendMessageW(edit, EM_SETSEL, 0, 1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(TextOf(edit), u"defbc");
}

TEST_F(EditTest, KeysMoveTheCaretAndShiftExtendsTheSelection) {
    const HWND edit = Make(WC_EDITW, ES_MULTILINE, 1, u"", {0, 0, 200, 100});
    SetWindowTextW(edit, u"first\r\nsecond");
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 7u);
    SendMessageW(edit, WM_KEYDOWN, VK_END, 0);
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 13u);
    SendMessageW(edit, WM_KEYDOWN, VK_LEFT, 0);
    SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(TextOf(edit), u"first\r\nsecon");
    EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 1, 0), 7);
    EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 5, 0), -1);
    EXPECT_EQ(SendMessageW(edit, EM_LINELENGTH, 8, 0), 5);
    EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, 3, 0), 0);
    WCHAR line[8] = {};
    line[0] = 8;
    EXPECT_EQ(SendMessageW(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 5);
    EXPECT_EQ(std::u16string(line, 5), u"secon");
    EXPECT_EQ(SendMessageW(edit, EM_GETLINE, 9, reinterpret_cast<LPARAM>(line)), 0);
}

TEST_F(EditTest, TheStylusPlacesTheCaretWhereTheCharacterIs) {
    const HWND edit = Make(WC_EDITW, 0, 1, u"", {0, 0, 200, 20});
    SetWindowTextW(edit, u"abcdefgh");
    for (WPARAM index : {0, 3, 8}) {
        const LRESULT pos = SendMessageW(edit, EM_POSFROMCHAR, index, 0);
        ASSERT_NE(pos, -1);
        Tap(edit, static_cast<SHORT>(LOWORD(pos)), static_cast<SHORT>(HIWORD(pos)) + 2);
        DWORD start = 99, end = 99;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, index);
        EXPECT_EQ(end, index);
        EXPECT_EQ(LOWORD(SendMessageW(edit, EM_CHARFROMPOS, 0, pos)), index);
    }
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(SendMessageW(edit, EM_POSFROMCHAR, 50, 0), -1);
    // A drag selects.
    const LRESULT from = SendMessageW(edit, EM_POSFROMCHAR, 1, 0);
    const LRESULT to = SendMessageW(edit, EM_POSFROMCHAR, 5, 0);
    SendMessageW(edit, WM_LBUTTONDOWN, 0, from);
    SendMessageW(edit, WM_MOUSEMOVE, 0, to);
    SendMessageW(edit, WM_LBUTTONUP, 0, to);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 5u);
}

// The program finds the caret's character from the caret's place (EM_CHARFROMPOS at GetCaretPos).
TEST_F(EditTest, TheCaretStandsAtTheCaretCharacterWhileTheEditHasTheFocus) {
    const HWND edit = Make(WC_EDITW, ES_MULTILINE, 1, u"", {0, 0, 200, 60});
    SetWindowTextW(edit, u"one\r\ntwo three");
    SetFocus(edit);
    for (const LPARAM index : {0, 2, 7, 14}) {
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(index), index);
        POINT caret{};
        ASSERT_TRUE(GetCaretPos(&caret));
        EXPECT_EQ(LOWORD(SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y))), index);
    }
    const HWND other = Make(WC_EDITW, 0, 2);
    SetFocus(other);
    SendMessageW(other, EM_SETSEL, 0, 0);
    POINT caret{};
    EXPECT_TRUE(GetCaretPos(&caret));  // the caret went with the focus
    SetFocus(parent_);
    EXPECT_FALSE(GetCaretPos(&caret));  // and left with it
}

TEST_F(EditTest, CentredAndRightAlignedTextPlacesTheCaretWhereTheTextStands) {
    const HWND left = Make(WC_EDITW, 0, 1, u"abc", {0, 0, 200, 20});
    const HWND centre = Make(WC_EDITW, ES_CENTER, 2, u"abc", {0, 30, 200, 50});
    const HWND right = Make(WC_EDITW, ES_RIGHT, 3, u"abc", {0, 60, 200, 80});
    const auto x = [](HWND edit, WPARAM index) { return static_cast<SHORT>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, index, 0))); };
    const int width = x(left, 3) - x(left, 0);
    EXPECT_GT(x(centre, 0), x(left, 0) + 50);
    EXPECT_EQ(x(centre, 3) - x(centre, 0), width);
    EXPECT_GT(x(right, 0), x(centre, 0));
    // A tap on the last letter of right-aligned text puts the caret before it.
    const LRESULT at = SendMessageW(right, EM_POSFROMCHAR, 2, 0);
    Tap(right, static_cast<SHORT>(LOWORD(at)) + 1, 5);
    DWORD start = 0;
    SendMessageW(right, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 2u);
}

TEST_F(EditTest, LongTextWrapsAndScrollsToKeepTheCaretInView) {
    const HWND edit = Make(WC_EDITW, ES_MULTILINE | WS_VSCROLL, 1, u"", {0, 0, 80, 40});
    std::u16string text;
    for (int i = 0; i < 30; ++i) text += u"word ";
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    const LRESULT lines = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 5);
    // The caret is at the end, so the last line is in view.
    const LRESULT first = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(first, 0);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(edit, SB_VERT, &info));
    EXPECT_EQ(info.nPos, first);
    EXPECT_EQ(info.nMax, lines - 1);
    SendMessageW(edit, EM_SCROLL, SB_PAGEUP, 0);
    EXPECT_LT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first);
}

TEST_F(EditTest, WantsCharactersArrowsAndInMultiLineEnterOnlyWithWantReturn) {
    const HWND single = Make(WC_EDITW, 0, 1);
    const HWND multi = Make(WC_EDITW, ES_MULTILINE, 2);
    const HWND wants = Make(WC_EDITW, ES_MULTILINE | ES_WANTRETURN, 3);
    MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    const auto code = [&](HWND h) { return SendMessageW(h, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)); };
    EXPECT_EQ(code(single), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    EXPECT_EQ(code(multi) & DLGC_WANTALLKEYS, 0);
    EXPECT_EQ(code(wants) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
}

}  // namespace
}  // namespace ctltest
