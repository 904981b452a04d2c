// The day list and the schedule list when the shown month's appointments are gone: the rows are
// left out and the failure is said once, after the painting, measuring or tapping that found it.
#include <gtest/gtest.h>

#include <string>

#include "calendar/agenda_view.h"
#include "calendar/sched_list.h"
#include "core/cmd_line.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "program_fixture.h"

namespace {

constexpr const char16_t* kPointerError = u"Error: Appointment Pointer Error.";

class MissingMonth : public frametest::ProgramTest {
protected:
    static int PointerErrors() {
        int count = 0;
        for (const auto& box : platform::testing::MessageBoxesShown()) count += box.text == kPointerError ? 1 : 0;
        return count;
    }
    // Paints the window now, as the screen asks for it.
    static void PaintNow(HWND window) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    static void TapMiddleOf(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        platform::testing::Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
};

// The message box came up from inside painting, measuring and hit tests, at each of them.
TEST_F(MissingMonth, DayListSaysAMissingMonthOnceAndOutsidePainting) {
    FreezeTestDay();
    {
        Store store;
        store.Appt(u"Dentist", DateRec(2026, 12, 10, 10, 0), 60);
    }
    WriteSetting(u"AGENDAFMT", kAgendaDrawn);
    WriteSetting(u"STARTON30", kStartDay);
    Open();
    ASSERT_EQ(ViewId, kViewDay);
    const HWND agenda = g_ViewWnds.agendaView;
    ASSERT_NE(agenda, nullptr);
    platform::testing::ClearMessageBoxes();

    ClearApptMonthCache();
    // The list is measured and drawn anew, as after any change of its data.
    ReleaseAgendaBuffer();
    PaintNow(agenda);
    EXPECT_EQ(PointerErrors(), 0) << "no box while the list paints";
    TapMiddleOf(agenda);
    platform::testing::PumpUntilIdle();
    ReleaseAgendaBuffer();
    PaintNow(agenda);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(PointerErrors(), 1);
}

TEST_F(MissingMonth, ScheduleListSaysAMissingMonthOnce) {
    FreezeTestDay();
    WriteSetting(u"AGENDAFMT", 1);
    WriteSetting(u"STARTON30", kStartDay);
    Open();
    ASSERT_EQ(ViewId, kViewDay);
    ASSERT_NE(g_ViewWnds.scheduleList, nullptr);
    platform::testing::ClearMessageBoxes();

    ClearApptMonthCache();
    for (int refresh = 0; refresh < 3; ++refresh) {
        RefreshSchedList();
        PaintNow(g_ViewWnds.scheduleList);
    }
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(PointerErrors(), 1);
}

}  // namespace
