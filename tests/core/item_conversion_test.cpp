// Hiding private and completed items, the phone fields, and converting the current item between
// task and appointment through the object model.
#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/item_filters.h"
#include "core/pim_state.h"
#include "frame/item_conversion.h"
#include "pim_store_fixture.h"

namespace {

using pimfixture::PimStoreTest;

struct VisibilityCase {
    LONG hidePrivate, hideComplete, sensitivity, complete;
    BOOL apptShown, taskShown;
};

TEST(ItemFilters, PrivateAndCompletedItemsAreHiddenBySettings) {
    const AppSettings saved = g_Settings;
    constexpr VisibilityCase kCases[] = {
        {0, 0, 2, 1, TRUE, TRUE},   // nothing hidden
        {1, 0, 2, 0, FALSE, FALSE}, // private hidden
        {1, 0, 0, 1, TRUE, TRUE},   // completed but not private
        {0, 1, 0, 1, TRUE, FALSE},  // completed hidden even when not private
        {0, 1, 1, 0, TRUE, TRUE},   // personal, nothing hides it
    };
    for (const VisibilityCase& c : kCases) {
        g_Settings.hidePrivate = c.hidePrivate;
        g_Settings.hideComplete = c.hideComplete;
        ApptRecord appt;
        appt.sensitivity = c.sensitivity;
        TskRecord task;
        task.sensitivity = c.sensitivity;
        task.complete = c.complete;
        EXPECT_EQ(AddApptUnlessHidden(appt), c.apptShown) << c.hidePrivate << c.hideComplete << c.sensitivity;
        EXPECT_EQ(TskIsShown(task, 1), c.taskShown) << c.hidePrivate << c.hideComplete << c.sensitivity;
    }
    g_Settings = saved;
}

TEST(ItemFilters, PhoneFieldsAreTheNumbersAndCallContact) {
    for (LONG field = -1; field <= 14; ++field) {
        const bool phone = field == 0 || field == 1 || field == 2 || field == 3 || field == 6 || field == 7 ||
                           field == 9 || field == 10 || field == 11;
        EXPECT_EQ(IsPhoneCtsField(field), phone) << field;
    }
}

class ItemConversionTest : public PimStoreTest {
protected:
    void SetUp() override {
        PimStoreTest::SetUp();
        StartPoomSession(nullptr);
        g_ChangeMarks = ChangeMarks{};
        ResetSelection();
    }
    void TearDown() override {
        ResetSelection();
        g_ChangeMarks = ChangeMarks{};
        PimStoreTest::TearDown();
    }

    LONG SaveTask(const char16_t* subject, LONG sensitivity) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(olTaskItem, object.Out()), S_OK);
        const PoomPtr<ITask> task = QueryPoom<ITask>(object.Get(), IID_ITask);
        task->put_Subject(subject);
        task->put_Body(u"notes");
        task->put_Sensitivity(sensitivity);
        task->put_Categories(u"Work");
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = 0;
        task->get_Oid(&oid);
        return oid;
    }

    int CountItems(int folderNumber) {
        PoomPtr<IFolder> folder;
        EXPECT_EQ(GetPoomApp()->GetDefaultFolder(folderNumber, folder.Out()), S_OK);
        PoomPtr<IPOutlookItemCollection> items;
        folder->get_Items(items.Out());
        int count = 0;
        items->get_Count(&count);
        return count;
    }

    // The newest appointment of the calendar folder.
    PoomPtr<IAppointment> LastAppointment() {
        PoomPtr<IPOutlookItemCollection> items(GetCalendarFolder(GetPoomApp()));
        int count = 0;
        items->get_Count(&count);
        PoomPtr<IAppointment> newest;
        LONG newestOid = 0;
        for (int i = 1; i <= count; ++i) {
            PoomPtr<IDispatch> object;
            items->Item(i, object.Out());
            PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
            LONG oid = 0;
            appt->get_Oid(&oid);
            if (oid > newestOid) {
                newestOid = oid;
                newest = std::move(appt);
            }
        }
        return newest;
    }
};

TEST_F(ItemConversionTest, TaskBecomesAnAppointmentWithoutItsPrefixAndStays) {
    const LONG taskOid = SaveTask(u"A1: Review plans", 2);
    const int tasksBefore = CountItems(kPoomFolderTasks);
    g_CurItem.oid = taskOid;
    g_CurItem.kind = kItemTask;

    ConvertTskToAppt(1);

    const PoomPtr<IAppointment> appt = LastAppointment();
    ASSERT_TRUE(appt);
    BSTR text = nullptr;
    appt->get_Subject(&text);
    EXPECT_EQ(TakeBstr(text), u"Review plans");
    text = nullptr;
    appt->get_Categories(&text);
    EXPECT_EQ(TakeBstr(text), u"Work");
    LONG sensitivity = 0;
    appt->get_Sensitivity(&sensitivity);
    EXPECT_EQ(sensitivity, 2);
    VARIANT_BOOL reminder = VARIANT_TRUE;
    appt->get_ReminderSet(&reminder);
    EXPECT_EQ(reminder, VARIANT_FALSE);

    EXPECT_EQ(CountItems(kPoomFolderTasks), tasksBefore);
    EXPECT_EQ(g_ChangeMarks.tskToApptMark, 1);
    EXPECT_EQ(g_ChangeMarks.convertedTskOid, taskOid);
    EXPECT_EQ(g_CurItem.oid, kNoId);
    EXPECT_EQ(g_CurItem.kind, kItemNone);
}

TEST_F(ItemConversionTest, NothingHappensWithoutATaskOrAppointment) {
    const int apptsBefore = CountItems(kPoomFolderCalendar);
    const int tasksBefore = CountItems(kPoomFolderTasks);
    ConvertCurItem();  // no current item
    g_CurItem.oid = pimfixture::SaveContact(u"Kim", 0);
    g_CurItem.kind = kItemContact;
    ConvertCurItem();
    CancelMeetingRequest();
    EXPECT_EQ(CountItems(kPoomFolderCalendar), apptsBefore);
    EXPECT_EQ(CountItems(kPoomFolderTasks), tasksBefore);
    EXPECT_EQ(g_ChangeMarks.tskToApptMark, 0);
    EXPECT_EQ(g_ChangeMarks.apptToTskMark, 0);
}

TEST_F(ItemConversionTest, DeletedTaskIsACleanNoOp) {
    const LONG taskOid = SaveTask(u"Gone", 0);
    {
        PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), taskOid, IID_ITask);
        ASSERT_EQ(task->Delete(), S_OK);
    }
    const int apptsBefore = CountItems(kPoomFolderCalendar);
    g_CurItem.oid = taskOid;
    g_CurItem.kind = kItemTask;
    ConvertTskToAppt(1);
    EXPECT_EQ(CountItems(kPoomFolderCalendar), apptsBefore);
    EXPECT_EQ(g_ChangeMarks.tskToApptMark, 0);
}

}  // namespace
