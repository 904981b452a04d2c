// A device with a PIM store, the program's POOM session and volume, and helpers that put
// appointments, tasks and contacts into the store; the program's loaded lists start empty.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/anniv_list.h"
#include "core/app_settings.h"
#include "core/cts_loading.h"
#include "core/cts_name_index.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"

namespace loadtest {

struct NewAppt {
    const char16_t* subject;
    DateRec start;
    LONG minutes;
    const char16_t* categories = u"";
};

struct NewTask {
    const char16_t* subject;
    DateRec due;  // year 4501: none
    LONG importance = olImportanceNormal;
    const char16_t* categories = u"";
    bool complete = false;
    const char16_t* body = u"";
};

struct NewContact {
    const char16_t* first;
    const char16_t* last;
    const char16_t* company;
    const char16_t* mobile = u"";
    const char16_t* email1 = u"";
    DateRec birthday = DateRec(kNoDateYear, 1, 1);
    DateRec anniversary = DateRec(kNoDateYear, 1, 1);
    const char16_t* body = u"";
};

inline void ResetLoadedData() {
    g_Settings = AppSettings();
    ClearApptMonthCache();
    g_ApptCache.loaded = 0;
    g_AllApptsArray.RemoveAll();
    g_MultiDaySpans.RemoveAll();
    g_TskList.RemoveAll();
    g_TskIdIndex.RemoveAll();
    g_CtsList.RemoveAll();
    g_CtsIdIndex.RemoveAll();
    g_AnnivList.RemoveAll();
    g_CtsNameIndexes = CtsNameIndexes();
    g_CustomIconIndex.RemoveAll();
    g_LoadState = LoadState();
    g_ChangeMarks = ChangeMarks();
    g_CatList.RemoveAll();
    g_CatAssocLists = CatAssocListSet();
}

class LoadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetLoadedData();
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
        ASSERT_TRUE(MountPimVol(g_PimVol));
    }
    void TearDown() override {
        platform::testing::ClearPimFailures();
        UnmountPimVol(g_PimVol);
        EndPoomSession();
        ResetLoadedData();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0) << "object-model objects leaked";
    }

    void SetOsMajor(DWORD major) {
        platform::DeviceProfile profile = platform::Profile();
        profile.osMajor = major;
        device_.SetProfile(profile);
        g_Settings.ce5OrLater = major >= 5 ? 1 : 0;
    }

    DATE Ole(const DateRec& date) {
        SYSTEMTIME time = date;
        DATE out = 0;
        GetPoomApp()->SystemTimeToVariantTime(&time, &out);
        return out;
    }

    template <class T>
    PoomPtr<T> Create(int type, REFIID iid) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(type, item.Out()), S_OK);
        return QueryPoom<T>(item.Get(), iid);
    }

    LONG AddAppt(const NewAppt& item) {
        PoomPtr<IAppointment> appt = Create<IAppointment>(olAppointmentItem, IID_IAppointment);
        appt->put_Subject(item.subject);
        appt->put_Start(Ole(item.start));
        appt->put_Duration(item.minutes);
        appt->put_Categories(item.categories);
        appt->put_ReminderSet(VARIANT_FALSE);
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        return oid;
    }

    LONG AddWeeklyAppt(const NewAppt& item, LONG occurrences) {
        const LONG oid = AddAppt(item);
        PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
        PoomPtr<IRecurrencePattern> pattern;
        EXPECT_EQ(appt->GetRecurrencePattern(pattern.Out()), S_OK);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(1 << item.start.wDayOfWeek);
        pattern->put_Occurrences(occurrences);
        EXPECT_EQ(appt->Save(), S_OK);
        return oid;
    }

    LONG AddTask(const NewTask& item) {
        PoomPtr<ITask> task = Create<ITask>(olTaskItem, IID_ITask);
        task->put_Subject(item.subject);
        if (item.due.wYear != kNoDateYear) task->put_DueDate(Ole(item.due));
        task->put_Importance(item.importance);
        task->put_Categories(item.categories);
        task->put_Body(item.body);
        task->put_ReminderSet(VARIANT_FALSE);
        if (item.complete) task->put_Complete(VARIANT_TRUE);
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = -1;
        task->get_Oid(&oid);
        return oid;
    }

    LONG AddContact(const NewContact& item) {
        PoomPtr<IContact> contact = Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(item.first);
        contact->put_LastName(item.last);
        contact->put_CompanyName(item.company);
        contact->put_MobileTelephoneNumber(item.mobile);
        contact->put_Email1Address(item.email1);
        contact->put_Body(item.body);
        if (item.birthday.wYear != kNoDateYear) contact->put_Birthday(Ole(item.birthday));
        if (item.anniversary.wYear != kNoDateYear) contact->put_Anniversary(Ole(item.anniversary));
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }

    platform::testing::TestDevice device_;
};

}  // namespace loadtest
