// The start view that a command-line switch names, as the program opens over a filled store.
#include <gtest/gtest.h>

#include <string>

#include "core/cmd_line.h"
#include "core/cur_item.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "platform/text.h"
#include "program_fixture.h"

namespace {

class StartView : public frametest::ProgramTest {};

// An appointment named on the command line in a month other than today's opened its preview over
// today: the day behind the preview was today's and the shown month did not hold the appointment.
TEST_F(StartView, AnAppointmentSwitchOpensTheAppointmentsDay) {
    FreezeTestDay();
    LONG oid = -1;
    {
        Store store;
        oid = store.Appt(u"Dentist", DateRec(2027, 3, 15, 10, 0), 60);
    }
    ParseCmdLine(u"APPT:" + platform::FormatW(u"%d", static_cast<int>(oid)));
    Open();
    EXPECT_EQ(ViewId, kViewApptPreview);
    EXPECT_EQ(g_CurItem.oid, oid);
    EXPECT_EQ(g_SelectedDate.wYear, 2027);
    EXPECT_EQ(g_SelectedDate.wMonth, 3);
    EXPECT_EQ(g_SelectedDate.wDay, 15);
    ASSERT_NE(g_ApptCache.curAppts, nullptr);
    bool listed = false;
    for (const ApptRecord& appt : *g_ApptCache.curAppts) listed |= appt.oid == oid;
    EXPECT_TRUE(listed) << "the shown month is the appointment's";
}

}  // namespace
