// The stylus on the calendar views: the month swipe, taps on neighbour-month days, the double tap
// in the next-month preview, and dragging an appointment to another day through the PIM store.
#include <gtest/gtest.h>

#include "calendar/calendar_input.h"
#include "calendar/calendar_stylus.h"
#include "calendar/month_view.h"
#include "calendar_fixture.h"
#include "core/month_cache_edit.h"
#include "core/poom_session.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/time.h"
#include "ui/view_windows.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

class StylusTest : public CalendarTest {
protected:
    StylusTest() {
        ViewId = kViewMonth;
        g_Settings.splitMonth = 0;
        ClearApptMonthCache();
        DropMonthGridCache();
        LayoutSplitPanes(g_Frame.mainWnd);
    }
    ~StylusTest() override {
        EndPoomSession();
        ClearApptMonthCache();
        DropMonthGridCache();
        g_PenDown = PenDownPoint{};
    }
    // The middle of the grid cell of a date of the selected month's grid.
    static POINT CellCentre(int year, int month, int day) {
        Canvas canvas;
        const MonthGridGeometry g =
            MonthGeometry(canvas.dc(), MonthGridRect, g_SelectedDate.wYear, g_SelectedDate.wMonth);
        POINT p{-1, -1};
        ForEachMonthCell(g, [&](const MonthCellPlace& c) {
            if (c.year == year && c.month == month && c.day == day && !c.folded)
                p = POINT{c.x + g.cellWidth / 2, c.y + g.rowHeight / 2};
        });
        return p;
    }
    static LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }
};

TEST_F(StylusTest, HorizontalStrokeChangesTheMonth) {
    struct Case {
        const char* name;
        int dx;
        int dy;
        int wantMonth;
        int wantDay;
    } cases[] = {
        {"60 to the left, 30 down: previous month", -60, 30, 2, 1},
        {"60 to the left, 45 down: too steep", -60, 45, 3, 10},
        {"exactly 50 to the right: too short", 50, 0, 3, 10},
        {"60 to the right, 40 up: next month", 60, -40, 4, 1},
    };
    for (const Case& c : cases) {
        g_SelectedDate = DateRec(2026, 3, 10);
        g_PenDown = PenDownPoint{100, 100};
        OnStylusUp(MAKELPARAM(100 + c.dx, 100 + c.dy));
        EXPECT_EQ(g_SelectedDate.wMonth, c.wantMonth) << c.name;
        EXPECT_EQ(g_SelectedDate.wDay, c.wantDay) << c.name;
        EXPECT_EQ(g_PenDown.x, -1) << c.name;
    }
}

TEST_F(StylusTest, TapOnAPreviousMonthDaySelectsItAndLoadsItsMonth) {
    g_SelectedDate = DateRec(2026, 4, 15);  // 1 April 2026 is a Wednesday: row 1 begins with 29 March
    const POINT p = CellCentre(2026, 3, 29);
    ASSERT_GE(p.x, 0);
    DayPaneScroll = 2;
    OnStylusDown(At(p));
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 3, 29)));
    EXPECT_GE(FindMonthBucket(2026, 3), 0);
    EXPECT_EQ(DayPaneScroll, 0);
    EXPECT_EQ(g_PenDown.x, p.x);
}

TEST_F(StylusTest, DoubleTapInTheNextMonthPreview) {
    DropMonthGridCache();
    g_Settings.splitMonth = 1;
    g_Settings.nextMonthPrev = 1;
    LayoutSplitPanes(g_Frame.mainWnd);
    const RECT& r = NextMonthPreviewRect;
    OnStylusDblTap(MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 4, 1)));
}

TEST_F(StylusTest, DropOnItsOwnDayKeepsTheItem) {
    g_CurItem.oid = 5;
    g_CurItem.kind = kItemAppt;
    g_CurItem.date = DateRec(2026, 3, 12, 9, 0);
    DropItemOnDate(2026, 3, 12);
    EXPECT_EQ(g_CurItem.oid, 5);
    EXPECT_EQ(EndItemDrag(10, 10), 0) << "no drag was active";
}

TEST_F(StylusTest, DragMovesAnAppointmentToAnotherDayThroughTheStore) {
    StartPoomSession(g_Frame.mainWnd);
    IPOutlookApp2* app = GetPoomApp();
    ASSERT_NE(app, nullptr);
    LONG oid = 0;
    {
        PoomPtr<IDispatch> object;
        ASSERT_EQ(app->CreateItem(olAppointmentItem, object.Out()), S_OK);
        const PoomPtr<IAppointment> appt = QueryPoom<IAppointment>(object.Get(), IID_IAppointment);
        SYSTEMTIME start = DateRec(2026, 3, 12, 14, 30);
        DATE when = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&start, &when));
        appt->put_Subject(u"Dentist");
        appt->put_Start(when);
        appt->put_Duration(60);
        ASSERT_EQ(appt->Save(), S_OK);
        appt->get_Oid(&oid);
    }
    g_CurItem.oid = oid;
    g_CurItem.kind = kItemAppt;
    g_CurItem.date = DateRec(2026, 3, 12, 14, 30);
    HitItemDraggable = 1;
    const POINT target = CellCentre(2026, 3, 20);
    BeginItemDrag(40, 40);
    EXPECT_TRUE(IsItemDragActive());
    MoveItemDrag(At(target));
    OnStylusUp(At(target));
    EXPECT_FALSE(IsItemDragActive());
    EXPECT_EQ(g_CurItem.oid, kNoId);
    EXPECT_TRUE(DateSameDay(g_SelectedDate, DateRec(2026, 3, 10))) << "the drop leaves the selection";

    const PoomPtr<IAppointment> moved = GetPoomItem<IAppointment>(app, oid, IID_IAppointment);
    ASSERT_TRUE(moved);
    DATE when = 0;
    moved->get_Start(&when);
    SYSTEMTIME start{};
    VariantTimeToSystemTime(when, &start);
    EXPECT_EQ(start.wMonth, 3);
    EXPECT_EQ(start.wDay, 20);
    EXPECT_EQ(start.wHour, 14);
    EXPECT_EQ(start.wMinute, 30);
}

LRESULT CALLBACK StylusWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN: CalendarStylusDown(lp); return 0;
    case WM_LBUTTONUP: CalendarStylusUp(lp); return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST_F(StylusTest, HoldOnAnEmptyDaySelectsItBeforeTheNewItemMenu) {
    SetWindowLongPtrW(g_Frame.mainWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StylusWndProc));
    POINT p = CellCentre(2026, 3, 20);
    ClientToScreen(g_Frame.mainWnd, &p);
    std::vector<std::u16string> shown;
    DateRec selectedWhenOpen;
    platform::testing::ActInsideModalLoop([&] {
        shown = platform::testing::OpenMenuTexts();
        selectedWhenOpen = g_SelectedDate;
        platform::testing::Key(VK_ESCAPE);
    });
    platform::testing::Hold(p.x, p.y);
    platform::testing::PumpUntilIdle();
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"New Appt.", u"New Task", u"-", u"Appt. From Template",
                                                   u"Task From Template"}));
    EXPECT_TRUE(DateSameDay(selectedWhenOpen, DateRec(2026, 3, 20)));
}

TEST_F(StylusTest, TapInTheTasksViewGivesTheTaskListTheFocus) {
    g_ViewWnds.taskList = CreateWindowExW(0, u"CalendarTestMain", u"", WS_CHILD | WS_VISIBLE, 0, 0, 240, 200,
                                          g_Frame.mainWnd, nullptr, g_Main.instance, nullptr);
    ASSERT_NE(g_ViewWnds.taskList, nullptr);
    ViewId = kViewTasks;
    g_Settings.taskPreview = 1;
    SetFocus(g_Frame.mainWnd);
    OnStylusDown(MAKELPARAM(100, 250));
    EXPECT_EQ(GetFocus(), g_ViewWnds.taskList);
    DestroyWindow(std::exchange(g_ViewWnds.taskList, nullptr));
}

TEST_F(StylusTest, WithoutADraggableHitNoDragStarts) {
    HitItemDraggable = 0;
    BeginItemDrag(40, 40);
    EXPECT_FALSE(IsItemDragActive());
}

}  // namespace
