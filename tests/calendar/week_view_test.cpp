// The week view: box layout per setting, the selected day's box result, the hit test of a lower
// box, and a screenshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calendar/paint_helpers.h"
#include "calendar/week_view.h"
#include "calendar_fixture.h"
#include "core/theme_words.h"
#include "ui/layout.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

class WeekViewTest : public CalendarTest {};

TEST_F(WeekViewTest, LayoutOfBoxesAndDays) {
    const RECT client{0, 0, 240, 200};
    struct Case {
        const char* name;
        LONG fiveDay;
        LONG horz;
        int topHeight;
        std::vector<int> offsets;
    } cases[] = {
        {"seven days", 0, 0, 60, {0, 1, 2, 3, 4, 5, 6}},
        {"seven days alternating", 0, 1, 60, {0, 1, 3, 5, 2, 4, 6}},
        {"five days", 1, 0, 90, {0, 1, 2, 3, 4}},
        {"five days alternating", 1, 1, 90, {0, 1, 3, 2, 4}},
    };
    for (const Case& c : cases) {
        g_Settings.fiveDayWeek = c.fiveDay;
        g_Settings.horzWeek = c.horz;
        const std::vector<WeekBox> boxes = WeekViewLayout(client);
        std::vector<int> offsets;
        for (const WeekBox& box : boxes) offsets.push_back(box.dayOffset);
        EXPECT_EQ(offsets, c.offsets) << c.name;
        ASSERT_FALSE(boxes.empty());
        EXPECT_FALSE(boxes[0].subBox);
        EXPECT_EQ(boxes[0].rect.bottom, c.topHeight) << c.name;
        const int rows = c.fiveDay ? 2 : 3;
        const int rh = (200 - c.topHeight) / rows;
        // Second box of the right column.
        const RECT& r = boxes[1 + rows + 1].rect;
        EXPECT_EQ(r.left, 121);
        EXPECT_EQ(r.right, 240);
        EXPECT_EQ(r.top, c.topHeight + 1 + rh + 1);
        EXPECT_EQ(r.bottom, std::min<LONG>(r.top + rh, 200));  // the last row ends at the view's bottom
    }
}

class WeekViewLandscapeTest : public CalendarTest {
protected:
    WeekViewLandscapeTest() : CalendarTest(320, 240) {}
};

TEST_F(WeekViewLandscapeTest, FiveDayTopShareOnLandscapeQvga) {
    g_Settings.fiveDayWeek = 1;
    EXPECT_EQ(WeekViewLayout(RECT{0, 0, 320, 100})[0].rect.bottom, 38);
}

TEST_F(WeekViewTest, SelectedBoxResultAndOutsideWeek) {
    for (int i = 0; i < 30; ++i) g_TskList.Append(Task(100 + i, u"Chore", 2026, 3, 10));
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 9, 9, 0), 60));
    appts_.Append(Appt(2, u"Holiday", DateRec(2026, 3, 12), 24 * 60, 1));
    AnnivArrAddSorted(g_AnnivList, Anniv(500, u"Ann", 1990, 3, 13, kAnnivBirthday));
    Canvas canvas;
    EXPECT_EQ(PaintWeekView(canvas.dc(), true), 1);
    EXPECT_EQ(PaintWeekView(canvas.dc(), false), 1);
    EXPECT_TRUE(canvas.Save(OutputFile("week_view.png")));
    g_SelectedDate = DateRec(2026, 3, 20);
    EXPECT_EQ(PaintWeekView(canvas.dc(), false), 0);
    g_SelectedDate = DateRec(2026, 3, 9);
    EXPECT_EQ(PaintWeekView(canvas.dc(), false), 0);
}

TEST_F(WeekViewTest, TapOnALowerBoxSelectsItsTask) {
    g_TskList.Append(Task(42, u"Call", 2026, 3, 11));
    RECT client{};
    GetViewClientRect(g_Frame.mainWnd, client);
    const std::vector<WeekBox> boxes = WeekViewLayout(client);
    const WeekBox& box = boxes[3];  // 11 March: start + 3 in the left column
    ASSERT_EQ(box.dayOffset, 3);
    HDC dc = GetDC(g_Frame.mainWnd);
    int header, h;
    {
        const SelectScope select(dc, DayBoxFont());
        header = TextExtent(dc, u"3/11").cy + 4;
        h = TextExtent(dc, u"XX").cy;
    }
    ReleaseDC(g_Frame.mainWnd, dc);
    EXPECT_TRUE(HitTestWeekView(box.rect.left + 20, box.rect.top + header + h / 2));
    EXPECT_EQ(g_CurItem.oid, 42);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
    ResetSelection();
    EXPECT_FALSE(HitTestWeekView(box.rect.left + 20, box.rect.top + header + h + h / 2));
    EXPECT_EQ(g_CurItem.oid, kNoOid);
}

}  // namespace

namespace {

TEST_F(WeekViewTest, DayBoxFillByState) {
    // On a white window: a filled box loses its white inside, an outlined one keeps it.
    const RECT box{10, 10, 110, 110};
    const DateRec tuesday(2026, 3, 10), saturday(2026, 3, 14);
    struct Case {
        const char* name;
        DateRec date;
        bool selected;
        LONG backWeekColors;
        bool pane;
        bool filled;
    } cases[] = {
        {"selected", saturday, true, 0, false, true},
        {"plain day outlined only", saturday, false, 0, false, false},
        {"today outlined only", tuesday, false, 0, false, false},
        {"day colours fill", saturday, false, 1, false, true},
        {"panes always fill", tuesday, false, 0, true, true},
    };
    for (const Case& c : cases) {
        g_Settings.backWeekColors = c.backWeekColors;
        Canvas canvas;
        DrawDayBox(canvas.dc(), box, c.date, true, false, c.selected, 0, true, c.pane);
        EXPECT_EQ(canvas.Pixel(60, 100) != 0xFFFFFFu, c.filled) << c.name;
        EXPECT_NE(canvas.Pixel(10, 100), 0xFFFFFFu) << c.name;  // the outline or the fill
    }
}

TEST_F(WeekViewTest, DayBoxColoursFromTheTheme) {
    const RECT box{10, 10, 110, 110};
    const DateRec tuesday(2026, 3, 10), wednesday(2026, 3, 11), saturday(2026, 3, 14);
    SetThemeWord(kThemeTodayHighlight, 0x00FFFF);
    SetThemeWord(kThemeWeekend, 0xC0C0C0);
    SetThemeWord(kThemeGridBrush, 0x80FF80);
    SetThemeWord(kThemeGridPen, 0x0000FF);
    struct Case {
        const char* name;
        LONG selFill;
        DateRec date;
        bool selected;
        COLORREF inside;
    } cases[] = {
        {"white selection shows light blue", 0xFFFFFF, saturday, true, 0xB8CCFF},
        {"selection colour", 0x204080, saturday, true, 0x204080},
        {"today", 0xFFFFFF, tuesday, false, 0x00FFFF},
        {"weekend", 0xFFFFFF, saturday, false, 0xC0C0C0},
        {"weekday of a pane", 0xFFFFFF, wednesday, false, 0x80FF80},
    };
    for (const Case& c : cases) {
        SetThemeWord(kThemeSelFill, static_cast<LONG>(c.selFill));
        Canvas canvas;
        DrawDayBox(canvas.dc(), box, c.date, true, false, c.selected, 0, true, true);
        EXPECT_EQ(canvas.Pixel(60, 100), c.inside) << c.name;
        if (!c.selected) {
            EXPECT_EQ(canvas.Pixel(10, 100), 0x0000FFu) << c.name;
        }
    }
}

TEST_F(WeekViewTest, SelectedDayPaneListsTheSelectedDate) {
    SelDayPaneRect = RECT{0, 200, 240, 260};
    g_TskList.Append(Task(42, u"Call", 2026, 3, 10));
    g_TskList.Append(Task(43, u"Write", 2026, 3, 11));
    HDC dc = GetDC(g_Frame.mainWnd);
    int header, h;
    {
        const SelectScope select(dc, DayBoxFont());
        header = TextExtent(dc, u"3/10").cy + 4;
        h = TextExtent(dc, u"XX").cy;
    }
    ReleaseDC(g_Frame.mainWnd, dc);
    const int firstRow = SelDayPaneRect.top + header + h / 2;
    ASSERT_TRUE(HitTestSelDayPane(20, firstRow, kMonthPane));
    EXPECT_EQ(g_CurItem.oid, 42);
    g_SelectedDate = DateRec(2026, 3, 11);
    ASSERT_TRUE(HitTestSelDayPane(20, firstRow, kMonthPane));
    EXPECT_EQ(g_CurItem.oid, 43);
    // Scrolled by one entry the only entry is gone.
    DayPaneScroll = 1;
    EXPECT_FALSE(HitTestSelDayPane(20, firstRow, kMonthPane));
    Canvas canvas;
    EXPECT_EQ(DrawSelDayPane(canvas.dc(), true, kMonthPane), 0);
}

}  // namespace

namespace {

TEST_F(WeekViewTest, HeaderLabels) {
    const DateRec sunday(2026, 3, 8), monday(2026, 3, 9), tuesday(2026, 3, 10);
    struct Case {
        const char* name;
        LONG isoWeek;
        LONG viewId;
        DateRec date;
        bool subBox;
        std::u16string label;
    } cases[] = {
        {"top box", 0, kViewWeek, sunday, false, u"Sunday"},
        {"lower box", 0, kViewWeek, tuesday, true, u"Tuesday"},
        {"week label on top", 1, kViewWeek, sunday, false, u"Sunday(W10)"},
        {"week label on a lower Monday, short on portrait", 1, kViewWeek, monday, true, u"Mon(W11)"},
        {"no week label on other lower days", 1, kViewWeek, tuesday, true, u"Tuesday"},
        {"month view's side pane", 0, kViewMonth, tuesday, true, u"Tue"},
    };
    for (const Case& c : cases) {
        g_Settings.isoWeek = c.isoWeek;
        g_Settings.botSplit = 0;
        ViewId = c.viewId;
        EXPECT_EQ(DayBoxLabel(c.date, c.subBox), c.label) << c.name;
    }
}

}  // namespace

namespace {

// The mini day bar's frame in the box header: its left edge and top row, found by the bar border colour.
POINT DayBarCorner(const Canvas& canvas, const RECT& box, COLORREF border) {
    POINT corner{-1, -1};
    for (int y = box.top; y < box.top + 30 && corner.y < 0; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            if (canvas.Pixel(x, y) != border) continue;
            corner = POINT{x, y};
            break;
        }
    }
    return corner;
}

TEST_F(WeekViewTest, DayBarInTheHeaderBySquareScreen) {
    constexpr COLORREF kBorder = 0x123456;
    struct Case {
        const char* name;
        int side;
        int width;  // the bar's width, its frame starting width + 1 from the right
        int drop;   // below the header text's top
    } cases[] = {
        {"QVGA square", 240, 25, 4},
        {"VGA square", 480, 25, 4},
    };
    for (const Case& c : cases) {
        device_.SetProfile(caltest::Screen(c.side, c.side));
        g_Settings.dayBarWeek = 1;
        SetThemeWord(32, static_cast<LONG>(kBorder));
        appts_.RemoveAll();
        appts_.Append(Appt(7, u"Review", DateRec(2026, 3, 11, 9, 0, 0), 60));
        const RECT box{10, 10, 230, 110};
        Canvas canvas;
        DrawDayBox(canvas.dc(), box, DateRec(2026, 3, 11), true, false, false, 0, true, false);
        const POINT corner = DayBarCorner(canvas, box, kBorder);
        EXPECT_EQ(corner.x, box.right - c.width - 1) << c.name;
        EXPECT_EQ(corner.y, box.top + 2 + c.drop) << c.name;
    }
}

}  // namespace
