// The day bar: where a day's appointments lie along the hour scale, their colours, the spanning
// lines and arrow heads, the days that show no bar, and the current-time mark.
#include <gtest/gtest.h>

#include "calendar/day_bars.h"
#include "calendar_fixture.h"
#include "core/poom_session.h"
#include "core/theme_words.h"
#include "platform/time.h"
#include "ui/draw_prims.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGreyBar = 0x9A9A9A;
constexpr COLORREF kGreyLine = 0x999999;
// A bar of 240 pixels in row mode: 10 pixels an hour from 0 to 24; the canvas is 240 wide.
constexpr int kWidth = 242;
constexpr int kCanvasWidth = 240;
constexpr int kBarHeight = 8;
constexpr int kMidRow = 4;

class DayBarsTest : public CalendarTest {
protected:
    int Bar(Canvas& canvas, int draw, int day = 20, int greyed = 1) {
        return DrawApptBars(canvas.dc(), draw, 0, 0, kWidth, 40, 0, 0, 2026, 3, day, greyed, 1, kBarHeight, 0, 0);
    }
    // The grey segment pixels along the bar's middle row: first x and count.
    static std::pair<int, int> GreyRun(const Canvas& canvas) {
        int first = -1, count = 0;
        for (int x = 0; x < kCanvasWidth; ++x) {
            if (canvas.Pixel(x, kMidRow) != kGreyBar) continue;
            if (first < 0) first = x;
            ++count;
        }
        return {first, count};
    }
};

TEST_F(DayBarsTest, SegmentsAlongTheHourScale) {
    struct Case {
        const char* name;
        LONG barStart;
        DateRec start;
        LONG minutes;
        int first;
        int count;
    } cases[] = {
        {"45 minutes cover no whole hour: 1 pixel at 9", 0, DateRec(2026, 3, 20, 9, 30), 45, 90, 1},
        {"46 minutes count as the 9 o'clock hour", 0, DateRec(2026, 3, 20, 9, 30), 46, 90, 10},
        {"before the first hour: cut to the bar's start", 8, DateRec(2026, 3, 20, 6, 0), 180, 1, 15},
        {"ending at 23:50 counts as ending at 24", 0, DateRec(2026, 3, 20, 22, 0), 110, 220, 19},
    };
    for (const Case& c : cases) {
        appts_.RemoveAll();
        appts_.Append(Appt(1, u"Item", c.start, c.minutes));
        g_Settings.barStart = c.barStart;
        Canvas canvas;
        EXPECT_EQ(Bar(canvas, 1), 1) << c.name;
        const auto [first, count] = GreyRun(canvas);
        EXPECT_EQ(first, c.first) << c.name;
        EXPECT_EQ(count, c.count) << c.name;
    }
}

TEST_F(DayBarsTest, BarColourRule) {
    SetThemeWord(6, 0x203040);
    struct Case {
        const char* name;
        LONG statusColors;
        LONG catColors;
        bool category;
        COLORREF colour;
        COLORREF want;
    } cases[] = {
        {"plain: default bar item", 0, 0, false, 0x123456, 0x203040},
        {"busy status", 1, 0, false, 0x123456, GetViewColor(2)},
        {"category colour", 1, 1, true, 0x123456, 0x123456},
        {"a white category colour falls back", 0, 1, true, kWhite, 0x203040},
    };
    for (const Case& c : cases) {
        g_Settings.statusColors = c.statusColors;
        g_Settings.catColors = c.catColors;
        appts_.RemoveAll();
        ApptRecord appt = Appt(1, u"Item", DateRec(2026, 3, 20, 10, 0), 120);
        appt.busyStatus = 2;
        appt.colour = c.colour;
        if (c.category) appt.categories.Append(u"Work");
        appts_.Append(appt);
        Canvas canvas;
        Bar(canvas, 1, 20, 0);
        EXPECT_EQ(canvas.Pixel(105, kMidRow), c.want) << c.name;
    }
}

TEST_F(DayBarsTest, DaysThatShowNoBar) {
    appts_.Append(Appt(1, u"Secret", DateRec(2026, 3, 20, 9, 0), 60));
    appts_[0].sensitivity = 2;
    g_Settings.hidePrivate = 1;
    Canvas hidden;
    EXPECT_EQ(Bar(hidden, 1), 0);
    for (int x = 0; x < kCanvasWidth; ++x) EXPECT_EQ(hidden.Pixel(x, kMidRow), kWhite) << x;

    g_Settings.hidePrivate = 0;
    Canvas measured;
    EXPECT_EQ(Bar(measured, 0), 1);  // the measuring pass answers but paints nothing
    for (int x = 0; x < kCanvasWidth; ++x) EXPECT_EQ(measured.Pixel(x, kMidRow), kWhite) << x;

    g_ApptCache.curAppts = nullptr;
    Canvas none;
    EXPECT_EQ(Bar(none, 1), 0);
}

TEST_F(DayBarsTest, SpanningLineHasAnArrowAndNoBar) {
    appts_.Append(Appt(1, u"Night shift", DateRec(2026, 3, 20, 20, 0), 10 * 60));
    Canvas canvas;
    EXPECT_EQ(Bar(canvas, 1), 0);
    const int line = kBarHeight + 3;
    EXPECT_EQ(canvas.Pixel(220, line), kGreyLine);
    EXPECT_EQ(canvas.Pixel(kWidth - 2 - 3, line - 1), kGreyLine);
    EXPECT_EQ(canvas.Pixel(kWidth - 2 - 3, line + 1), kGreyLine);
    EXPECT_EQ(canvas.Pixel(100, kMidRow), kWhite);  // no frame, no work band
}

TEST_F(DayBarsTest, ItemFromTheDayBeforeShowsOnlyItsLineWithTheLeftHead) {
    StartPoomSession(g_Frame.mainWnd);
    LONG oid = 0;
    {
        PoomPtr<IDispatch> object;
        ASSERT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        SYSTEMTIME start = DateRec(2026, 3, 19, 20, 0);
        DATE when = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&start, &when));
        appt->put_Subject(u"Night shift");
        appt->put_Start(when);
        appt->put_Duration(10 * 60);
        ASSERT_EQ(appt->Save(), S_OK);
        appt->get_Oid(&oid);
    }
    TimeSpan span;
    span.start = DateRec(2026, 3, 19, 20, 0);
    span.minutes = 10 * 60;
    span.oid = oid;
    spans_.Append(span);
    Canvas canvas;
    EXPECT_EQ(Bar(canvas, 1), 0);
    const int line = kBarHeight + 3;
    EXPECT_EQ(canvas.Pixel(30, line), kGreyLine);          // from the bar's start to 06:00
    EXPECT_EQ(canvas.Pixel(2, line - 1), kGreyLine);       // the head at the left end
    EXPECT_NE(canvas.Pixel(59, line - 1), kGreyLine);      // none at the right end
    EXPECT_NE(canvas.Pixel(80, line), kGreyLine);
    EXPECT_EQ(canvas.Pixel(100, kMidRow), kWhite);         // no frame, no work band
    EndPoomSession();
}

TEST_F(DayBarsTest, EmptyHourRangeDrawsNothingInsteadOfDividingByZero) {
    appts_.Append(Appt(1, u"Item", DateRec(2026, 3, 20, 9, 0), 60));
    g_Settings.barStart = 10;
    g_Settings.barEnd = 10;
    Canvas canvas;
    EXPECT_EQ(Bar(canvas, 1), 0);
}

TEST_F(DayBarsTest, CurrentTimeMarkUsesTheHourOnly) {
    platform::testing::FreezeClock(SYSTEMTIME{2026, 3, 2, 10, 14, 59, 0, 0});
    SetThemeWord(1, 0x808080);
    appts_.Append(Appt(1, u"Item", DateRec(2026, 3, 10, 8, 0), 60));
    Canvas canvas;
    EXPECT_EQ(Bar(canvas, 1, 10, 0), 1);
    const COLORREF mark = DarkenColor(0x808080, 40);
    EXPECT_EQ(canvas.Pixel(140, 1), mark);
    EXPECT_EQ(canvas.Pixel(140, kBarHeight - 1), mark);
    EXPECT_NE(canvas.Pixel(150, 1), mark);
}

TEST_F(DayBarsTest, ArrowHeadsByEnds) {
    struct Case {
        int ends;
        bool atTo;
        bool atFrom;
    } cases[] = {{0, true, false}, {1, true, true}, {2, false, true}, {3, false, false}};
    for (const Case& c : cases) {
        Canvas canvas;
        DrawArrowLine(canvas.dc(), 10, 50, 20, c.ends, kGreyLine, true);
        EXPECT_EQ(canvas.Pixel(30, 20), kGreyLine) << c.ends;
        EXPECT_EQ(canvas.Pixel(48, 19) == kGreyLine && canvas.Pixel(48, 21) == kGreyLine, c.atTo) << c.ends;
        EXPECT_EQ(canvas.Pixel(11, 19) == kGreyLine && canvas.Pixel(11, 21) == kGreyLine, c.atFrom) << c.ends;
    }
    Canvas vertical;
    DrawArrowLine(vertical.dc(), 10, 50, 20, 0, kGreyLine, false);
    EXPECT_EQ(vertical.Pixel(20, 30), kGreyLine);
    EXPECT_EQ(vertical.Pixel(19, 48), kGreyLine);
}

}  // namespace
