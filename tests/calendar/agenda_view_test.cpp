// The agenda view window: the switches into the Day and Dates views and the appointment preview,
// scrolling by line, page key and scroll request, keys, painting checked on pixels, and screenshots.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/agenda_text.h"
#include "calendar/appt_preview.h"
#include "calendar/dates_list.h"
#include "core/date_text.h"
#include "platform/controls.h"
#include "agenda_fixture.h"

namespace {

using agendatest::AgendaTest;
using loadtest::NewAppt;

constexpr int kLongDayAppts = 30;

class AgendaView : public AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        standup_ = AddAppt({u"Standup", DateRec(2009, 3, 10, 9, 0), 30});
        LoadMonth();
    }

    // A day of many appointments, taller than the window.
    void FillLongDay() {
        for (int i = 0; i < kLongDayAppts; ++i) AddAppt({u"Block", DateRec(2009, 3, 11, 8, i), 1});
        LoadMonth();
    }

    // Pixels of the busy colour's red, blended or not by the text's smoothing.
    static int CountRedPixels(HDC dc, const RECT& area) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                count += GetRValue(c) >= 0x80 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60 ? 1 : 0;
            }
        }
        return count;
    }

    LONG standup_ = -1;
};

TEST_F(AgendaView, DayViewOpensWithTheFirstItemSelectedAndPaintsIt) {
    ShowDayView(0, 1);
    ASSERT_NE(g_Agenda.wnd, nullptr);
    EXPECT_EQ(g_Agenda.created, 1);
    EXPECT_EQ(ViewId, kViewDay);
    EXPECT_EQ(g_CurItem.oid, standup_) << "nothing was selected: the day's first item";
    EXPECT_EQ(GetViewScrollRangeMax(), 0) << "one row fits";

    HDC dc = GetDC(g_Agenda.wnd);
    PaintAgendaView(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    const OffscreenBuffer& buffer = g_Agenda.listBuffer;
    ASSERT_EQ(buffer.drawn, 1);
    EXPECT_EQ(GetPixel(buffer.memDC, buffer.width - 2, buffer.height - 2), agendatest::kBackground);
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 1u);
    const RECT row{0, rows[0].top, buffer.width, rows[0].top + rows[0].height};
    EXPECT_GT(CountRedPixels(buffer.memDC, row), 40) << "time and subject in the busy colour";
    const RECT below{0, row.bottom + 1, buffer.width, buffer.height};
    EXPECT_EQ(CountRedPixels(buffer.memDC, below), 0);
    EXPECT_TRUE(platform::testing::SaveDcAsPng(buffer.memDC, Shot("agenda_day_view.png")));
}

TEST_F(AgendaView, DatesViewPaintsAndIsScreenshot) {
    AddBirthday(u"Ann Lee", 1979, 3, 10, 4242);
    AddAppt({u"Quarterly review with the whole team in the large room", DateRec(2009, 3, 12, 15, 0), 45});
    LoadMonth();
    ShowDatesView(1, 1);
    EXPECT_EQ(ViewId, kViewDates);
    HDC dc = GetDC(g_Agenda.wnd);
    PaintAgendaView(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    ASSERT_EQ(g_Agenda.listBuffer.drawn, 1);
    EXPECT_TRUE(platform::testing::SaveDcAsPng(g_Agenda.listBuffer.memDC, Shot("agenda_dates_view.png")));
}

TEST_F(AgendaView, SwitchesWaitWhileTheMonthIsLoading) {
    g_ApptCache.loaded = 0;
    ShowDayView(0, 1);
    EXPECT_EQ(ViewId, kViewMonth);
    EXPECT_EQ(g_Agenda.wnd, nullptr);
    g_ApptCache.loaded = 1;
    g_ViewShown[ShownView::Dates] = 0;
    ShowDatesView(0, 1);
    EXPECT_EQ(ViewId, kViewMonth) << "the Dates view is switched off";
    g_ViewShown = ViewShownFlags();
}

TEST_F(AgendaView, ShortContentHasNoRangeSoScrollingLeavesTheTop) {
    ShowDayView(1, 1);
    ASSERT_EQ(GetViewScrollRangeMax(), 0);
    ScrollAgendaDown();
    AgendaScrollKey('R');
    AgendaViewVScroll(SB_LINEDOWN);
    EXPECT_EQ(GetViewScrollPos(), 0);
}

TEST_F(AgendaView, LongDayScrollsByLineAndPageWithinItsRange) {
    FillLongDay();
    g_SelectedDate = DateRec(2009, 3, 11);
    ShowDayView(1, 1);
    const int maximum = GetViewScrollRangeMax();
    ASSERT_GT(maximum, 200);
    struct Step {
        void (*act)();
        int position;
    } const steps[] = {
        {[] { ScrollAgendaDown(); }, 18},
        {[] { AgendaViewVScroll(SB_PAGEDOWN); }, 36},
        {[] { AgendaViewVScroll(SB_THUMBTRACK); }, 36},  // thumb dragging does not scroll
        {[] { EXPECT_EQ(AgendaScrollKey('3'), 1); }, 176},
        {[] { EXPECT_EQ(AgendaScrollKey('w'), 1); }, 36},
        {[] { EXPECT_EQ(AgendaScrollKey('W'), 1); }, 0},  // not above the top
        {[] { ScrollAgendaUp(); }, 0},
        {[] { EXPECT_EQ(AgendaScrollKey('x'), 0); }, 0},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(GetViewScrollPos(), step.position);
    }
    for (int i = 0; i < 100; ++i) AgendaScrollKey('r');
    EXPECT_EQ(GetViewScrollPos(), maximum) << "not beyond the range";
    RelayoutAgendaView();
    EXPECT_EQ(GetViewScrollPos(), 0) << "every relayout returns to the top";
}

TEST_F(AgendaView, DownKeyScrollsTheCurrentRowIntoView) {
    FillLongDay();
    g_SelectedDate = DateRec(2009, 3, 11);
    ShowDayView(1, 1);
    for (int i = 0; i < kLongDayAppts; ++i) AgendaViewKeyDown(VK_DOWN);
    RECT rc{};
    GetClientRect(g_Agenda.wnd, &rc);
    EXPECT_GT(GetViewScrollPos(), 0);
    EXPECT_GE(g_CurItem.rowTop, GetViewScrollPos());
    EXPECT_LT(g_CurItem.rowTop, GetViewScrollPos() + rc.bottom);
}

TEST_F(AgendaView, EnterOpensThePreviewAndLeftReturnsToTheDay) {
    ShowDayView(0, 1);
    ASSERT_EQ(g_CurItem.oid, standup_);
    AgendaViewKeyDown(VK_RETURN);
    EXPECT_EQ(ViewId, kViewApptPreview);
    HDC dc = GetDC(g_Agenda.wnd);
    EXPECT_GT(DrawApptPreview(dc, 0), 22) << "the whole appointment, not the notice";
    PaintAgendaView(dc);
    ReleaseDC(g_Agenda.wnd, dc);
    ASSERT_EQ(g_Agenda.previewBuffer.drawn, 1);
    EXPECT_TRUE(platform::testing::SaveDcAsPng(g_Agenda.previewBuffer.memDC, Shot("agenda_appt_preview.png")));
    AgendaViewKeyDown(VK_LEFT);
    EXPECT_EQ(ViewId, kViewDay);
    EXPECT_EQ(g_CurItem.oid, standup_);
}

TEST_F(AgendaView, PreviewWithoutAnItemOrOfAMissingItemShowsOneLine) {
    ShowApptPreview(1);
    EXPECT_EQ(ViewId, kViewMonth) << "no current item: no preview";
    CreateAgendaViewWnd(parent_);
    HDC dc = GetDC(g_Agenda.wnd);
    EXPECT_EQ(DrawApptPreview(dc, 0), 22);
    g_CurItem.oid = standup_ + 1000;
    g_CurItem.kind = kItemAppt;
    EXPECT_EQ(DrawApptPreview(dc, 0), 22) << "an item no longer in the store";
    ReleaseDC(g_Agenda.wnd, dc);
}

}  // namespace

namespace {

TEST_F(AgendaView, DoubleTapOnARowOpensItsPreviewAndEnterThereFallsBackWithoutTheDialog) {
    ShowDayView(1, 1);
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(AgendaViewDblTap(MAKELPARAM(20, rows[0].top + 200)), 0) << "below the rows";
    EXPECT_EQ(ViewId, kViewDay);
    EXPECT_EQ(AgendaViewDblTap(MAKELPARAM(20, rows[0].top + 2)), 1);
    EXPECT_EQ(ViewId, kViewApptPreview);
    EXPECT_EQ(g_CurItem.oid, standup_);
    // The Associated Items dialog cannot be shown here, so a double tap goes back to the Day view.
    EXPECT_EQ(AgendaViewDblTap(MAKELPARAM(20, 20)), 1);
    EXPECT_EQ(ViewId, kViewDay);
}

TEST_F(AgendaView, PreviewTimeLineOnEachDayOfASpan) {
    g_Settings.hours24 = 1;
    ApptRecord night;
    night.start = DateRec(2009, 3, 10, 22, 0);
    night.duration = 4 * 60;
    ApptRecord threeDays;
    threeDays.allDay = 1;
    threeDays.start = DateRec(2009, 3, 10);
    threeDays.duration = 3 * 24 * 60;
    ApptRecord oneDay = threeDays;
    oneDay.duration = 24 * 60;
    std::u16string lastDay;
    FormatShortDate(lastDay, DateRec(2009, 3, 12));
    std::u16string start, end;
    FormatApptStart(night, start, true, false);
    FormatApptEnd(night, end, true, false);
    ApptRecord timed;
    timed.start = DateRec(2009, 3, 10, 9, 0);
    timed.duration = 30;
    std::u16string range;
    FormatApptTimeRange(timed, range, true);
    struct Case {
        const ApptRecord* appt;
        DateRec shown;
        bool icon;
        std::u16string before;
        int glyph;
        std::u16string after;
    } const cases[] = {
        {&timed, DateRec(2009, 3, 10), false, range, -1, u""},
        {&night, DateRec(2009, 3, 10), false, start, 0, u""},
        {&night, DateRec(2009, 3, 11), false, u"", 2, end},
        {&oneDay, DateRec(2009, 3, 10), true, u"All Day", -1, u""},
        {&threeDays, DateRec(2009, 3, 11), true, u"All Day - Ends: " + lastDay, -1, u""},
    };
    for (const Case& c : cases) {
        g_SelectedDate = c.shown;
        const PreviewTimeLine line = FormatPreviewTimeLine(*c.appt);
        EXPECT_EQ(line.busyIcon, c.icon) << c.shown.wDay;
        EXPECT_EQ(line.before, c.before) << c.shown.wDay;
        EXPECT_EQ(line.glyph, c.glyph) << c.shown.wDay;
        EXPECT_EQ(line.after, c.after) << c.shown.wDay;
    }
}

TEST_F(AgendaView, PreviewTimeLineDrawsTheBusyIconBeforeAllDay) {
    ApptRecord allDay;
    allDay.allDay = 1;
    allDay.start = DateRec(2009, 3, 10);
    allDay.duration = 24 * 60;
    allDay.busyStatus = kBusyStatusBusy;
    g_SelectedDate = allDay.start;
    HDC screen = GetDC(parent_);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 40);
    ReleaseDC(parent_, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT all{0, 0, 240, 40};
    HBRUSH white = CreateSolidBrush(0xFFFFFF);
    FillRect(dc, &all, white);
    DeleteObject(white);
    HGDIOBJ oldFont = SelectObject(dc, g_Main.themeFonts[kFontNormal]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    DrawPreviewTimeLine(dc, 4, allDay);
    const int textWidth = AgendaTextWidth(dc, u"All Day");
    int rightmost = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x)
            if (GetPixel(dc, x, y) != 0xFFFFFF) rightmost = std::max(rightmost, x);
    // The icon stands in front, so the text ends further right than it would alone.
    EXPECT_GT(rightmost, 8 + textWidth + 2);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(AgendaView, RowColoursFollowStatusCategoryAndEndedSettings) {
    ApptRecord appt;
    appt.start = DateRec(2009, 3, 10, 12, 0);  // after the frozen 10:00
    appt.duration = 30;
    appt.busyStatus = kBusyStatusBusy;
    appt.colour = 0x00AA00;
    ApptRecord ended = appt;
    ended.start = DateRec(2009, 3, 10, 8, 0);
    ApptRecord filed = appt;
    filed.categories.InsertAt(0, u"Work");
    struct Case {
        const char* what;
        const ApptRecord* appt;
        LONG statusColors, catColors, grayOutPrev;
        COLORREF subject;
    } const cases[] = {
        {"busy colour", &appt, 1, 0, 0, agendatest::kBusyColour},
        {"primary text without status colours", &appt, 0, 0, 0, agendatest::kPrimaryText},
        {"no category: no category colour", &appt, 1, 1, 0, agendatest::kBusyColour},
        {"category colour", &filed, 1, 1, 0, 0x00AA00},
        {"ended and greyed on a light background", &ended, 1, 1, 1, 0x646455},
        {"ended but not greyed", &ended, 1, 0, 0, agendatest::kBusyColour},
    };
    for (const Case& c : cases) {
        g_Settings.statusColors = c.statusColors;
        g_Settings.catColors = c.catColors;
        g_Settings.grayOutPrev = c.grayOutPrev;
        EXPECT_EQ(GetApptBarColor(*c.appt), c.subject) << c.what;
    }
}

}  // namespace

namespace {

// One column of the agenda window's pixels as the screen shows them.
std::vector<COLORREF> ScreenColumn(HWND window, int x) {
    RECT rc{};
    GetClientRect(window, &rc);
    std::vector<COLORREF> column;
    for (int y = 0; y < rc.bottom; ++y) {
        POINT pt{x, y};
        ClientToScreen(window, &pt);
        column.push_back(platform::testing::ReadScreenPixel(pt.x, pt.y));
    }
    return column;
}

TEST_F(AgendaView, PageKeyShowsTheScrolledRowsOnTheScreen) {
    FillLongDay();
    g_SelectedDate = DateRec(2009, 3, 11);
    ShowDayView(1, 1);
    platform::testing::PumpUntilIdle();
    const std::vector<COLORREF> before = ScreenColumn(g_Agenda.wnd, 10);
    ASSERT_EQ(AgendaScrollKey('R'), 1);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(GetViewScrollPos(), 140);
    EXPECT_NE(ScreenColumn(g_Agenda.wnd, 10), before) << "the scrolled rows are on the screen";
}

}  // namespace
