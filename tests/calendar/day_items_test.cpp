// The day item list from a fixture month: what is listed in which order under the settings, the
// scroll offset, the overflow report, the hit test's selection and the year view's day marks.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/day_items.h"
#include "calendar/paint_helpers.h"
#include "calendar_fixture.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

constexpr LONG kAnnOid = 500;

class DayItemsTest : public CalendarTest {
protected:
    DayItemsTest() {
        AnnivArrAddSorted(g_AnnivList, Anniv(kAnnOid, u"Ann", 1990, 3, 10, kAnnivBirthday));
        AnnivArrAddSorted(g_AnnivList, Anniv(501, u"Bob", 1990, 3, 11, kAnnivBirthday));
        appts_.Append(Appt(1, u"Dentist", DateRec(2026, 3, 10, 9, 0), 60));
        ApptRecord lunch = Appt(2, u"Lunch", DateRec(2026, 3, 10, 12, 0), 30);
        lunch.sensitivity = 2;
        lunch.recurring = 1;
        appts_.Append(lunch);
        appts_.Append(Appt(3, u"Gym", DateRec(2026, 3, 11, 18, 0), 60));
        g_TskList.Append(Task(11, u"Report", 2026, 3, 10));
        g_TskList.Append(Task(12, u"Taxes", 2026, 3, 5));
        g_TskList.Append(Task(13, u"Someday", 0, 0, 0));
        g_TskList.Append(Task(14, u"Later", 2026, 3, 20));
        HDC dc = GetDC(g_Frame.mainWnd);
        {
            const SelectScope select(dc, DayBoxFont());
            h_ = TextExtent(dc, u"XX").cy;
        }
        ReleaseDC(g_Frame.mainWnd, dc);
    }

    // The OIDs of the entries as the hit test finds them row after row.
    std::vector<LONG> Listed(const RECT& rect, const DateRec& date, int scroll, bool todayFlag) {
        std::vector<LONG> oids;
        for (int row = 0;; ++row) {
            if (!HitTestDayItems(rect, rect.left + 20, kTop + row * h_ + 1, date, kTop, scroll, todayFlag, false))
                break;
            oids.push_back(g_CurItem.oid);
        }
        return oids;
    }

    static constexpr int kTop = 20;
    static constexpr RECT kBox{0, 0, 230, 300};
    int h_ = 0;
};

TEST_F(DayItemsTest, ListsSectionsInOrderUnderTheSettings) {
    const DateRec day(2026, 3, 10);
    struct Case {
        const char* name;
        LONG AppSettings::*setting;
        LONG value;
        bool todayFlag;
        std::vector<LONG> oids;
    } cases[] = {
        {"defaults", nullptr, 0, true, {kAnnOid, 1, 2, 11, 12, 13}},
        {"dated only", nullptr, 0, false, {kAnnOid, 1, 2, 11, 12}},
        {"no date items", &AppSettings::dateItems, 0, true, {1, 2, 11, 12, 13}},
        {"schedule without tasks", &AppSettings::scheduleTasks, 1, true, {kAnnOid, 1, 2}},
        {"hide private", &AppSettings::hidePrivate, 1, true, {kAnnOid, 1, 11, 12, 13}},
        {"overdue not today", &AppSettings::overdueToday, 0, true, {kAnnOid, 1, 2, 11, 13}},
    };
    for (const Case& c : cases) {
        g_Settings = AppSettings();
        if (c.setting) g_Settings.*c.setting = c.value;
        EXPECT_EQ(Listed(kBox, day, 0, c.todayFlag), c.oids) << c.name;
    }
}

TEST_F(DayItemsTest, ActiveTaskListedOnEveryDayBetweenStartAndDue) {
    TskRecord project = Task(20, u"Project", 2026, 3, 20);
    project.start = DateRec(2026, 3, 12);
    g_TskList.RemoveAll();
    g_TskList.Append(project);
    g_AnnivList.RemoveAll();
    appts_.RemoveAll();
    const DateRec midway(2026, 3, 15);
    EXPECT_TRUE(Listed(kBox, midway, 0, false).empty());
    g_Settings.activeTasks = 1;
    EXPECT_EQ(Listed(kBox, midway, 0, false), std::vector<LONG>{20});
    EXPECT_TRUE(Listed(kBox, DateRec(2026, 3, 11), 0, false).empty());
}

TEST_F(DayItemsTest, ScrolledEntriesAreNeitherDrawnNorHit) {
    const DateRec day(2026, 3, 10);
    EXPECT_EQ(Listed(kBox, day, 2, true), (std::vector<LONG>{2, 11, 12, 13}));
}

TEST_F(DayItemsTest, ReportsEntriesBelowWhenTheBoxIsFull) {
    const DateRec day(2026, 3, 10);
    Canvas canvas;
    const RECT threeRows{0, 0, 230, kTop + 3 * h_ + 1};
    EXPECT_EQ(DrawDayItems(canvas.dc(), threeRows, day, kTop, 0, true, true, false), 1);
    EXPECT_EQ(DrawDayItems(canvas.dc(), kBox, day, kTop, 0, true, true, false), 0);
    EXPECT_EQ(DrawDayItems(canvas.dc(), threeRows, day, kTop, 3, false, true, false), 0);
    EXPECT_TRUE(canvas.Save(OutputFile("day_items.png")));
}

TEST_F(DayItemsTest, HitSetsKindDateAndDraggable) {
    const DateRec day(2026, 3, 10);
    struct Case {
        int row;
        LONG oid;
        LONG kind;
        DateRec date;
        LONG draggable;
    } cases[] = {
        {0, kAnnOid, kItemContact, day, 0},
        {1, 1, kItemAppt, DateRec(2026, 3, 10, 9, 0), 1},
        {2, 2, kItemAppt, DateRec(2026, 3, 10, 12, 0), 0},  // recurring
        {3, 11, kItemTask, day, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(HitTestDayItems(kBox, 30, kTop + c.row * h_ + 1, day, kTop, 0, true, false));
        EXPECT_EQ(g_CurItem.oid, c.oid);
        EXPECT_EQ(g_CurItem.kind, c.kind);
        EXPECT_TRUE(DateEqual(HitItemDate, c.date)) << c.row;
        EXPECT_EQ(HitItemDraggable, c.draggable);
    }
    EXPECT_FALSE(HitTestDayItems(kBox, 30, kTop - 3, day, kTop, 0, true, false));
}

TEST_F(DayItemsTest, SpanWithoutOidEndsTheList) {
    TimeSpan span;
    span.start = DateRec(2026, 3, 9, 20, 0);
    span.minutes = 24 * 60;
    span.oid = -1;
    spans_.Append(span);
    Canvas canvas;
    const DateRec day(2026, 3, 10);
    EXPECT_EQ(Listed(kBox, day, 0, true), std::vector<LONG>{kAnnOid});
    EXPECT_EQ(DrawDayItems(canvas.dc(), RECT{0, 0, 230, kTop + h_}, day, kTop, 0, true, true, false), 0);
}

TEST_F(DayItemsTest, DayMarkCounts) {
    g_TskList.Append(Task(15, u"Done", 2026, 3, 12));
    g_TskList[g_TskList.Size() - 1].complete = 1;
    const struct {
        DateRec date;
        int tasks;
        int appts;
    } cases[] = {
        {DateRec(2026, 3, 10), 1, 1},
        {DateRec(2026, 3, 11), 0, 1},
        {DateRec(2026, 3, 12), 0, 0},
        {DateRec(2026, 3, 20), 1, 0},
    };
    for (const auto& c : cases) {
        int tasks = -1, appts = -1;
        GetDayMarkCounts(c.date, tasks, appts);
        EXPECT_EQ(tasks, c.tasks) << c.date.wDay;
        EXPECT_EQ(appts, c.appts) << c.date.wDay;
    }
}

}  // namespace
