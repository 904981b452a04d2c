// The month grid: which day each cell holds (neighbour months, the folded sixth week, leap years),
// the week labels, today's fill and the selected day's frame on screen, the cached repaint, and
// screenshots of the month view.
#include <gtest/gtest.h>

#include "calendar/calendar_state.h"
#include "calendar/month_view.h"
#include "calendar_fixture.h"
#include "core/theme_words.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

constexpr COLORREF kToday = 0x00C0FF;
constexpr COLORREF kFrame = 0x0000C0;

class MonthGridTest : public CalendarTest {
protected:
    MonthGridTest() {
        DropMonthGridCache();
        SetThemeWord(15, static_cast<LONG>(kToday));
        SetThemeWord(1, static_cast<LONG>(kFrame));
    }
    ~MonthGridTest() override { DropMonthGridCache(); }

    MonthGridGeometry Geometry(int year, int month) {
        Canvas canvas;
        return MonthGeometry(canvas.dc(), RECT{0, 0, 240, 266}, year, month);
    }
};

TEST_F(MonthGridTest, CellsOfTheWalk) {
    struct Case {
        const char* name;
        int year, month;
        LONG mondayStart;
        int row, column;
        int wantMonth, wantDay;
        bool outside, folded;
    } cases[] = {
        {"Feb 2026 has no days before the 1st", 2026, 2, 0, 1, 1, 2, 1, false, false},
        {"Feb 2026 fills rows 1-4", 2026, 2, 0, 4, 7, 2, 28, false, false},
        {"Feb 2026 row 5 starts March", 2026, 2, 0, 5, 1, 3, 1, true, false},
        {"March 2026, Monday start: February before", 2026, 3, 1, 1, 1, 2, 23, true, false},
        {"March 2026, Monday start: 23/30 folded", 2026, 3, 1, 5, 1, 3, 23, false, true},
        {"March 2026, Monday start: 24/31 folded", 2026, 3, 1, 5, 2, 3, 24, false, true},
        {"March 2026, Monday start: 25 plain", 2026, 3, 1, 5, 3, 3, 25, false, false},
        {"November 2026 (30 days, column 7): only 23/30 folds", 2026, 11, 1, 5, 1, 11, 23, false, true},
        {"November 2026: 24 stays plain", 2026, 11, 1, 5, 2, 11, 24, false, false},
        {"September 2023 (30 days, column 6): no fold", 2023, 9, 0, 5, 1, 9, 24, false, false},
        {"December's next month is January", 2026, 12, 0, 5, 7, 1, 2, true, false},
        {"January's previous month is December", 2027, 1, 0, 1, 1, 12, 27, true, false},
        {"2100 is a leap year here", 2100, 2, 0, 5, 2, 2, 29, false, false},
    };
    for (const Case& c : cases) {
        g_Settings.mondayStart = c.mondayStart;
        const MonthCellPlace cell = MonthCellAt(Geometry(c.year, c.month), c.row, c.column);
        EXPECT_EQ(cell.month, c.wantMonth) << c.name;
        EXPECT_EQ(cell.day, c.wantDay) << c.name;
        EXPECT_EQ(cell.outside, c.outside) << c.name;
        EXPECT_EQ(cell.folded, c.folded) << c.name;
    }
}

TEST_F(MonthGridTest, RowWeekLabelsCountFromTheNextMonday) {
    EXPECT_EQ(MonthRowWeekNumber(2025, 12, 28), 1);  // Sunday before ISO week 1 of 2026
    EXPECT_EQ(MonthRowWeekNumber(2026, 3, 9), 11);   // a Monday stays
    EXPECT_EQ(MonthRowWeekNumber(2026, 12, 27), 53);
}

TEST_F(MonthGridTest, TodayFillAndSelectedFrameOnScreen) {
    g_Settings.splitMonth = 0;
    g_SelectedDate = DateRec(2026, 3, 20);
    Canvas canvas;
    PaintMonthView(canvas.dc());
    const MonthGridGeometry g = MonthGeometry(canvas.dc(), MonthGridRect, 2026, 3);
    const auto cellOf = [&](int day) {
        MonthCellPlace found;
        ForEachMonthCell(g, [&](const MonthCellPlace& c) {
            if (!c.outside && c.day == day) found = c;
        });
        return found;
    };
    const MonthCellPlace today = cellOf(10);
    EXPECT_EQ(canvas.Pixel(today.x + g.cellWidth - 3, today.y + g.rowHeight - 3), kToday);
    const MonthCellPlace selected = cellOf(20);
    EXPECT_EQ(canvas.Pixel(selected.x - 1, selected.y + g.rowHeight / 2), kFrame);
    EXPECT_NE(canvas.Pixel(today.x - 1, today.y + g.rowHeight / 2), kFrame);
    EXPECT_EQ(MonthGridCache.drawn, 1);

    // Another day of the same month: the cached grid is reused and only the marks move.
    g_SelectedDate = DateRec(2026, 3, 10);
    Canvas again;
    PaintMonthView(again.dc());
    EXPECT_EQ(MonthGridCache.drawn, 1);
    EXPECT_EQ(again.Pixel(today.x - 1, today.y + g.rowHeight / 2), kFrame);
    EXPECT_NE(again.Pixel(selected.x - 1, selected.y + g.rowHeight / 2), kFrame);
}

TEST_F(MonthGridTest, SelectionInAFoldedCellFramesOnlyItsHalf) {
    g_Settings.splitMonth = 0;
    g_Settings.mondayStart = 1;  // March 2026 folds 23/30 into column 1 of row 5
    struct Case {
        int day;
        bool lower;
    } cases[] = {{30, true}, {23, false}};
    for (const Case& c : cases) {
        g_SelectedDate = DateRec(2026, 3, c.day);
        DropMonthGridCache();
        Canvas canvas;
        PaintMonthView(canvas.dc());
        const MonthGridGeometry g = MonthGeometry(canvas.dc(), MonthGridRect, 2026, 3);
        const MonthCellPlace cell = MonthCellAt(g, 5, 1);
        ASSERT_TRUE(cell.folded);
        const int half = g.rowHeight / 2;
        const int upperY = cell.y + half / 2;
        const int lowerY = cell.y + half + half / 2;
        EXPECT_EQ(canvas.Pixel(cell.x, c.lower ? lowerY : upperY), kFrame) << c.day;
        EXPECT_NE(canvas.Pixel(cell.x, c.lower ? upperY : lowerY), kFrame) << c.day;
    }
}

TEST_F(MonthGridTest, ScreenshotsOfTheMonthView) {
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 9, 9, 0), 60));
    appts_.Append(Appt(2, u"Standup", DateRec(2026, 3, 10, 8, 30), 30));
    appts_.Append(Appt(3, u"Review", DateRec(2026, 3, 10, 14, 0), 120));
    appts_.Append(Appt(4, u"Holiday", DateRec(2026, 3, 12), 24 * 60, 1));
    appts_.Append(Appt(5, u"Workshop", DateRec(2026, 3, 24, 13, 0), 240));
    AnnivArrAddSorted(g_AnnivList, Anniv(500, u"Ann", 1990, 3, 13, kAnnivBirthday));
    g_Settings.isoWeek = 1;
    struct Shot {
        const char* file;
        LONG split;
        LONG preview;
    } shots[] = {{"month_view.png", 0, 0}, {"month_view_split.png", 1, 1}};
    for (const Shot& s : shots) {
        DropMonthGridCache();
        g_Settings.splitMonth = s.split;
        g_Settings.nextMonthPrev = s.preview;
        Canvas canvas;
        PaintMonthView(canvas.dc());
        EXPECT_TRUE(canvas.Save(OutputFile(s.file))) << s.file;
    }
}

class MonthGridVgaTest : public CalendarTest {
protected:
    MonthGridVgaTest() : CalendarTest(480, 640) { DropMonthGridCache(); }
    ~MonthGridVgaTest() override { DropMonthGridCache(); }
};

class MonthGridLandscapeTest : public CalendarTest {
protected:
    MonthGridLandscapeTest() : CalendarTest(320, 240) { DropMonthGridCache(); }
    ~MonthGridLandscapeTest() override { DropMonthGridCache(); }
};

TEST_F(MonthGridLandscapeTest, ScreenshotWithThePaneBeside) {
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 10, 9, 0), 60));
    appts_.Append(Appt(2, u"Review", DateRec(2026, 3, 10, 14, 0), 120));
    g_Settings.splitMonth = 1;
    g_Settings.botSplit = 0;
    g_Settings.nextMonthPrev = 1;
    g_Settings.mondayStart = 1;
    Canvas canvas;
    PaintMonthView(canvas.dc());
    EXPECT_TRUE(canvas.Save(OutputFile("month_view_landscape.png")));
}

TEST_F(MonthGridVgaTest, ScreenshotWithBarsAndMarks) {
    appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 9, 9, 0), 60));
    appts_.Append(Appt(2, u"Review", DateRec(2026, 3, 10, 14, 0), 120));
    appts_[1].icon = 3;
    Canvas canvas;
    PaintMonthView(canvas.dc());
    EXPECT_TRUE(canvas.Save(OutputFile("month_view_vga.png")));
}

}  // namespace

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

// 400x330 is of the QVGA class but neither landscape, portrait nor square: no layout row fits it.
class MonthGridNoClassTest : public CalendarTest {
protected:
    MonthGridNoClassTest() : CalendarTest(400, 330) {
        DropMonthGridCache();
        MonthGridRect = RECT{};
    }
    ~MonthGridNoClassTest() override { DropMonthGridCache(); }
};

TEST_F(MonthGridNoClassTest, ScreenOfNoClassShowsOnlyTheBackground) {
    SetThemeWord(10, 0x00FF00);
    Canvas canvas;
    PaintMonthView(canvas.dc());
    EXPECT_EQ(canvas.Pixel(100, 100), 0x00FF00u);
    EXPECT_EQ(MonthGridCache.drawn, 0);
}

}  // namespace
