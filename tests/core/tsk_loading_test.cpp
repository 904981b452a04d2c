// Loading the tasks through POOM and from the PIM volume, the fallback, reading one task, and the
// OID index kept beside the list.
#include "core/tsk_loading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/frame_state.h"
#include "core/tsk_priority.h"
#include "loading_fixture.h"

namespace {

using loadtest::NewTask;

const DateRec kNoDue(kNoDateYear, 1, 1);

std::vector<std::u16string> SortedCats(const TskRecord& task) {
    std::vector<std::u16string> names(task.categories.begin(), task.categories.end());
    std::sort(names.begin(), names.end());
    return names;
}

class TskLoadingTest : public loadtest::LoadingTest {
protected:
    void AddFixtureTasks() {
        AddTask({u"A1: Review budget", DateRec(2009, 3, 15), olImportanceHigh, u"Work"});
        AddTask({u"Water plants", kNoDue, olImportanceLow, u"Home", false, u"Twice a week"});
        AddTask({u"B12: File taxes", DateRec(2009, 4, 15), olImportanceNormal, u"", true});
        AddTask({u"A1:Call bank", DateRec(2009, 3, 1), olImportanceHigh, u"Home, Work"});
        AddTask({u"Zebra", DateRec(2009, 3, 2), olImportanceNormal});
    }
    void ExpectIndexMatchesList() {
        ASSERT_EQ(g_TskIdIndex.Size(), g_TskList.Size());
        for (int i = 0; i < g_TskList.Size(); ++i) EXPECT_EQ(IdIndexGet(g_TskList[i].oid, g_TskIdIndex), i);
    }
};

TEST_F(TskLoadingTest, BothPathsGiveTheSameRecords) {
    AddFixtureTasks();
    LoadTskPOOM();
    const TskArray viaPoom = g_TskList;
    LoadTskDb(1);
    ExpectIndexMatchesList();
    ASSERT_EQ(g_TskList.Size(), 5);
    ASSERT_EQ(viaPoom.Size(), 5);
    for (int i = 0; i < 5; ++i) {
        const TskRecord& a = viaPoom[i];
        const TskRecord& b = g_TskList[i];
        SCOPED_TRACE(std::string(a.subject.begin(), a.subject.end()));
        EXPECT_EQ(a.oid, b.oid);
        EXPECT_EQ(a.subject, b.subject);
        EXPECT_EQ(a.prefixLetter, b.prefixLetter);
        EXPECT_EQ(a.prefixNumber, b.prefixNumber);
        EXPECT_EQ(a.hasDue, b.hasDue);
        if (a.hasDue) {
            EXPECT_TRUE(DateEqual(a.due, b.due));
        }
        EXPECT_TRUE(DateEqual(a.start, b.start));
        EXPECT_EQ(a.complete, b.complete);
        EXPECT_EQ(a.importance, b.importance);
        EXPECT_EQ(a.sensitivity, b.sensitivity);
        EXPECT_EQ(a.reminderSet, b.reminderSet);
        EXPECT_EQ(a.hasNotes, b.hasNotes);
        EXPECT_EQ(SortedCats(a), SortedCats(b));  // the volume gives them in the store's pair order
        EXPECT_EQ(a.icon, b.icon);
    }
    EXPECT_EQ(g_LoadState.tasksLoaded, 1);
}

TEST_F(TskLoadingTest, PrefixDueDateAndSortOrder) {
    AddFixtureTasks();
    LoadTskPOOM();
    // Default keys: priority descending, then name, then completed.
    const std::u16string order[] = {u"Call bank", u"Review budget", u"File taxes", u"Zebra", u"Water plants"};
    ASSERT_EQ(g_TskList.Size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g_TskList[i].subject, order[i]) << i;
    const TskRecord& review = g_TskList[1];
    EXPECT_EQ(review.prefixLetter, u'A');
    EXPECT_EQ(review.prefixNumber, 1);
    EXPECT_EQ(g_TskList[2].prefixNumber, 12);
    EXPECT_EQ(g_TskList[2].complete, 1);
    const TskRecord& plants = g_TskList[4];
    EXPECT_EQ(plants.prefixLetter, 0);
    EXPECT_EQ(plants.hasDue, 0);
    EXPECT_EQ(plants.start.wYear, kNoDateYear);
    EXPECT_EQ(plants.hasNotes, 1);
    EXPECT_EQ(JoinCommaList(plants), u"Home");
}

TEST_F(TskLoadingTest, SourceChoiceAndFallback) {
    AddFixtureTasks();
    struct Case {
        DWORD osMajor;
        LONG loadPoom;
        const char* failing;
        int loaded;
    } const cases[] = {
        {5, 0, "CeOpenDatabaseInSession", 5},          // the volume cannot be read: POOM steps in
        {5, 0, "IPOutlookApp::GetDefaultFolder", 5},   // the volume path needs no folder
        {5, 1, "IPOutlookApp::GetDefaultFolder", 0},   // "LOADPOOM" forces the object model
        {4, 0, "IPOutlookApp::GetDefaultFolder", 0},   // before version 5 always the object model
    };
    for (const Case& c : cases) {
        SetOsMajor(c.osMajor);
        g_Settings.loadPoom = c.loadPoom;
        g_LoadState.tasksLoaded = 0;
        platform::testing::FailPimCall(c.failing, E_FAIL, 1000);
        LoadTskList(0);
        platform::testing::ClearPimFailures();
        EXPECT_EQ(g_TskList.Size(), c.loaded) << c.osMajor << " " << c.loadPoom << " " << c.failing;
        EXPECT_EQ(g_LoadState.tasksLoaded, 1);
    }
}

TEST_F(TskLoadingTest, FailedItemFetchEndsTheLoadWithWhatWasRead) {
    AddFixtureTasks();
    platform::testing::FailPimCall("IPOutlookItemCollection::Item", E_FAIL, 1, 3);
    LoadTskPOOM();
    EXPECT_EQ(g_TskList.Size(), 3);
    EXPECT_EQ(g_LoadState.tasksLoaded, 1);
    ExpectIndexMatchesList();
}

// The sorted insert rebuilds the index when it puts a task between others; the loader must not
// enter that task a second time.
TEST_F(TskLoadingTest, PoomLoadEntersEachTaskInTheIndexOnce) {
    AddFixtureTasks();
    LoadTskPOOM();
    ExpectIndexMatchesList();
}

TEST_F(TskLoadingTest, SavedTaskGoesToItsSortedPlace) {
    AddFixtureTasks();
    LoadTskDb(0);
    const LONG oid = AddTask({u"Alpha", DateRec(2009, 5, 1), olImportanceHigh});
    EXPECT_EQ(AddTskToList(oid), 1);
    ASSERT_EQ(g_TskList.Size(), 6);
    EXPECT_EQ(g_TskList[0].oid, oid);
    ExpectIndexMatchesList();
    const LONG last = AddTask({u"Zz", kNoDue, olImportanceLow});
    AddTskToList(last);
    EXPECT_EQ(g_TskList[6].oid, last);
    ExpectIndexMatchesList();
}

TEST_F(TskLoadingTest, FetchByOidReadsOneTaskOrKeepsTheRecord) {
    const LONG oid = AddTask({u"C3: Plan trip", DateRec(2009, 7, 1), olImportanceNormal, u"Travel"});
    g_CustomIconIndex.Append(IdPair{5, oid});
    TskRecord task;
    FetchTskByOid(oid, task);
    EXPECT_EQ(task.oid, oid);
    EXPECT_EQ(task.subject, u"Plan trip");
    EXPECT_EQ(task.prefixLetter, u'C');
    EXPECT_EQ(task.icon, 5);
    EXPECT_EQ(task.recurring, 0);
    TskRecord missing;
    missing.subject = u"kept";
    FetchTskByOid(oid + 999, missing);
    EXPECT_EQ(missing.subject, u"kept");
    EXPECT_EQ(missing.oid, -1);
}

TEST(SyncApptCustomIconTest, CurrentItemOnTheShownDayTakesItsIcon) {
    ApptArray appts;
    for (LONG oid : {1, 2, 3}) {
        ApptRecord appt;
        appt.oid = oid;
        appt.start = DateRec(2009, 3, 4 + oid, 9, 0);
        appts.Append(appt);
    }
    g_ApptCache.curAppts = &appts;
    g_SelectedDate = DateRec(2009, 3, 6);
    g_CustomIconIndex.Append(IdPair{8, 2});
    g_CurItem.oid = 2;
    SyncApptCustomIcon();
    EXPECT_EQ(appts[1].icon, 8);
    g_CurItem.oid = 3;  // on another day: not looked at
    g_CustomIconIndex[0] = IdPair{9, 3};
    SyncApptCustomIcon();
    EXPECT_EQ(appts[2].icon, -1);
    g_ApptCache.curAppts = nullptr;
    g_CustomIconIndex.RemoveAll();
    g_CurItem.oid = kNoOid;
}

TEST(FormatMessageTextTest, NumberedInserts) {
    std::u16string text;
    EXPECT_TRUE(FormatMessageText(text, u"%1 of %2!d!", u"Week", 12));
    EXPECT_EQ(text, u"Week of 12");
    EXPECT_FALSE(FormatMessageText(text, u""));
    EXPECT_EQ(text, u"");
}

}  // namespace
