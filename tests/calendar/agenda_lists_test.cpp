// The Day and Dates lists of the agenda view window over a month read from the PIM store: their
// rows, the hit test, the selection steps across rows and days, and the empty list.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/dates_list.h"
#include "core/tsk_loading.h"
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
        while (step() == 1) seen.push_back(g_CurItem.oid);
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
    EXPECT_EQ(g_CurItem.oid, lunch_);
    EXPECT_EQ(g_CurItem.kind, kItemAppt);
    EXPECT_EQ(g_CurItem.rowTop, lunch.top);

    EXPECT_EQ(DayListHitTest(20, lunch.top + lunch.height + 200, kDayListTop, g_SelectedDate), 0);
    EXPECT_EQ(g_CurItem.oid, lunch_) << "a miss keeps the selection";
    EXPECT_EQ(DayListHitTest(20, 5000, kDayListTop, g_SelectedDate), 0) << "beyond the layout limit";
}

TEST_F(AgendaLists, DaySelectionStepsDownAndUpAndStopsAtTheEnds) {
    ASSERT_EQ(SelectFirstDayItem(), 1);
    EXPECT_EQ(g_CurItem.oid, kAnnContact);
    const std::vector<LONG> down = StepAll([] {
        bool found = false;
        return SelectNextDayItem(kDayListTop, g_SelectedDate, found);
    });
    EXPECT_EQ(down, (std::vector<LONG>{standup_, lunch_}));
    EXPECT_EQ(g_CurItem.oid, lunch_) << "the last row stays current";
    const std::vector<LONG> up = StepAll([] {
        PrevDayItem previous;
        return SelectPrevDayItem(kDayListTop, g_SelectedDate, previous);
    });
    EXPECT_EQ(up, (std::vector<LONG>{standup_, kAnnContact}));
}

TEST_F(AgendaLists, DatesSelectionCrossesDaysAndLeavesTheLastItem) {
    ResetSelection();
    g_CurItem.rowTop = -1;
    const std::vector<LONG> down = StepAll([] { return SelectNextDatesItem(); });
    EXPECT_EQ(down, (std::vector<LONG>{kAnnContact, standup_, lunch_, review_}));
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2009, 3, 12))) << "the item's day becomes the selected date";
    const LONG reviewPos = g_CurItem.rowTop;
    EXPECT_EQ(SelectNextDatesItem(), 0);
    EXPECT_EQ(g_CurItem.oid, review_);
    EXPECT_EQ(g_CurItem.rowTop, reviewPos);

    EXPECT_EQ(SelectPrevDatesItem(), 1);
    EXPECT_EQ(g_CurItem.oid, lunch_) << "back across the empty 11th";
}

// With the theme's title gradient on, the line closing the anniversaries fades along its length.
TEST_F(AgendaLists, AnniversaryCloseLineFollowsTheTitleGradient) {
    constexpr int kWords[] = {kThemeTitlePrimary, kThemeTitleSecondary, kThemeTitleGradient};
    LONG saved[std::size(kWords)] = {};
    for (std::size_t i = 0; i < std::size(kWords); ++i) saved[i] = GetThemeWord(kWords[i]);
    SetThemeWord(kThemeTitlePrimary, 0x0000FF);
    SetThemeWord(kThemeTitleSecondary, 0x00FF00);
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows[0].kind, kItemContact);
    const int lineY = rows[0].top + rows[0].height + g_Agenda.headerGap + 2;
    RECT client{};
    GetClientRect(g_Agenda.wnd, &client);
    HDC screen = GetDC(g_Agenda.wnd);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    for (const LONG gradient : {0, 1}) {
        SetThemeWord(kThemeTitleGradient, gradient);
        LONG first = 1;
        DrawDayList(canvas, g_SelectedDate, kDayListTop, first, 0, 1);
        const COLORREF leftEnd = GetPixel(canvas, client.left + 8, lineY);
        const COLORREF rightEnd = GetPixel(canvas, client.right - 8, lineY);
        if (gradient) {
            EXPECT_NE(leftEnd, rightEnd) << "a gradient line";
        } else {
            EXPECT_EQ(leftEnd, 0x00FF00u);
            EXPECT_EQ(rightEnd, 0x00FF00u);
        }
    }
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(g_Agenda.wnd, screen);
    for (std::size_t i = 0; i < std::size(kWords); ++i) SetThemeWord(kWords[i], saved[i]);
}

TEST_F(AgendaLists, DatesHitTestFindsARowOfALaterDay) {
    // The Review row lies below the 10th's rows: step to it to learn its place, then tap there.
    while (g_CurItem.oid != review_ && SelectNextDatesItem() == 1) {
    }
    ASSERT_EQ(g_CurItem.oid, review_);
    const LONG top = g_CurItem.rowTop;
    ResetSelection();
    EXPECT_EQ(DatesListHitTest(20, top + 2), 1);
    EXPECT_EQ(g_CurItem.oid, review_);
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
    EXPECT_EQ(g_CurItem.oid, kNoId);
}

}  // namespace

namespace {

class DayTasks : public AgendaTest {
protected:
    void SetUp() override {
        AgendaTest::SetUp();
        LoadMonth();
        CreateAgendaViewWnd(parent_);
    }

    static TskRecord Task(LONG oid, bool hasDue, const DateRec& due, bool complete = false) {
        TskRecord task;
        task.oid = oid;
        task.hasDue = hasDue ? 1 : 0;
        task.due = due;
        task.complete = complete ? 1 : 0;
        return task;
    }

    static bool Listed(const TskRecord& task, const DateRec& day) {
        g_TskList.RemoveAll();
        g_TskList.InsertAt(g_TskList.Size(), task);
        for (const DayRowSpot& row : DayRows(day)) {
            if (row.kind == kItemTask && row.oid == task.oid) return true;
        }
        return false;
    }
};

TEST_F(DayTasks, TaskDaysFollowTheDueOverdueAndUndatedRules) {
    const DateRec today(2009, 3, 10), yesterday(2009, 3, 9), tomorrow(2009, 3, 11);
    struct Case {
        const char* what;
        TskRecord task;
        DateRec day;
        LONG overdueToday, datedOnly, scheduleTasks;
        bool listed;
    } const cases[] = {
        {"due on the day", Task(1, true, tomorrow), tomorrow, 1, 1, 0, true},
        {"not on another day", Task(2, true, tomorrow), today, 1, 1, 0, false},
        {"overdue open task on today", Task(3, true, yesterday), today, 1, 1, 0, true},
        {"overdue only on today", Task(4, true, yesterday), tomorrow, 1, 1, 0, false},
        {"overdue without the setting", Task(5, true, yesterday), today, 0, 1, 0, false},
        {"overdue but complete", Task(6, true, yesterday, true), today, 1, 1, 0, false},
        {"undated with dated-only", Task(7, false, today), today, 1, 1, 0, false},
        {"undated on today without dated-only", Task(8, false, today), today, 1, 0, 0, true},
        {"undated never on other days", Task(9, false, today), tomorrow, 1, 0, 0, false},
        {"tasks left to the schedule", Task(10, true, today), today, 1, 1, 1, false},
    };
    for (const Case& c : cases) {
        g_Settings.overdueToday = c.overdueToday;
        g_Settings.datedOnly = c.datedOnly;
        g_Settings.scheduleTasks = c.scheduleTasks;
        EXPECT_EQ(Listed(c.task, c.day), c.listed) << c.what;
    }
    g_TskList.RemoveAll();
}

TEST_F(DayTasks, TasksFollowTheAppointmentsAndTheDeferredHeaderComesWithThem) {
    const LONG appt = AddAppt({u"Call", DateRec(2009, 3, 10, 8, 0), 15});
    LoadMonth();
    g_TskList.InsertAt(g_TskList.Size(), Task(77, true, DateRec(2009, 3, 10)));
    const std::vector<DayRowSpot> rows = DayRows(g_SelectedDate);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].oid, appt);
    EXPECT_EQ(rows[1].kind, kItemTask);
    EXPECT_GT(rows[1].top, rows[0].top + rows[0].height) << "below the divider";
    // With SKIPEMPTY a day whose only row is a task still gets its header above that row.
    HDC dc = GetDC(g_Agenda.wnd);
    LONG first = 1;
    const DateRec tomorrow(2009, 3, 11);
    EXPECT_EQ(DrawDayList(dc, tomorrow, kDayListTop, first, 1, 0), kDayListTop) << "an empty day has no header";
    g_TskList.InsertAt(g_TskList.Size(), Task(78, true, tomorrow));
    EXPECT_GT(DrawDayList(dc, tomorrow, kDayListTop, first, 1, 0), kDayListTop + g_Settings.fontSize + 6);
    ReleaseDC(g_Agenda.wnd, dc);
    g_TskList.RemoveAll();
}

}  // namespace
