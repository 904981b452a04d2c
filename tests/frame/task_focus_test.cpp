// Giving the focus back to the task list: the task whose row is selected is the current item again,
// after a dialog over the list (the options, say) let go of the selection.
#include <gtest/gtest.h>

#include "core/cur_item.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/user.h"
#include "program_fixture.h"
#include "ui/view_focus.h"

namespace {

class TaskFocus : public frametest::ProgramTest {};

TEST_F(TaskFocus, TheSelectedRowsTaskIsCurrentAgainWhenTheListTakesTheFocus) {
    FreezeTestDay();
    LONG second = -1;
    {
        Store store;
        store.Task(u"Book flights", DateRec(2026, 12, 11));
        second = store.Task(u"Renew visa", DateRec(2026, 12, 12));
    }
    WriteSetting(u"STARTON30", kStartTasks);
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    int row = 0;
    while (row < g_TskRows.Size() && g_TskRows[row].id != second) ++row;
    ASSERT_LT(row, g_TskRows.Size());
    TapListRow(g_TskListState.list, row);
    ASSERT_EQ(g_CurItem.oid, second);

    ResetSelection();
    SetFocus(g_Frame.mainWnd);
    FocusCurrentView();
    EXPECT_EQ(GetFocus(), g_TskListState.list);
    EXPECT_EQ(g_CurItem.oid, second);
    EXPECT_EQ(g_CurItem.kind, kItemTask);
}

}  // namespace
