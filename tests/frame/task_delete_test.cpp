// Deleting a task from its preview, as the user does it: the task list opened on start, a row
// tapped, the Action key for the preview, Menu > Delete Task, and Back in the list without the task.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cur_item.h"
#include "core/poom_session.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/shell.h"
#include "platform/testing_draw.h"
#include "platform/user.h"
#include "program_fixture.h"

namespace {

namespace pt = platform::testing;

class TaskDelete : public frametest::ProgramTest {};

RECT RowRect(HWND list, int row) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The preview's delete left the task's row in the list, blank, and selecting it said "No Selected
// Task." until another view was shown.
TEST_F(TaskDelete, DeletingFromThePreviewLeavesNoRowBehind) {
    FreezeTestDay();
    LONG doomed = -1;
    {
        Store store;
        store.Task(u"Book flights", DateRec(2026, 12, 11));
        doomed = store.Task(u"Renew visa", DateRec(2026, 12, 12));
        store.Task(u"Pack bags", DateRec(2026, 12, 13));
    }
    WriteSetting(u"STARTON30", kStartTasks);
    pt::DrawRecord record;
    Open();
    ASSERT_EQ(ViewId, kViewTasks);
    const HWND list = g_TskListState.list;
    int row = 0;
    while (row < g_TskRows.Size() && g_TskRows[row].id != doomed) ++row;
    ASSERT_LT(row, g_TskRows.Size());
    TapListRow(list, row);
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewTaskPreview);
    ASSERT_EQ(g_CurItem.oid, doomed);

    pt::AnswerMessageBox(IDYES);
    pt::Key(VK_TSOFT2);
    pt::ActInsideModalLoop([] {
        for (int i = 0; i < 3; ++i) pt::Key(VK_DOWN);  // "Back", "Toggle Completed", "Delete Task"
        pt::Key(VK_RETURN);
    });
    pt::PumpUntilIdle();
    EXPECT_FALSE(GetPoomItem<ITask>(GetPoomApp(), doomed, IID_ITask)) << "the store let the task go";
    ASSERT_EQ(ViewId, kViewTasks);

    // The list holds no row of the task, and every task row shows its task; walking the rows with
    // the pad never selects an empty task row.
    pt::ClearMessageBoxes();
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    int tasks = 0;
    for (int i = 0; i < g_TskRows.Size(); ++i) {
        EXPECT_NE(g_TskRows[i].id, doomed);
        if (g_TskRows[i].id == kNoId) continue;
        ++tasks;
        EXPECT_FALSE(record.ScreenTextsIn(RowRect(list, i)).empty()) << "row " << i << " is drawn empty";
    }
    EXPECT_EQ(tasks, 2);
    std::vector<std::u16string> shown;
    for (int i = 0; i < count; ++i) {
        pt::Key(VK_DOWN);
        pt::PumpUntilIdle();
        const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        ASSERT_GE(selected, 0);
        ASSERT_LT(selected, g_TskRows.Size());
        if (g_TskRows[selected].id == kNoId) continue;
        const auto texts = record.ScreenTextsIn(RowRect(list, selected));
        ASSERT_FALSE(texts.empty()) << "row " << selected << " is drawn empty";
        shown.push_back(texts.front().text);
    }
    EXPECT_FALSE(shown.empty());
    for (const std::u16string& text : shown) EXPECT_EQ(text.find(u"Renew visa"), std::u16string::npos);
    EXPECT_TRUE(pt::MessageBoxesShown().empty()) << "no \"No Selected Task.\"";
}

}  // namespace
