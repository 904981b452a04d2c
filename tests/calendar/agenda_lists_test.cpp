// The Day and Dates lists of the agenda view window over a month read from the PIM store: their
// rows, the hit test, the selection steps across rows and days, and the empty list.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/dates_list.h"
#include "agenda_fixture.h"

namespace {

using agendatest::AgendaTest;
using loadtest::NewAppt;

class AgendaLists : public AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        lunch_ = AddAppt({u"Lunch", DateRec(2009, 3, 10, 13, 0), 60});
        standup_ = AddAppt({u"Standup", DateRec(2009, 3, 10, 9, 0), 30});
        review_ = AddAppt({u"Review", DateRec(2009, 3, 12, 15, 0), 45});
        AddBirthday(u"Ann Lee", 1979, 3, 10, kAnnContact);
        LoadMonth();
        CreateAgendaViewWnd(parent_);
        ASSERT_NE(g_Agenda.wnd, nullptr);
    }

    // Steps with the given operation until it reports no move; the current items in turn.
    template <class Step>
    static std::vector<LONG> StepAll(Step step) {
        std::vector<LONG> seen;
        while (step() == 1) seen.push_back(g_Frame.selection.oid);
        return seen;
    }

    static constexpr LONG kAnnContact = 4242;
    LONG lunch_ = -1, standup_ = -1, review_ = -1;
};

TEST_F(AgendaLists, DayRowsAreAnniversariesThenAppointmentsByStart) {
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 3u);
    const LONG oids[] = {kAnnContact, standup_, lunch_};
    const LONG kinds[] = {kItemContact, kItemAppt, kItemAppt};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].oid, oids[i]) << i;
        EXPECT_EQ(rows[i].kind, kinds[i]) << i;
        if (i > 0) {
            EXPECT_GE(rows[i].top, rows[i - 1].top + rows[i - 1].height) << "rows overlap";
        }
    }
    EXPECT_TRUE(DayRows(DateRec(2009, 3, 11)).empty());
}

TEST_F(AgendaLists, HitTestMakesTheTappedRowCurrentAndMissesBelowTheList) {
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 3u);
    const DayRowSpot& lunch = rows[2];
    EXPECT_EQ(DayListHitTest(20, lunch.top + lunch.height / 2, kDayListTop, g_SelectedDate), 1);
    EXPECT_EQ(g_Frame.selection.oid, lunch_);
    EXPECT_EQ(g_Frame.selection.kind, kItemAppt);
    EXPECT_EQ(g_Agenda.selRowPos, lunch.top);

    EXPECT_EQ(DayListHitTest(20, lunch.top + lunch.height + 200, kDayListTop, g_SelectedDate), 0);
    EXPECT_EQ(g_Frame.selection.oid, lunch_) << "a miss keeps the selection";
    EXPECT_EQ(DayListHitTest(20, 5000, kDayListTop, g_SelectedDate), 0) << "beyond the layout limit";
}

TEST_F(AgendaLists, DaySelectionStepsDownAndUpAndStopsAtTheEnds) {
    ASSERT_EQ(SelectFirstDayItem(), 1);
    EXPECT_EQ(g_Frame.selection.oid, kAnnContact);
    const std::vector<LONG> down = StepAll([] {
        bool found = false;
        return SelectNextDayItem(kDayListTop, g_SelectedDate, found);
    });
    EXPECT_EQ(down, (std::vector<LONG>{standup_, lunch_}));
    EXPECT_EQ(g_Frame.selection.oid, lunch_) << "the last row stays current";
    const std::vector<LONG> up = StepAll([] {
        PrevDayItem previous;
        return SelectPrevDayItem(kDayListTop, g_SelectedDate, previous);
    });
    EXPECT_EQ(up, (std::vector<LONG>{standup_, kAnnContact}));
}

TEST_F(AgendaLists, DatesSelectionCrossesDaysAndLeavesTheLastItem) {
    g_Frame.selection = GlobalSelection{};
    g_Agenda.selRowPos = -1;
    const std::vector<LONG> down = StepAll([] { return SelectNextDatesItem(); });
    EXPECT_EQ(down, (std::vector<LONG>{kAnnContact, standup_, lunch_, review_}));
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2009, 3, 12))) << "the item's day becomes the selected date";
    const LONG reviewPos = g_Agenda.selRowPos;
    EXPECT_EQ(SelectNextDatesItem(), 0);
    EXPECT_EQ(g_Frame.selection.oid, review_);
    EXPECT_EQ(g_Agenda.selRowPos, reviewPos);

    EXPECT_EQ(SelectPrevDatesItem(), 1);
    EXPECT_EQ(g_Frame.selection.oid, lunch_) << "back across the empty 11th";
}

TEST_F(AgendaLists, DatesHitTestFindsARowOfALaterDay) {
    // The Review row lies below the 10th's rows: step to it to learn its place, then tap there.
    while (g_Frame.selection.oid != review_ && SelectNextDatesItem() == 1) {
    }
    ASSERT_EQ(g_Frame.selection.oid, review_);
    const LONG top = g_Agenda.selRowPos;
    g_Frame.selection = GlobalSelection{};
    EXPECT_EQ(DatesListHitTest(20, top + 2), 1);
    EXPECT_EQ(g_Frame.selection.oid, review_);
}

class EmptyDates : public AgendaTest {};

TEST_F(EmptyDates, EmptySpanShowsTheNoticeOnlyWhenEmptyDaysAreSkipped) {
    LoadMonth();
    CreateAgendaViewWnd(parent_);
    HDC dc = GetDC(g_Agenda.wnd);
    g_Settings.skipEmpty = 1;
    const int skipped = DrawDatesList(dc, 0);
    EXPECT_EQ(skipped, kDayListTop + g_Settings.fontSize + 5) << "the notice line alone";
    g_Settings.skipEmpty = 0;
    const int headers = DrawDatesList(dc, 0);
    EXPECT_GT(headers, skipped + 8 * 10) << "eight day headers, and no notice";
    ReleaseDC(g_Agenda.wnd, dc);
    EXPECT_EQ(SelectNextDatesItem(), 0);
    EXPECT_EQ(g_Frame.selection.oid, kNoOid);
}

}  // namespace
