// Following items created, changed and deleted by another program in the loaded tasks, contacts
// and month cache, absorbing the program's own changes, and ignoring what it cannot place.
#include "frame/change_notify.h"

#include <gtest/gtest.h>

#include "core/frame_state.h"
#include "core/view_id.h"
#include "loading_fixture.h"

namespace {

using loadtest::NewAppt;
using loadtest::NewContact;
using loadtest::NewTask;

const DateRec kNoDue(kNoDateYear, 1, 1);
constexpr LONG kUnknownOid = 0x7abcde;

class ChangeNotifyTest : public loadtest::LoadingTest {
protected:
    void SetUp() override {
        LoadingTest::SetUp();
        ASSERT_NE(g_PimFolderIds.tasks, 0u);
        g_CurItem = CurItem();
    }

    static int CountTask(LONG oid) {
        int n = 0;
        for (const TskRecord& t : g_TskList) n += t.oid == oid ? 1 : 0;
        return n;
    }
    static int CountContact(LONG oid) {
        int n = 0;
        for (const CtsRecord& c : g_CtsList) n += c.oid == oid ? 1 : 0;
        return n;
    }
    static int CountAppt(LONG oid) {
        int n = 0;
        if (g_ApptCache.curAppts)
            for (const ApptRecord& a : *g_ApptCache.curAppts) n += a.oid == oid ? 1 : 0;
        return n;
    }
    static const TskRecord* FindTask(LONG oid) {
        const LONG slot = IdIndexGet(oid, g_TskIdIndex);
        return slot >= 0 && slot < g_TskList.Size() ? &g_TskList[slot] : nullptr;
    }
    static void ExpectTaskIndexMatchesList() {
        ASSERT_EQ(g_TskIdIndex.Size(), g_TskList.Size());
        for (int i = 0; i < g_TskList.Size(); ++i) EXPECT_EQ(IdIndexGet(g_TskList[i].oid, g_TskIdIndex), i);
    }
    static void ExpectContactIndexMatchesList() {
        ASSERT_EQ(g_CtsIdIndex.Size(), g_CtsList.Size());
        for (int i = 0; i < g_CtsList.Size(); ++i) EXPECT_EQ(IdIndexGet(g_CtsList[i].oid, g_CtsIdIndex), i);
    }
    template <class T>
    PoomPtr<T> Item(LONG oid, REFIID iid) {
        return GetPoomItem<T>(GetPoomApp(), oid, iid);
    }
    void LoadTwoTasks() {
        AddTask({u"Alpha", DateRec(2009, 3, 1)});
        AddTask({u"Omega", DateRec(2009, 3, 9)});
        LoadTskPOOM();
    }
};

TEST_F(ChangeNotifyTest, RemoteTaskCreatedChangedAndDeletedFollowsOnce) {
    LoadTwoTasks();
    const LONG oid = AddTask({u"Middle", DateRec(2009, 3, 5)});
    OnPimRecordCreated(oid, g_PimFolderIds.tasks);
    ASSERT_EQ(g_TskList.Size(), 3);
    EXPECT_EQ(CountTask(oid), 1);
    ExpectTaskIndexMatchesList();

    // A repeated created notification must not enter the task twice.
    OnPimRecordCreated(oid, g_PimFolderIds.tasks);
    EXPECT_EQ(CountTask(oid), 1);

    {
        const PoomPtr<ITask> task = Item<ITask>(oid, IID_ITask);
        task->put_Subject(u"Middle renamed");
        ASSERT_EQ(task->Save(), S_OK);
    }
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    ASSERT_EQ(g_TskList.Size(), 3);
    ASSERT_NE(FindTask(oid), nullptr);
    EXPECT_EQ(FindTask(oid)->subject, u"Middle renamed");
    ExpectTaskIndexMatchesList();

    ASSERT_EQ(Item<ITask>(oid, IID_ITask)->Delete(), S_OK);
    OnPimRecordDeleted(oid, g_PimFolderIds.tasks);
    EXPECT_EQ(g_TskList.Size(), 2);
    EXPECT_EQ(CountTask(oid), 0);
    ExpectTaskIndexMatchesList();
}

TEST_F(ChangeNotifyTest, RemoteAppointmentFollowsInTheCachedMonthOnce) {
    g_SelectedDate = DateRec(2009, 3, 10);
    AddAppt({u"Standing", DateRec(2009, 3, 2, 9, 0), 30});
    LoadApptsForMonth(1, 1);
    ASSERT_NE(g_ApptCache.curAppts, nullptr);
    const int before = g_ApptCache.curAppts->Size();

    const LONG oid = AddAppt({u"Dentist", DateRec(2009, 3, 12, 10, 0), 60});
    OnPimRecordCreated(oid, g_PimFolderIds.calendar);
    ASSERT_NE(g_ApptCache.curAppts, nullptr);
    EXPECT_EQ(g_ApptCache.curAppts->Size(), before + 1);
    EXPECT_EQ(CountAppt(oid), 1);

    {
        const PoomPtr<IAppointment> appt = Item<IAppointment>(oid, IID_IAppointment);
        appt->put_Subject(u"Dentist moved");
        ASSERT_EQ(appt->Save(), S_OK);
    }
    OnPimRecordChanged(oid, g_PimFolderIds.calendar);
    ASSERT_EQ(CountAppt(oid), 1);
    for (const ApptRecord& a : *g_ApptCache.curAppts) {
        if (a.oid == oid) {
            EXPECT_EQ(a.subject, u"Dentist moved");
        }
    }

    ASSERT_EQ(Item<IAppointment>(oid, IID_IAppointment)->Delete(), S_OK);
    OnPimRecordDeleted(oid, g_PimFolderIds.calendar);
    ASSERT_NE(g_ApptCache.curAppts, nullptr);
    EXPECT_EQ(CountAppt(oid), 0);
    EXPECT_EQ(g_ApptCache.curAppts->Size(), before);
}

// The mark of an appointment turned into a task went only in the appointment preview.
TEST_F(ChangeNotifyTest, TheConversionMarkGoesWithTheDeletionInEveryView) {
    g_SelectedDate = DateRec(2009, 3, 10);
    const LONG oid = AddAppt({u"To be a task", DateRec(2009, 3, 12, 10, 0), 60});
    LoadApptsForMonth(1, 1);
    ViewId = kViewDay;
    g_ChangeMarks.apptToTskMark = 1;
    g_ChangeMarks.convertedApptOid = oid;
    ASSERT_EQ(Item<IAppointment>(oid, IID_IAppointment)->Delete(), S_OK);
    OnPimRecordDeleted(oid, g_PimFolderIds.calendar);
    EXPECT_EQ(g_ChangeMarks.apptToTskMark, 0);
    EXPECT_EQ(g_ChangeMarks.convertedApptOid, kNoOid);
    ViewId = kViewCoverScreen;
}

TEST_F(ChangeNotifyTest, RemoteContactCreatedChangedAndDeletedFollowsOnce) {
    AddContact({u"Ada", u"Lovelace", u""});
    AddContact({u"Alan", u"Turing", u""});
    LoadCtsPOOM();
    ASSERT_EQ(g_CtsList.Size(), 2);

    const LONG oid = AddContact({u"Grace", u"Hopper", u""});
    OnPimRecordCreated(oid, g_PimFolderIds.contacts);
    OnPimRecordCreated(oid, g_PimFolderIds.contacts);
    EXPECT_EQ(g_CtsList.Size(), 3);
    EXPECT_EQ(CountContact(oid), 1);
    ExpectContactIndexMatchesList();

    {
        const PoomPtr<IContact> contact = Item<IContact>(oid, IID_IContact);
        contact->put_LastName(u"Brewster");
        ASSERT_EQ(contact->Save(), S_OK);
    }
    OnPimRecordChanged(oid, g_PimFolderIds.contacts);
    ASSERT_EQ(CountContact(oid), 1);
    EXPECT_EQ(g_CtsList.Size(), 3);
    ExpectContactIndexMatchesList();
    const LONG slot = IdIndexGet(oid, g_CtsIdIndex);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(g_CtsList[slot].lastName, u"Brewster");

    ASSERT_EQ(Item<IContact>(oid, IID_IContact)->Delete(), S_OK);
    OnPimRecordDeleted(oid, g_PimFolderIds.contacts);
    EXPECT_EQ(g_CtsList.Size(), 2);
    EXPECT_EQ(CountContact(oid), 0);
    ExpectContactIndexMatchesList();
}

TEST_F(ChangeNotifyTest, OwnChangeAbsorbsOneNotificationOnly) {
    LoadTwoTasks();
    const LONG oid = g_TskList[0].oid;
    {
        const PoomPtr<ITask> task = Item<ITask>(oid, IID_ITask);
        task->put_Subject(u"Edited here");
        g_ChangeMarks.ownChange = 1;
        ASSERT_EQ(task->Save(), S_OK);
    }
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    EXPECT_EQ(FindTask(oid)->subject, u"Alpha") << "the own change is absorbed, not handled";

    // The next notification is somebody else's and is handled.
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    EXPECT_EQ(FindTask(oid)->subject, u"Edited here");
    EXPECT_EQ(g_TskList.Size(), 2);
}

TEST_F(ChangeNotifyTest, OwnDeletionsAreCountedDown) {
    LoadTwoTasks();
    g_ChangeMarks.ownChange = 1;
    g_ChangeMarks.pendingOwnDeletes = 2;
    const LONG first = g_TskList[0].oid;
    const LONG second = g_TskList[1].oid;
    OnPimRecordDeleted(first, g_PimFolderIds.tasks);
    EXPECT_EQ(g_ChangeMarks.ownChange, 1);
    EXPECT_EQ(g_ChangeMarks.pendingOwnDeletes, 1);
    OnPimRecordDeleted(second, g_PimFolderIds.tasks);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    EXPECT_EQ(g_TskList.Size(), 2) << "own deletions leave the list to the code that made them";

    ASSERT_EQ(Item<ITask>(first, IID_ITask)->Delete(), S_OK);
    OnPimRecordDeleted(first, g_PimFolderIds.tasks);
    EXPECT_EQ(g_TskList.Size(), 1);
    ExpectTaskIndexMatchesList();
}

TEST_F(ChangeNotifyTest, ToggleCompleteUpdatesTheRecordAndAbsorbsItsNotification) {
    LoadTwoTasks();
    const LONG oid = g_TskList[1].oid;
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemTask;
    ToggleTskComplete(-1);
    ASSERT_NE(FindTask(oid), nullptr);
    EXPECT_EQ(FindTask(oid)->complete, 1);
    EXPECT_EQ(g_ChangeMarks.ownChange, 1);
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    EXPECT_EQ(g_ChangeMarks.ownChange, 0);
    EXPECT_EQ(CountTask(oid), 1);
    ExpectTaskIndexMatchesList();

    ToggleTskComplete(oid);
    EXPECT_EQ(FindTask(oid)->complete, 0);
}

TEST_F(ChangeNotifyTest, UnknownOidOrFolderChangesNothing) {
    LoadTwoTasks();
    AddContact({u"Ada", u"Lovelace", u""});
    LoadCtsPOOM();
    const LONG other = g_TskList[1].oid;

    struct Case {
        LRESULT (*handler)(WPARAM, LPARAM);
        LONG oid;
        CEOID folder;
    };
    const Case cases[] = {
        {OnPimRecordCreated, kUnknownOid, g_PimFolderIds.tasks},
        {OnPimRecordChanged, kUnknownOid, g_PimFolderIds.tasks},
        {OnPimRecordDeleted, kUnknownOid, g_PimFolderIds.tasks},
        {OnPimRecordCreated, kUnknownOid, g_PimFolderIds.contacts},
        {OnPimRecordChanged, kUnknownOid, g_PimFolderIds.contacts},
        {OnPimRecordDeleted, kUnknownOid, g_PimFolderIds.contacts},
        {OnPimRecordDeleted, kUnknownOid, g_PimFolderIds.calendar},
        // Folders that are none of the three, and none at all.
        {OnPimRecordDeleted, other, 0},
        {OnPimRecordDeleted, other, 0x5150},
        {OnPimRecordChanged, other, 0x5150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.oid << " in folder " << c.folder);
        EXPECT_EQ(c.handler(static_cast<WPARAM>(c.oid), static_cast<LPARAM>(c.folder)), 0);
        EXPECT_EQ(g_TskList.Size(), 2);
        EXPECT_EQ(g_CtsList.Size(), 1);
        ExpectTaskIndexMatchesList();
        ExpectContactIndexMatchesList();
    }
}

TEST_F(ChangeNotifyTest, NotificationForADeletedTaskAddsNoEmptyRecord) {
    LoadTwoTasks();
    const LONG gone = g_TskList[0].oid;
    ASSERT_EQ(Item<ITask>(gone, IID_ITask)->Delete(), S_OK);
    // The change arrives after the deletion: the task only leaves the list.
    OnPimRecordChanged(gone, g_PimFolderIds.tasks);
    EXPECT_EQ(g_TskList.Size(), 1);
    OnPimRecordCreated(gone, g_PimFolderIds.tasks);
    OnPimRecordDeleted(gone, g_PimFolderIds.tasks);
    EXPECT_EQ(g_TskList.Size(), 1);
    EXPECT_EQ(CountTask(gone), 0);
    ExpectTaskIndexMatchesList();
}

}  // namespace

namespace {

// The task of the store that the loaded list does not hold yet: the one the store just made.
LONG NewestTaskNotLoaded() {
    PoomPtr<IFolder> folder;
    GetPoomApp()->GetDefaultFolder(kPoomFolderTasks, folder.Out());
    PoomPtr<IPOutlookItemCollection> items;
    folder->get_Items(items.Out());
    int count = 0;
    items->get_Count(&count);
    for (int i = 1; i <= count; ++i) {
        PoomPtr<IDispatch> object;
        items->Item(i, object.Out());
        const PoomPtr<ITask> task = QueryPoom<ITask>(object.Get(), IID_ITask);
        LONG oid = kNoId;
        task->get_Oid(&oid);
        if (IdIndexGet(oid, g_TskIdIndex) < 0) return oid;
    }
    return kNoId;
}

TEST_F(ChangeNotifyTest, RecurringTaskCompletedHereIsFollowedToItsNextOccurrence) {
    LoadTwoTasks();
    const LONG oid = AddTask({u"Water plants", DateRec(2009, 3, 2)});
    {
        const PoomPtr<ITask> task = Item<ITask>(oid, IID_ITask);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(task->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(1 << 1);
        ASSERT_EQ(task->Save(), S_OK);
    }
    LoadTskPOOM();
    ToggleTskComplete(oid);
    EXPECT_EQ(g_ChangeMarks.recurCompleteMark, 1);
    EXPECT_EQ(g_ChangeMarks.completedTskOid, oid);

    // The store answers with the completed task's change and the next occurrence's creation.
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    const LONG next = NewestTaskNotLoaded();
    ASSERT_NE(next, kNoId);
    OnPimRecordCreated(next, g_PimFolderIds.tasks);

    EXPECT_EQ(g_ChangeMarks.recurCompleteMark, 0);
    EXPECT_EQ(g_ChangeMarks.completedTskOid, kNoId);
    EXPECT_EQ(g_CurItem.oid, next);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
    ASSERT_NE(FindTask(oid), nullptr);
    EXPECT_EQ(FindTask(oid)->complete, 1);
    ASSERT_NE(FindTask(next), nullptr);
    EXPECT_EQ(FindTask(next)->complete, 0);
    ExpectTaskIndexMatchesList();
}

// After the last occurrence no next task comes: the mark stayed set, the task stayed not done and
// the next task another program made was taken for its next occurrence.
TEST_F(ChangeNotifyTest, CompletingTheLastOccurrenceWaitsForNoNextTask) {
    LoadTwoTasks();
    const LONG oid = AddTask({u"Water plants", DateRec(2009, 3, 2)});
    {
        const PoomPtr<ITask> task = Item<ITask>(oid, IID_ITask);
        PoomPtr<IRecurrencePattern> pattern;
        ASSERT_EQ(task->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(1 << 1);
        pattern->put_Occurrences(1);
        ASSERT_EQ(task->Save(), S_OK);
    }
    LoadTskPOOM();
    ToggleTskComplete(oid);
    EXPECT_EQ(g_ChangeMarks.recurCompleteMark, 0);
    EXPECT_EQ(g_ChangeMarks.completedTskOid, kNoId);
    OnPimRecordChanged(oid, g_PimFolderIds.tasks);
    ASSERT_NE(FindTask(oid), nullptr);
    EXPECT_EQ(FindTask(oid)->complete, 1);

    const LONG theirs = AddTask({u"Someone else's", DateRec(2009, 3, 5)});
    OnPimRecordCreated(theirs, g_PimFolderIds.tasks);
    ASSERT_NE(FindTask(theirs), nullptr);
    EXPECT_EQ(FindTask(theirs)->complete, 0);
    EXPECT_NE(g_CurItem.oid, theirs) << "not taken for a next occurrence";
}

TEST_F(ChangeNotifyTest, ItemsForAContactNeedASelectedContact) {
    // No contact selected: nothing is made and nothing is marked.
    CreateApptForCts();
    CreateTskForCts();
    EXPECT_EQ(g_ChangeMarks.apptForCtsMark, 0);
    EXPECT_EQ(g_ChangeMarks.tskForCtsMark, 0);
}

}  // namespace
