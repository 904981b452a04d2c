// The field list on a real list view: moving between selectable rows and out to the page selector,
// stepping and tapping values, locked rows, dependent rows, typed characters and the nested stack.
#include <string>
#include <vector>

#include "editors/field_zones.h"
#include "options_fixture.h"
#include "resources/resource.h"
#include "ui/list_view_calls.h"
#include "ui/text_prompt.h"
#include "ui/theme_colors.h"

namespace {

namespace pt = platform::testing;
using options_test::OptionsTest;

ValSnap Row(const WCHAR* label, LONG kind, void* live, LONG locked = 0) {
    ValSnap row;
    ValSnapSet(row, label, kind, live, nullptr);
    row.locked = locked;
    return row;
}

class FieldListTest : public OptionsTest {
protected:
    FieldListTest() {
        selector_ = CreateWindowExW(0, u"ListBox", u"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, host_,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_OPTIONS_PAGES)), nullptr, nullptr);
        list_ = CreateWindowExW(0, u"SysListView32", u"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER |
                                    LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                0, 24, 240, 270, host_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_OPTIONS_LIST)),
                                nullptr, nullptr);
        EXPECT_EQ(InitSettingsList(host_, IDC_OPTIONS_LIST, false), S_OK);
        SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, 240);
    }

    void Show(ValSnapArray& rows) {
        SetFieldListTable(&rows, IDC_OPTIONS_LIST);
        FieldListFillView(host_, IDC_OPTIONS_LIST, -1);
        pt::PumpUntilIdle();
    }
    int Selected() const { return FieldListSelRow(list_); }
    void Key(UINT key) { SendMessageW(list_, WM_KEYDOWN, key, 0); }
    void Select(int row) { LvSelectRow(list_, row); }
    // A tap at x pixels from the row's right end.
    void TapFromRight(int row, int fromRight) {
        RECT rect{};
        LvRowRect(list_, row, rect);
        SendMessageW(list_, WM_LBUTTONDOWN, 0, MAKELPARAM(rect.right - fromRight, (rect.top + rect.bottom) / 2));
        SendMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(rect.right - fromRight, (rect.top + rect.bottom) / 2));
    }

    HWND selector_ = nullptr;
    HWND list_ = nullptr;
    LONG a_ = 0, b_ = 1, choice_ = 0;
    DateRec none_;
    std::u16string text_;
};

TEST_F(FieldListTest, UpAndDownSkipHeadersAndLockedRowsAndLeaveForTheSelector) {
    ValSnapArray rows;
    rows.Append(Row(u"Section", kFieldHeader, nullptr));
    rows.Append(Row(u"A", kFieldCheck, &a_));
    rows.Append(Row(u"Locked", kFieldCheck, &b_, 1));
    rows.Append(Row(u"Choice", kFieldChoice, &choice_));
    rows.Append(Row(u"Second", kFieldHeader, nullptr));
    rows.Append(Row(u"Text", kFieldShortText, &text_));
    Show(rows);
    SetFocus(list_);
    EXPECT_EQ(Selected(), 1) << "the focus selects the first selectable row";
    const int downs[] = {3, 5};
    for (const int expected : downs) {
        FieldListDown(host_, IDC_OPTIONS_LIST, true);
        EXPECT_EQ(Selected(), expected);
    }
    FieldListDown(host_, IDC_OPTIONS_LIST, true);
    EXPECT_EQ(Selected(), 5) << "no row below the last";
    EXPECT_EQ(GetFocus(), selector_);
    Key(VK_UP);
    EXPECT_EQ(Selected(), 3);
    Key(VK_UP);
    EXPECT_EQ(Selected(), 1);
    Key(VK_UP);
    EXPECT_EQ(GetFocus(), selector_) << "Up on the first selectable row";
}

TEST_F(FieldListTest, LeftAndRightStepChoicesWrappingAndLeaveNoDateAlone) {
    none_.wYear = kNoDateYear;
    ValSnapArray rows;
    ValSnap choice = Row(u"Choice", kFieldChoice, &choice_);
    for (const WCHAR* text : {u"One", u"Two", u"Three"}) choice.choices.Append(text);
    rows.Append(choice);
    rows.Append(Row(u"Date", kFieldDateOrNone, &none_));
    Show(rows);
    Select(0);
    const struct {
        UINT key;
        LONG index;
    } steps[] = {{VK_LEFT, 2}, {VK_RIGHT, 0}, {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 0}};
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_EQ(FieldListRows()[0].indexValue, step.index);
    }
    EXPECT_EQ(choice_, 0) << "the live variable waits for the owner's commit";
    Select(1);
    Key(VK_LEFT);
    Key(VK_RIGHT);
    EXPECT_EQ(FieldListRows()[1].dateValue.wYear, kNoDateYear);
}

TEST_F(FieldListTest, TapsToggleOnlyUnlockedCheckBoxesInTheirZone) {
    ValSnapArray rows;
    rows.Append(Row(u"Open", kFieldCheck, &a_));
    rows.Append(Row(u"Locked", kFieldCheck, &b_, 1));
    Show(rows);
    TapFromRight(0, 120);
    EXPECT_EQ(FieldListRows()[0].plainValue, 0) << "a tap outside the check zone";
    TapFromRight(0, 10);
    EXPECT_EQ(FieldListRows()[0].plainValue, 1);
    TapFromRight(1, 10);
    EXPECT_EQ(FieldListRows()[1].plainValue, 1) << "a locked row ignores the tap";
    Select(1);
    Key(VK_RETURN);
    EXPECT_EQ(FieldListRows()[1].plainValue, 1) << "and Enter";
}

TEST_F(FieldListTest, ChoiceArrowsStepByTheHalfTapped) {
    ValSnapArray rows;
    ValSnap choice = Row(u"Choice", kFieldChoice, &choice_);
    for (const WCHAR* text : {u"One", u"Two", u"Three"}) choice.choices.Append(text);
    rows.Append(choice);
    Show(rows);
    const RowZones zones = GetRowZones(list_, 0, FieldListRows()[0]);
    RECT rect{};
    LvRowRect(list_, 0, rect);
    const int y = (rect.top + rect.bottom) / 2;
    SendMessageW(list_, WM_LBUTTONDOWN, 0, MAKELPARAM(zones.arrowsRight - 2, y));
    EXPECT_EQ(FieldListRows()[0].indexValue, 1);
    SendMessageW(list_, WM_LBUTTONDOWN, 0, MAKELPARAM(zones.arrowsLeft + 2, y));
    SendMessageW(list_, WM_LBUTTONDOWN, 0, MAKELPARAM(zones.arrowsLeft + 2, y));
    EXPECT_EQ(FieldListRows()[0].indexValue, 2) << "back from the first wraps to the last";
}

// Dragging the pen down over the rows scrolls the list a row at a time, as in the item lists.
TEST_F(FieldListTest, DraggingOverTheRowsScrollsThem) {
    ValSnapArray rows;
    std::vector<LONG> values(30, 0);
    for (LONG& value : values) rows.Append(Row(u"Check", kFieldCheck, &value));
    Show(rows);
    RECT first{}, second{};
    LvRowRect(list_, 1, first);
    LvRowRect(list_, 2, second);
    const LPARAM from = MAKELPARAM(10, (first.top + first.bottom) / 2);
    const LPARAM to = MAKELPARAM(10, (second.top + second.bottom) / 2);
    ASSERT_EQ(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0), 0);
    SendMessageW(list_, WM_LBUTTONDOWN, 0, from);
    SendMessageW(list_, WM_MOUSEMOVE, 0, to);
    SendMessageW(list_, WM_LBUTTONUP, 0, to);
    EXPECT_GT(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0), 0);
    for (const LONG value : values) EXPECT_EQ(value, 0) << "a drag from the label toggles nothing";
}

// A double tap edits the row; the pen messages that queued up behind it are dropped, not replayed
// as taps on whatever lies under them afterwards.
TEST_F(FieldListTest, DoubleTapDropsThePenMessagesQueuedBehindIt) {
    ValSnapArray rows;
    rows.Append(Row(u"A", kFieldCheck, &a_));
    rows.Append(Row(u"B", kFieldCheck, &b_));
    Show(rows);
    Select(0);
    RECT second{};
    LvRowRect(list_, 1, second);
    const LPARAM onSecondCheck = MAKELPARAM(second.right - 10, (second.top + second.bottom) / 2);
    PostMessageW(list_, WM_LBUTTONDOWN, 0, onSecondCheck);
    PostMessageW(list_, WM_LBUTTONUP, 0, onSecondCheck);
    SendMessageW(list_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 5));
    pt::PumpUntilIdle();
    EXPECT_EQ(FieldListRows()[0].plainValue, 1) << "the double tap toggles the selected row";
    EXPECT_EQ(FieldListRows()[1].plainValue, 1) << "the queued tap on the other row's box is dropped";
}

TEST_F(FieldListTest, DayPreviewOnMonthLocksAndUnlocksItsRows) {
    g_Settings.splitMonth = 0;
    ValSnapArray rows;
    ValSnap split = Row(u"Day Preview on Month", kFieldCheck, &g_Settings.splitMonth);
    split.rowFlag = 1;
    rows.Append(split);
    rows.Append(Row(u"  Preview on Bottom", kFieldCheck, &g_Settings.botSplit, 1));
    rows.Append(Row(u"  Next Month Preview", kFieldCheck, &g_Settings.nextMonthPrev, 1));
    Show(rows);
    Select(0);
    Key(VK_RETURN);
    EXPECT_EQ(FieldListRows()[1].locked, 0);
    EXPECT_EQ(FieldListRows()[2].locked, 0);
    Key(VK_RETURN);
    EXPECT_EQ(FieldListRows()[1].locked, 1);
    EXPECT_EQ(FieldListRows()[2].locked, 1);
    EXPECT_FALSE(SetFieldRowLock(&g_Settings.botSplit, list_, true)) << "already locked";
    EXPECT_FALSE(SetFieldRowLock(&g_Settings.hours24, list_, true)) << "no row watches it";
}

TEST_F(FieldListTest, TypedCharactersOpenTheTextPromptCapitalised) {
    g_Settings.autoCaps = 1;
    ValSnapArray rows;
    rows.Append(Row(u"Account", kFieldShortText, &text_));
    Show(rows);
    Select(0);
    for (const WCHAR skipped : {u'&', u'('}) {
        EXPECT_FALSE(FieldRowChar(host_, IDC_OPTIONS_LIST, skipped));
    }
    EXPECT_TRUE(pt::DialogsShown().empty());
    std::u16string seen;
    pt::ActInsideDialog([&](HWND dialog) {
        seen = g_PromptText;
        g_PromptText = u"Alpha";
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_CANCEL, 0);
    });
    EXPECT_TRUE(FieldRowChar(host_, IDC_OPTIONS_LIST, u'a'));
    EXPECT_EQ(seen, u"A");
    EXPECT_EQ(FieldListRows()[0].textValue, u"") << "a cancelled prompt changes nothing";
}

TEST_F(FieldListTest, NestedStackKeepsFiveLevels) {
    ValSnapArray tables[6];
    for (int level = 0; level < 6; ++level) {
        SetFieldListTable(&tables[level], IDC_OPTIONS_LIST);
        FieldListPush(level);
    }
    FieldListPop();
    EXPECT_EQ(&FieldListRows(), &tables[4]) << "the sixth push was ignored";
    EXPECT_EQ(g_FieldList.restoredRow, 4);
    for (int level = 0; level < 6; ++level) FieldListPop();
    EXPECT_EQ(&FieldListRows(), &tables[0]);
    FieldStackReset();
    EXPECT_EQ(g_FieldList.depth, -1);
}

TEST_F(FieldListTest, LockedRowsArePaintedGrey) {
    ValSnapArray rows;
    for (int i = 0; i < 4; ++i) rows.Append(Row(u"Filler", kFieldHeader, nullptr));
    rows.Append(Row(u"WWWWWW", kFieldCheck, &a_));
    rows.Append(Row(u"WWWWWW", kFieldCheck, &b_, 1));
    Show(rows);
    const COLORREF text = ThemeColor(kThemeTextColor);
    constexpr COLORREF kGrey = RGB(128, 128, 128);
    const auto count = [&](int row, COLORREF colour) {
        RECT rect{};
        LvRowRect(list_, row, rect);
        POINT origin{0, 0};
        ClientToScreen(list_, &origin);
        int found = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.left + (rect.right - rect.left) / 2; ++x) {
                found += pt::ReadScreenPixel(origin.x + x, origin.y + y) == colour;
            }
        }
        return found;
    };
    EXPECT_GT(count(4, text), 0);
    EXPECT_EQ(count(4, kGrey), 0);
    EXPECT_GT(count(5, kGrey), 0);
    EXPECT_EQ(count(5, text), 0);
}

TEST(FieldListText, TimeOfDayTexts) {
    const struct {
        LONG hours24;
        int hour;
        const WCHAR* text;
    } cases[] = {{0, 0, u"12:00am"}, {0, 11, u"11:00am"}, {0, 12, u"12:00pm"}, {0, 13, u"1:00pm"},
                 {0, 24, u"12:00am"}, {1, 0, u"0:00"},    {1, 13, u"13:00"}};
    const LONG saved = g_Settings.hours24;
    for (const auto& c : cases) {
        g_Settings.hours24 = c.hours24;
        EXPECT_EQ(FormatTimeOfDay(c.hour, 0), c.text) << c.hour;
    }
    g_Settings.hours24 = saved;
}

}  // namespace

namespace {

TEST(FieldListRows, RowHeightByScreenClass) {
    const struct {
        int width, height;
        UINT rowHeight;
    } cases[] = {{240, 320, 26}, {320, 240, 26}, {320, 320, 26}, {480, 640, 65}, {176, 220, 20}};
    for (const auto& c : cases) {
        platform::testing::TestDevice device(options_test::Screen(c.width, c.height));
        MEASUREITEMSTRUCT measure{};
        MeasureFieldRow(measure);
        EXPECT_EQ(measure.itemHeight, c.rowHeight) << c.width << "x" << c.height;
    }
}

}  // namespace
