// The attendee array: its sorted insert and removal, and the recipients it writes to an
// appointment in the device's PIM store and reads back.
#include "editors/attendees.h"

#include <gtest/gtest.h>

#include "core/poom_session.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"

namespace {

std::vector<std::u16string> Names() {
    std::vector<std::u16string> names;
    for (const Attendee& attendee : g_AttendeeArray) names.push_back(attendee.name + u"<" + attendee.address + u">");
    return names;
}

TEST(Attendees, InsertSortedIgnoringCaseAndEqualNamesKeepTheirOrder) {
    AttendArrRemoveAll();
    EXPECT_EQ(AttendInsertSorted(u"bob", u"b@x"), 0);
    EXPECT_EQ(AttendInsertSorted(u"Alice", u"a1@x"), 0);
    EXPECT_EQ(AttendInsertSorted(u"alice", u"a2@x"), 1);
    EXPECT_EQ(AttendInsertSorted(u"Zed", u"z@x"), 3);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Alice<a1@x>", u"alice<a2@x>", u"bob<b@x>", u"Zed<z@x>"}));
    EXPECT_EQ(AttendArrRemoveAt(4), -1);
    EXPECT_EQ(AttendArrRemoveAt(-1), -1);
    EXPECT_EQ(AttendArrRemoveAt(1), 3);
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Alice<a1@x>", u"bob<b@x>", u"Zed<z@x>"}));
    AttendArrSetSize(1);
    EXPECT_EQ(g_AttendeeArray.Size(), 1);
    AttendArrRemoveAll();
}

TEST(Attendees, RecipientsSavedAndReadBack) {
    platform::testing::TestDevice device;
    StartPoomSession(nullptr);
    ASSERT_NE(GetPoomApp(), nullptr);
    LONG oid = -1;
    {
        PoomPtr<IDispatch> object;
        ASSERT_EQ(GetPoomApp()->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        appt->put_Subject(u"Review");
        appt->put_Start(DateRecToPoom(GetPoomApp(), DateRec(2022, 3, 22, 10, 0, 0)));
        appt->put_Duration(60);
        AttendArrRemoveAll();
        AttendInsertSorted(u"Carol", u"carol@example.org");
        AttendInsertSorted(u"Ann", u"ann@example.org");
        ASSERT_TRUE(WriteAttendeesToAppt(appt.Get()));
        ASSERT_EQ(appt->Save(), S_OK);
        appt->get_Oid(&oid);
    }
    AttendArrRemoveAll();
    {
        const PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
        ASSERT_TRUE(appt);
        EXPECT_EQ(LoadAttendeesFromAppt(appt.Get()), 2);
        EXPECT_EQ(Names(),
                  (std::vector<std::u16string>{u"Ann<ann@example.org>", u"Carol<carol@example.org>"}));
        // Writing an emptied array removes every recipient.
        AttendArrRemoveAll();
        ASSERT_TRUE(WriteAttendeesToAppt(appt.Get()));
        ASSERT_EQ(appt->Save(), S_OK);
        EXPECT_EQ(LoadAttendeesFromAppt(appt.Get()), 0);
    }
    EXPECT_EQ(LoadAttendeesFromAppt(nullptr), 0);
    EndPoomSession();
    EXPECT_EQ(platform::testing::LivePimObjects(), 0);
}

}  // namespace
