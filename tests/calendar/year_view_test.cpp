// The year view: cursor moves over year ends on square screens, the hit test of the blocks,
// opening the month view, the day colours of loaded and unloaded months, and a screenshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calendar/year_view.h"
#include "calendar_fixture.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/theme_words.h"
#include "frame/load_thread.h"
#include "frame/menu_bars.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

constexpr COLORREF kNotLoaded = 0x0000FF;
constexpr COLORREF kAppt = 0x00A000;
constexpr COLORREF kNothing = 0x800000;

class YearViewTest : public CalendarTest {
protected:
    explicit YearViewTest(int width = 240, int height = 320) : CalendarTest(width, height) {
        ClearApptMonthCache();
        SetYearViewToday();
        ViewId = kViewYear;
        SetThemeWord(26, static_cast<LONG>(kNothing));
        SetThemeWord(27, static_cast<LONG>(kNotLoaded));
        SetThemeWord(29, static_cast<LONG>(kAppt));
    }
    ~YearViewTest() override { ClearApptMonthCache(); }

    // Pixels of text in that colour: the glyphs are blended with the white background, so a pixel
    // counts when it is white mixed with the colour by at least 40 percent.
    static int CountColour(const Canvas& canvas, const RECT& r, COLORREF colour) {
        const auto channel = [](COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF p = canvas.Pixel(x, y);
                int deepest = 0;
                for (const int shift : {0, 8, 16}) deepest = std::max(deepest, 255 - channel(colour, shift));
                const double a = (255 - channel(p, deepest == 255 - channel(colour, 0)   ? 0
                                                   : deepest == 255 - channel(colour, 8) ? 8
                                                                                         : 16)) /
                                 static_cast<double>(deepest);
                bool mixed = a >= 0.4 && a <= 1.05;
                for (const int shift : {0, 8, 16}) {
                    const double want = 255 - a * (255 - channel(colour, shift));
                    mixed = mixed && std::abs(want - channel(p, shift)) <= 25;
                }
                n += mixed ? 1 : 0;
            }
        }
        return n;
    }
};

class YearViewSquareTest : public YearViewTest {
protected:
    YearViewSquareTest() : YearViewTest(240, 240) {}
};

TEST_F(YearViewSquareTest, RowMovesCrossTheYearAndTheHalfYear) {
    struct Case {
        const char* name;
        void (*move)();
        LONG fromMonth;
        LONG wantMonth;
        LONG wantYear;
        LONG wantFirstHalf;
    } cases[] = {
        {"Down from October", YearViewNextRow, 10, 1, 2027, 1},
        {"Up from February", YearViewPrevRow, 2, 11, 2025, 0},
        {"Down from May into the second half", YearViewNextRow, 5, 8, 2026, 0},
        {"Left from January", YearViewPrevMonth, 1, 12, 2025, 0},
        {"Right from December", YearViewNextMonth, 12, 1, 2027, 1},
    };
    for (const Case& c : cases) {
        g_YearView.year = 2026;
        g_YearView.cursorMonth = c.fromMonth;
        c.move();
        EXPECT_EQ(g_YearView.cursorMonth, c.wantMonth) << c.name;
        EXPECT_EQ(g_YearView.year, c.wantYear) << c.name;
        EXPECT_EQ(g_YearView.firstHalf, c.wantFirstHalf) << c.name;
        EXPECT_GE(FindMonthBucket(c.wantYear, c.wantMonth), 0) << c.name << ": the month is loaded";
    }
}

TEST_F(YearViewTest, HitTestPutsTheCursorOnABlock) {
    RECT march{};
    ASSERT_TRUE(YearBlockRect(3, march));
    g_YearView.cursorMonth = 1;
    EXPECT_EQ(YearViewHitTest((march.left + march.right) / 2, (march.top + march.bottom) / 2), 1);
    EXPECT_EQ(g_YearView.cursorMonth, 3);
    RECT december{};
    ASSERT_TRUE(YearBlockRect(12, december));
    EXPECT_EQ(YearViewHitTest(10, december.bottom + 1), 0) << "below the last row";
    EXPECT_EQ(g_YearView.cursorMonth, 3);
}

TEST_F(YearViewTest, PickDateKeepsTheDayOnlyInTheSelectedMonth) {
    g_SelectedDate = DateRec(2026, 3, 10);
    g_YearView.year = 2026;
    g_YearView.cursorMonth = 3;
    YearViewPickDate();
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 3, 10)));
    g_YearView.cursorMonth = 7;
    YearViewPickDate();
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 7, 1)));
}

TEST_F(YearViewTest, DayColoursOfLoadedAndUnloadedMonths) {
    g_YearView.year = 2026;
    g_YearView.cursorMonth = 12;
    ReLoadApptPOOM(2026, 3, 0);  // an empty bucket: the month counts as loaded
    g_ApptCache.apptLists[FindMonthBucket(2026, 3)]->Append(Appt(1, u"Dentist", DateRec(2026, 3, 9, 9, 0), 60));
    g_ApptCache.curAppts = &appts_;
    g_ApptCache.curSpans = &spans_;
    Canvas canvas;
    PaintYearView(canvas.dc());
    RECT march{}, april{};
    ASSERT_TRUE(YearBlockRect(3, march));
    ASSERT_TRUE(YearBlockRect(4, april));
    EXPECT_GT(CountColour(canvas, march, kAppt), 0);
    EXPECT_GT(CountColour(canvas, march, kNothing), 0);
    EXPECT_EQ(CountColour(canvas, march, kNotLoaded), 0);
    EXPECT_GT(CountColour(canvas, april, kNotLoaded), 0);
    EXPECT_EQ(CountColour(canvas, april, kAppt), 0);
    EXPECT_EQ(g_ApptCache.curAppts, &appts_) << "the shown month's arrays come back";
    EXPECT_TRUE(canvas.Save(OutputFile("year_view.png")));
}

TEST_F(YearViewTest, SwitchWaitsForTheLoadThenTakesTheSelectedMonth) {
    g_ViewShown[ShownView::Year] = 0;
    ViewId = kViewMonth;
    ShowYearView();
    EXPECT_EQ(ViewId, kViewMonth) << "switched off";

    g_ViewShown[ShownView::Year] = 1;
    g_LoadState.allLoaded = 0;
    PendingViewCmd = -1;
    ShowYearView();
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(PendingViewCmd, 8) << "the view waits for the load";

    g_LoadState.allLoaded = 1;
    g_SelectedDate = DateRec(2027, 9, 5);
    ShowYearView();
    EXPECT_EQ(ViewId, kViewYear);
    EXPECT_EQ(g_YearView.year, 2027);
    EXPECT_EQ(g_YearView.cursorMonth, 9);
    PendingViewCmd = -1;
    g_LoadState = LoadState();
    g_ViewShown = ViewShownFlags();
    DestroyViewMenuBars();
}

class YearViewVgaTest : public YearViewTest {
protected:
    YearViewVgaTest() : YearViewTest(480, 640) {}
};

TEST_F(YearViewVgaTest, Screenshot) {
    Canvas canvas;
    PaintYearView(canvas.dc());
    EXPECT_TRUE(canvas.Save(OutputFile("year_view_vga.png")));
}

}  // namespace
