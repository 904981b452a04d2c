// The drawn Day list's earlier multi-day rows: on every later day the span covers, in the walks as
// in the painter; taps and steps reach them; a span that no longer loads ends the section; the
// current row's overlay and scrolling it into view, with Up on the first item going to the top.
#include <gtest/gtest.h>

#include "calendar/day_spans.h"
#include "core/poom_session.h"
#include "agenda_fixture.h"

namespace {

using agendatest::AgendaTest;
using loadtest::NewAppt;

constexpr COLORREF kSelectionFill = 0x00A0F0;
constexpr int kThemeWordSelFill = 0;
constexpr int kLongDayAppts = 30;

class DaySpans : public AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        savedSel_ = GetThemeWord(kThemeWordSelFill);
        SetThemeWord(kThemeWordSelFill, static_cast<LONG>(kSelectionFill));
        trip_ = AddAppt({u"Trip", DateRec(2009, 3, 8, 14, 0), 3 * 24 * 60});
        standup_ = AddAppt({u"Standup", DateRec(2009, 3, 10, 9, 0), 30});
        LoadMonth();
    }
    void TearDown() override {
        SetThemeWord(kThemeWordSelFill, savedSel_);
        AgendaTest::TearDown();
    }

    static std::vector<LONG> Oids(const std::vector<DayRowSpot>& rows) {
        std::vector<LONG> oids;
        for (const DayRowSpot& row : rows) oids.push_back(row.oid);
        return oids;
    }

    LONG trip_ = -1, standup_ = -1;
    LONG savedSel_ = 0;
};

TEST_F(DaySpans, EarlierSpanRowsComeBeforeTheDaysOwnAppointments) {
    ShowDayView(1, 1);
    const std::vector<LONG> first = Oids(DayRows(DateRec(2009, 3, 8)));
    EXPECT_EQ(first, std::vector<LONG>{trip_}) << "its first day: a row of its own start";
    EXPECT_EQ(Oids(DayRows(DateRec(2009, 3, 9))), std::vector<LONG>{trip_});
    EXPECT_EQ(Oids(DayRows(DateRec(2009, 3, 10))), (std::vector<LONG>{trip_, standup_}));
    EXPECT_EQ(Oids(DayRows(DateRec(2009, 3, 11))), std::vector<LONG>{trip_});
    EXPECT_TRUE(DayRows(DateRec(2009, 3, 12)).empty());
}

TEST_F(DaySpans, TapsAndStepsReachTheSpanRow) {
    g_CurItem.rowTop = -1;
    ShowDayView(0, 1);
    EXPECT_EQ(g_CurItem.oid, trip_) << "the day's first item is the earlier span";
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 2u);
    bool found = false;
    EXPECT_EQ(SelectNextDayItem(kDayListTop, g_SelectedDate, found), 1);
    EXPECT_EQ(g_CurItem.oid, standup_);
    EXPECT_EQ(DayListHitTest(20, rows[0].top + 2, kDayListTop, g_SelectedDate), 1);
    EXPECT_EQ(g_CurItem.oid, trip_);
    EXPECT_EQ(g_CurItem.rowTop, rows[0].top);
}

TEST_F(DaySpans, SpanThatNoLongerLoadsEndsTheSection) {
    const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), trip_, IID_IAppointment);
    ASSERT_TRUE(appt);
    g_ChangeMarks.ownChange = 1;
    appt->Delete();
    ShowDayView(1, 1);
    EXPECT_EQ(Oids(DayRows(g_SelectedDate)), std::vector<LONG>{standup_}) << "still in the cache, but gone";
}

TEST_F(DaySpans, SelectedRowOverlayIsDrawnOverTheCachedList) {
    g_CurItem.rowTop = -1;
    ShowDayView(0, 1);
    ASSERT_EQ(g_CurItem.oid, trip_);
    HDC dc = GetDC(g_Agenda.wnd);
    PaintAgendaView(dc);
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    RECT rc{};
    GetClientRect(g_Agenda.wnd, &rc);
    const int y = rows[0].top + 2;
    EXPECT_EQ(GetPixel(dc, rc.right - 6, y), kSelectionFill) << "the current row in its selected look";
    EXPECT_NE(GetPixel(dc, rc.right - 6, rows[1].top + 2), kSelectionFill);
    EXPECT_NE(GetPixel(g_Agenda.listBuffer.memDC, rc.right - 6, y), kSelectionFill) << "the cache stays unselected";
    ReleaseDC(g_Agenda.wnd, dc);
}

TEST_F(DaySpans, CurrentRowIsScrolledIntoViewAndUpOnTheFirstGoesToTheTop) {
    for (int i = 0; i < kLongDayAppts; ++i) AddAppt({u"Block", DateRec(2009, 3, 10, 10, i), 1});
    LoadMonth();
    ShowDayView(1, 1);
    ASSERT_GT(GetViewScrollRangeMax(), 0);
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    RECT rc{};
    GetClientRect(g_Agenda.wnd, &rc);
    g_CurItem.oid = rows.back().oid;
    g_CurItem.kind = kItemAppt;
    g_CurItem.rowTop = rows.back().top;
    ScrollToCurrentAppt(0);
    const int position = GetViewScrollPos();
    EXPECT_GE(rows.back().top, position);
    EXPECT_LE(rows.back().top + rows.back().height, position + rc.bottom);

    g_CurItem.oid = rows[0].oid;
    g_CurItem.rowTop = rows[0].top;
    SetViewScrollPos(40);
    ScrollToCurrentAppt(0);
    EXPECT_EQ(GetViewScrollPos(), 0) << "a row on the first screen scrolls to the very top";

    SetViewScrollPos(40);
    AgendaViewKeyDown(VK_UP);
    EXPECT_EQ(g_CurItem.oid, rows[0].oid) << "Up on the first item keeps it";
    EXPECT_EQ(GetViewScrollPos(), 0);
}

}  // namespace
