// The main window's small routines: the last view and a preview's origin, the links key by keyboard
// model, hiding the view windows, the refresh after a task changed, the two-state arrow glyph and
// the month picker's lists.
#include <string>

#include "core/app_settings.h"
#include "core/kbd_model.h"
#include "core/tsk_loading.h"
#include "draw_surface.h"
#include "frame/view_refresh.h"
#include "list_fixture.h"
#include "lists/task_view.h"
#include "platform/controls.h"
#include "projects/links_key.h"
#include "ui/agenda_services.h"
#include "ui/draw_prims.h"
#include "ui/main_routines.h"
#include "ui/month_year_lists.h"
#include "ui/outline_list.h"
#include "ui/view_focus.h"

namespace {

using ViewRoutines = ListFixture;

TEST_F(ViewRoutines, LastViewAndPreviewOriginByView) {
    struct Case {
        LONG view;
        LONG lastView;   // after RememberLastView, from a last view of 5
        LONG origin;     // after RememberPreviewOrigin(0), from an origin of 4
    };
    const Case cases[] = {
        {kViewDay, kViewTasks, 1},          {kViewDates, kViewDates, 2},     {kViewContacts, kViewContacts, 3},
        {kViewTasks, kViewTasks, 0},        {kViewProjects, kViewProjects, 7}, {kViewMonth, kViewMonth, 4},
        {kViewApptPreview, kViewTasks, 4},  {kViewWallet, kViewWallet, 4},   {kViewSpinner, kViewTasks, 4},
    };
    for (const Case& c : cases) {
        g_Frame.prevViewId = kViewTasks;
        RememberPreviewOrigin(1);
        ViewId = c.view;
        RememberLastView();
        RememberPreviewOrigin(0);
        EXPECT_EQ(g_Frame.prevViewId, c.lastView) << c.view;
        EXPECT_EQ(GetPreviewOrigin(), c.origin) << c.view;
    }
    RememberPreviewOrigin(1);
    EXPECT_EQ(GetPreviewOrigin(), 4);
}

TEST_F(ViewRoutines, LinksKeysByKeyboardModel) {
    struct Case {
        UINT key;
        LONG model;
        int taken;
    };
    const Case cases[] = {
        {'A', kKbdModelUnknown, 1}, {'a', kKbdMotoQ, 1}, {'*', kKbdModelUnknown, 1}, {VK_DELETE, kKbdModelUnknown, 0},
        {190, kKbdModelUnknown, 1}, {'x', kKbdDash, 1},  {'x', kKbdPalmTreo, 0},      {'b', kKbdDash, 0},
    };
    for (const Case& c : cases) {
        g_Frame.kbdModelCode = c.model;
        EXPECT_EQ(HandleLinksKey(c.key), c.taken) << c.key << " on " << c.model;
    }
    g_Frame.kbdModelCode = kKbdModelUnknown;
}

TEST_F(ViewRoutines, HideAllViewWindowsHidesEachThatExists) {
    const HWND schedule = MakeList({});
    const HWND tasks = MakeList({});
    g_ViewWnds = ViewWindows{};
    g_ViewWnds.scheduleList = schedule;
    g_ViewWnds.taskList = tasks;
    HideAllViewWindows();
    EXPECT_FALSE(IsWindowVisible(schedule));
    EXPECT_FALSE(IsWindowVisible(tasks));
}

TEST_F(ViewRoutines, TaskChangeWithCompletedHiddenSelectsTheTasksRowAgain) {
    ListRowArray saved = g_TskRows;
    const TskArray savedTasks = g_TskList;
    const LONG savedSort = g_Settings.taskSort;
    // The refill rebuilds the rows from the loaded tasks: thirty open tasks in name order.
    g_Settings.taskSort = 0;
    g_TskRows.RemoveAll();
    g_TskList.RemoveAll();
    for (LONG i = 0; i < 30; ++i) {
        ListRow row;
        row.kind = kRowItem;
        row.id = 0x40000000 + i;
        g_TskRows.InsertAt(g_TskRows.Size(), row);
        TskRecord task;
        task.oid = row.id;
        g_TskList.Append(task);
    }
    const HWND list = MakeList({}, 100);
    OutlineFillList(list, g_TskRows);
    g_ViewWnds.taskList = list;
    Select(list, 0);
    ViewId = kViewTasks;
    g_Settings.hideComplete = 1;
    g_Settings.taskPreview = 0;
    RefreshViewAfterItemChange(0x40000000 + 20, 0);
    EXPECT_EQ(Selected(list), 20);
    const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(Top(list), 20);
    EXPECT_GT(Top(list) + perPage, 20);
    g_TskRows = saved;
    g_TskList = savedTasks;
    g_Settings.taskSort = savedSort;
}

TEST(TwoStateArrow, EachStateDrawsItsOwnGlyphAndLeavesMagentaOut) {
    platform::testing::TestDevice device;
    RegisterQuorviaResources();
    DrawSurface surface(40, 12);
    DrawTwoStateArrow(surface.dc(), 0, 0, 0);
    DrawTwoStateArrow(surface.dc(), 20, 0, 1);
    bool differs = false;
    int drawn = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 9; ++x) {
            const COLORREF left = surface.Pixel(x, y), right = surface.Pixel(x + 20, y);
            EXPECT_NE(left, kMagentaKey);
            EXPECT_NE(right, kMagentaKey);
            if (y < 3 || y >= 8) {
                EXPECT_EQ(left, 0xFFFFFFu) << x << "," << y;  // drawn 3 pixels down, 5 high
            }
            differs = differs || left != right;
            drawn += left != 0xFFFFFF;
        }
    }
    EXPECT_TRUE(differs);
    EXPECT_GT(drawn, 0);
}

TEST_F(ViewRoutines, MonthAndYearListsSelectAndReadTheStoredValues) {
    const auto listBox = [this](int id) {
        return CreateWindowExW(0, u"LISTBOX", u"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 0, 100, 100, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    };
    const HWND months = listBox(kIdMonthList);
    const HWND years = listBox(kIdYearList);
    FillMonthYearLists(parent_, 3, 2008);
    EXPECT_EQ(SendMessageW(months, LB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(SendMessageW(years, LB_GETCOUNT, 0, 0), kListedYears);
    EXPECT_EQ(SendMessageW(months, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(years, LB_GETCURSEL, 0, 0), kYearsAroundSeed);
    WCHAR text[32] = {};
    SendMessageW(years, LB_GETTEXT, kListedYears - 1, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(text), u"2018");
    SendMessageW(months, LB_SETCURSEL, 11, 0);
    SendMessageW(years, LB_SETCURSEL, 0, 0);
    LONG month = 0, year = 0;
    ReadMonthYearLists(parent_, month, year);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(year, 1998);
    // A list without a selection leaves its value.
    SendMessageW(years, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ReadMonthYearLists(parent_, month, year);
    EXPECT_EQ(year, 1998);
}

}  // namespace
