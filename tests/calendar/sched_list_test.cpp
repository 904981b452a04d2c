// The schedule list: the rows of a day and of the Dates span in their order, multi-day appointments
// on every day they cover, the task rules, the "no items" row, selection and the check-area tap that
// completes a task in the PIM store.
#include <gtest/gtest.h>

#include "calendar/sched_rows.h"
#include "core/appt_readers.h"
#include "core/poom_session.h"
#include "platform/commctrl.h"
#include "sched_fixture.h"

namespace {

using loadtest::NewAppt;
using loadtest::NewTask;
using schedtest::RowSeen;
using schedtest::SchedTest;

constexpr LONG kContact = 4242;
constexpr LONG kConferenceMinutes = 2 * 24 * 60;

class SchedList : public SchedTest {
protected:
    void SetUp() override {
        SchedTest::SetUp();
        AddBirthday(u"Ann Lee", 1979, 3, 10, kContact);
        conference_ = AddAppt({u"Conference", DateRec(2009, 3, 9, 10, 0), kConferenceMinutes});
        lunch_ = AddAppt({u"Lunch", DateRec(2009, 3, 10, 12, 0), 60});
        standup_ = AddAppt({u"Standup", DateRec(2009, 3, 10, 9, 0), 30});
        report_ = AddTask({u"Report", DateRec(2009, 3, 10)});
        overdue_ = AddTask({u"Overdue", DateRec(2009, 3, 2)});
        undated_ = AddTask({u"Someday", DateRec(kNoDateYear, 1, 1)});
        LoadMonth();
        LoadTskList(1);
    }

    LONG conference_ = -1, lunch_ = -1, standup_ = -1, report_ = -1, overdue_ = -1, undated_ = -1;
};

TEST_F(SchedList, DayRowsComeInTheirSectionOrder) {
    ShowDayView(1, 1);
    ASSERT_NE(g_ViewWnds.scheduleList, nullptr);
    EXPECT_EQ(g_SchedList.created, 1);
    const std::vector<RowSeen> expected = {
        {kSchedHeader, -1},      {kSchedAnniv, kContact}, {kSchedAppt, conference_}, {kSchedAppt, standup_},
        {kSchedAppt, lunch_},    {kSchedTask, overdue_},  {kSchedTask, report_},  // tasks in array order
    };
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(g_SchedRows[0].value, 1) << "the Day list's header is a first header";
    EXPECT_EQ(g_SchedRows[1].extra, kAnnivBirthday);
    EXPECT_EQ(SendMessageW(g_ViewWnds.scheduleList, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));

    // The first item row is selected and becomes the current item.
    EXPECT_EQ(SendMessageW(g_ViewWnds.scheduleList, LVM_GETSELECTIONMARK, 0, 0), 1);
    SyncSchedSel();
    EXPECT_EQ(g_CurItem.oid, kContact);
    EXPECT_EQ(g_CurItem.kind, kItemContact);
}

TEST_F(SchedList, MultiDayAppointmentHasARowOnEveryDayItCovers) {
    struct Case {
        int day;
        DateRec rowDate;
    };
    const Case cases[] = {
        {9, DateRec(2009, 3, 9, 10, 0)},  // its first day: the row date is its start
        {10, DateRec(2009, 3, 10)},       // later days: the day itself
        {11, DateRec(2009, 3, 11)},
    };
    ViewId = kViewDay;
    for (const Case& c : cases) {
        g_SelectedDate = DateRec(2009, 3, c.day);
        FillSchedDay();
        int found = 0;
        for (const ListRow& row : g_SchedRows) {
            if (row.id != conference_) continue;
            ++found;
            EXPECT_EQ(row.date.wDay, c.rowDate.wDay) << "day " << c.day;
            EXPECT_EQ(row.date.wHour, c.rowDate.wHour) << "day " << c.day;
        }
        EXPECT_EQ(found, 1) << "day " << c.day;
    }
    g_SelectedDate = DateRec(2009, 3, 12);
    FillSchedDay();
    EXPECT_EQ(Rows(), (std::vector<RowSeen>{{kSchedHeader, -1}})) << "after the span: the header alone, no kind-0 row";
}

TEST_F(SchedList, TaskRulesDecideWhichTasksAreListedToday) {
    struct Case {
        LONG datedOnly, overdueToday, scheduleTasks;
        int expected;  // bit 0 report, 1 overdue, 2 undated
    };
    const Case cases[] = {
        {1, 1, 0, 0b011},
        {1, 0, 0, 0b001},
        {0, 1, 0, 0b111},
        {0, 1, 1, 0b000},
    };
    for (const Case& c : cases) {
        g_Settings.datedOnly = c.datedOnly;
        g_Settings.overdueToday = c.overdueToday;
        g_Settings.scheduleTasks = c.scheduleTasks;
        g_SchedRows.RemoveAll();
        AddSchedTaskRows(agendatest::kToday, 1);
        int seen = 0;
        for (const ListRow& row : g_SchedRows) {
            seen |= row.id == report_ ? 1 : row.id == overdue_ ? 2 : row.id == undated_ ? 4 : 0;
        }
        EXPECT_EQ(seen, c.expected) << c.datedOnly << c.overdueToday << c.scheduleTasks;
        EXPECT_EQ(AddSchedTaskRows(agendatest::kToday, 0), c.expected ? 1 : 0);
    }
    // Another day lists only what is due on it.
    g_Settings.datedOnly = 0;
    g_Settings.scheduleTasks = 0;
    g_SchedRows.RemoveAll();
    EXPECT_EQ(AddSchedTaskRows(DateRec(2009, 3, 2), 1), 1);
    EXPECT_EQ(Rows(), (std::vector<RowSeen>{{kSchedTask, overdue_}}));
}

TEST_F(SchedList, DatesSpanHeadersWithAndWithoutSkipEmpty) {
    g_Settings.skipEmpty = 0;
    ShowDatesView(1, 1);
    ASSERT_EQ(ViewId, kViewDates);
    EXPECT_EQ(CountKind(kSchedHeader), 8) << "today and the 7 following days, empty or not";
    EXPECT_EQ(g_SchedRows[0].value, 1);

    g_Settings.skipEmpty = 1;
    FillSchedAgenda();
    // Days with rows: the 10th (everything) and the 11th (the conference's last day).
    EXPECT_EQ(CountKind(kSchedHeader), 2);
    EXPECT_EQ(g_SchedRows[0].date.wDay, 10);
    EXPECT_EQ(CountKind(kSchedAppt), 4);
}

TEST_F(SchedList, EmptyDatesSpanShowsTheNothingRow) {
    g_Settings.skipEmpty = 1;
    g_Settings.scheduleTasks = 1;
    g_Settings.dateItems = 0;
    platform::testing::FreezeClock(DateRec(2009, 3, 20, 10, 0));
    g_SelectedDate = DateRec(2009, 3, 20);
    ShowDatesView(1, 1);
    EXPECT_EQ(Rows(), (std::vector<RowSeen>{{kSchedNothing, -1}}));
}

TEST_F(SchedList, TapInATaskCheckAreaCompletesItInTheStore) {
    ShowDayView(1, 1);
    const HWND list = g_ViewWnds.scheduleList;
    const int taskRow = 6;
    ASSERT_EQ(g_SchedRows[taskRow].id, report_);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, taskRow, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, taskRow);
    RECT rect{};
    SendMessageW(list, LVM_GETITEMRECT, taskRow, reinterpret_cast<LPARAM>(&rect));

    const auto complete = [&] {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), report_, IID_ITask);
        VARIANT_BOOL done = VARIANT_FALSE;
        task->get_Complete(&done);
        return done != VARIANT_FALSE;
    };
    SchedListTap(rect.left + 40, rect.top + 2);
    EXPECT_FALSE(complete()) << "a tap beside the check area only selects";
    SchedListTap(rect.left + 10, rect.top + 2);
    EXPECT_TRUE(complete());
    EXPECT_EQ(g_CurItem.oid, report_);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
}

TEST_F(SchedList, RowHeightsAndTimeColumnOnQvga) {
    struct Case {
        LONG format, fontSize, startEnd;
        int height, timeColumn;
    };
    const Case cases[] = {
        {kAgendaOneLine, 18, 1, 26, 91},
        {kAgendaTwoLines, 18, 1, 46, 91},
        {kAgendaTwoLines, 14, 1, 37, 86},
        {kAgendaOneLine, 14, 0, 26, 56},
    };
    for (const Case& c : cases) {
        g_Settings.agendaFmt = c.format;
        g_Settings.fontSize = c.fontSize;
        g_Settings.startEnd = c.startEnd;
        MEASUREITEMSTRUCT measure{};
        MeasureSchedRow(measure);
        EXPECT_EQ(static_cast<int>(measure.itemHeight), c.height) << c.format << " " << c.fontSize;
        EXPECT_EQ(SchedTimeColWidth(), c.timeColumn) << c.format << " " << c.fontSize;
    }
}

}  // namespace

namespace {

// A Dates row of a later day used to be opened on the selected date, where a series may have no
// occurrence: the preview then said "Error Finding Appointment.".
TEST_F(SchedList, DatesRowOpensTheOccurrenceOnItsOwnDay) {
    const LONG weekly = AddWeeklyAppt({u"Gym", DateRec(2009, 3, 12, 18, 0), 60}, 4);
    LoadMonth();
    ShowDatesView(1, 1);
    int row = -1, shown = 0;
    for (const ListRow& entry : g_SchedRows) {
        if (entry.id == weekly) row = shown;
        shown += entry.hidden ? 0 : 1;
    }
    ASSERT_GE(row, 0);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(g_ViewWnds.scheduleList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(g_ViewWnds.scheduleList, LVM_SETSELECTIONMARK, 0, row);
    SyncSchedSel();
    EXPECT_EQ(g_CurItem.oid, weekly);
    EXPECT_EQ(g_SelectedDate.wDay, 12);
    ApptRecord occurrence;
    EXPECT_EQ(LoadApptByOid(weekly, occurrence, g_SelectedDate), 1);
    OpenSchedRowItem();
    EXPECT_EQ(ViewId, kViewApptPreview);
}

}  // namespace

namespace {

TEST_F(SchedList, RelayoutAfterAChangeRebuildsTheRows) {
    ShowDayView(1, 1);
    ASSERT_EQ(CountKind(kSchedTask), 2);
    g_Settings.hideComplete = 1;
    const LONG at = IdIndexGet(report_, g_TskIdIndex);
    ASSERT_GE(at, 0);
    g_TskList[at].complete = 1;
    RelayoutAgendaView();  // what the change notifications and editors run
    EXPECT_EQ(CountKind(kSchedTask), 1);
    EXPECT_EQ(SendMessageW(g_ViewWnds.scheduleList, LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(g_SchedRows.Size()));
}

}  // namespace
